// Put before each benchmark script when it runs in another engine, which has
// print (with a line feed of its own) but no Debug object. Whole lines are
// printed as they complete; text after the last line feed is printed at
// the next trace that completes a line.
var Debug = {
    pending: "",
    trace: function (text) {
        var all = this.pending + String(text);
        var end = all.lastIndexOf("\n");
        if (end < 0) { this.pending = all; return; }
        this.pending = all.substring(end + 1);
        print(all.substring(0, end));
    },
    tracePane: function () {}
};
