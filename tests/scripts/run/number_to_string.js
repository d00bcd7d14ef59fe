// Number: conversions, wrappers, the radix texts and the constants.
function print(text) { Debug.trace(text + "\n"); }

print((255).toString(16) + " " + (255).toString(2) + " " + (-255).toString(16));
print((2.75).toString(2) + " " + (0.5).toString(16) + " " + (-0.5).toString(16));
print((243).toString(3) + " " + (8).toString(2) + " " + (35).toString(36) + " " + (1e21).toString(36));
// Only the number 10 means the ordinary text; "10" is a radix like any other.
print((255).toString() + " " + (255).toString(10) + " " + (255).toString("10") + " " + (2.5).toString("10"));
// The radix goes through ToInt32, so an object gives its value.
function sixteen() { return 16; }
var radix = new Object();
radix.valueOf = sixteen;
print((255).toString(radix) + " " + (255).toString(4294967312) + " " + (255).toString(16.9));
print("[" + (255).toString(37) + "][" + (255).toString(1) + "][" + (255).toString(0) + "]");
// Infinities have no digits in any radix; NaN, like anything below 1, is "0".
print((1 / 0).toString(2) + " " + (-1 / 0).toString(16) + " " + (0 / 0).toString(36));
print(Number.MAX_VALUE.toString(2).length + " " + (-Number.MAX_VALUE).toString(32).length);

var nothing;
print(Number("12") + 1 + " " + Number() + " " + Number("x") + " " + Number(nothing) + " " + typeof Number(true));
var wrapped = new Number(7);
print(typeof wrapped + " " + wrapped + " " + (wrapped + 1) + " " + wrapped.toString(2) + " " + (wrapped.constructor == Number));
print(typeof new Number() + " " + new Number().valueOf() + " " + Number.prototype.valueOf() + " " + Number.prototype.toString(2));

print(Number.MAX_VALUE + " " + Number.MIN_VALUE + " " + Number.NaN + " " + Number.NEGATIVE_INFINITY + " " +
      Number.POSITIVE_INFINITY + " " + Number.length);
print((Number.MIN_VALUE / 2 > 0) + " " + (Number.MIN_VALUE / 2 < Number.MIN_VALUE) + " " + (Number.MAX_VALUE * 2));
Number.MAX_VALUE = 1;
delete Number.NaN;
var listed = "";
for (var name in Number) if (name != "constructor") listed = listed + name;
print(Number.MAX_VALUE + " " + Number.NaN + " [" + listed + "]");
