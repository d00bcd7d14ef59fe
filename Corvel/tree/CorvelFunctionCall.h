// CorvelFunctionCall: function(arguments).
#pragma once

#include "CorvelExpression.h"
#include "CorvelStatementPosition.h"
#include "CorvelValue.h"

#include <cstdint>

class CorvelExpressionList;
class CorvelObject;

class CorvelFunctionCall : public CorvelExpression {
public:
    // The progress of one call: the callee as evaluated, `this`, the object
    // called and the evaluated arguments. A call that completes at once
    // keeps it on the machine stack; one that suspends moves it into the
    // context, where the next run finds it.
    class FunctionCallStatementPosition : public CorvelStatementPosition {
    public:
        explicit FunctionCallStatementPosition(const CorvelStatement* owner);
        // Takes over the other record's values and holds the object called.
        FunctionCallStatementPosition(FunctionCallStatementPosition&& other);
        ~FunctionCallStatementPosition() override;

        // Evaluates the arguments, from the one a suspension stopped at.
        CorvelStatus EvaluateArguments(const CorvelExpressionList* list, CorvelExecutionContext* context);
        // The object to call, held until the record goes.
        void SetFunctionObject(CorvelObject* object);
        // Whether the object called may read the argument array after it
        // has returned Suspend, so that the array must not move.
        bool KeepsArguments() const;

        int32_t index = -1;
        CorvelValue functionValue;
        CorvelValue thisValue;
        CorvelObject* functionObject = nullptr;
        CorvelValue* argumentValues = nullptr;
        int32_t argumentCount = 0;

    private:
        void AllocateArguments(int count);

        // Most calls have few arguments: they need no allocation.
        static const int kInlineArguments = 4;
        CorvelValue inlineArguments[kInlineArguments];
        bool holdsFunction = false;
    };

    // `arguments` is null when the call has no argument list.
    CorvelFunctionCall(CorvelExpression* function, CorvelExpressionList* arguments);
    CorvelFunctionCall(const CorvelFunctionCall& other);
    ~CorvelFunctionCall() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;
    CorvelStatementPosition* CreateStatementPosition() const override;

    CorvelExpression* GetFunction() const { return function; }
    CorvelExpressionList* GetArguments() const { return arguments; }

protected:
    CorvelExpression* function;
    CorvelExpressionList* arguments;

private:
    // The callee and the arguments, up to the object to call.
    CorvelStatus Prepare(FunctionCallStatementPosition& call, CorvelExecutionContext* context) const;
    CorvelStatus Invoke(FunctionCallStatementPosition& call, CorvelValue& result,
                        CorvelExecutionContext* context) const;
    // The object to call and its `this`, from the evaluated callee.
    void PrepareCall(FunctionCallStatementPosition& call) const;
};
