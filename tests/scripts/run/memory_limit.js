// Under --memory-limit a list that grows without bound ends the script with
// one error line; what it printed before stays.
Debug.trace("building\n");
var list = null;
var count = 0;
while (true) { var node = new Object(); node.next = list; node.text = "item " + count; list = node; count++; }
