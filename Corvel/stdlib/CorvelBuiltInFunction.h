// CorvelBuiltInFunction: a script-visible function object wrapping one
// native function of the engine or of a host.
#pragma once

#include "CorvelObject.h"

// A native function: the arguments belong to the caller but may be converted
// in place. A result goes into the context's return value with status
// Return; errors are raised as CorvelRuntimeException.
typedef CorvelStatus (*CorvelNativeFunction)(CorvelExecutionContext* context, CorvelValue* arguments,
                                             int argumentCount, const CorvelValue& thisValue);

class CorvelBuiltInFunction : public CorvelObject {
public:
    explicit CorvelBuiltInFunction(CorvelNativeFunction function);

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void DefaultValue(CorvelValue& result, int hint) const override;
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;

    CorvelNativeFunction GetFunction() const { return m_function; }
    // The native function of a value naming a built-in function, else null.
    static CorvelNativeFunction NativeOf(const CorvelValue& value);

private:
    CorvelNativeFunction m_function;
};
