// Debug output: the default pane is standard output as given; "Errors" is
// standard error; other panes are standard output with the pane's name
// before each line.
Debug.trace(1 + 1);
Debug.trace("\n");
Debug.tracePane("Log", "first line\nsecond line\n");
Debug.tracePane("Log", "partial ");
Debug.tracePane("Log", "rest\n");
Debug.tracePane("Log");
Debug.trace();
Debug.tracePane("Errors", "to standard error\n");
Debug.tracePane("Other", 42);
Debug.trace("\n");
Debug.tracePane("", "unnamed pane\n");
