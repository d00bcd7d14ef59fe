a ? b : c = d;
a = b = c;
x = new f;
y = new f(1);
f()();
{ x = 1 }
for (var i = 0, j; i < 3; i++) ;
o.p[q] = -r++;
