#include "CorvelBuiltInFunction.h"

CorvelBuiltInFunction::CorvelBuiltInFunction(CorvelNativeFunction function)
    : CorvelObject(true), m_function(function) {}

CorvelObject::ClassType CorvelBuiltInFunction::Class() const { return ClassBuiltInFunction; }

const CorvelValue& CorvelBuiltInFunction::Value() const { return CorvelValue::ms_null; }

void CorvelBuiltInFunction::DefaultValue(CorvelValue& result, int) const { result.SetString("[Function built-in]"); }

CorvelStatus CorvelBuiltInFunction::Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                         const CorvelValue& thisValue) {
    return m_function ? m_function(context, arguments, argumentCount, thisValue) : CorvelStatus::Normal;
}
