// CorvelStatement: the base of every statement, expressions included.
#pragma once

#include "CorvelStatus.h"
#include "CorvelTreeElement.h"

class CorvelExecutionContext;
class CorvelJSOutput;
class CorvelStatementPosition;
class CorvelValue;

class CorvelStatement : public CorvelTreeElement {
public:
    CorvelStatement() = default;
    CorvelStatement(const CorvelStatement& other) = default;

    // Runs or resumes the statement in `context`.
    virtual CorvelStatus RunStatement(CorvelExecutionContext* context) const = 0;
    // Declares the statement's "var" names in the context's innermost scope.
    virtual void InstantiateVariables(CorvelExecutionContext* context) const = 0;
    // A new resumption record for the statements whose record has a class
    // of its own; null for the others.
    virtual CorvelStatementPosition* CreateStatementPosition() const;

protected:
    // Writes `statement` one tab level deeper.
    static void WriteIndented(CorvelJSOutput* output, const CorvelStatement* statement);
    // Ends the head of a compound statement: ") {", the body one level
    // deeper, and the closing brace at the statement's own level.
    static void WriteBracedBody(CorvelJSOutput* output, const CorvelStatement* body);
    // Blocks and loops answer the value of the last statement inside them
    // that left one: this takes it over from the context. In function code
    // no statement leaves one (only what a call returns leaves it), and
    // KeepsCompletionValues answers false there.
    static bool KeepsCompletionValues(const CorvelExecutionContext* context);
    static void SaveCompletionValue(CorvelExecutionContext* context, CorvelValue& completion);
    // Leaves the completion value in the context.
    static void RestoreCompletionValue(CorvelExecutionContext* context, CorvelValue& completion);
    // The abort check at the top of a loop iteration: raises 1002 when the
    // session stops the script; true when the loop should yield.
    static bool ShouldYield(CorvelExecutionContext* context);
};
