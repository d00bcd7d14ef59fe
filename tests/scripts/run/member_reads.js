// o.name read as a value: from objects, through prototypes, from
// primitives (wrapped), from the result of a call, and errors for
// undefined and null bases. Values, types and errors must be as when the
// member is read through a reference.
function Point(x) { this.x = x; }
Point.prototype.kind = "point";
function make(x) { return new Point(x); }
var p = new Point(3);
var s = "text";
var n = 12.5;
var t = true;
Debug.trace(p.x + " " + p.kind + " " + typeof p.missing + " " + make(4).x + " " + make(5).kind + "\n");
Debug.trace(s.length + " " + typeof s.charAt + " " + n.toString() + " " + typeof t.valueOf + "\n");
Debug.trace(Math.PI + " " + typeof Math.nothing + " " + String.fromCharCode.length + "\n");
function chain(o) { return o.inner.inner.x; }
var a = new Object();
a.inner = new Object();
a.inner.inner = p;
Debug.trace(chain(a) + "\n");
p.x = 10;
delete Point.prototype.kind;
Debug.trace(p.x + " " + typeof p.kind + "\n");
var u;
function readUndefined() { return u.x; }
Debug.trace("before\n");
readUndefined();
