#include "CorvelBuiltInFunction.h"

#include "CorvelNesting.h"

CorvelBuiltInFunction::CorvelBuiltInFunction(CorvelNativeFunction function)
    : CorvelObject(true), m_function(function) {}

CorvelObject::ClassType CorvelBuiltInFunction::Class() const { return ClassBuiltInFunction; }

const CorvelValue& CorvelBuiltInFunction::Value() const { return CorvelValue::ms_null; }

void CorvelBuiltInFunction::DefaultValue(CorvelValue& result, int) const { result.SetString("[Function built-in]"); }

// Native functions may reach themselves again without a script function in
// between (a sort whose compare function is sort), so each call counts
// against the stack budget.
CorvelStatus CorvelBuiltInFunction::Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                         const CorvelValue& thisValue) {
    if (!m_function) return CorvelStatus::Normal;
    CorvelNesting level;
    CorvelNesting::CheckStack();
    return m_function(context, arguments, argumentCount, thisValue);
}

CorvelNativeFunction CorvelBuiltInFunction::NativeOf(const CorvelValue& value) {
    const CorvelBuiltInFunction* function = dynamic_cast<const CorvelBuiltInFunction*>(value.ForceGetObject());
    return function ? function->m_function : nullptr;
}
