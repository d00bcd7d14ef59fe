// Grows until memory runs out: the script ends with the out-of-memory error.
var s = "0123456789abcdef";
while (true) s = s + s;
