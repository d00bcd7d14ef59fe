// The highlight mode of the corvel command: a script written out in the
// colours the script edit control gives it, for a terminal (ANSI colours) or
// as a standalone HTML page.
#pragma once

#include "CorvelTokenColour.h"

#include <cstdio>
#include <string>
#include <string_view>

class ScriptHighlighter {
public:
    enum Format { Ansi, Html };

    // `title` names the HTML page (the file name as given).
    static void Write(std::string_view text, Format format, const char* title, FILE* out);

private:
    // Every coloured run is closed before its line break, so each line of
    // the output stands on its own (in a pager, or cut with head).
    static void WriteRuns(std::string_view text, Format format, FILE* out);
    // What starts a run in `colour` (empty for default text), and ends it.
    static std::string Opening(CorvelTokenColour::Class colour, Format format);
    static const char* Closing(Format format);
};
