// Functions made from text by the Function constructor, and toString.
function print(text) { Debug.trace(text + "\n"); }
function declared(first, second) { return first * second; }

var add = new Function("a", "b", "return a+b");
print(add(2, 3) + " " + add.length + " " + typeof add);
Debug.trace(add.toString());

var one = new Function("return 1");
print(one() + " " + one.length);
var empty = new Function();
print(typeof empty() + " " + empty.length);
Debug.trace(empty.toString());

// Called without new it does the same.
var twice = Function("x", "return x * 2");
print(twice(21));

// Parameter texts are converted and joined with commas.
var three = new Function("a, b", "c", "return a + b + c");
print(three(1, 2, 3) + " " + three.length);

// The function is separate from the caller's scope.
var outer = "outer";
var reads = new Function("return typeof outer + ' ' + typeof inner");
function hasInner() { var inner = 1; return reads(); }
print(hasInner());

Debug.trace(declared.toString());
print(Function.length + " " + Function.toString() + " " + Object.toString());
print(Function.prototype.toString());

// A created function may outlive every reference but its running call.
var temporary = new Function("temporary = 0; return 'still running'");
print(temporary() + " " + temporary);

var broken = new Function("return (");
print("not reached");
