// Boolean's toString borrowed onto a Number object refuses it.
var n = new Number(1);
n.toString = Boolean.prototype.toString;
Debug.trace("before\n");
Debug.trace(n.toString());
