// An array's length follows its index properties; assigning the length cuts
// the array back, and a length outside the 32-bit range is refused.
function show(label, a) {
    var text = label + ": length " + a.length + ",";
    for (var k in a) text += " " + k + "=" + a[k];
    Debug.trace(text + "\n");
}
show("new Array(3)", new Array(3));
show("new Array('3')", new Array("3"));
show("new Array(1, 2)", new Array(1, 2));
show("Array(7, 8, 9)", Array(7, 8, 9));
show("new Array(-1)", new Array(-1));

var a = new Array();
a[10] = "ten";
a["010"] = "octal-looking";
a["4294967295"] = "too big";
show("after a[10]", a);
a.length = 1.7;
show("after length = 1.7", a);
a[3] = "three";
a.length = 0;
show("after length = 0", a);

// Cutting back from the largest length must not walk four billion indices.
var sparse = new Array();
sparse.length = 4294967295;
sparse[2] = "two";
sparse["4294967294"] = "last";
sparse.length = 3;
show("sparse", sparse);
delete sparse.length;
show("after delete length", sparse);

Array.prototype[1] = "inherited";
Debug.trace("prototype length " + Array.prototype.length + ", element " + new Array()[1] + "\n");
Array.prototype.length = 0;

a.length = 2;
a.length = 4294967296;
Debug.trace("not reached\n");
