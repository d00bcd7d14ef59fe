// Twenty thousand nested arrays converted to text: the conversion nests as
// deeply as the arrays do and ends with a run-time error.
var a = new Array();
var i = 0;
while (i < 20000) { var b = new Array(); b[0] = a; a = b; i++; }
Debug.trace("built\n");
a.toString();
Debug.trace("not reached\n");
