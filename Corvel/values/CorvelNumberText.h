// CorvelNumberText: the number <-> text primitives the engine builds on.
// Scanning reads plain decimal text only and ignores the host's locale, so a
// script reads "1.5" the same whatever locale the host has set, and words
// ("inf", "nan") or hexadecimal fractions that some C libraries accept are
// never taken for numbers.
#pragma once

#include <cstdint>

class CorvelNumberText {
public:
    // Room for any "%g" text of a double, with its terminator.
    enum { BufferSize = 32 };

    // Reads the longest decimal number at the start of `text` the way strtod
    // does: leading white space, an optional sign, digits with an optional
    // fraction, an optional exponent. `*end` is set past the number, or to
    // `text` itself when there is none (and 0 is answered). Too large a
    // magnitude gives an infinity, too small a zero.
    static double ScanDecimal(const char* text, const char** end);

    // Reads a leading integer the way atoi does (white space, sign, digits),
    // clamped to the 32-bit range instead of overflowing.
    static int ScanInteger(const char* text);

    // The decimal digits of `number`, written into the end of `buffer`;
    // answers where they begin.
    static const char* FormatUnsigned(uint32_t number, char (&buffer)[16]);

    // The "%g" text of `number` written into `buffer`, which is answered.
    static const char* FormatGeneral(double number, char (&buffer)[BufferSize]);

    // The white space strtod and friends skip: tab, line feed, vertical tab,
    // form feed, carriage return and space.
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
};
