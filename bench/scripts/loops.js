// Loops with arithmetic on local and global variables.
// expect 40: 120
// expect 1: 3
function inner(n)
{
    var total = 0;
    for (var i = 0; i < n; i++) {
        total = total + i * 2 - (i % 7);
        if (total > 1000000) total = total - 1000000;
    }
    return total;
}
var size = 40;
var sum = 0;
var round = 0;
while (round < size) {
    sum = (sum + inner(50000)) % 1000;
    round++;
}
Debug.trace(sum + "\n");
