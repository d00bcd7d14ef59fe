// Property reads and writes on objects, including through a prototype.
// expect 300000: 300003 300002 300000 300003
// expect 1000: 1003 1002 1000 1003
function Point(x, y) { this.x = x; this.y = y; }
Point.prototype.scale = 2;
var size = 300000;
var p = new Point(1, 2);
var q = new Object();
q.count = 0;
for (var i = 0; i < size; i++) {
    p.x = p.y + p.scale;
    p.y = p.x - 1;
    q.count = q.count + 1;
    q["key"] = p.x;
}
Debug.trace(p.x + " " + p.y + " " + q.count + " " + q.key + "\n");
