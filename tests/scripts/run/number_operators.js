// Remainders, bitwise operators and shifts of numbers at the edges of the
// 32-bit range, signed zeros, fractions, NaN and the infinities.
var values = new Array();
var samples = "0 -0 1 -1 7 -7 2.5 -2.5 3 -3 2147483647 -2147483648 2147483648 -2147483649 4294967295 4294967296 -4294967296 1e10 -1e10 0.5 -0.5 1e300";
var parts = samples.split(" ");
for (var i = 0; i < parts.length; i++) values[values.length] = parts[i] - 0;
values[values.length] = 0 / 0;
values[values.length] = 1 / 0;
values[values.length] = -1 / 0;

// Exact in six digits: large results are shown as a multiple of 65536
// and what is left.
function shown(n) {
    if (n == 0) return 1 / n < 0 ? "-0" : "0";
    if (n != n || n - n != 0 || (n < 65536 && n > -65536)) return "" + n;
    var high = Math.floor(n / 65536);
    return high + "*65536+" + (n - high * 65536);
}

var line = "";
for (var a = 0; a < values.length; a++) {
    line = shown(values[a]) + ":";
    for (var b = 0; b < values.length; b++) {
        var x = values[a];
        var y = values[b];
        line = line + " " + shown(x % y) + "," + shown(x & y) + "," + shown(x | y) + "," + shown(x ^ y) + "," +
               shown(x << y) + "," + shown(x >> y) + "," + shown(x >>> y);
    }
    Debug.trace(line + "\n");
}
