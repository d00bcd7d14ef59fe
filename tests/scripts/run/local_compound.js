// x op= y on a function's own names, with operands of every type: the
// results must not depend on how the operands are stored.
function shown(v) {
    if (typeof v == "number" && v == 0) return 1 / v < 0 ? "-0" : "0";
    return typeof v + ":" + v;
}
function all(a, b) {
    var line = "";
    var x;
    x = a; line = line + " " + shown(x += b) + "," + shown(x);
    x = a; line = line + " " + shown(x -= b) + "," + shown(x);
    x = a; line = line + " " + shown(x *= b);
    x = a; line = line + " " + shown(x /= b);
    x = a; line = line + " " + shown(x %= b);
    x = a; line = line + " " + shown(x &= b) + " " + shown(x);
    x = a; line = line + " " + shown(x |= b);
    x = a; line = line + " " + shown(x ^= b);
    x = a; line = line + " " + shown(x <<= b);
    x = a; line = line + " " + shown(x >>= b);
    x = a; line = line + " " + shown(x >>>= b);
    x = a; x += 2; line = line + " |" + shown(x);
    x = a; x -= 0.5; line = line + " " + shown(x);
    x = a; x %= -3; line = line + " " + shown(x);
    return line;
}
function sum(n) {
    var total = 0;
    for (var m = 0; m < n; m += 3) total += m;
    var s = "s";
    s += 1;
    s += total;
    return total + " " + s;
}
var samples = new Array();
samples[0] = 0; samples[1] = -0; samples[2] = 5; samples[3] = -2.5; samples[4] = 4294967297;
samples[5] = 0 / 0; samples[6] = 1 / 0; samples[7] = "12"; samples[8] = "x"; samples[9] = true;
samples[10] = null; samples[11] = samples[100]; samples[12] = 33;
for (var i = 0; i < samples.length; i++)
    for (var j = 0; j < samples.length; j++) Debug.trace(i + "," + j + ":" + all(samples[i], samples[j]) + "\n");
Debug.trace(sum(100) + "\n");
