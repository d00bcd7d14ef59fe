// Operators whose operands are a function's own names and constants, over
// operands of every type, and ++/-- of locals of every type: the results
// must not depend on how the operands are stored.
function Box(n) { this.n = n; }
Box.prototype.valueOf = function_valueOf;
function function_valueOf() { return this.n; }

function shown(v) {
    if (typeof v == "number" && v == 0) return 1 / v < 0 ? "-0" : "0";
    return typeof v + ":" + v;
}

function pairs(a, b) {
    var line = "";
    line = line + " " + shown(a + b) + " " + shown(a - b) + " " + shown(a * b) + " " + shown(a / b);
    line = line + " " + shown(a % b) + " " + shown(a == b) + " " + shown(a != b) + " " + shown(a < b);
    line = line + " " + shown(a <= b) + " " + shown(a > b) + " " + shown(a >= b) + " " + shown(a & b);
    line = line + " " + shown(a ^ b) + " " + shown(a | b) + " " + shown(a << b) + " " + shown(a >> b);
    line = line + " " + shown(a >>> b);
    line = line + " |" + shown(a + 2) + " " + shown(2 - a) + " " + shown(a * 0.5) + " " + shown(a < 3);
    line = line + " " + shown(a % -3) + " " + shown(1 / a) + " " + shown(a >>> 0) + " " + shown(-1 >>> a);
    return line;
}

function steps(v) {
    var a = v;
    var b = v;
    var c = v;
    var d = v;
    var r1 = a++;
    var r2 = ++b;
    var r3 = c--;
    var r4 = --d;
    return shown(r1) + " " + shown(a) + " " + shown(r2) + " " + shown(b) + " " + shown(r3) + " " + shown(c) +
           " " + shown(r4) + " " + shown(d);
}

// A parameter stepped in a loop, and a name that stops being a number.
function count(n) {
    var total = 0;
    for (var i = 0; i < n; i++) total = total + i * 2 - (i % 7);
    while (n > 0) n--;
    var s = "4";
    s++;
    return total + " " + n + " " + shown(s);
}

var samples = new Array();
samples[0] = 0;
samples[1] = -0;
samples[2] = 7;
samples[3] = -2.5;
samples[4] = 4294967297;
samples[5] = 0 / 0;
samples[6] = 1 / 0;
samples[7] = "12";
samples[8] = "x";
samples[9] = "";
samples[10] = true;
samples[11] = false;
samples[12] = null;
samples[13] = samples[100];
samples[14] = new Box(5);
samples[15] = new Box("3");
for (var i = 0; i < samples.length; i++) {
    Debug.trace(i + " steps: " + steps(samples[i]) + "\n");
    for (var j = 0; j < samples.length; j++) Debug.trace(i + "," + j + ":" + pairs(samples[i], samples[j]) + "\n");
}
Debug.trace(count(1000) + "\n");
