#include "CorvelStringLiteral.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// Up to `count` hex digits; only the low byte of the value is kept.
int ReadHex(const char*& p, const char* end, int count) {
    int value = 0;
    for (; count > 0 && p < end && HexDigit(*p) >= 0; --count) value = (value * 16 + HexDigit(*p++)) & 0xffff;
    return value & 0xff;
}

// The first digit is already read: a second one always joins, a third only
// while the value stays within a byte.
int ReadOctal(const char*& p, const char* end, int value) {
    if (p < end && IsOctal(*p)) {
        value = value * 8 + (*p++ - '0');
        if (p < end && IsOctal(*p) && value < 32) value = value * 8 + (*p++ - '0');
    }
    return value;
}

// The byte an escape stands for; `p` is just past the backslash.
int ReadEscape(const char*& p, const char* end) {
    char c = *p++;
    switch (c) {
    case 'b': return 8;
    case 't': return 9;
    case 'n': return 10;
    case 'f': return 12;
    case 'r': return 13;
    case 'x': return ReadHex(p, end, 2);
    case 'u': return ReadHex(p, end, 4);
    default: return IsOctal(c) ? ReadOctal(p, end, c - '0') : (unsigned char)c;
    }
}

}  // namespace

const char* CorvelStringLiteral::Convert(const char* lexeme, int length) {
    m_buffer.SetSize(0);
    if (length >= 2) {
        const char* p = lexeme + 1;
        const char* end = lexeme + length - 1;
        while (p < end) {
            int byte = (unsigned char)*p++;
            if (byte == '\\' && p < end) byte = ReadEscape(p, end);
            if (byte == 0) break;
            m_buffer.Add((char)byte);
        }
    }
    m_buffer.Add('\0');
    return m_buffer.GetData();
}
