// CorvelIdentifier: a name in an expression.
#pragma once

#include "CorvelExpression.h"
#include "QelString.h"

class CorvelIdentifier : public CorvelExpression {
public:
    explicit CorvelIdentifier(const char* name);
    CorvelIdentifier(const CorvelIdentifier& other);

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    const char* GetName() const { return name.GetText(); }

protected:
    QelString name;
};
