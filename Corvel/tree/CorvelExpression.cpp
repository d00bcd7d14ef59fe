#include "CorvelExpression.h"

#include "CorvelExecutionContext.h"
#include "CorvelIdentifier.h"
#include "CorvelMemberSelection.h"
#include "CorvelRuntimeException.h"
#include "CorvelValue.h"

#include <new>
#include <utility>

CorvelStatus CorvelExpression::RunStatement(CorvelExecutionContext* context) const {
    CorvelValue value;
    CorvelStatus status;
    try {
        status = Evaluate(value, context);
    } catch (CorvelRuntimeException* exception) {
        StampError(exception);
        throw;
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError();
    }
    if (status == CorvelStatus::Suspend) return status;
    // Outside the stamping: a lone undeclared name reports no line.
    value.GetValue();
    // A function's completion value is never seen (only what it returns
    // leaves the call), so its expression statements keep none.
    if (context->GetCodeType() != CorvelExecutionContext::FunctionCode) context->GetReturnValue() = std::move(value);
    return CorvelStatus::Normal;
}

void CorvelExpression::InstantiateVariables(CorvelExecutionContext*) const {}

CorvelStatus CorvelExpression::EvaluateDereferenced(CorvelValue& result, CorvelExecutionContext* context) const {
    if (const CorvelIdentifier* identifier = AsIdentifier()) {
        identifier->EvaluateValue(result, context);
        return CorvelStatus::Normal;
    }
    if (const CorvelMemberSelection* selection = AsPlainSelection()) return selection->ReadMember(result, context);
    CorvelStatus status = Evaluate(result, context);
    if (status != CorvelStatus::Suspend) result.GetValue();
    return status;
}

CorvelStatus CorvelExpression::EvaluateTruth(bool& truth, CorvelExecutionContext* context) const {
    CorvelValue test;
    CorvelStatus status = EvaluateDereferenced(test, context);
    if (status == CorvelStatus::Suspend) return status;
    test.ToBoolean();
    truth = test.GetBool();
    return status;
}
