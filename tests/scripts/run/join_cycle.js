// Joining an array that contains itself recurses through native code alone;
// it ends with a run-time error instead of exhausting the machine stack.
Debug.trace("joining\n");
var a = new Array(); a[0] = a; a.join();
Debug.trace("not reached\n");
