// Generated scripts join many terms with one operator. A chain of 131 072
// terms is parsed, run (also suspending and resuming in its middle), and
// written back, without deep recursion.
function terms(term, op, doublings) {
    var text = term;
    var i = 0;
    while (i < doublings) { text = text + op + text; i++; }
    return text;
}
var ones = terms("1", "+", 17);
Debug.trace(eval(ones) + "\n");
var words = terms("'ab'", "+", 12);
Debug.trace(eval(words).length + "\n");
Debug.trace(eval(terms("true", "&&", 17) + "&&false") + " " + eval(terms("0", "||", 17) + "||'last'") + "\n");
// A call in the middle waits: the chain resumes where it stopped.
function pause() { wait(0); return 1000; }
Debug.trace(eval(ones + "+pause()+" + ones) + "\n");
// Written back by the Function prototype's toString.
var f = new Function("return " + terms("x", "*", 16) + ";");
var source = f.toString();
Debug.trace(source.length + " " + source.substring(source.length - 12, source.length));
