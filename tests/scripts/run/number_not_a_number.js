// Number's methods borrowed onto another object refuse it.
var o = new Object();
o.valueOf = Number.prototype.valueOf;
Debug.trace("before\n");
o.valueOf();
Debug.trace("not reached\n");
