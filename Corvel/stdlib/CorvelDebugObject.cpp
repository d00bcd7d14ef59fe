#include "CorvelDebugObject.h"

#include "CorvelConsole.h"
#include "CorvelExecutionContext.h"

CorvelDebugObject::CorvelDebugObject() : CorvelBuiltInObject(true) {
    AddMethod("trace", Trace);
    AddMethod("tracePane", TracePane);
}

CorvelObject::ClassType CorvelDebugObject::Class() const { return ClassDebug; }

void CorvelDebugObject::DestroyObject() {}

CorvelStatus CorvelDebugObject::Trace(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                      const CorvelValue&) {
    if (argumentCount < 1) return CorvelStatus::Normal;
    QelString text = arguments[0].ForceGetString();
    if (CorvelConsole* console = context->GetConsole()) console->Output(nullptr, text.GetText());
    return CorvelStatus::Normal;
}

CorvelStatus CorvelDebugObject::TracePane(CorvelExecutionContext* context, CorvelValue* arguments,
                                          int argumentCount, const CorvelValue&) {
    if (argumentCount < 1) return CorvelStatus::Normal;
    QelString pane = arguments[0].ForceGetString();
    QelString text = argumentCount > 1 ? arguments[1].ForceGetString() : QelString();
    if (CorvelConsole* console = context->GetConsole()) console->Output(pane.GetText(), text.GetText());
    return CorvelStatus::Normal;
}
