// Property reads and writes on objects, including through a prototype.
function Point(x, y) { this.x = x; this.y = y; }
Point.prototype.scale = 2;
var p = new Point(1, 2);
var q = new Object();
q.count = 0;
for (var i = 0; i < 300000; i++) {
    p.x = p.y + p.scale;
    p.y = p.x - 1;
    q.count = q.count + 1;
    q["key"] = p.x;
}
Debug.trace(p.x + " " + p.y + " " + q.count + " " + q.key + "\n");
