// eval text that does not parse stops the script.
Debug.trace("before\n");
var result = eval("1 +");
Debug.trace("not reached\n");
