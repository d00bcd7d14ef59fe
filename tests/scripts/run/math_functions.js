// Math: its functions, their argument counts and the fixed constants.
function print(text) { Debug.trace(text + "\n"); }

print(Math.max(1, 5, 9) + " " + Math.max(1) + " " + Math.max() + " " + Math.min(3, "2") + " " + Math.min(4));
var nan = 0 / 0;
print(Math.max(nan, 1) + " " + Math.max(1, nan) + " " + Math.min(nan, 1) + " " + Math.min(1, nan));
print(Math.round(-2.5) + " " + Math.round(2.5) + " " + Math.round(-0.2) + " " + Math.round("7.49") + " " +
      Math.round(0.49999999999999994) + " " + Math.round(4503599627370497) % 2);
print(Math.abs() + " " + Math.abs(-3) + " " + Math.floor(-1.5) + " " + Math.ceil(-1.5) + " " + Math.ceil(1.2));
print(Math.sqrt(-1) + " " + Math.sqrt(2) + " " + Math.log(0) + " " + Math.log(-1) + " " + Math.exp(1));
print(Math.pow(2, 0.5) + " " + Math.pow(-8, 1 / 3) + " " + Math.pow(0, -1) + " " + Math.pow(2));
print(Math.atan2(1, 1) + " " + Math.atan2(0, -1) + " " + Math.acos(2) + " " + Math.asin(1) + " " + Math.atan(1 / 0));
print(Math.cos(0) + " " + Math.sin(0) + " " + Math.tan(0));

print(Math.E + " " + Math.LN10 + " " + Math.LN2 + " " + Math.LOG2E + " " + Math.LOG10E + " " + Math.PI + " " +
      Math.SQRT1_2 + " " + Math.SQRT2);
print(Math.abs(Math.LOG10E * Math.LN10 - 1) < 1e-15);
// The constants can be neither changed nor deleted, and are not listed.
Math.PI = 3;
delete Math.PI;
delete Math.E;
var listed = "";
for (var name in Math) if (name != "constructor") listed = listed + name + " ";
print(Math.PI + " " + Math.E + " " + typeof Math + " " + Math + " [" + listed + "]");
