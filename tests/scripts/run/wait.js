// wait() in paced mode: the script stops where it waits and continues there,
// inside calls, loops and with blocks, without running anything twice.
function print(text) { Debug.trace(text + "\n"); }

function pause(label) { print("before " + label); wait(0.01); print("after " + label); return label; }
print(pause("call") + "!");

var o = new Object();
o.v = "with value";
with (o) { pause(v); print(v); }

for (var i = 0; i < 3; i++) { wait(0); print("i=" + i); }

// Arguments evaluated before a suspension are not evaluated again.
var calls = 0;
function a() { calls++; return 1; }
function b() { wait(0.01); return 2; }
function sum(x, y) { return x + y; }
print(sum(a(), b()) + " " + calls);

function Later() { wait(0); this.made = "made"; }
print(new Later().made);

print(typeof wait(0.0005));
// Delays that are negative, not a number or absurdly long are held to
// what the host can wait for; these three resume at once.
wait(-1);
wait("soon");
wait();
print("done");
