// What eval answers: the value of the text's last statement that produced
// a value other than undefined. A called function's own statements never
// count: only the value it returns leaves the call.
function quiet() { "inside"; }
function busy() { var a = 1; a + 41; }
function gives() { "inside"; return 5; }
function nested() { quiet(); busy(); }
function show(label, value) { Debug.trace(label + ": " + value + "\n"); }

show("if on a quiet call", eval("if (quiet()) 1;"));
show("if on a busy call", eval("if (busy()) 1;"));
show("value before an if", eval("7; if (busy() == 0) 9;"));
show("loop test calls", eval("while (quiet()) ; "));
show("var from a call", eval("var z = busy();"));
show("returned value", eval("gives();"));
show("returned value in a sum", eval("gives() + 1;"));
show("calls inside calls", eval("8; nested();"));
show("block", eval("{ 1; 2; if (quiet()) 3; }"));
show("for with a call", eval("for (var i = 0; i < 3; i++) { i * 10; quiet(); }"));
function P() { this.x = 4; "x"; }
show("new", eval("var p = new P(); p.x;"));
show("new alone", eval("if (new P()) ;"));
show("native call", eval("if (Math.floor(1.5)) ;"));
show("var of a native call", eval("var q = Math.floor(2.5);"));
var s = new Function("a", "a + 1; if (a) 2;");
show("Function without return", s(1));
show("eval inside a function", gives.length + eval("3;"));
function viaEval() { return eval("if (busy()) 6;"); }
show("eval in a function", viaEval());
