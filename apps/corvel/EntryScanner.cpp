#include "EntryScanner.h"

#include "CorvelLexer.h"
#include "CorvelTokens.h"
#include "CorvelTreeElement.h"

#include <memory>

namespace {

// Adds the line's bracket balance to `depth`; false when the line holds
// something the lexer does not recognise.
bool ScanLine(const std::string& line, int& depth, bool& inComment) {
    QelArray<int> tokens, ends;
    QelArray<CorvelTreeElement*> values;
    CorvelLexer lexer;
    lexer.Tokenise(line.c_str(), tokens, ends, values, inComment);
    bool readable = true;
    for (int i = 0; i < tokens.GetSize(); ++i) {
        std::unique_ptr<CorvelTreeElement> value(values[i]);
        switch (tokens[i]) {
        case CorvelTokens::LeftParen:
        case CorvelTokens::LeftBrace:
        case CorvelTokens::LeftBracket: ++depth; break;
        case CorvelTokens::RightParen:
        case CorvelTokens::RightBrace:
        case CorvelTokens::RightBracket: --depth; break;
        case CorvelTokens::Unrecognised: readable = false; break;
        default: break;
        }
    }
    return readable;
}

}  // namespace

// Line by line, as the lexer's tokenise mode expects, carrying an open
// block comment from one line to the next.
bool EntryScanner::IsComplete(const std::string& text) {
    int depth = 0;
    bool inComment = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (!ScanLine(text.substr(start, end - start), depth, inComment)) return true;
        start = end + 1;
    }
    return depth <= 0 && !inComment;
}
