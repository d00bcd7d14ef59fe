// A countdown that waits a second between steps. Each wait() hands control
// back to the host, which sleeps until the delay is over and then resumes
// the script in the middle of the loop, inside the function call.

function countdown(from)
{
    for (var i = from; i > 0; i--) {
        Debug.trace(i + "...\n");
        wait(1);
    }
    return "Lift-off!";
}

Debug.trace("Counting down.\n");
Debug.trace(countdown(3) + "\n");
