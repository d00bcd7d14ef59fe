// The global functions and their edge cases.
function print(text) { Debug.trace(text + "\n"); }

print("parseInt");
print(parseInt("  -0x1A") + " " + parseInt("12", 37) + " " + parseInt("08") + " " + parseInt("z", 36));
print(parseInt("abc") + " " + parseInt("0x") + " " + parseInt("-") + " " + 1 / parseInt("-"));
print(parseInt("ff", 16) + " " + parseInt("0xff", 16) + " " + parseInt("11", 2) + " " + parseInt("12", 1));
print(parseInt("12", 0) + " " + parseInt("017") + " " + parseInt("\n5") + " " + parseInt("\t 42abc"));
print(parseInt() + " " + parseInt("123", 10.9) + " " + parseInt("+7") + " " + parseInt(" 1e3"));

print("parseFloat");
print(parseFloat("3.5e2xyz") + " " + parseFloat("-1") + " " + parseFloat("'5'") + " " + parseFloat("  .5"));
print(parseFloat("0x10") + " " + parseFloat("1e") + " " + parseFloat("true") + " " + parseFloat(""));
print(parseFloat() + " " + parseFloat("017") + " " + parseFloat("12 34") + " " + parseFloat(2.5));

print("escape");
print(escape("a b") + " " + escape("x.y,z") + " " + escape("@*_+-/") + " " + escape("\xe9") + " " + escape());
print(unescape("%41%u0042%u1234") + " " + unescape("100%") + " " + unescape("%zz%4") + " " + unescape("%u004a%6B"));
print(unescape(escape("a b.c")) + "|" + unescape("a%00b") + "|");

print("isNan isFinite");
print(isNan() + " " + isNan("abc") + " " + isNan("12") + " " + isNan(0 / 0));
print(isFinite() + " " + isFinite("12") + " " + isFinite(1 / 0) + " " + isFinite(-1 / 0) + " " + isFinite(0 / 0));
print(typeof isNaN + " " + typeof isNan + " " + typeof NaN + " " + typeof Infinity + " " + typeof undefined);
