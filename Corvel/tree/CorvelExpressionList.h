// CorvelExpressionList: expressions in order (arguments, declarations); the
// list owns them.
#pragma once

#include "CorvelTreeElement.h"
#include "QelArray.h"

class CorvelExpression;

class CorvelExpressionList : public CorvelTreeElement {
public:
    // A null `first` makes an empty list.
    explicit CorvelExpressionList(CorvelExpression* first);
    CorvelExpressionList(const CorvelExpressionList& other);
    ~CorvelExpressionList() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    // Appends and takes ownership; a null expression is ignored.
    void AddExpression(CorvelExpression* expression);
    int GetNumberOfExpressions() const { return expressions.GetSize(); }
    CorvelExpression* GetExpression(int index) const { return expressions[index]; }

protected:
    QelArray<CorvelExpression*, 1> expressions;
};
