// Math.random: every process starts the same sequence, and every value is
// a multiple of 1/32768 from 0 to 32767/32768.
function print(text) { Debug.trace(text + "\n"); }

var first = "";
for (var i = 0; i < 6; i++) first = first + Math.random(i) * 32768 + " ";
print(first);

var bad = 0;
var low = 1;
var high = 0;
for (i = 0; i < 20000; i++) {
    var r = Math.random();
    var scaled = r * 32768;
    if (r < 0 || r >= 1 || scaled != Math.floor(scaled)) bad++;
    if (r < low) low = r;
    if (r > high) high = r;
}
print(bad + " " + low * 32768 + " " + high * 32768);
