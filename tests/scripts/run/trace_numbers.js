// Debug.trace writes numbers as the language does: NaN, the infinities and
// zero have the texts that a conversion to string gives them.
Debug.trace(0/0); Debug.trace(" ");
Debug.trace(-(0/0)); Debug.trace(" ");
Debug.trace(1/0); Debug.trace(" ");
Debug.trace(-1/0); Debug.trace(" ");
Debug.trace(-0); Debug.trace(" ");
Debug.tracePane("Numbers", 0/0); Debug.trace("\n");
// Every other number keeps its six significant digits.
Debug.trace(1234567); Debug.trace(" "); Debug.trace(0.5); Debug.trace(" "); Debug.trace(1e-7); Debug.trace("\n");
