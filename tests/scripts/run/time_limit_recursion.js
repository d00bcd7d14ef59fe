// Exponential recursion without a loop: the time limit reaches it through
// the abort check at every script function call.
function grow(n) {
    if (n == 0) return 1;
    return grow(n - 1) + grow(n - 1);
}
Debug.trace("growing\n");
grow(60);
Debug.trace("not reached\n");
