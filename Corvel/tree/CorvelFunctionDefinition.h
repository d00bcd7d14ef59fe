// CorvelFunctionDefinition: one "function" declaration.
#pragma once

#include "CorvelPropertyStore.h"
#include "CorvelTreeElement.h"

#include <cstdint>
#include <vector>

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

    // The names the body declares with `var`, in the order a call
    // instantiates them (found once, when the definition is made).
    const std::vector<const CorvelIdentifier*>& GetDeclaredVariables() const { return declaredVariables; }

    // The local names of a call: the parameters, then the declared
    // variables. A name of the body that is one of them is found in its
    // slot of the call's activation; "arguments" never is.
    static const uint32_t kNoLocal = 0xFFFFFF;
    uint32_t GetLocalCount() const { return (uint32_t)localNames.size(); }
    const CorvelPropertyStore::Name& GetLocalName(uint32_t slot) const { return *localNames[slot]; }
    // The slot of `name`, or kNoLocal.
    uint32_t FindLocal(const CorvelPropertyStore::Name& name) const;
    // The definition's own number in its top 40 bits: what a name's cached
    // slot is checked against. 0 when the local names could not be found
    // (no memory): calls then walk the body for the variables.
    uint64_t GetLocalsKey() const { return localsKey; }
    // Whether the parameters have names all different, none "arguments":
    // a call can then enter each without looking for it first.
    bool HasDistinctParameters() const { return distinctParameters; }
    // The first slot of the local name in `slot`: a variable named like a
    // parameter or an earlier variable shares that one's property.
    uint32_t GetLocalHome(uint32_t slot) const { return localHomes[slot]; }
    // Whether every local is its own home: no two locals share a name.
    bool HasDistinctLocals() const { return distinctLocals; }
    // Whether a call may hold its locals outside its property store: the
    // parameters are distinct and no local is named "arguments".
    bool HoldsLocalsApart() const { return localsApart; }

protected:
    CorvelIdentifier* name;
    CorvelIdentifierList* parameters;
    CorvelStatementBlock* codeBlock;

private:
    void FindLocals();
    // Sets localHomes, and clears localsApart for a local named "arguments".
    void FindLocalHomes();
    static const uint32_t kFewLocals = 16;

    std::vector<const CorvelIdentifier*> declaredVariables;
    std::vector<const CorvelPropertyStore::Name*> localNames;
    std::vector<uint32_t> localHomes;
    uint64_t localsKey = 0;
    bool distinctParameters = false;
    bool localsApart = false;
    bool distinctLocals = true;
};
