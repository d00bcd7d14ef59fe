#include "CorvelGlobalObject.h"

#include "CorvelConstant.h"
#include "CorvelDebugObject.h"
#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelLexer.h"
#include "CorvelMessages.h"
#include "CorvelParser.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"
#include "CorvelStandardArrayConstructor.h"
#include "CorvelStandardBooleanConstructor.h"
#include "CorvelStandardDateConstructor.h"
#include "CorvelStandardFunctionConstructor.h"
#include "CorvelStandardFunctionInstance.h"
#include "CorvelStandardMathObject.h"
#include "CorvelStandardNumberConstructor.h"
#include "CorvelStandardObjectConstructor.h"
#include "CorvelStandardStringConstructor.h"
#include "CorvelTokens.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <typeinfo>
#include <utility>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

void SetResult(CorvelExecutionContext* context, CorvelValue&& value) { context->GetReturnValue() = std::move(value); }

// The first argument as text, converted in place; "undefined" when absent.
const char* FirstArgumentText(CorvelValue* arguments, int argumentCount) {
    if (argumentCount == 0) return "undefined";
    arguments[0].ToString();
    return arguments[0].GetString();
}

// Line breaks are not white space here.
const char* SkipBlanks(const char* text) {
    while (*text == ' ' || *text == '\t' || *text == '\v' || *text == '\f') ++text;
    return text;
}

bool HasHexPrefix(const char* text) { return text[0] == '0' && (text[1] == 'x' || text[1] == 'X'); }

// 0 to 35 for a digit of any radix up to 36, 36 for anything else.
int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 36;
}

int HexValue(char c) {
    int value = DigitValue(c);
    return value < 16 ? value : -1;
}

bool IsHex(const char* text, int count) {
    for (int i = 0; i < count; ++i)
        if (HexValue(text[i]) < 0) return false;
    return true;
}

bool EscapesUnchanged(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != 0 && strchr("@*_+-/", c));
}

// The delay of wait() in milliseconds: truncated toward zero and held to
// 0 .. INT32_MAX, so no argument can make the conversion undefined.
int32_t WaitMilliseconds(double seconds) {
    double milliseconds = seconds * 1000;
    if (std::isnan(milliseconds) || milliseconds <= 0) return 0;
    if (milliseconds >= (double)INT32_MAX) return INT32_MAX;
    return (int32_t)milliseconds;
}

}  // namespace

CorvelGlobalObject::EvalStatementPosition::~EvalStatementPosition() {
    // The context runs the parser's tree, so it goes first.
    delete evalContext;
    delete parser;
}

CorvelGlobalObject::CorvelGlobalObject() : CorvelBuiltInObject(true) {
    AddMethod("eval", Eval);
    AddMethod("parseInt", ParseInt);
    AddMethod("parseFloat", ParseFloat);
    AddMethod("escape", Escape);
    AddMethod("unescape", Unescape);
    AddMethod("isNan", IsNaN);
    AddMethod("isFinite", IsFinite);
    AddMethod("wait", Wait);
    ResetObject();
}

CorvelObject::ClassType CorvelGlobalObject::Class() const { return ClassGlobal; }

void CorvelGlobalObject::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    if (!environment) return;
    const std::pair<const char*, CorvelObject*> objects[] = {
        {"Object", environment->GetStandardObjectConstructor()},
        {"Function", environment->GetStandardFunctionConstructor()},
        {"Array", environment->GetStandardArrayConstructor()},
        {"String", environment->GetStandardStringConstructor()},
        {"Boolean", environment->GetStandardBooleanConstructor()},
        {"Number", environment->GetStandardNumberConstructor()},
        {"Date", environment->GetStandardDateConstructor()},
        {"Math", environment->GetStandardMathObject()},
        {"Debug", environment->GetDebugObject()},
    };
    for (const auto& entry : objects)
        if (entry.second) SetOwnProperty(entry.first, CorvelValue((unsigned long)entry.second->GetKey()), CorvelValue::DontEnum);
}

void CorvelGlobalObject::DeclareFunctions(CorvelParser& parser) {
    QelPtrList<CorvelFunctionDefinition*>* functions = parser.GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;) {
        CorvelFunctionDefinition* definition = functions->GetNext(at);
        CorvelStandardFunctionInstance* function = new CorvelStandardFunctionInstance(definition, definition->GetName());
        Put(definition->GetName(), CorvelValue::ObjectValue(function));
    }
}

void CorvelGlobalObject::DestroyObject() {}

