// new on script functions: the new object, its prototype, and what the
// constructor returns.
function print(text) { Debug.trace(text + "\n"); }

function Point(x, y) { this.x = x; this.y = y; }
function pointSum() { return this.x + this.y; }
Point.prototype.sum = pointSum;
var p = new Point(2, 3);
print(p.x + " " + p.y + " " + p.sum() + " " + (p.constructor == Point));

function F() {}
F.prototype.x = 1;
print(new F().x);
var f = new F();
F.prototype.x = 2;
print(f.x);

function ReturnsObject() { var other = new Object(); other.tag = "other"; this.tag = "mine"; return other; }
print(new ReturnsObject().tag);
function ReturnsNumber() { this.tag = "mine"; return 5; }
print(new ReturnsNumber().tag);

// "prototype" exists from its first read, refers back through
// "constructor", and is not enumerable.
function G() {}
var listed = false;
for (var name in G) if (name == "prototype") listed = true;
print(typeof G.prototype + " " + (G.prototype.constructor == G) + " " + (G.prototype == G.prototype) + " " + listed);
for (name in G) if (name == "prototype") listed = true;
print(listed);

// A "prototype" that is not an object gives the new object the default one.
function H() {}
H.prototype = 5;
var h = new H();
print(typeof h.toString + " " + h.toString());

// new calls the function with the new object as `this` each time.
function Counter() { this.count = 0; }
function increment() { this.count = this.count + 1; return this.count; }
Counter.prototype.increment = increment;
var one = new Counter();
var two = new Counter();
one.increment();
one.increment();
print(one.increment() + " " + two.increment());
