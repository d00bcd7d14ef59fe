// Writes to a name that is ReadOnly on the prototype chain are ignored,
// whether the name is written by dot, by brackets, or from a constructor.
function F() { this.PI = 3; this["E"] = 2; }
F.prototype = Math;
var o = new F();
o.PI = 4;
o.E = 5;
o.own = 6;
var k = "own";
o[k] = 7;
function G() {}
G.prototype = o;
var g = new G();
g.PI = 1;
g.own = 8;
Debug.trace(o.PI + " " + o.E + " " + o.own + " " + g.PI + " " + g.own + " " + o.own + "\n");
