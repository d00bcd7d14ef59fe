// CorvelIdentifierList: identifiers in order (function parameters); the list
// owns them.
#pragma once

#include "CorvelTreeElement.h"
#include "QelArray.h"

class CorvelExpression;
class CorvelIdentifier;

class CorvelIdentifierList : public CorvelTreeElement {
public:
    // A null `first` makes an empty list.
    explicit CorvelIdentifierList(CorvelExpression* first);
    CorvelIdentifierList(const CorvelIdentifierList& other);
    ~CorvelIdentifierList() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    // Appends and takes ownership. Anything but an identifier is deleted
    // rather than kept, so the list only ever answers identifiers.
    void AddIdentifier(CorvelExpression* identifier);
    int GetNumber() const { return identifiers.GetSize(); }
    CorvelIdentifier* GetIdentifier(int index) const { return identifiers[index]; }

protected:
    QelArray<CorvelIdentifier*, 1> identifiers;
};
