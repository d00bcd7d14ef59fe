// Recursive calls: fib(30) makes about 2.7 million script function calls.
// expect 30: 832040
// expect 12: 144
function fib(n) { if (n < 2) return n; return fib(n - 1) + fib(n - 2); }
var size = 30;
Debug.trace(fib(size) + "\n");
