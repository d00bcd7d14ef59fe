#include "CorvelTokenColour.h"

#include "CorvelConstant.h"
#include "CorvelLexer.h"
#include "CorvelTokens.h"

#include <memory>
#include <string>

namespace {

// Indexed by CorvelTokenColour::Class; 0x00BBGGRR.
const unsigned long kColours[CorvelTokenColour::ClassCount] = {
    0x000000,  // Default: black
    0xFF0000,  // Keyword: blue
    0x008080,  // String: olive
    0x008000,  // Comment: green
    0xFF00FF,  // Reserved: magenta
    0x0000FF,  // Unrecognised: red
};

CorvelTokenColour::Class ClassifyLiteral(const CorvelTreeElement* value) {
    auto* constant = dynamic_cast<const CorvelConstant*>(value);
    if (!constant) return CorvelTokenColour::Default;
    switch (constant->GetValue().GetType()) {
    case CorvelValue::String: return CorvelTokenColour::String;
    case CorvelValue::Null:
    case CorvelValue::Boolean: return CorvelTokenColour::Keyword;
    default: return CorvelTokenColour::Default;
    }
}

// Adds [start, end) in `colour`, extending the last run when it has the same
// colour.
void Append(std::vector<CorvelTokenColour::Run>& runs, int start, int end, CorvelTokenColour::Class colour) {
    if (end <= start) return;
    if (!runs.empty() && runs.back().colour == colour && runs.back().end == start) {
        runs.back().end = end;
        return;
    }
    runs.push_back({start, end, colour});
}

}  // namespace

CorvelTokenColour::Class CorvelTokenColour::Classify(int token, const CorvelTreeElement* value) {
    if (token >= CorvelTokens::Break && token <= CorvelTokens::With) return Keyword;
    if (token == CorvelTokens::Literal) return ClassifyLiteral(value);
    if (token >= CorvelTokens::FirstReserved && token <= CorvelTokens::LastReserved) return Reserved;
    if (token == CorvelTokens::CommentEnd || token == CorvelTokens::CommentOpenAtEnd) return Comment;
    if (token == CorvelTokens::Unrecognised) return Unrecognised;
    // White space, identifiers, punctuators and anything else.
    return Default;
}

unsigned long CorvelTokenColour::GetColour(Class colour) {
    if (colour < 0 || colour >= ClassCount) return kColours[Default];
    return kColours[colour];
}

std::vector<CorvelTokenColour::Run> CorvelTokenColour::ColourLine(std::string_view line, bool& inComment) {
    std::vector<Run> runs;
    if (line.empty()) return runs;
    // The lexer reads up to a terminating NUL.
    std::string text(line.substr(0, kMaxLineLength));

    QelArray<int> tokens, ends;
    QelArray<CorvelTreeElement*> values;
    CorvelLexer lexer;
    lexer.Tokenise(text.c_str(), tokens, ends, values, inComment);

    int start = 0;
    for (int i = 0; i < tokens.GetSize(); ++i) {
        std::unique_ptr<CorvelTreeElement> value(values[i]);
        Append(runs, start, ends[i], Classify(tokens[i], value.get()));
        start = ends[i];
    }
    return runs;
}

void CorvelTokenColour::ColourText(std::string_view text, const LineVisitor& visit) {
    bool inComment = false;
    while (!text.empty()) {
        size_t lineBreak = text.find('\n');
        std::string_view line = text.substr(0, lineBreak == std::string_view::npos ? text.size() : lineBreak + 1);
        std::vector<Run> runs = ColourLine(line, inComment);
        Append(runs, runs.empty() ? 0 : runs.back().end, (int)line.size(), Default);
        visit(line, runs);
        text.remove_prefix(line.size());
    }
}
