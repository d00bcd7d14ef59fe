// Runaway recursion ends with one report instead of exhausting the stack.
function down(n) { return down(n + 1); }
Debug.trace("descending\n");
down(0);
Debug.trace("not reached\n");
