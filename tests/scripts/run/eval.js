// eval: completion values, scopes, suspension inside the evaluated text.
function print(text) { Debug.trace(text + "\n"); }

print(eval("1; 2; x = 3; var y;"));
print(typeof y);
print(eval(5) + " " + eval() + " " + typeof eval(new Object()));
print(eval("return 1"));
print(eval("if (true) 'yes'; else 'no'"));

// Variables declared by eval code go to the caller's innermost scope.
function inFunction() { eval("var local = 4"); return local; }
print(inFunction() + " " + typeof local);
var holder = new Object();
with (holder) { eval("var inWith = 1"); }
print(holder.inWith + " " + typeof inWith);

// `this` is the caller's.
print(eval("this") == this);
function evalThis() { return eval("this"); }
holder.method = evalThis;
print(holder.method() == holder);

// Function declarations in eval text make no functions.
eval("function notMade() {}");
print(typeof notMade);

// The text suspends in wait and continues where it stopped.
print(eval("wait(0.01); 7"));
var steps = "";
eval("for (var i = 0; i < 3; i++) { steps = steps + i; wait(0); }");
print(steps);
print(eval("eval('wait(0); 8') + 1"));
