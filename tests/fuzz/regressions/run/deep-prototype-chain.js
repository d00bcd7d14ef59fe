function F() {}
var o = new Object();
var i = 0;
while (i < 300000) { F.prototype = o; o = new F(); i++; }
var missing = o.missing;
Debug.trace(missing);
