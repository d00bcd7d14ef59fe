// String building: concatenation of short pieces and numbers, case changes,
// fromCharCode and join.
// expect 40000: 231231 20121
// expect 100: 5875 36332
var size = 40000;
var lines = new Array();
var check = 0;
for (var i = 0; i < size; i++) {
    var line = "";
    for (var j = 0; j < 8; j++) line = line + "item" + (i + j) + ";";
    line = line + String.fromCharCode(65 + i % 26, 97 + i % 13);
    if (i % 2 == 0) line = line.toUpperCase();
    check = (check * 7 + line.charCodeAt(i % line.length) + line.indexOf(";")) % 1000003;
    lines[i] = line;
}
var text = lines.join("\n");
Debug.trace(text.length % 1000000 + " " + check + "\n");
