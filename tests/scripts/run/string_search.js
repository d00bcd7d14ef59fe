// Finding text and picking bytes: positions count bytes, out-of-range
// positions give the empty string, NaN or -1, never an error.
function print(text) { Debug.trace(text + "\n"); }

print("indexOf: " + 'a'.indexOf('a') + " " + 'abc'.indexOf('c') + " " + 'abc'.indexOf('') + " " +
      'abc'.indexOf('c', 5) + " " + 'abc'.indexOf('', 5) + " " + 'abc'.indexOf('', 2) + " " +
      'abcabc'.indexOf('bc', 2) + " " + 'abcabc'.indexOf('b', -3) + " " + 'abc'.indexOf('abcd') + " " +
      'aab'.indexOf('ab'));
// Without an argument the search text is "undefined".
print("undefined: " + 'is undefined'.indexOf() + " " + 'is undefined'.lastIndexOf() + " " + 'abc'.indexOf());
print("lastIndexOf: " + 'abcabc'.lastIndexOf('b') + " " + 'abcabc'.lastIndexOf('b', 3) + " " +
      'abcabc'.lastIndexOf('b', 0) + " " + 'abcabc'.lastIndexOf('abc', 99) + " " + 'abcabc'.lastIndexOf('a', -1) + " " +
      'abc'.lastIndexOf('') + " " + 'abc'.lastIndexOf('', 1) + " " + 'abc'.lastIndexOf('bcd') + " " +
      'aaa'.lastIndexOf('aa'));

// Positions are ToInteger of the argument: fractions are cut off, NaN is 0,
// and numbers far beyond the 32-bit range stay beyond the text.
print("positions: " + 'abc'.charAt(1.9) + " " + 'abc'.charAt('2') + " " + 'abc'.charAt(0 / 0) + " " +
      'abc'.indexOf('a', 1 / 0) + " " + 'abc'.indexOf('a', -1 / 0) + " " + 'abc'.lastIndexOf('c', 1 / 0) + " " +
      'abc'.lastIndexOf('c', -1e300) + " [" + 'abc'.charAt(4294967297) + "] " + 'abc'.charCodeAt(4294967296));

print("charAt: [" + 'abc'.charAt() + "][" + 'abc'.charAt(2) + "][" + 'abc'.charAt(3) + "][" + 'abc'.charAt(-1) + "]");
var accented = String.fromCharCode(233, 65);
print("charCodeAt: " + 'abc'.charCodeAt() + " " + accented.charCodeAt(0) + " " + accented.charCodeAt(1) + " " +
      'abc'.charCodeAt(3) + " " + 'abc'.charCodeAt(-1));

print("substring: " + 'hello'.substring(3, 1) + " " + 'hello'.substring(-5) + " " + 'hello'.substring(2, 100) + " [" +
      'hello'.substring(2, 2) + "] " + 'hello'.substring() + " " + 'hello'.substring(-1 / 0, 1 / 0) + " " +
      'hello'.substring(1 / 0, 1));

print("case: " + 'Hello, World 123'.toUpperCase() + " " + 'Hello, World 123'.toLowerCase() + " " +
      ('@[`{' + accented).toUpperCase().charCodeAt(4) + " " + '@[`{'.toLowerCase() + '@[`{'.toUpperCase());
var original = 'MiXeD';
original.toLowerCase();
print("unchanged: " + original);
