function f(a, b) { return a + b; }
var x = f(1, 2);
for (var p in x) { x = void p; }
