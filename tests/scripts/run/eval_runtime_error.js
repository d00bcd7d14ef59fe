// An error inside eval code is reported once, from the eval code.
Debug.trace("before\n");
eval("Debug.trace('inside\\n'); missing + 1;");
Debug.trace("not reached\n");
