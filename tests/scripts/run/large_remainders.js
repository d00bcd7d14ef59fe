// Remainders of whole numbers beyond 32 bits (exact up to 2^53, as fmod is), and
// date fields of times far before and after 1970.
var v = new Array(); var s = "0 -0 1 -1 7 -7 3 -3 2147483647 -2147483648 2147483648 -2147483649 4294967296 9007199254740992 -9007199254740992 9007199254740993 1e10 -1e10 1e15 -1e15 123456789012 0.5 1e300";
var p = s.split(" "); for (var i = 0; i < p.length; i++) v[i] = p[i] - 0;
var out = "";
for (var a = 0; a < v.length; a++) for (var b = 0; b < v.length; b++) { var r = v[a] % v[b]; out = out + (r == 0 ? (1 / r < 0 ? "-0" : "0") : r) + " "; }
Debug.trace(out + "\n");
var d = new Date(-86400000 * 400); Debug.trace(d.getUTCFullYear() + " " + d.getUTCMonth() + " " + d.getUTCDate() + " " + (1 / d.getUTCHours()) + "\n");
for (var y = 1890; y < 2110; y += 7) { var e = new Date(y, 1, 29); out = out + e.getMonth(); }
Debug.trace(out.length + " " + out.substring(out.length - 40) + "\n");
