// CorvelFor: for (initialiser or var declarations; condition; increment) body.
#pragma once

#include "CorvelStatement.h"

class CorvelExpression;
class CorvelExpressionList;
class CorvelProgress;

class CorvelFor : public CorvelStatement {
public:
    // Every child but the body may be null; `declarations` is set for the
    // "var" form instead of `initialiser`.
    CorvelFor(CorvelExpression* initialiser, CorvelExpressionList* declarations,
              CorvelExpression* increment, CorvelExpression* condition, CorvelStatement* body);
    CorvelFor(const CorvelFor& other);
    ~CorvelFor() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;

    CorvelExpression* GetInitialiser() const { return initialiser; }
    CorvelExpressionList* GetDeclarations() const { return declarations; }
    CorvelExpression* GetIncrement() const { return increment; }
    CorvelExpression* GetCondition() const { return condition; }
    CorvelStatement* GetBody() const { return body; }

protected:
    // Runs the initialiser or the declarations; phase 4 + i resumes
    // declaration i (4 the initialiser).
    CorvelStatus RunStart(CorvelExecutionContext* context, CorvelProgress& progress) const;

    CorvelExpression* initialiser;
    CorvelExpressionList* declarations;
    CorvelExpression* increment;
    CorvelExpression* condition;
    CorvelStatement* body;
};
