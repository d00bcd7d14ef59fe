// CorvelDebugObject: the script's `Debug`, which writes to the host console.
#pragma once

#include "CorvelBuiltInObject.h"

class CorvelDebugObject : public CorvelBuiltInObject {
public:
    CorvelDebugObject();

    ClassType Class() const override;

    // Debug.trace(text): the text to the console's default pane.
    static CorvelStatus Trace(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
    // Debug.tracePane(pane, text): the text to the named pane.
    static CorvelStatus TracePane(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                  const CorvelValue& thisValue);

protected:
    // The environment owns the single instance.
    void DestroyObject() override;
};
