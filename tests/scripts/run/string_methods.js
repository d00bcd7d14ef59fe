// Methods called on primitive strings: the standard ones, ones replaced by
// script functions and by other natives, "length", and arguments that
// replace the method being called.
function show(label, value) { Debug.trace(label + ": " + value + "\n"); }
function kind() { return typeof this + " " + this.length; }
function run() {
    var s = "hello world";
    show("standard", s.charAt(1) + s.charCodeAt(0) + s.indexOf("o") + s.lastIndexOf("o") + s.substring(3, 1));
    show("split", s.split(" ").length + " " + s.toUpperCase() + s.toLowerCase());
    show("length", s.length + " " + "".length);
    show("toString", s.toString() + " " + typeof s.valueOf());
    String.prototype.kind = kind;
    show("script method", s.kind());
    var saved = String.prototype.charAt;
    String.prototype.charAt = String.prototype.indexOf;
    show("other native", s.charAt("w"));
    String.prototype.charAt = kind;
    show("script in place", s.charAt(0));
    String.prototype.charAt = saved;
    show("restored", s.charAt(4));
    var t = "abc";
    show("replaced by an argument", t.charAt(String.prototype.charAt = kind));
    String.prototype.charAt = saved;
    show("missing", typeof s.nothing);
    var n = 255;
    show("number", n.toString() + " " + (12.5).toString());
    s.missing();
}
run();
