// A numeric loop: integer arithmetic, shifts and bitwise operators on locals.
// expect 2000000: 299780
// expect 1000: 250699
function mix(n)
{
    var h = 0;
    var sum = 0;
    for (var i = 0; i < n; i++) {
        h = ((h << 5) - h + (i & 1023)) | 0;
        h = h ^ (h >>> 13);
        sum = (sum + (h & 65535) * 3 - i % 11) % 1000003;
    }
    return (sum + (h & 4095)) % 1000000;
}
var size = 2000000;
Debug.trace(mix(size) + "\n");
