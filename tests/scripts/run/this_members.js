// Members of `this` assigned values that take a while: a call that waits,
// a nested construction, eval text. Each member is written once, after its
// value is complete.
var order = "";
function slow(v) { wait(1); order = order + v; return v; }

function Pair(a, b) {
    this.first = slow(a);
    this.second = slow(b) + this.first;
    this.inner = new Inner(slow("i"));
    this.twice = eval("this.first * 2");
}
function Inner(tag) { this.tag = tag + slow("!"); }

var p = new Pair(2, 3);
Debug.trace(p.first + " " + p.second + " " + p.inner.tag + " " + p.twice + " " + order + "\n");

// In global code `this` is the global object.
this.fromGlobal = slow(7);
Debug.trace(fromGlobal + " " + order + "\n");

// A method writing to its object.
function setTwice(v) { this.value = slow(v) * 2; return this.value; }
var holder = new Object();
holder.set = setTwice;
Debug.trace(holder.set(4) + " " + holder.value + "\n");

// Names assigned values that wait, the name deleted while the value waits:
// the value goes where the name was found before it was made.
function deletedMeanwhile() {
    var x = 1;
    x = (eval("delete x"), slow(5));
    return x;
}
var g = 1;
g = slow(6) + g;
Debug.trace(deletedMeanwhile() + " " + g + "\n");
