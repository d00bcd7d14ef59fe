// A time limit that is not a positive number is a usage error.
Debug.trace("not run\n");
