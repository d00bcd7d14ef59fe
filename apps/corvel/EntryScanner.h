// Tells whether the text typed at the prompt so far is a whole entry: it is
// not while a bracket ( [ { is still open or a block comment has not ended.
// The language's own lexer reads the text, so brackets inside strings and
// comments do not count.
#pragma once

#include <string>

class EntryScanner {
public:
    // Text the lexer cannot read (an unterminated string, say) ends the
    // entry too: the parser then says what is wrong.
    static bool IsComplete(const std::string& text);
};
