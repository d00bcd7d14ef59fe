// Every colour class: keywords, literals, comments, reserved words, and
// characters the language does not know.
function clamp(x, low, high) {
	if (x < low && low != null) return low;	// tab-indented
	return x > high ? high : x;
}
var s = "a <b> & \"c\"" + 'd' + 0x1F + 1.5e3;
var flags = new Array(true, false, null);
/* A block comment
   over two lines, "quotes" and if */ var t = 1;
class Point extends Shape;
x = #y @ `z`;
'unclosed
// last line, no line break