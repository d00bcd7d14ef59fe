// An object whose toString is the array join and that contains itself: the
// conversion calls join, which converts the object again.
var o = new Object(); o.toString = Array.prototype.join; o.length = 1; o[0] = o; "" + o;
Debug.trace("not reached\n");
