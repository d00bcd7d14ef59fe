// Calls one after another and one inside another, of functions with few and
// many locals, with and without their arguments object, eval and `this`:
// every call starts with only its own parameters and variables.
function few(a) { var b; return typeof b + " " + a; }
function many(a, b, c, d, e, f, g) {
    var h, i, j;
    h = a + b; i = c + d; j = e + f + g;
    return h + i + j + (typeof arguments[7]);
}
function counted() { return arguments.length + ":" + arguments[0]; }
function evaluated(x) { eval("var made = x * 2"); return made; }
function lookup(x) { return typeof made + " " + x; }
function deep(n) { if (n == 0) return 0; var local = n; return deep(n - 1) + local; }

var out = "";
for (var round = 0; round < 3; round++) {
    out = out + few(round) + "|" + many(1, 2, 3, 4, 5, 6, 7, 8) + "|" + counted(round, 9) + "|" +
          evaluated(round) + "|" + lookup(round) + "|" + few() + "\n";
}
Debug.trace(out);
// Deeper than the calls kept for reuse, then shallow again.
Debug.trace(deep(40) + " " + deep(3) + " " + few("x") + "\n");

// An arguments object kept past its call still shows the call's values,
// while the next calls run.
function keep(a, b) { return arguments; }
var kept = keep(1, 2);
few(5); many(9, 9, 9, 9, 9, 9, 9);
var again = keep(3, 4);
Debug.trace(kept[0] + " " + kept[1] + " " + again[0] + " " + again[1] + "\n");

// `this` of a function called by its global name is the global object,
// called as a method it is the object, and with `with` the object found.
var self = this;
function whoIsThis() { return this == self ? "global" : this.label; }
var box = new Object();
box.label = "box";
box.who = whoIsThis;
with (box) { Debug.trace(whoIsThis() + " " + who() + " " + box.who() + "\n"); }
Debug.trace(whoIsThis() + "\n");
// A built-in function called by a global name.
var show = Object.prototype.toString;
Debug.trace(show() + "\n");
