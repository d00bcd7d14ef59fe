// Loops with arithmetic on local and global variables.
function inner(n)
{
    var total = 0;
    for (var i = 0; i < n; i++) {
        total = total + i * 2 - (i % 7);
        if (total > 1000000) total = total - 1000000;
    }
    return total;
}
var sum = 0;
var round = 0;
while (round < 20) {
    sum = (sum + inner(50000)) % 1000;
    round++;
}
Debug.trace(sum + "\n");
