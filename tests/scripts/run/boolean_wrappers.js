// Boolean: the primitive conversion, wrapper objects and their methods.
function print(text) { Debug.trace(text + "\n"); }

print(Boolean("") + " " + Boolean("false") + " " + Boolean(0) + " " + Boolean(0 / 0) + " " + Boolean() + " " +
      Boolean(null) + " " + Boolean(new Object()) + " " + typeof Boolean(1));
// A wrapper is an object, so it is true in a condition whatever it holds.
var no = new Boolean(false);
var taken = "not taken";
if (no) taken = "taken";
print(typeof no + " " + taken + " " + no + " " + no.valueOf() + " " + (no == false) + " " + Boolean(no));
print(new Boolean(no).valueOf() + " " + new Boolean().toString() + " " + new Boolean("x").toString() + " " + true.toString() + " " + false.valueOf());
print(Boolean.prototype.toString() + " " + Boolean.prototype.valueOf() + " " + Boolean.length + " " +
      (Boolean.prototype.constructor == Boolean));
var yes = true;
print(yes.toString() + " " + (yes.constructor == Boolean));
