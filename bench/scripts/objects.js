// Object creation with constructor functions, and calls of prototype methods.
// expect 100000: 399989
// expect 100: 1389
function Vec(x, y) { this.x = x; this.y = y; }
function vecAdd(other) { return new Vec(this.x + other.x, this.y + other.y); }
function vecDot(other) { return this.x * other.x + this.y * other.y; }
Vec.prototype.add = vecAdd;
Vec.prototype.dot = vecDot;

function Particle(id)
{
    this.id = id;
    this.pos = new Vec(id % 7, id % 5);
    this.vel = new Vec(1, -2);
}
function particleStep()
{
    this.pos = this.pos.add(this.vel);
    return this.pos.dot(this.vel);
}
Particle.prototype.step = particleStep;

var size = 100000;
var total = 0;
for (var i = 0; i < size; i++) {
    var p = new Particle(i);
    total = (total + p.step() + p.step() + p.id % 3) % 1000000;
}
Debug.trace(total + "\n");
