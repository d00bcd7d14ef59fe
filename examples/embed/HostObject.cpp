#include "HostObject.h"

HostObject::HostObject(const char* name) : CorvelBuiltInObject(true), m_name(name) {
    // Methods become script functions when a script first reads them.
    AddMethod("name", Name);
    AddMethod("sum", Sum);
}

CorvelStatus HostObject::Name(CorvelExecutionContext* context, CorvelValue*, int, const CorvelValue& thisValue) {
    // Natives are static: the object they were called on comes as `this`,
    // which a script could have set to anything.
    HostObject* self = dynamic_cast<HostObject*>(thisValue.ForceGetObject());
    if (!self) CorvelRuntimeException::Raise(CorvelMessages::MissingObject);
    context->SetReturnValue(CorvelValue(self->m_name.c_str()));
    return CorvelStatus::Return;
}

CorvelStatus HostObject::Sum(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue) {
    int count = argumentCount > 0 ? arguments[0].ForceGetInteger() : 0;
    CorvelObject* function = argumentCount > 1 ? arguments[1].ForceGetObject() : nullptr;
    // A run-time error raised here is reported with the script's position
    // and ends the script.
    if (!function) CorvelRuntimeException::Raise(CorvelMessages::NotAFunction);

    double total = 0;
    for (int i = 0; i < count; ++i) {
        CorvelValue argument(i);
        context->ClearReturnValue();
        CorvelStatus status = function->Call(context, &argument, 1, thisValue);
        // This native cannot stop half-way, so a function that waits is run
        // on at once until it ends.
        while (status == CorvelStatus::Suspend) {
            context->GetSession()->SetWaitDelay(0);
            status = function->Call(context, &argument, 1, thisValue);
        }
        // The function's own error has been reported already: end the
        // script without a second message.
        if (status == CorvelStatus::Error) CorvelRuntimeException::Raise(CorvelMessages::FunctionAbort);
        if (status == CorvelStatus::Return) total += context->GetReturnValue().ForceGetNumber();
    }
    context->SetReturnValue(CorvelValue(total));
    return CorvelStatus::Return;
}
