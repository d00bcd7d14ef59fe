// An error inside nested calls is reported once, by the function where it
// happened; the callers end silently.
function inner(value) {
    Debug.trace("in inner\n");
    value = value.missing.deeper;
    return value;
}
function outer() { return inner(new Object()) + 1; }
outer();
Debug.trace("not reached\n");
