// Calls of a name whose arguments are names, constants and arithmetic: the
// function is read once the arguments are done, from the scope that has it.
function add(a, b) { return a + b; }
var n = 5;
Debug.trace(add(n - 1, n * 2) + " " + add("x", n) + " " + add(n, 0.5) + "\n");

// `this` is the scope's object, or the global object for an activation's
// function.
var tag = "global";
function whoAmI(x) { return this.tag + x; }
function viaLocal() {
    var f = whoAmI;
    return f(1);
}
var o = new Object();
o.tag = "o";
o.whoAmI = whoAmI;
with (o) { Debug.trace(whoAmI(2) + " " + viaLocal() + " " + whoAmI(n - 2) + "\n"); }

// An argument whose arithmetic runs script code (valueOf) is evaluated the
// general way, and may change what the name holds before it is read. The
// conversion reaches the global object through its own object.
function first(x) { return "first " + x; }
function second(x) { return "second " + x; }
var switcher = new Object();
switcher.home = this;
switcher.valueOf = swap;
function swap() { this.home.first = this.home.second; return 10; }
Debug.trace(first(switcher + 1) + "\n");

// Recursion through a global name, and through a parameter.
function fib(k) { if (k < 2) return k; return fib(k - 1) + fib(k - 2); }
function apply(g, v) { return g(v); }
Debug.trace(fib(15) + " " + apply(fib, 10) + "\n");

// A call that waits inside, its arguments already computed.
function later(a, b) { wait(0); return a * b; }
Debug.trace(later(n + 1, n - 1) + " " + add(later(2, 3), n % 3) + "\n");
