// CorvelNew: new constructor(arguments).
#pragma once

#include "CorvelExpression.h"

class CorvelExpressionList;

class CorvelNew : public CorvelExpression {
public:
    // `arguments` is null for "new f" and for "new f()".
    CorvelNew(CorvelExpression* constructor, CorvelExpressionList* arguments);
    CorvelNew(const CorvelNew& other);
    ~CorvelNew() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    CorvelExpression* GetConstructor() const { return constructor; }
    CorvelExpressionList* GetArguments() const { return arguments; }

protected:
    CorvelExpression* constructor;
    CorvelExpressionList* arguments;
};
