// A name that holds no function, called with arithmetic arguments.
var three = 3;
Debug.trace("start\n");
three(three - 1);
Debug.trace("not reached\n");
