#include "LalrGrammar.h"

std::string LalrGrammar::Spelling(int symbol) const {
    const LalrSymbol& s = symbols[symbol];
    return s.alias.empty() ? s.name : "\"" + s.alias + "\"";
}

std::string LalrGrammar::RuleText(int rule, int dot) const {
    const LalrRule& r = rules[rule];
    std::string text = symbols[r.lhs].name + " :";
    for (size_t i = 0; i < r.rhs.size(); ++i) {
        if ((int)i == dot) text += " .";
        text += " " + Spelling(r.rhs[i]);
    }
    if (dot == (int)r.rhs.size()) text += " .";
    return text;
}
