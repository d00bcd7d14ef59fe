// CorvelNew: new constructor(arguments).
#pragma once

#include "CorvelInvocation.h"

class CorvelNew : public CorvelInvocation {
public:
    // The progress of one construction; it keeps what a call's record does.
    typedef InvocationStatementPosition NewStatementPosition;

    // `arguments` is null for "new f" and for "new f()".
    CorvelNew(CorvelExpression* constructor, CorvelExpressionList* arguments);
    CorvelNew(const CorvelNew& other) = default;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;

    CorvelExpression* GetConstructor() const { return callee; }

private:
    // The constructor is read at once, before the arguments.
    CorvelStatus EvaluateCallee(CorvelValue& out, CorvelExecutionContext* context) const override;
    void SelectObject(InvocationStatementPosition& construction, const CorvelExecutionContext* context) const override;
    CorvelStatus Invoke(InvocationStatementPosition& construction, CorvelValue& result,
                        CorvelExecutionContext* context) const override;
};
