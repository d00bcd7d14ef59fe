if (a) b();