CorvelStatementPosition* CorvelGlobalObject::CreateEvalStatementPosition() { return new EvalStatementPosition(); }

CorvelStatus CorvelGlobalObject::Eval(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                      const CorvelValue&) {
    CorvelStatementPosition* position = context->GetStatementPosition(CreateEvalStatementPosition);
    EvalStatementPosition* record = dynamic_cast<EvalStatementPosition*>(position);
    if (!record) CorvelRuntimeException::Raise(CorvelMessages::InternalEval);
    if (argumentCount == 0 || arguments[0].GetType() != CorvelValue::String) {
        SetResult(context, argumentCount == 0 ? CorvelValue() : CorvelValue(arguments[0]));
        context->ClearStatementPosition(nullptr);
        return CorvelStatus::Return;
    }
    if (!record->parser) {
        record->parser = new CorvelParser("Eval Code");
        QelString errors;
        if (!record->parser->Parse(arguments[0].GetString(), errors) || record->parser->GetErrorCount() != 0) {
            CorvelRuntimeException::Raise(record->parser->RanOutOfMemory() ? CorvelMessages::OutOfMemory
                                                                            : CorvelMessages::EvalCodeErrors);
        }
    }
    CorvelStatementList* statements = record->parser->GetTree();
    if (statements && !record->evalContext)
        record->evalContext = new CorvelExecutionContext(context, statements, CorvelExecutionContext::EvalCode);
    CorvelStatus status = record->evalContext ? record->evalContext->Run() : CorvelStatus::Normal;
    if (status == CorvelStatus::Suspend) return status;
    if (status == CorvelStatus::Error) CorvelRuntimeException::Raise(CorvelMessages::FunctionAbort);
    if (status == CorvelStatus::Normal && record->evalContext)
        SetResult(context, std::move(record->evalContext->GetReturnValue()));
    else
        SetResult(context, CorvelValue());
    context->ClearStatementPosition(nullptr);
    return CorvelStatus::Return;
}

CorvelStatus CorvelGlobalObject::ParseInt(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                          const CorvelValue&) {
    const char* text = SkipBlanks(FirstArgumentText(arguments, argumentCount));
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    int32_t radix = argumentCount > 1 ? arguments[1].ToInt32() : 0;
    if (radix != 0) {
        if (radix < 2 || radix > 36) {
            SetResult(context, CorvelValue(kNaN));
            return CorvelStatus::Return;
        }
        if (radix == 16 && HasHexPrefix(text)) text += 2;
    } else if (HasHexPrefix(text)) {
        radix = 16;
        text += 2;
    } else {
        radix = *text == '0' ? 8 : 10;
    }
    double value = 0;
    for (int digit; (digit = DigitValue(*text)) < radix; ++text) value = value * radix + digit;
    SetResult(context, CorvelValue(negative ? -value : value));
    return CorvelStatus::Return;
}

// Accepts exactly the numeric literals of scripts, through the script lexer.
CorvelStatus CorvelGlobalObject::ParseFloat(CorvelExecutionContext* context, CorvelValue* arguments,
                                            int argumentCount, const CorvelValue&) {
    const char* text = SkipBlanks(FirstArgumentText(arguments, argumentCount));
    // A literal never spans white space, so the first token is found in the
    // text up to the first blank or line break; the rest need not be lexed.
    size_t length = strcspn(text, " \t\v\f\r\n");
    QelString head(text, (int)length);
    CorvelLexer lexer;
    QelArray<int> tokens, ends;
    QelArray<CorvelTreeElement*> values;
    bool inComment = false;
    lexer.Tokenise(head.GetText(), tokens, ends, values, inComment);
    double result = kNaN;
    if (tokens.GetSize() > 0 && tokens[0] == CorvelTokens::Literal) {
        const CorvelConstant* constant = dynamic_cast<const CorvelConstant*>(values[0]);
        if (constant && constant->GetValue().GetType() == CorvelValue::Number) result = constant->GetValue().GetNumber();
    }
    for (int i = 0; i < values.GetSize(); ++i) delete values[i];
    SetResult(context, CorvelValue(result));
    return CorvelStatus::Return;
}

