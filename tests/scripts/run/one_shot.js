// In one-shot mode the script stops for good at its first wait.
Debug.trace("before\n");
wait(0.01);
Debug.trace("after\n");
