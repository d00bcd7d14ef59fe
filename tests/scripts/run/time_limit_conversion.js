// A loop inside a valueOf called by a conversion runs in a session of its
// own; the time limit of the script that converts still stops it.
function forever() {
    while (true) {}
}
var o = new Object();
o.valueOf = forever;
Debug.trace("converting\n");
var x = o + 1;
Debug.trace("not reached\n");
