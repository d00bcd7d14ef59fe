var o = new Object(); while (true) { var n = new Object(); n.next = o; o = n; }
