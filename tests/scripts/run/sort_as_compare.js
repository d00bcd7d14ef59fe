// A sort whose compare function is sort itself, on elements that are sort:
// native code calling itself, ended by the nesting limit.
var a = new Array(Array.prototype.sort, Array.prototype.sort);
a.sort(Array.prototype.sort);
Debug.trace("not reached\n");
