// o.name = v and o[k] = v: the object and the member are taken before the
// value is made, indexes and names of every kind, primitives as objects,
// and the errors of undefined and null.
function show(label, value) { Debug.trace(label + ": " + value + "\n"); }
function run() {
    var a = new Array();
    var i = 0;
    a[i] = i++;
    a[i] = i++;
    show("order", a.length + " " + a[0] + " " + a[1] + " " + i);
    var o = new Object();
    var k = "first";
    o[k] = (k = "second");
    show("name taken first", o.first + " " + typeof o.second);
    a["3"] = "three";
    a[1.5] = "half";
    a[-1] = "minus";
    a[4294967295] = "top";
    a[4294967294] = "last";
    show("indexes", a.length + " " + a[3] + " " + a["1.5"] + " " + a["-1"] + " " + a[4294967295] + " " + a[4294967294]);
    var s = "text";
    s.extra = 5;
    s[0] = "x";
    show("primitive", typeof s.extra + " " + s);
    var n = 7;
    n.x = 1;
    show("number", typeof n.x);
    var b = true;
    b["y"] = 2;
    show("boolean", typeof b.y);
    o.self = o;
    o.self.self.deep = "deep";
    show("chain", o.deep);
    a.length = 2;
    show("length", a.length + " " + typeof a[3]);
    var u;
    show("before undefined", "ok");
    u.x = 1;
    show("not reached", "");
}
run();
