// Declared functions: results, recursion, parameters, scope and `this`.
function print(text) { Debug.trace(text + "\n"); }

function fact(n) { if (n <= 1) return 1; return n * fact(n - 1); }
function fib(n) { if (n < 2) return n; return fib(n - 1) + fib(n - 2); }
function noReturn() { var x = 1; }
function params(a, b) { print(a + " " + b + " " + arguments.length); }
function three(x, y, z) {}
function duplicate(a, a) { return a; }

print(fact(8));
print(fib(15));
print(noReturn());
print(typeof fact + " " + typeof noReturn());
params(1);
params(1, 2, 3);

// "length" is the number of formal parameters and cannot be changed.
print(three.length + " " + fact.length + " " + noReturn.length);
three.length = 10;
print(three.length + " " + delete three.length + " " + three.length);
print(duplicate(1, 2));

// A function sees its own variables and the globals, never its caller's.
var x = "global";
function shadow() { var x = "local"; return x; }
print(shadow() + " " + x);
function callee() { return typeof callerLocal; }
function caller() { var callerLocal = 1; return callee(); }
print(caller());
function assignsGlobal() { assigned = 5; }
assignsGlobal();
print(assigned);
function readBeforeVar() { var before = later; var later = 2; return before; }
print(readBeforeVar());
function declaresInDeadBranch() { if (false) { var dead = 1; } return typeof dead; }
print(declaresInDeadBranch());
function parameterKeepsValue(p) { var p; return p; }
print(parameterKeepsValue(6));

// return leaves a loop inside the function.
function firstSquareAbove(limit) { for (var i = 0; ; i++) { if (i * i > limit) return i; } }
print(firstSquareAbove(50));

// Called plainly, a function gets the global object as `this`; called as a
// method, the object.
function self() { return this; }
print(self() == this);
var o = new Object();
o.method = self;
print(o.method() == o);
var held = o.method;
print(held() == this);
