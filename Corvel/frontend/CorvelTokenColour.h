// The colours of script text: which colour class each token of the lexer's
// tokenise mode shows in, the colour of each class, and the colouring of one
// line (as the script edit control does it, line by line with the block
// comment state carried from line to line) or of a whole text.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

class CorvelTreeElement;

class CorvelTokenColour {
public:
    enum Class : int { Default, Keyword, String, Comment, Reserved, Unrecognised, ClassCount };

    // Offsets are in bytes of the line that was coloured.
    struct Run {
        int start;
        int end;  // just past the run
        Class colour;
        bool operator==(const Run& other) const {
            return start == other.start && end == other.end && colour == other.colour;
        }
    };

    // A line is coloured up to this many bytes; the rest keeps its colour.
    static constexpr int kMaxLineLength = 1024;

    // The class of a token from CorvelLexer::Tokenise, with the value node it
    // carried: literals colour by their value (strings as strings, null and
    // the booleans as keywords, numbers as default text).
    static Class Classify(int token, const CorvelTreeElement* value);
    // The colour of a class, as 0x00BBGGRR.
    static unsigned long GetColour(Class colour);
    static unsigned long GetTokenColour(int token, const CorvelTreeElement* value) {
        return GetColour(Classify(token, value));
    }

    // Colours one line: `line` as the edit control holds it, with its line
    // break when it has one (a line comment is coloured only up to a line
    // break). `inComment` says whether the line starts inside a block
    // comment and, afterwards, whether the next line does. The runs cover the
    // line from 0 to the end of its last token, consecutive tokens of one
    // colour merged; bytes after that (the rest of a line cut at
    // kMaxLineLength, a line comment at the end of the text) are not covered.
    // An empty line gives no runs and leaves `inComment` as it was.
    static std::vector<Run> ColourLine(std::string_view line, bool& inComment);

    // Colours a whole text line by line, starting outside a comment, exactly
    // as the edit control colours text it is given: calls `visit` with each
    // line (with its line break) and runs that cover all of it, bytes no
    // token covers being Default.
    using LineVisitor = std::function<void(std::string_view line, const std::vector<Run>& runs)>;
    static void ColourText(std::string_view text, const LineVisitor& visit);
};
