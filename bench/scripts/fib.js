// Recursive calls: fib(25) makes about 243,000 script function calls.
function fib(n) { if (n < 2) return n; return fib(n - 1) + fib(n - 2); }
Debug.trace(fib(25) + "\n");
