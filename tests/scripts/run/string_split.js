// split makes a new array of the pieces between separators.
function print(text) { Debug.trace(text + "\n"); }
function show(array) {
    var text = array.length + ":";
    for (var i = 0; i < array.length; i = i + 1) text = text + " [" + array[i] + "]";
    return text;
}

print(show('a,b,,c'.split(',')));
print(show(','.split(',')));
print(show(''.split(',')));
print(show('abc'.split('')));
print(show(''.split('')));
print(show('a b'.split()));
print(show('a--b----c--'.split('--')));
print(show('abc'.split('abcd')));
print(show('abc'.split('abc')));
print(show('1.5 2.5'.split(2.5 - 1)));
// The result is a real array: its length follows new elements.
var pieces = 'x;y'.split(';');
pieces[5] = 'z';
print(pieces.length + " " + (pieces.constructor == Array));
