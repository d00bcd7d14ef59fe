// Calling a value that is not a function.
var number = 5;
number();
