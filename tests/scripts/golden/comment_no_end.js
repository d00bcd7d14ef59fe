/* open
x = 1;
