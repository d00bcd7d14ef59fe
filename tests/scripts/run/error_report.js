// A run-time error ends the script with one report line: source name,
// line, column -1 and the message.
Debug.trace("start\n");
var a = 1;
a = missing + 1;
Debug.trace("not reached\n");
