// A wait longer than the time limit is cut short by the host; a delay too
// long to count in milliseconds is held to the longest one.
Debug.trace("waiting\n");
wait(1e300);
Debug.trace("not reached\n");
