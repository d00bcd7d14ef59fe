// CorvelWith: with (object) body.
#pragma once

#include "CorvelStatement.h"
#include "CorvelStatementPosition.h"

#include <cstdint>

class CorvelExpression;
class CorvelObject;

class CorvelWith : public CorvelStatement {
public:
    // The progress of one "with": once its object is the innermost scope,
    // the context and the object, so that the scope goes with the record
    // however the statement ends.
    class WithStatementPosition : public CorvelStatementPosition {
    public:
        explicit WithStatementPosition(const CorvelStatement* owner) : CorvelStatementPosition(owner) {}
        ~WithStatementPosition() override;

        int32_t index = -1;
        CorvelExecutionContext* context = nullptr;
        CorvelObject* scopeObject = nullptr;
    };

    CorvelWith(CorvelExpression* object, CorvelStatement* body);
    CorvelWith(const CorvelWith& other);
    ~CorvelWith() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;
    CorvelStatementPosition* CreateStatementPosition() const override;

    CorvelExpression* GetObject() const { return object; }
    CorvelStatement* GetBody() const { return body; }

protected:
    CorvelExpression* object;
    CorvelStatement* body;
};
