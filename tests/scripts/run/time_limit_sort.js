// A sort of 65 536 elements runs for many seconds: the time limit stops the
// sort itself. (The elements are made by native code, so that making them
// takes next to none of the time.)
var text = "b,a";
var i = 0;
while (i < 15) { text = text + "," + text; i++; }
var a = text.split(",");
Debug.trace(a.length + " elements\n");
a.sort();
Debug.trace("not reached\n");
