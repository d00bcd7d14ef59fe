// join, toString, reverse and sort on arrays and on other objects.
var a = new Array(1, null, void 0, 2);
Debug.trace(a.join("-") + "|" + a + "|" + a.join(void 0) + "|" + new Array().join() + "|\n");

var holes = new Array(5);
holes[1] = "b";
holes[4] = "e";
holes.reverse();
var keys = "";
for (var k in holes) keys += k + "=" + holes[k] + " ";
Debug.trace("reversed holes: " + keys + "\n");

Debug.trace("text order: " + new Array(10, 9, 1, 100).sort() + "\n");
function numeric(x, y) { return x - y; }
Debug.trace("numeric order: " + new Array(10, 9, 1, 100).sort(numeric) + "\n");
var u = new Array(void 0, "b", void 0, "a");
u.length = 5;
u.sort();
Debug.trace("undefined last: " + u + " (length " + u.length + ")\n");
Debug.trace("not a function: " + new Array(3, 1, 2).sort("numeric") + "\n");

// Generic: any object with a length.
var o = new Object();
o.length = 3;
o[0] = "x";
o[2] = "z";
o.join = Array.prototype.join;
o.reverse = Array.prototype.reverse;
o.reverse();
Debug.trace("object: " + o.join("+") + "\n");

// Sorting fills holes with undefined elements.
var filled = new Array(3);
filled[1] = "x";
filled.sort();
keys = "";
for (k in filled) keys += k + "=" + filled[k] + " ";
Debug.trace("sorted holes: " + keys + "\n");
