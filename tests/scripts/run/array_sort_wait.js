// A compare function may wait, or loop; it runs to its end inside the sort,
// and the script carries on. A compare function that fails ends the script
// with its own error only.
var calls = 0, seenThis = 0;
function slow(x, y) {
    calls++;
    if (this == a) seenThis++;
    wait(5);
    var i;
    for (i = 0; i < 200; i++) ;
    return y - x;
}
var a = new Array(3, 1, 4, 1, 5, 9, 2, 6);
var result = a.sort(slow);
Debug.trace(a + " after " + calls + " calls, " + seenThis + " with the array as this, same array: " + (result == a) + "\n");
wait(0.01);
Debug.trace("after a short wait\n");

function broken(x, y) {
    var n = null;
    n = n.missing;
    return 0;
}
a.sort(broken);
Debug.trace("not reached\n");
