// Parameters and variables of a function, read and written through every
// path that can change which property a name stands for.
function show(label, value) { Debug.trace(label + ": " + value + "\n"); }

function duplicate(a, a) { return a; }
show("duplicate parameters", duplicate(1, 2));

function shadowed(a) { var a; return a; }
show("variable named like a parameter", shadowed(7));

function deleted(a) {
    var r = delete a;
    a = 5;
    return r + " " + a + " " + typeof a;
}
show("parameter deleted, then assigned", deleted(1));
show("the assignment went to the global object", a);

function deletedInValue() {
    var x = 1;
    x = (delete x, 5);
    x += 1;
    x++;
    return x;
}
show("deleted while the value is made", deletedInValue());
show("x stayed local", typeof x);

function within(o) {
    var x = 1;
    with (o) { x = 2; x++; x += 10; }
    return x + " " + o.x;
}
var target = new Object();
target.x = 0;
show("with shadows a local", within(target));

function evaluated() {
    eval("var z = 3");
    z = z + 1;
    return z;
}
show("variable made by eval", evaluated());

function aliased(a, b) {
    arguments[0] = 9;
    b = 4;
    return a + " " + arguments[1] + " " + arguments.length;
}
show("arguments alias parameters", aliased(1, 2, 3));

function named() { var arguments; return typeof arguments; }
show("a variable named arguments", named());

function loop(n) {
    var total = 0;
    for (var i = 0; i < n; i++) { total += i; total = total * 1; }
    var j = n;
    while (j > 0) j--;
    return total + " " + i + " " + j;
}
show("loop over locals", loop(10));

function factorial(n) {
    var result;
    if (n <= 1) result = 1;
    else result = n * factorial(n - 1);
    return result;
}
show("recursion keeps each call's locals", factorial(10));

function unset() { var late; var before = late; late = 1; return before + " " + late; }
show("a variable before its assignment", unset());

function stepObject() {
    var v = new Object();
    v++;
    return v;
}
show("an object stepped", stepObject());
