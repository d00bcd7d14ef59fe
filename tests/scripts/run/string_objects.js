// String called and constructed, String objects, fromCharCode, and the
// methods on this values that are not strings.
function print(text) { Debug.trace(text + "\n"); }

print("call: [" + String() + "] " + String(12.5) + " " + String(true) + " " + String(null) + " " + typeof String(1));
var empty = new String();
var wrapped = new String('abc');
print("construct: " + typeof wrapped + " [" + empty + "] " + empty.length + " " + wrapped + " " + wrapped.valueOf() +
      " " + new String(45).length + " " + (wrapped.constructor == String));

// "length" is fixed when the object is made.
wrapped.length = 10;
delete wrapped.length;
var listed = false;
for (var name in wrapped) if (name == "length") listed = true;
print("length: " + wrapped.length + " " + 'abcd'.length + " " + listed);

// The prototype is a String object holding the empty string.
print("prototype: [" + String.prototype.toString() + "] [" + String.prototype.valueOf() + "]");

print("fromCharCode: [" + String.fromCharCode() + "] " + String.fromCharCode(72, 105) + " " +
      String.fromCharCode(72, 256, 105) + " " + String.fromCharCode(72, 256, 105).length + " " +
      String.fromCharCode(65 + 65536, 65 + 256, '66', 67.9) + " " + String.fromCharCode(0 / 0, 65).length);

// Other methods take the text of any this value.
var number = new Number(12345);
number.charAt = String.prototype.charAt;
number.indexOf = String.prototype.indexOf;
print("other this: " + number.charAt(2) + " " + number.indexOf('45'));
function Named() {}
function namedText() { return "named object"; }
Named.prototype.toString = namedText;
Named.prototype.toUpperCase = String.prototype.toUpperCase;
print(new Named().toUpperCase());

// Arguments are converted the way the language converts them.
function Three() {}
function three() { return 3; }
Three.prototype.valueOf = three;
print("arguments: " + 'abcdef'.charAt(new Three()) + " " + 'a3b'.indexOf(new Three()) + " " +
      'abcdef'.substring(true, '3'));
