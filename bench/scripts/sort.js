// Sorting with Array.prototype.sort, with a compare function and in the
// default text order.
// exception: the sort is a selection sort by design, so this compares algorithms, not engines
// expect 150: 465251
// expect 2: 20081
function byNumber(a, b) { return a - b; }
var seed = 42;
function next() { seed = (seed * 75 + 74) % 65537; return seed; }

var size = 150;
var total = 0;
for (var round = 0; round < size; round++) {
    var numbers = new Array();
    for (var i = 0; i < 400; i++) numbers[i] = next() % 10000;
    numbers.sort(byNumber);
    var ordered = 1;
    for (var k = 1; k < 400; k++) if (numbers[k - 1] > numbers[k]) ordered = 0;
    var texts = new Array();
    for (var j = 0; j < 150; j++) texts[j] = "t" + next() % 5000;
    texts.sort();
    total = (total + ordered + numbers[round] + numbers[399 - round] + texts[0].length + texts[149].charCodeAt(1)) % 1000000;
}
Debug.trace(total + "\n");
