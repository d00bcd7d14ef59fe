#include "CorvelNumberText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

const char* SkipDigits(const char* p) {
    while (CorvelNumberText::IsDigit(*p)) ++p;
    return p;
}

// Where the exponent starting at `p` ends; `p` itself when there is no
// complete exponent (an 'e' without digits is not part of the number).
const char* SkipExponent(const char* p) {
    if (*p != 'e' && *p != 'E') return p;
    const char* q = p + 1;
    if (*q == '+' || *q == '-') ++q;
    return CorvelNumberText::IsDigit(*q) ? SkipDigits(q) : p;
}

// The exponent's value, held far from overflow: beyond a few hundred the
// exact size no longer matters.
int64_t ReadExponent(const char* p, const char* end) {
    if (p == end) return 0;
    ++p;  // the 'e'
    bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    int64_t exponent = 0;
    for (; p < end; ++p)
        if (exponent < 100000) exponent = exponent * 10 + (*p - '0');
    return negative ? -exponent : exponent;
}

// Tells an overflow from an underflow for a conversion that left the range
// of a double: the number overflowed when its first significant digit stands
// left of the decimal point once the exponent is applied.
bool Overflowed(const char* mantissa, const char* exponent, const char* end) {
    const char* p = mantissa;
    while (*p == '0') ++p;
    int64_t leading = SkipDigits(p) - p;  // significant digits before the point
    if (leading == 0 && *p == '.') {
        const char* q = p + 1;
        while (*q == '0') ++q;
        leading = -(q - (p + 1));
    }
    return leading + ReadExponent(exponent, end) > 0;
}

double Convert(const char* mantissa, const char* exponent, const char* end) {
    double number = 0;
    std::from_chars_result result = std::from_chars(mantissa, end, number);
    if (result.ec == std::errc::result_out_of_range)
        return Overflowed(mantissa, exponent, end) ? HUGE_VAL : 0.0;
    return number;
}

}  // namespace

double CorvelNumberText::ScanDecimal(const char* text, const char** end) {
    *end = text;
    if (!text) return 0;
    const char* p = text;
    while (IsSpace(*p)) ++p;
    bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;

    const char* mantissa = p;
    const char* integerEnd = SkipDigits(p);
    const char* mantissaEnd = integerEnd;
    if (*integerEnd == '.') mantissaEnd = SkipDigits(integerEnd + 1);
    bool hasDigits = integerEnd > mantissa || mantissaEnd > integerEnd + 1;
    if (!hasDigits) return 0;

    const char* numberEnd = SkipExponent(mantissaEnd);
    *end = numberEnd;
    double number = Convert(mantissa, mantissaEnd, numberEnd);
    return negative ? -number : number;
}

int CorvelNumberText::ScanInteger(const char* text) {
    if (!text) return 0;
    const char* p = text;
    while (IsSpace(*p)) ++p;
    bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    int64_t magnitude = 0;
    const int64_t limit = (int64_t)INT_MAX + 1;
    for (; IsDigit(*p); ++p)
        if (magnitude < limit) magnitude = magnitude * 10 + (*p - '0');
    if (negative) return magnitude >= limit ? INT_MIN : (int)-magnitude;
    return magnitude > INT_MAX ? INT_MAX : (int)magnitude;
}

// The same text as "%u", without the cost of a format call in the loops
// that visit every index.
const char* CorvelNumberText::FormatUnsigned(uint32_t number, char (&buffer)[16]) {
    char* at = buffer + sizeof buffer - 1;
    *at = 0;
    do {
        *--at = (char)('0' + number % 10);
        number /= 10;
    } while (number != 0);
    return at;
}

// Whole numbers of up to six digits, the usual indexes and counters, are
// written digit by digit: "%g" writes them exactly so.
const char* CorvelNumberText::FormatGeneral(double number, char (&buffer)[BufferSize]) {
    if (number > -1000000.0 && number < 1000000.0 && number != 0) {
        int32_t whole = (int32_t)number;
        if (whole == number) {
            char digits[16];
            const char* text = FormatUnsigned(whole < 0 ? (uint32_t)-whole : (uint32_t)whole, digits);
            char* out = buffer;
            if (whole < 0) *out++ = '-';
            strcpy(out, text);
            return buffer;
        }
    }
    std::to_chars_result result =
        std::to_chars(buffer, buffer + BufferSize - 1, number, std::chars_format::general, 6);
    *result.ptr = 0;
    return buffer;
}
