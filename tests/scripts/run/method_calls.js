// o.m(...): the method is read after the arguments, `this` is o, and the
// errors of a missing method, a destroyed or missing object.
function show(label, value) { Debug.trace(label + ": " + value + "\n"); }
function first() { return "first " + this.name; }
function second() { return "second " + this.name; }
function Thing(name) { this.name = name; }
Thing.prototype.m = first;
function run() {
    var o = new Thing("o");
    show("own prototype method", o.m());
    show("replaced by an argument", o.m(o.m = second));
    o.m = first;
    var other = new Thing("other");
    show("this is the object", other.m() + " / " + o.m());
    var holder = new Object();
    holder.inner = o;
    show("nested", holder.inner.m());
    show("number method", (255).toString() + " " + typeof (true).toString());
    show("Math", Math.max(3, Math.floor(7.9)) + " " + Math.abs(-2));
    var d = new Date(0);
    show("Date", d.getTime() + " " + d.getUTCFullYear());
    var n = null;
    show("before missing method", "ok");
    o.missing();
}
function nullBase() { var n = null; return n.m(); }
run();
