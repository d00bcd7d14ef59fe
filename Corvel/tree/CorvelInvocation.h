// CorvelInvocation: what a function call and `new` share. Both evaluate a
// callee and then their arguments left to right, resumably, and invoke the
// object the callee names with them; they differ in when the callee is
// read, which object and `this` they choose, and how they invoke it.
#pragma once

#include "CorvelExpression.h"
#include "CorvelStatementPosition.h"
#include "CorvelValue.h"

#include <cstdint>

class CorvelExpressionList;
class CorvelObject;

class CorvelInvocation : public CorvelExpression {
public:
    // The progress of one invocation: the callee as evaluated, `this`, the
    // object invoked and the evaluated arguments. An invocation that
    // completes at once keeps it on the machine stack; one that suspends
    // moves it into the context, where the next run finds it.
    class InvocationStatementPosition : public CorvelStatementPosition {
    public:
        explicit InvocationStatementPosition(const CorvelStatement* owner);
        // Takes over the other record's values and holds the object invoked.
        InvocationStatementPosition(InvocationStatementPosition&& other);
        ~InvocationStatementPosition() override;

        // Evaluates the arguments, from the one a suspension stopped at.
        CorvelStatus EvaluateArguments(const CorvelExpressionList* list, CorvelExecutionContext* context);
        // Evaluates arguments that are all names, constants or number trees
        // (see CorvelInvocation::ArePure), when nothing in them runs script
        // code: false, and nothing to keep, when a number tree would have to
        // be evaluated the general way.
        bool EvaluatePureArguments(const CorvelExpressionList* list, CorvelExecutionContext* context);
        // Takes over `count` evaluated arguments.
        void TakeArguments(CorvelValue* values, int count);
        // The object to invoke, held until the record goes.
        void SetFunctionObject(CorvelObject* object);
        // Whether the object invoked may read the argument array after it
        // has returned Suspend, so that the array must not move.
        bool KeepsArguments() const;

        // Phases: -1 a first entry, 1 in the callee, 3 + i in argument i,
        // 2 in the invocation itself, 0 past the callee.
        int32_t index = -1;
        CorvelValue functionValue;
        CorvelValue thisValue;
        CorvelObject* functionObject = nullptr;
        CorvelValue* argumentValues = nullptr;
        int32_t argumentCount = 0;

    private:
        // Makes `count` undefined arguments, in the record when they fit.
        void AllocateArguments(int count);
        void FreeArguments();
        CorvelValue* InlineArguments() { return reinterpret_cast<CorvelValue*>(inlineArguments); }

        // Most calls have few arguments: they need no allocation. Only the
        // arguments a call has are made here, so that a record that moves
        // into the context moves just those.
        static const int kInlineArguments = 4;
        alignas(CorvelValue) unsigned char inlineArguments[kInlineArguments * sizeof(CorvelValue)];
        bool holdsFunction = false;
    };

    ~CorvelInvocation() override;

    CorvelStatementPosition* CreateStatementPosition() const override;
    CorvelExpressionList* GetArguments() const { return arguments; }

protected:
    // `arguments` is null when there is no argument list.
    CorvelInvocation(CorvelExpression* callee, CorvelExpressionList* arguments);
    CorvelInvocation(const CorvelInvocation& other);

    // The whole evaluation. `wrongRecordMessage` is raised when the record
    // found for this node is of another kind.
    CorvelStatus EvaluateInvocation(CorvelValue& result, CorvelExecutionContext* context,
                                    uint32_t wrongRecordMessage) const;

    // The callee, into the record's functionValue. By default it is kept as
    // evaluated (a reference stays a reference).
    virtual CorvelStatus EvaluateCallee(CorvelValue& out, CorvelExecutionContext* context) const;
    // Whether every argument is a name, a constant or a number tree: their
    // evaluation reads values and computes numbers, and nothing else, as
    // far as a number tree's names are numbers.
    static bool ArePure(const CorvelExpressionList* list);
    // Evaluates such arguments into `values`, as many as the list has:
    // false when a number tree would have to be evaluated the general way.
    static bool EvaluatePureArguments(const CorvelExpressionList* list, CorvelExecutionContext* context,
                                      CorvelValue* values);
    // Once the arguments are done: the object to invoke and its `this`,
    // from the evaluated callee. Raises when there is no object.
    virtual void SelectObject(InvocationStatementPosition& record, const CorvelExecutionContext* context) const = 0;
    // Invokes the chosen object with the arguments: Suspend, or Normal with
    // the result in `result`. A suspended invocation is invoked again with
    // the same record when the evaluation resumes.
    virtual CorvelStatus Invoke(InvocationStatementPosition& record, CorvelValue& result,
                                CorvelExecutionContext* context) const = 0;

    // Raises `messageId` at this node's position.
    [[noreturn]] void Raise(uint32_t messageId) const;

    // Invokes, on a first entry, the object `record` chose with the
    // arguments it holds; `height` is the records' height at the entry.
    CorvelStatus StartFirstEntry(InvocationStatementPosition& record, int height, CorvelValue& result,
                                 CorvelExecutionContext* context) const;

    CorvelExpression* callee;
    CorvelExpressionList* arguments;

private:
    // The callee and the arguments, up to the object to invoke.
    CorvelStatus Prepare(InvocationStatementPosition& record, CorvelExecutionContext* context) const;
    // Invoke, noting a suspension in the record.
    CorvelStatus Start(InvocationStatementPosition& record, CorvelValue& result,
                       CorvelExecutionContext* context) const;
};
