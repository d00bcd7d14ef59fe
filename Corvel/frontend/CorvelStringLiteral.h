// Turns the text of a quoted string literal, as the lexer matched it, into
// the byte string it stands for.
#pragma once

#include "QelArray.h"

class CorvelStringLiteral {
public:
    // `lexeme` holds `length` bytes, opening and closing quote included. The
    // value ends at the first zero byte an escape yields; it stays valid until
    // the next call. Each lexer has its own converter, so nothing is shared.
    const char* Convert(const char* lexeme, int length);

private:
    QelArray<char> m_buffer;
};
