// CorvelFunctionDefinition: one "function" declaration.
#pragma once

#include "CorvelTreeElement.h"

class CorvelIdentifier;
class CorvelIdentifierList;
class CorvelStatement;
class CorvelStatementBlock;

class CorvelFunctionDefinition : public CorvelTreeElement {
public:
    // Owns all three. A body that is not a statement block is deleted and
    // the definition has no code block.
    CorvelFunctionDefinition(CorvelIdentifier* name, CorvelIdentifierList* parameters,
                             CorvelStatement* body);
    CorvelFunctionDefinition(const CorvelFunctionDefinition& other);
    ~CorvelFunctionDefinition() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    const char* GetName() const;
    CorvelIdentifierList* GetParameters() const { return parameters; }
    CorvelStatementBlock* GetCodeBlock() { return codeBlock; }
    const CorvelStatementBlock* GetCodeBlock() const { return codeBlock; }

protected:
    CorvelIdentifier* name;
    CorvelIdentifierList* parameters;
    CorvelStatementBlock* codeBlock;
};
