// CorvelNew: new constructor(arguments).
#pragma once

#include "CorvelExpression.h"
#include "CorvelFunctionCall.h"

class CorvelExpressionList;

class CorvelNew : public CorvelExpression {
public:
    // The progress of one construction; it keeps what a call's record does.
    class NewStatementPosition : public CorvelFunctionCall::FunctionCallStatementPosition {
    public:
        using FunctionCallStatementPosition::FunctionCallStatementPosition;
        NewStatementPosition(NewStatementPosition&& other) = default;
    };

    // `arguments` is null for "new f" and for "new f()".
    CorvelNew(CorvelExpression* constructor, CorvelExpressionList* arguments);
    CorvelNew(const CorvelNew& other);
    ~CorvelNew() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;
    CorvelStatementPosition* CreateStatementPosition() const override;

    CorvelExpression* GetConstructor() const { return constructor; }
    CorvelExpressionList* GetArguments() const { return arguments; }

protected:
    CorvelExpression* constructor;
    CorvelExpressionList* arguments;

private:
    CorvelStatus Prepare(NewStatementPosition& construction, CorvelExecutionContext* context) const;
    CorvelStatus Invoke(NewStatementPosition& construction, CorvelValue& result,
                        CorvelExecutionContext* context) const;
    [[noreturn]] void Raise(uint32_t messageId) const;
};
