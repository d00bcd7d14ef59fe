// A script that does not parse is not run.
Debug.trace("not run\n");
x = ;
