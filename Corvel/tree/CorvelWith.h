// CorvelWith: with (object) body.
#pragma once

#include "CorvelStatement.h"

class CorvelExpression;

class CorvelWith : public CorvelStatement {
public:
    CorvelWith(CorvelExpression* object, CorvelStatement* body);
    CorvelWith(const CorvelWith& other);
    ~CorvelWith() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    CorvelExpression* GetObject() const { return object; }
    CorvelStatement* GetBody() const { return body; }

protected:
    CorvelExpression* object;
    CorvelStatement* body;
};
