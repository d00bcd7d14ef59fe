// A number subscript that is an array index names the element by its full
// decimal text, so large indices stay apart and count for the length.
var a = new Array();
a[1000001] = "x";
a[1000002] = "y";
Debug.trace(a[1000001] + " " + a[1000002] + " " + (a.length == 1000003) + "\n");
Debug.trace(a["1000001"] + " " + a[4294967294 - 4293967293] + "\n");
a[4294967294] = "last";
Debug.trace((a.length == 4294967295) + " " + a["4294967294"] + "\n");
// Other numbers keep the text a conversion to string gives them.
var o = new Object();
o[4294967295] = "not an index";
o[1.5] = "fraction";
o[-1000001] = "negative";
for (var name in o) Debug.trace(name + "=" + o[name] + "\n");
Debug.trace((1000001 + "") + "\n");
