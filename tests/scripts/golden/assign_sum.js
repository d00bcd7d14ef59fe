a = b + c;
