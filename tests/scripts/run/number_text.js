// The text of numbers: whole numbers around the six digits that "%g" keeps,
// signs, fractions and the special values, made by concatenation, by String
// and by join.
var samples = new Array(0, -0, 1, -1, 7, 10, 99, 100, 12345, 99999, 100000, 999999, -999999, 1000000, -1000000,
                        999999.5, 123456.7, 0.5, -0.25, 1e21, 2147483647, -2147483648, 4294967296, 5e-7,
                        1 / 3, 0 / 0, 1 / 0, -1 / 0, 65536 * 15 + 3, -100000);
var line = "";
for (var i = 0; i < samples.length; i++) line = line + "[" + samples[i] + "|" + String(samples[i]) + "]";
Debug.trace(line + "\n");
Debug.trace(samples.join(",") + "\n");
var parts = "a b c d e f g h i j k l".split(" ");
Debug.trace(parts.length + " " + parts[0] + parts[11] + " " + parts.join("") + "\n");
