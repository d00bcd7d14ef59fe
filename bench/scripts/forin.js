// for-in over objects with a few hundred properties; the totals do not depend
// on the order of enumeration.
// expect 1500: 600000
// expect 3: 145200
var table = new Object();
for (var i = 0; i < 300; i++) table["key" + i] = i;
var small = new Object();
for (var j = 0; j < 40; j++) small["s" + j] = j * 2;

var size = 1500;
var total = 0;
for (var round = 0; round < size; round++) {
    var count = 0;
    for (var name in table) {
        total += table[name] + name.length;
        count++;
    }
    for (var other in small) total += small[other];
    total = (total + count) % 1000000;
}
Debug.trace(total + "\n");
