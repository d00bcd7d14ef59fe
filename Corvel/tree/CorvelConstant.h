// CorvelConstant: a literal value.
#pragma once

#include "CorvelExpression.h"
#include "CorvelValue.h"

class CorvelConstant : public CorvelExpression {
public:
    CorvelConstant();
    explicit CorvelConstant(bool value);
    explicit CorvelConstant(const char* text);
    explicit CorvelConstant(double value);
    explicit CorvelConstant(long value);
    // Keeps a literal 0 from being taken for a null text.
    explicit CorvelConstant(int value);
    explicit CorvelConstant(const CorvelValue& value);
    CorvelConstant(const CorvelConstant& other);

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;

    const CorvelValue& GetValue() const { return value; }

protected:
    // The value as the language converts it to text.
    QelString ValueText() const;

    CorvelValue value;

private:
    void NoteValue();
};
