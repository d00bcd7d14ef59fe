// Nested arithmetic over names and constants, in functions and in global
// code: the result must not depend on whether every name holds a number,
// where the names live, or how deep the expression is.
function shown(v) {
    if (typeof v == "number" && v == 0) return 1 / v < 0 ? "-0" : "0";
    return typeof v + ":" + v;
}

// Counts its conversions where a conversion can see it: a conversion runs
// with a global object of its own.
function Counted(n) { this.n = n; }
Counted.prototype.valueOf = countedValueOf;
Counted.prototype.calls = new Object();
Counted.prototype.calls.count = 0;
function countedValueOf() { this.calls.count++; return this.n; }

function mixed(a, b, c) {
    var line = shown(a * b + c) + " " + shown((a - b) * (c % 7)) + " " + shown(a / b - c / 4);
    line = line + " " + shown((a | b) ^ (c << 3)) + " " + shown((a >>> 1) + (b >> 2) - c);
    line = line + " " + shown(a * b < c + 1) + " " + shown((a + b) * c == c * (b + a));
    line = line + " " + shown(-a % b * 0) + " " + shown((a & 0xffff) % (b + 0.5));
    return line;
}

// Values of every kind in the same trees.
Debug.trace(mixed(7, 3, 10) + "\n");
Debug.trace(mixed(-7, 2, 0.5) + "\n");
Debug.trace(mixed(4294967297, -1, 1e21) + "\n");
Debug.trace(mixed(0 / 0, 1 / 0, -1 / 0) + "\n");
Debug.trace(mixed("7", 3, 10) + "\n");
Debug.trace(mixed(7, "3", "10") + "\n");
Debug.trace(mixed(true, null, 10) + "\n");
Debug.trace(mixed(7, 3, void 0) + "\n");
Debug.trace(mixed(new Counted(7), 3, new Counted(10)) + "\n");
Debug.trace("valueOf calls: " + Counted.prototype.calls.count + "\n");

// A tree deeper than the ones computed in place, and one just as deep.
function deep(x) {
    var a = ((((((((((((((((((x + 1) * 2) - 3) + 4) * 5) - 6) + 7) * 8) - 9) + 10) * 11) - 12) + 13) * 14) - 15) + 16) * 17) - 18);
    var b = (((((((((((((((x + 1) * 2) - 3) + 4) * 5) - 6) + 7) * 8) - 9) + 10) * 11) - 12) + 13) * 14) - 15);
    return a + " " + b;
}
Debug.trace(deep(1) + " " + deep("1") + "\n");

// Assignments of trees to locals of every type.
function assigned(v) {
    var s = "text";
    var o = new Counted(1);
    var u;
    s = v * 2 + 1;
    o = v - 1;
    u = v;
    u += v * 3;
    return shown(s) + " " + shown(o) + " " + shown(u);
}
Debug.trace(assigned(5) + " | " + assigned("5") + " | " + assigned(-0) + "\n");

// Members found in place: arrays by index, objects by name, `this`.
function Grid(n) {
    this.cells = new Array();
    this.size = n;
    for (var i = 0; i < n; i++) this.cells[i * 2] = i * i;
}
function fill(grid, key) {
    var cells = grid.cells;
    var k = 3;
    cells[k + 1] = k * 10;
    cells[k * 0.5] = "half";
    cells[-1] = "minus";
    cells[key] = "named";
    cells.length2 = cells.length;
    var text = "";
    for (var j = 0; j < 8; j++) text = text + cells[j] + ",";
    return text + " " + cells[1.5] + " " + cells[-1] + " " + cells[key] + " " + cells.named + " " + cells.length2;
}
Debug.trace(fill(new Grid(4), "named") + "\n");
function strings(s) {
    var i = 1;
    return s[i] + " " + s.length + " " + s["length"];
}
Debug.trace(strings("abc") + "\n");

// Global code: names of the global object, read and written in place until
// one of them goes away.
var g1 = 2;
var g2 = 3;
var total = 0;
for (var i = 0; i < 5; i++) {
    total = total + g1 * i - (g2 % 2);
    g1 += 1;
}
Debug.trace(total + " " + g1 + " " + i + "\n");
function dropG2() { delete g2; return 4; }
g1 = dropG2() * 2;
Debug.trace(g1 + " " + typeof g2 + "\n");
function dropG1() { delete g1; return 6; }
g1 = dropG1();
Debug.trace(g1 + "\n");
g1 = "s";
g1 += 1 + 2;
Debug.trace(g1 + "\n");

// A with block in global code reads and writes its object's names first.
var x = 1;
var holder = new Object();
holder.x = 10;
with (holder) {
    x = x * 2 + 1;
    x++;
}
x = x + 100;
Debug.trace(x + " " + holder.x + "\n");

// A member named by a parameter, written through the arguments object that
// writes that same parameter.
function aliased(k) {
    k = "0";
    arguments[k] = "written";
    return k + " " + arguments[0];
}
Debug.trace(aliased("x") + "\n");

// Comparisons as conditions, of numbers and of what only looks like them.
function conditions(a, b) {
    var line = "";
    if (a < b) line = line + "lt "; else line = line + "not-lt ";
    if (a == b) line = line + "eq "; else line = line + "not-eq ";
    line = line + (a >= b ? "ge " : "not-ge ");
    var n = 0;
    while (n * a < b && n < 5) n++;
    for (var m = 0; m + a != b && m < 5; m++) {}
    return line + n + " " + m;
}
Debug.trace(conditions(1, 3) + " | " + conditions("10", "9") + " | " + conditions(0 / 0, 3) + " | " +
            conditions(2, "4") + " | " + conditions(null, 0) + "\n");
