if (x) { y(); } else z = 1;
