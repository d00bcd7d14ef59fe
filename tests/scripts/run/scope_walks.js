// Names a function does not declare: found past its activation, unless the
// activation gained them since the call began.
var shared = "global";
function helper() { return "global helper"; }

function plain() { return shared + " " + helper(); }

// A var made by eval text belongs to the activation from then on.
function evalVar() {
    var before = shared;
    eval("var shared = 'local'");
    eval("function helper2() { return 1; }");
    return before + " " + shared;
}

// A parameter or variable deleted and the name assigned again: the
// assignment goes where an undeclared name goes, the global object.
function deleted(shared) {
    var other = 1;
    delete shared;
    delete other;
    var seen = shared;
    shared = "assigned";
    return seen + " " + typeof other;
}

// "arguments" is the activation's own until the function replaces it.
var arguments = "global arguments";
function args(a) { return typeof arguments + " " + arguments.length; }
function argsReplaced(a) { arguments = 5; return arguments; }

// A function called through a local, a parameter and a global.
function twice(f, x) { var g = f; return g(x) + f(x); }
function inc(x) { return x + 1; }

Debug.trace(plain() + "\n");
Debug.trace(evalVar() + " | " + shared + "\n");
Debug.trace(deleted("param") + " | " + shared + "\n");
shared = "global";
Debug.trace(args(1, 2) + " | " + argsReplaced(1) + " | " + arguments + "\n");
Debug.trace(twice(inc, 1) + "\n");
for (var round = 0; round < 3; round++) Debug.trace(plain() + " " + evalVar() + " ");
Debug.trace("\n");
