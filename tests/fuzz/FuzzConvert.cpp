// Fuzz target: the conversions between numbers and text. The input is read
// as text (to a number, through parseInt with a radix taken from its first
// byte, parseFloat, escape and unescape) and its first eight bytes as a
// number (to text). Two laws are checked: the text of a finite number reads
// back as a finite number and that of NaN as NaN (the infinities write as
// words, which text conversion does not read), and unescape undoes escape.
#include "FuzzHost.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The infinities read back as NaN: "Infinity" is not number text.
int Kind(double number) { return std::isfinite(number) ? 1 : 0; }

void CheckNumberText(double number) {
    QelString text = CorvelValue::NumberToString(number);
    double back = CorvelValue::StringToNumber(text.GetText());
    if (Kind(back) != Kind(number)) {
        fprintf(stderr, "%.17g writes as \"%s\", which reads back as %.17g\n", number, text.GetText(), back);
        abort();
    }
    CorvelValue value(number);
    value.ToString();
    if (strcmp(value.GetString(), text.GetText()) != 0) abort();
}

void CheckEscape(FuzzCaller& caller, const char* text) {
    CorvelValue argument(text);
    CorvelValue escaped = caller.Call("escape", &argument, 1);
    if (escaped.GetType() != CorvelValue::String) abort();
    CorvelValue unescaped = caller.Call("unescape", &escaped, 1);
    if (unescaped.GetType() != CorvelValue::String || strcmp(unescaped.GetString(), text) != 0) {
        fprintf(stderr, "unescape(escape(\"%s\")) is \"%s\"\n", text, unescaped.GetString());
        abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text = FuzzText(data, size);
    FuzzCaller caller;

    CorvelValue value(text.c_str());
    value.ToNumber();
    CheckNumberText(value.GetNumber());
    if (size >= sizeof(double)) {
        double number;
        memcpy(&number, data, sizeof number);
        CheckNumberText(number);
    }

    CorvelValue radixArguments[2] = {CorvelValue(text.c_str()), CorvelValue(size ? (double)(int8_t)data[0] : 0.0)};
    CorvelValue parsed = caller.Call("parseInt", radixArguments, 2);
    if (parsed.GetType() == CorvelValue::Number) CheckNumberText(parsed.GetNumber());
    CorvelValue plain(text.c_str());
    parsed = caller.Call("parseInt", &plain, 1);
    if (parsed.GetType() == CorvelValue::Number) CheckNumberText(parsed.GetNumber());
    CorvelValue floating(text.c_str());
    parsed = caller.Call("parseFloat", &floating, 1);
    if (parsed.GetType() == CorvelValue::Number) CheckNumberText(parsed.GetNumber());

    CheckEscape(caller, text.c_str());
    CorvelValue unescapeArgument(text.c_str());
    caller.Call("unescape", &unescapeArgument, 1);
    return 0;
}
