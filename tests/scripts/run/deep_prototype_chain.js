// A prototype chain 300 000 objects long: every walk along it (a missing
// property read, a with statement, for-in and a property assignment) works
// without exhausting the machine stack.
function F() {}
var base = new Object();
base.inherited = "from the end of the chain";
var p = base;
var i = 0;
while (i < 300000) { F.prototype = p; p = new F(); i++; }
Debug.trace(p.missing + "\n");
Debug.trace(p.inherited + "\n");
with (p) { Debug.trace(inherited + "\n"); }
var names = 0;
for (var name in p) names++;
Debug.trace(names + "\n");
p.inherited = "own";
p.added = 1;
Debug.trace(p.inherited + " " + p.added + " " + base.inherited + "\n");
