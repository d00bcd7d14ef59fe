// CorvelForIn: for ([var] variable in object) body.
#pragma once

#include "CorvelStatement.h"

class CorvelExpression;

class CorvelForIn : public CorvelStatement {
public:
    // For the "var" form `variable` is an identifier or an assignment over one.
    CorvelForIn(CorvelExpression* variable, CorvelExpression* object, CorvelStatement* body,
                bool declaresVariable);
    CorvelForIn(const CorvelForIn& other);
    ~CorvelForIn() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    CorvelExpression* GetVariable() const { return variable; }
    CorvelExpression* GetObject() const { return object; }
    CorvelStatement* GetBody() const { return body; }
    bool DeclaresVariable() const { return declaresVariable; }

protected:
    CorvelExpression* variable;
    CorvelExpression* object;
    CorvelStatement* body;
    bool declaresVariable;
};
