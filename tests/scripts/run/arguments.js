// The arguments object: its indexes, "length", "callee", and the aliasing
// of indexes below the number of formal parameters.
function print(text) { Debug.trace(text + "\n"); }

function f(a, b) {
    print(a + " " + b + " " + arguments.length + " " + arguments[0] + " " + (arguments.callee == f));
}
f(1);

function alias(a) {
    arguments[0] = 5;
    print(a);
    a = 7;
    print(arguments[0]);
    print(arguments[1]);
    print(delete arguments[0]);
    print(a);
    print(delete arguments[1]);
    print(arguments[1] + " " + arguments.length);
}
alias(1, "second");

// An index below the number of formal parameters aliases the parameter
// even when no argument was passed for it.
function unpassed(a, b) {
    arguments[1] = 3;
    return b + " " + arguments.length;
}
print(unpassed(1));

// An arguments object kept after its call keeps the parameters' last values.
var kept;
function keep(a, b) { kept = arguments; a = 9; }
keep(4, 5, 6);
print(kept[0] + " " + kept[1] + " " + kept[2] + " " + kept.length);
kept[0] = 10;
print(kept[0]);

// Nothing on it is enumerable.
function names(a) {
    var listed = "";
    for (var p in arguments) listed = listed + p + ",";
    return "[" + listed + "]";
}
print(names(1, 2, 3));

// "arguments" is an ordinary variable of the function: a parameter of that
// name gives way to the object, and scripts may replace or delete it.
function named(arguments) { return typeof arguments + " " + arguments.length; }
print(named(1, 2));
function replaced() { arguments = 5; return arguments; }
print(replaced(1));
function deleted() { var gone = delete arguments; return gone + " " + typeof arguments; }
print(deleted());
function declared() { var arguments; return arguments.length; }
print(declared(1, 2, 3));
