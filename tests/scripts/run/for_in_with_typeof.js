// for ... in order, with scopes and typeof, as scripts see them.
function print(text) { Debug.trace(text + "\n"); }

// Names come bucket by bucket (a hash of the name, 11 buckets), oldest
// first within a bucket, then the prototype's names.
var o = new Object();
o.a = 1; o.b = 2; o.c = 3;
var s = "";
for (var p in o) s = s + p;
print(s);
var greek = new Object();
greek.alpha = 1; greek.beta = 2; greek.gamma = 3; greek.delta = 4;
s = "";
for (p in greek) s = s + p + " ";
print(s);
function F() { this.own = 1; }
F.prototype.inherited = 2;
s = "";
for (p in new F()) s = s + p + " ";
print(s);

// The global object lists the script's functions and variables (all
// declared before the first statement runs), not the built-in names.
var listed = "";
for (var name in this) listed = listed + name + " ";
print(listed);

// with puts an object in front of the scope chain for its body.
var w = new Object();
w.x = 1;
var x = "global";
with (w) { print(x); x = 2; y = 3; }
print(w.x + " " + x + " " + y + " " + typeof w.y);

print(typeof undeclaredName + " " + typeof null + " " + typeof print + " " + typeof Object + " " + typeof eval);
print(typeof 1 + " " + typeof "s" + " " + typeof true + " " + typeof new Object() + " " + typeof Debug.trace);
