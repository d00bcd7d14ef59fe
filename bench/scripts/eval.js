// eval and the Function constructor compiling small texts.
// expect 20000: 862844
// expect 20: 3666
var size = 20000;
var total = 0;
for (var i = 0; i < size; i++) {
    var k = i % 97;
    total += eval("var t = " + k + "; t * 3 + (t % 5 == 0 ? 1 : 2)");
    var f = new Function("a", "b", "var s = 0; for (var j = 0; j < b; j++) s += a * " + (i % 10) + "; return s;");
    total = (total + f(k, 3)) % 1000000;
}
Debug.trace(total + "\n");
