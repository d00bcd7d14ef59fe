// The limit stops a loop inside a function call without an error report.
function spin() { for (;;) {} }
Debug.trace("spinning\n");
spin();
Debug.trace("not reached\n");
