// Global names read, written, deleted and made again, from global code,
// from functions, through `with` and `eval`: each read must see the
// property as it is now, however often the name was read before.
var a = 1;
var b = 2;
function readA() { return a; }
function total() { return a + b; }
for (var i = 0; i < 3; i++) a = a + readA();
Debug.trace("a " + a + " total " + total() + "\n");

// Deleted and made again: the new property, not the old one.
b = "two";
delete b;
Debug.trace("b gone: " + (typeof b) + "\n");
b = 40;
Debug.trace("b again: " + b + " total " + total() + "\n");
for (var k = 0; k < 3; k++) {
    c = k * 10;
    delete c;
    c = k * 100;
}
Debug.trace("c " + c + "\n");

// A deleted name read again is an error; the script goes on after.
function lost() { return gone; }
gone = 5;
Debug.trace("gone " + lost() + "\n");
delete gone;
Debug.trace("typeof gone " + (typeof gone) + "\n");

// Shadowed by an object of `with`, then seen again after it.
var o = new Object();
o.a = "from o";
with (o) Debug.trace("with: " + a + "\n");
Debug.trace("after with: " + a + "\n");

// Built-in names, replaced and deleted.
Debug.trace("parseInt " + parseInt("42") + "\n");
var keep = parseInt;
parseInt = keep;
Debug.trace("parseInt again " + parseInt("43") + "\n");
Debug.trace("Math.floor " + Math.floor(2.5) + "\n");
var savedMath = Math;
delete Math;
Debug.trace("Math deleted: " + (typeof Math) + "\n");
Math = savedMath;
Debug.trace("Math back: " + Math.floor(3.5) + "\n");

// Names made by eval and by for-in over the global object.
eval("var fromEval = 7");
Debug.trace("fromEval " + fromEval + "\n");
var seen = 0;
for (var name in this) if (name == "fromEval") seen++;
Debug.trace("seen " + seen + "\n");
delete fromEval;
Debug.trace("fromEval deleted: " + (typeof fromEval) + "\n");

// Many names, so that they share the remembered slots.
for (var n = 0; n < 600; n++) eval("g" + n + " = " + n);
var sum = 0;
for (var r = 0; r < 3; r++) for (var n = 0; n < 600; n += 7) sum = sum + eval("g" + n);
for (var n = 0; n < 600; n += 2) eval("delete g" + n);
var left = 0;
for (var n = 0; n < 600; n++) if (eval("typeof g" + n) == "number") left++;
Debug.trace("sum " + sum + " left " + left + "\n");
Debug.trace(lost() + "\n");
