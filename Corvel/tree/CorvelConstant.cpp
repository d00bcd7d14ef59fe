#include "CorvelConstant.h"

#include "CorvelExecutionContext.h"
#include "CorvelJSOutput.h"
#include "CorvelNumberText.h"
#include "CorvelRuntimeException.h"

#include <cmath>

namespace {

// A double-quoted literal is written in pieces of this many bytes at most.
const int kLiteralPiece = 256;

// Appends to `piece` (at `*used`) the body of a double-quoted literal for
// one byte: the byte itself when it can stand as it is, else its escape.
void AppendLiteralByte(char* piece, int* used, unsigned char byte) {
    static const char kHex[] = "0123456789abcdef";
    char escaped = 0;
    switch (byte) {
    case 8: escaped = 'b'; break;
    case 9: escaped = 't'; break;
    case 10: escaped = 'n'; break;
    case 12: escaped = 'f'; break;
    case 13: escaped = 'r'; break;
    case '"':
    case '\'':
    case '\\': escaped = (char)byte; break;
    default: break;
    }
    if (escaped) {
        piece[(*used)++] = '\\';
        piece[(*used)++] = escaped;
    } else if (byte >= 32 && byte <= 126) {
        piece[(*used)++] = (char)byte;
    } else {
        piece[(*used)++] = '\\';
        piece[(*used)++] = 'x';
        piece[(*used)++] = kHex[byte >> 4];
        piece[(*used)++] = kHex[byte & 15];
    }
}

// The text ToString gives a number, made without the heap.
const char* NumberText(double number, char (&buffer)[CorvelNumberText::BufferSize]) {
    if (std::isnan(number)) return "NaN";
    if (std::isinf(number)) return number < 0 ? "-Infinity" : "Infinity";
    if (number == 0) return "0";
    return CorvelNumberText::FormatGeneral(number, buffer);
}

void WriteStringLiteral(CorvelJSOutput* output, const char* text) {
    // Room for the longest escape and the terminator after the last byte.
    char piece[kLiteralPiece + 8];
    int used = 0;
    piece[used++] = '"';
    for (const unsigned char* p = (const unsigned char*)text; p && *p; ++p) {
        AppendLiteralByte(piece, &used, *p);
        if (used >= kLiteralPiece) {
            piece[used] = 0;
            output->WriteText(piece);
            used = 0;
        }
    }
    piece[used++] = '"';
    piece[used] = 0;
    output->WriteText(piece);
}

}  // namespace

// Every constructor notes the value it holds; it never changes.
void CorvelConstant::NoteValue() {
    leafKind = kConstantLeaf;
    numberTreeHeight = value.GetType() == CorvelValue::Number ? 1 : 0;
}

CorvelConstant::CorvelConstant() { NoteValue(); }

CorvelConstant::CorvelConstant(bool value) : value(value) { NoteValue(); }

CorvelConstant::CorvelConstant(const char* text) : value(text ? text : "") { NoteValue(); }

CorvelConstant::CorvelConstant(double value) : value(value) { NoteValue(); }

CorvelConstant::CorvelConstant(long value) : value(value) { NoteValue(); }

CorvelConstant::CorvelConstant(int value) : value(value) { NoteValue(); }

CorvelConstant::CorvelConstant(const CorvelValue& value) : value(value) { NoteValue(); }

CorvelConstant::CorvelConstant(const CorvelConstant& other) : CorvelExpression(other), value(other.value) {
    NoteValue();
}

QelString CorvelConstant::ValueText() const {
    if (value.GetType() == CorvelValue::String) return QelString(value.GetString());
    CorvelValue text(value);
    // Only a host-made constant holds an object; converting one needs a
    // running script, and an error must not escape into the host.
    try {
        text.ToString();
    } catch (CorvelRuntimeException* error) {
        delete error;
        return QelString();
    }
    return QelString(text.GetString());
}

void CorvelConstant::WriteECMAScript(CorvelJSOutput* output) const {
    switch (value.GetType()) {
    case CorvelValue::String: WriteStringLiteral(output, value.GetString()); return;
    case CorvelValue::Number: {
        char buffer[CorvelNumberText::BufferSize];
        output->WriteText(NumberText(value.GetNumber(), buffer));
        return;
    }
    case CorvelValue::Boolean: output->WriteText(value.GetBool() ? "true" : "false"); return;
    case CorvelValue::Null: output->WriteText("null"); return;
    default: output->WriteText(ValueText().GetText()); return;
    }
}

void CorvelConstant::Debug(int indent) { OutputDebug(indent, "Constant - value = %s\n", ValueText().GetText()); }

CorvelStatus CorvelConstant::Evaluate(CorvelValue& result, CorvelExecutionContext*) const {
    result = value;
    return CorvelStatus::Normal;
}
