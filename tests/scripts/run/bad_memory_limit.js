Debug.trace("not run\n");
