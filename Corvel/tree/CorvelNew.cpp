#include "CorvelNew.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"

#include <utility>

CorvelNew::CorvelNew(CorvelExpression* constructor, CorvelExpressionList* arguments)
    : CorvelInvocation(constructor, arguments) {}

void CorvelNew::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteText(" (new ");
    if (callee) callee->WriteECMAScript(output);
    output->WriteText(" (");
    if (arguments) arguments->WriteECMAScript(output);
    output->WriteText("))");
}

void CorvelNew::Debug(int indent) {
    OutputDebug(indent, "New - (object, arguments)\n");
    DebugChild(callee, indent + 1);
    DebugChild(arguments, indent + 1);
}

CorvelStatus CorvelNew::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    return EvaluateInvocation(result, context, CorvelMessages::InternalNew);
}

CorvelStatus CorvelNew::EvaluateCallee(CorvelValue& out, CorvelExecutionContext* context) const {
    return callee->EvaluateDereferenced(out, context);
}

// `this` stays undefined: the constructor makes the new object itself.
void CorvelNew::SelectObject(InvocationStatementPosition& construction, const CorvelExecutionContext*) const {
    CorvelObject* object = CorvelObjectTable::FindObject(construction.functionValue.ForceGetObjectKey());
    if (!object) Raise(CorvelMessages::NewOnNonObject);
    construction.SetFunctionObject(object);
}

CorvelStatus CorvelNew::Invoke(InvocationStatementPosition& construction, CorvelValue& result,
                               CorvelExecutionContext* context) const {
    // Cleared first, so that a constructor that leaves nothing is noticed
    // whatever an earlier statement left here.
    context->ClearReturnValue();
    CorvelStatus status = construction.functionObject->Construct(context, construction.argumentValues,
                                                                 construction.argumentCount, construction.thisValue);
    if (status == CorvelStatus::Suspend) return status;
    if (context->GetReturnValue().GetType() != CorvelValue::Object) Raise(CorvelMessages::NewReturnedNonObject);
    // Taken out of the context: the result belongs to the expression, not
    // to the statement's completion value.
    if (status == CorvelStatus::Return)
        result = std::move(context->GetReturnValue());
    else
        result.SetUndefined();
    return CorvelStatus::Normal;
}
