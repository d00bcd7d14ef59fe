// Array indexing: a sieve of Eratosthenes over an array made with new Array(),
// run a few times.
// expect 250000: 22044 249989
// expect 1000: 168 997
function sieve(n)
{
    var flags = new Array();
    for (var i = 0; i <= n; i++) flags[i] = true;
    for (var p = 2; p * p <= n; p++) {
        if (flags[p]) {
            for (var m = p * p; m <= n; m += p) flags[m] = false;
        }
    }
    var count = 0;
    var last = 0;
    for (var k = 2; k <= n; k++) {
        if (flags[k]) { count++; last = k; }
    }
    return count + " " + last;
}
var size = 250000;
var result = "";
for (var round = 0; round < 4; round++) result = sieve(size);
Debug.trace(result + "\n");
