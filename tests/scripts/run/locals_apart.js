// A function's parameters and variables, read and written every way a
// script can reach them: by name, through eval text, a with block, the
// arguments object, and after one of them is deleted.
var shared = "global";

function plain(a, b) {
    var c = a + b;
    var d;
    return a + " " + b + " " + c + " " + typeof d;
}

// A variable named like a parameter, or declared twice, is that one name.
function sameNames(a, b) {
    var a;
    var c = 1;
    var c;
    a = a + 1;
    return a + " " + b + " " + c + " " + arguments[0];
}

// Many locals, more than a call keeps beside itself.
function many(p, q, r) {
    var s = p + q, t = q + r, u = r + p, v = s + t + u, w = v * 2;
    return p + q + r + s + t + u + v + w;
}

function throughEval(x, y) {
    eval("x = x + 1; var z = x * y");
    return x + " " + y + " " + z;
}

function throughWith(x) {
    var o = new Object();
    o.y = 1;
    with (o) {
        x = x + 10;
        y = y + x;
    }
    return x + " " + o.y;
}

function throughArguments(a, b) {
    arguments[0] = "first";
    arguments[1] = "second";
    b = b + "!";
    return a + " " + b + " " + arguments[0] + " " + arguments[1] + " " + arguments.length;
}

// The arguments object outlives its call with the values its parameters
// had last.
function keep(a, b) {
    a = a * 10;
    return arguments;
}

// Deleting a parameter or a variable moves every local; the others stay.
function deleting(shared, x) {
    var y = 5;
    var before = shared;
    delete shared;
    y = y + 1;
    x = x + y;
    return before + " " + shared + " " + x + " " + y;
}

function recurse(n, depth) {
    var mine = n;
    if (n > 0) recurse(n - 1, depth + 1);
    return mine + depth;
}

Debug.trace(plain(1, 2) + " | " + plain("a") + "\n");
Debug.trace(sameNames(1, 2) + " | " + sameNames() + "\n");
Debug.trace(many(1, 2, 3) + "\n");
Debug.trace(throughEval(2, 3) + " | " + throughWith(1) + "\n");
Debug.trace(throughArguments(1, 2) + " | " + throughArguments(1) + "\n");
var kept = keep(1, 2, 3);
Debug.trace(kept[0] + " " + kept[1] + " " + kept[2] + " " + kept.length + "\n");
Debug.trace(deleting("param", 1) + " | " + shared + "\n");
Debug.trace(recurse(5, 0) + "\n");

// More locals than are compared one by one, some of them declared twice.
function crowd(a, b, c) {
    var d = a + 1, e = d + 1, f = e + 1, g = f + 1, h = g + 1, i = h + 1, j = i + 1;
    var k = j + 1, l = k + 1, m = l + 1, n = m + 1, o = n + 1, p = o + 1, q = p + 1;
    var a, d, r = q + b + c;
    return a + " " + d + " " + q + " " + r;
}
Debug.trace(crowd(1, 10, 100) + "\n");
