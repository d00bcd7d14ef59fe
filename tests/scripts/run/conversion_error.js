// An error inside a valueOf that a conversion calls is reported once, with
// its position, on the console of the script that converted.
function broken() {
    var y = missing + 1;
    return y;
}
var o = new Object();
o.valueOf = broken;
Debug.trace("before\n");
var x = o * 2;
Debug.trace("not reached\n");
