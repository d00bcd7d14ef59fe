// An endless loop is stopped by the time limit.
Debug.trace("looping\n");
while (true) {}
