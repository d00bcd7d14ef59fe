#include "CorvelStandardStringConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelStandardStringInstance.h"
#include "CorvelStandardStringPrototype.h"

#include <string>
#include <utility>

namespace {

// The first argument as text, converted in place; empty when absent.
const char* FirstArgumentText(CorvelValue* arguments, int argumentCount) {
    if (argumentCount < 1) return "";
    arguments[0].ToString();
    return arguments[0].GetString();
}

}  // namespace

CorvelStandardStringConstructor::CorvelStandardStringConstructor() { AddMethod("fromCharCode", FromCharCode); }

void CorvelStandardStringConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardStringPrototype() : nullptr, 1);
}

CorvelStatus CorvelStandardStringConstructor::Construct(CorvelExecutionContext* context, CorvelValue* arguments,
                                                        int argumentCount, const CorvelValue&) {
    CorvelValue result;
    result.SetNewObject(new CorvelStandardStringInstance(FirstArgumentText(arguments, argumentCount)));
    context->GetReturnValue() = std::move(result);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardStringConstructor::Call(CorvelExecutionContext* context, CorvelValue* arguments,
                                                   int argumentCount, const CorvelValue&) {
    context->GetReturnValue().SetString(FirstArgumentText(arguments, argumentCount));
    return CorvelStatus::Return;
}

// Every argument is converted, even after a byte 0, so that each one's
// conversion runs as the call promised.
CorvelStatus CorvelStandardStringConstructor::FromCharCode(CorvelExecutionContext* context, CorvelValue* arguments,
                                                           int argumentCount, const CorvelValue&) {
    char inlineBytes[64];
    std::string longBytes;
    char* bytes = inlineBytes;
    if (argumentCount > (int)sizeof inlineBytes) {
        longBytes.resize((size_t)argumentCount);
        bytes = &longBytes[0];
    }
    for (int i = 0; i < argumentCount; ++i) bytes[i] = (char)(unsigned char)(arguments[i].ToUint16() & 0xFF);
    // The value keeps the bytes up to the first 0.
    context->GetReturnValue().SetString(bytes, argumentCount);
    return CorvelStatus::Return;
}
