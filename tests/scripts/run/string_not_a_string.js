// toString and valueOf of String objects work on String objects only.
function print(text) { Debug.trace(text + "\n"); }
var plain = new Object();
plain.valueOf = String.prototype.valueOf;
print("before");
print(plain.valueOf());
print("not reached");
