var i = 0, j;
for (;;) {}
while (x) x--;
if (c) {}
