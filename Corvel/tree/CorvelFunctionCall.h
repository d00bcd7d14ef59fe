// CorvelFunctionCall: function(arguments).
#pragma once

#include "CorvelInvocation.h"

class CorvelIdentifier;
class CorvelMemberSelection;

class CorvelFunctionCall : public CorvelInvocation {
public:
    // The progress of one call.
    typedef InvocationStatementPosition FunctionCallStatementPosition;

    // `arguments` is null when the call has no argument list.
    CorvelFunctionCall(CorvelExpression* function, CorvelExpressionList* arguments);
    CorvelFunctionCall(const CorvelFunctionCall& other) = default;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;

    CorvelExpression* GetFunction() const { return callee; }

private:
    // A method of a primitive string (s.charAt(i)) keeps the string as
    // the callee until the arguments are done; otherwise as evaluated.
    CorvelStatus EvaluateCallee(CorvelValue& out, CorvelExecutionContext* context) const override;
    // The callee is read only after the arguments: the object it names
    // then is called, with the callee's base as `this`.
    void SelectObject(InvocationStatementPosition& call, const CorvelExecutionContext* context) const override;
    // name(pure arguments) entered afresh: the name looked up once, before
    // the arguments. A script function is called at once, with the
    // arguments on the machine stack and a record made only when the call
    // suspends. False, with nothing done, where the general way is taken
    // instead (no function, or an argument that is no number after all).
    bool CallAtOnce(CorvelValue& result, CorvelExecutionContext* context, CorvelStatus& status) const;
    // CallAtOnce for any function but a script function with at most four
    // arguments.
    bool CallFromRecord(CorvelObject* base, CorvelObject* function, int height, CorvelValue& result,
                        CorvelExecutionContext* context, CorvelStatus& status) const;
    // Whether `base` passes `function` a null `this` (see TakeFunction).
    static bool GivesNoThis(const CorvelObject* base, const CorvelObject* function,
                            const CorvelExecutionContext* context);
    CorvelStatus Invoke(InvocationStatementPosition& call, CorvelValue& result,
                        CorvelExecutionContext* context) const override;
    // The callee as o.name whose o cannot suspend, else null.
    const CorvelMemberSelection* MethodCallee() const;
    bool SelectStringMethod(InvocationStatementPosition& call, const CorvelMemberSelection* selection) const;
    void SelectMethod(InvocationStatementPosition& call, const CorvelIdentifier* name,
                      const CorvelExecutionContext* context) const;
    void TakeFunction(InvocationStatementPosition& call, CorvelObject* base, CorvelObject* function,
                      const CorvelExecutionContext* context) const;

    // Whether the callee is a name and the arguments are pure (ArePure):
    // CallAtOnce may apply.
    bool callsAtOnce = false;
};
