// An array with the largest length and a few elements: reverse, sort and
// join finish at once, and a join whose separators alone would make gigabytes
// of text is refused.
function show(label, a) {
    var text = label + ":";
    for (var k in a) text += " " + k + "=" + a[k];
    Debug.trace(text + "\n");
}
var a = new Array();
a.length = 4294967295;
a[5] = 1;
a[7] = void 0;
a["4000000000"] = "z";
a.reverse();
show("reversed", a);
a.sort();
show("sorted", a);
Debug.trace("joined: " + a.join("") + ", length " + a.length + "\n");
Debug.trace(a.toString());
Debug.trace("not reached\n");
