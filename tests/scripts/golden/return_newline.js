function f() { return
 x }