CorvelStatus CorvelGlobalObject::Escape(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                        const CorvelValue&) {
    static const char kHexDigits[] = "0123456789abcdef";
    const char* text = FirstArgumentText(arguments, argumentCount);
    std::string escaped;
    escaped.reserve(strlen(text));
    for (const unsigned char* at = (const unsigned char*)text; *at; ++at) {
        if (EscapesUnchanged(*at)) {
            escaped += (char)*at;
            continue;
        }
        escaped += '%';
        escaped += kHexDigits[*at >> 4];
        escaped += kHexDigits[*at & 15];
    }
    SetResult(context, CorvelValue(escaped.c_str()));
    return CorvelStatus::Return;
}

CorvelStatus CorvelGlobalObject::Unescape(CorvelExecutionContext* context, CorvelValue* arguments,
                                          int argumentCount, const CorvelValue&) {
    const char* text = FirstArgumentText(arguments, argumentCount);
    std::string decoded;
    decoded.reserve(strlen(text));
    while (*text) {
        // The checks stop at the terminating NUL, which is never a digit.
        if (text[0] == '%' && text[1] == 'u' && IsHex(text + 2, 4)) {
            bool low = text[2] == '0' && text[3] == '0';
            decoded += low ? (char)(HexValue(text[4]) * 16 + HexValue(text[5])) : '#';
            text += 6;
        } else if (text[0] == '%' && IsHex(text + 1, 2)) {
            decoded += (char)(HexValue(text[1]) * 16 + HexValue(text[2]));
            text += 3;
        } else {
            decoded += *text++;
        }
    }
    // A decoded NUL ends the string, as everywhere in script strings.
    SetResult(context, CorvelValue(decoded.c_str()));
    return CorvelStatus::Return;
}

CorvelStatus CorvelGlobalObject::IsNaN(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                       const CorvelValue&) {
    bool result = false;
    if (argumentCount > 0) {
        arguments[0].ToNumber();
        result = std::isnan(arguments[0].GetNumber());
    }
    SetResult(context, CorvelValue(result));
    return CorvelStatus::Return;
}

CorvelStatus CorvelGlobalObject::IsFinite(CorvelExecutionContext* context, CorvelValue* arguments,
                                          int argumentCount, const CorvelValue&) {
    bool result = false;
    if (argumentCount > 0) {
        arguments[0].ToNumber();
        result = std::isfinite(arguments[0].GetNumber());
    }
    SetResult(context, CorvelValue(result));
    return CorvelStatus::Return;
}

// Suspends once; the session's paced mode does the waiting.
CorvelStatus CorvelGlobalObject::Wait(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                      const CorvelValue&) {
    CorvelExecutionContext::IntegerStatementPosition* record = context->GetIntegerStatementPosition(nullptr);
    if (!record) CorvelRuntimeException::Raise(CorvelMessages::InternalEval);
    SetResult(context, CorvelValue());
    if (record->index != -1) {
        context->ClearStatementPosition(nullptr);
        return CorvelStatus::Normal;
    }
    double seconds = 0;
    if (argumentCount > 0) {
        arguments[0].ToNumber();
        seconds = arguments[0].GetNumber();
    }
    if (CorvelSession* session = context->GetSession()) session->SetWaitDelay(WaitMilliseconds(seconds));
    record->index = 1;
    return CorvelStatus::Suspend;
}

// The first read of a name since the last deletion remembers the own
// property it found.
const CorvelValue* CorvelGlobalObject::FindNameFirst(const CorvelPropertyStore::Name& key) const {
    const CorvelValue* found = FindHashed(key);
    if (!found) return nullptr;
    if (!m_namesChecked) {
        m_namesChecked = true;
        if (typeid(*this) == typeid(CorvelGlobalObject)) m_names.reset(new (std::nothrow) NameCache);
    }
    uint32_t unlinks = GetPropertyUnlinkCount();
    if (!m_names || unlinks == CorvelPropertyStore::kManyUnlinks) return found;
    CorvelPropertyStore::Entry* entry = FindOwnEntry(key);
    if (!entry || &entry->value != found) return found;
    if (m_names->unlinks != unlinks) {
        for (CorvelPropertyStore::Entry*& slot : m_names->slots) slot = nullptr;
        m_names->unlinks = unlinks;
    }
    m_names->slots[key.indexHash % NameCache::kSlots] = entry;
    return found;
}

// A remembered property is written as Put writes an own property, which for
// this class is the base class's Put.
void CorvelGlobalObject::PutName(const CorvelPropertyStore::Name& key, const CorvelValue& value) {
    if (CorvelValue* known = RememberedName(key)) {
        if (!(known->GetAttributes() & CorvelValue::ReadOnly)) known->Assign(value);
        return;
    }
    Put(key.text, value);
}
