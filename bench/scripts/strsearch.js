// String searching and splitting: indexOf, lastIndexOf, charAt, charCodeAt,
// substring and split over a text of a few thousand words.
// expect 600: 223013
// expect 2: 7915
var words = new Array();
for (var w = 0; w < 3000; w++) words[w] = "w" + (w * 7919 % 1009);
var text = words.join(" ");

function countOf(text, word)
{
    var count = 0;
    var at = text.indexOf(word);
    while (at >= 0) {
        count++;
        at = text.indexOf(word, at + 1);
    }
    return count;
}

function vowels(text, from, to)
{
    var count = 0;
    for (var i = from; i < to; i++) {
        var c = text.charAt(i);
        if (c == "w" || text.charCodeAt(i) == 55) count++;
    }
    return count;
}

var size = 600;
var total = 0;
for (var round = 0; round < size; round++) {
    var parts = text.split(" ");
    total += parts.length;
    total += countOf(text, "w" + (round % 1009) + " ");
    total += text.lastIndexOf("w" + (round % 100)) % 1000;
    var piece = text.substring(round * 7, round * 7 + 600);
    total += piece.split("w").length + vowels(piece, 0, 200);
    total = total % 1000000;
}
Debug.trace(total + "\n");
