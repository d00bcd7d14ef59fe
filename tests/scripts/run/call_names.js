// name(...): the function is read after the arguments from the scope that
// has the name; this is the global object for functions found in an
// activation, the object of a with for its functions.
function show(label, value) { Debug.trace(label + ": " + value + "\n"); }
function f() { return "f " + typeof this; }
function g() { return "g"; }
function outer() {
    var local = f;
    show("local function", local());
    show("replaced by argument", f(f = g));
    f = show;
    var o = new Object();
    o.h = g;
    with (o) show("with", h());
    return nested();
    
}
function nested() { return "nested"; }
show("outer", outer());
show("eval", eval("g()"));
missing();
