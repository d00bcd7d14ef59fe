// Neither the function nor the argument exists: the argument is missed
// first, as it is evaluated before the name is read.
Debug.trace("start\n");
missingFunction(missingArgument + 1);
Debug.trace("not reached\n");
