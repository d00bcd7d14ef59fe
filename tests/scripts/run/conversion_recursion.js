// A toString that converts its own object again nests until the limit; the
// error is reported once, where the function is defined.
function again() {
    return "<" + this + ">";
}
var o = new Object();
o.toString = again;
Debug.trace("converting\n");
Debug.trace("" + o);
Debug.trace("not reached\n");
