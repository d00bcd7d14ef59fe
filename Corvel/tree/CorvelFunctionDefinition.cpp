#include "CorvelFunctionDefinition.h"

#include "CorvelIdentifier.h"
#include "CorvelIdentifierList.h"
#include "CorvelJSOutput.h"
#include "CorvelExecutionContext.h"
#include "CorvelStatementBlock.h"

#include <atomic>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace {

// Every definition gets its own number, so that a slot cached for one is
// never taken for another's. 2^40 of them will not be made.
std::atomic<uint64_t> g_nextDefinitionNumber{1};

// Takes ownership of `body`: keeps it when it is a block, else deletes it.
CorvelStatementBlock* KeepBlock(CorvelStatement* body) {
    CorvelStatementBlock* block = dynamic_cast<CorvelStatementBlock*>(body);
    if (!block) delete body;
    return block;
}

}  // namespace

CorvelFunctionDefinition::CorvelFunctionDefinition(CorvelIdentifier* name, CorvelIdentifierList* parameters,
                                                   CorvelStatement* body)
    : name(name), parameters(parameters), codeBlock(KeepBlock(body)) {
    NoteChild(name);
    NoteChild(parameters);
    NoteChild(codeBlock);
    FindLocals();
}

CorvelFunctionDefinition::CorvelFunctionDefinition(const CorvelFunctionDefinition& other)
    : CorvelTreeElement(other),
      name(CopyOf(other.name)),
      parameters(CopyOf(other.parameters)),
      codeBlock(CopyOf(other.codeBlock)) {
    FindLocals();
}

CorvelFunctionDefinition::~CorvelFunctionDefinition() {
    delete name;
    delete parameters;
    delete codeBlock;
}

// Without memory for the lists the definition has no local names: its
// calls then find their variables by walking the body, and every name by
// lookup, as before.
void CorvelFunctionDefinition::FindLocals() {
    try {
        if (codeBlock) CorvelExecutionContext::CollectDeclarations(codeBlock, declaredVariables);
        int parameterCount = parameters ? parameters->GetNumber() : 0;
        localNames.reserve(parameterCount + declaredVariables.size());
        for (int i = 0; i < parameterCount; ++i)
            localNames.push_back(&parameters->GetIdentifier(i)->GetHashedName());
        for (const CorvelIdentifier* variable : declaredVariables) localNames.push_back(&variable->GetHashedName());
        distinctParameters = true;
        for (int i = 0; i < parameterCount && distinctParameters; ++i) {
            const char* name = parameters->GetIdentifier(i)->GetName();
            distinctParameters = strcmp(name, "arguments") != 0;
            for (int j = 0; j < i && distinctParameters; ++j)
                distinctParameters = strcmp(name, parameters->GetIdentifier(j)->GetName()) != 0;
        }
        localsApart = distinctParameters;
        FindLocalHomes();
    } catch (...) {
        declaredVariables.clear();
        localNames.clear();
        localHomes.clear();
        localsApart = false;
        return;
    }
    localsKey = g_nextDefinitionNumber.fetch_add(1, std::memory_order_relaxed) << 24;
}

// Most functions have a few locals, compared with each other at once; a
// map pays only for many.
void CorvelFunctionDefinition::FindLocalHomes() {
    uint32_t count = (uint32_t)localNames.size();
    localHomes.resize(count);
    std::unordered_map<std::string_view, uint32_t> homes;
    for (uint32_t slot = 0; slot < count; ++slot) {
        const CorvelPropertyStore::Name& name = *localNames[slot];
        std::string_view text(name.text, name.length);
        uint32_t home = slot;
        if (count > kFewLocals) {
            home = homes.emplace(text, slot).first->second;
        } else {
            for (uint32_t earlier = 0; earlier < slot && home == slot; ++earlier)
                if (localNames[earlier]->indexHash == name.indexHash && text == localNames[earlier]->text)
                    home = earlier;
        }
        localHomes[slot] = home;
        if (home != slot) distinctLocals = false;
        if (text == "arguments") localsApart = false;
    }
}

uint32_t CorvelFunctionDefinition::FindLocal(const CorvelPropertyStore::Name& key) const {
    if (strcmp(key.text, "arguments") == 0) return kNoLocal;
    uint32_t count = GetLocalCount() < kNoLocal ? GetLocalCount() : kNoLocal;
    for (uint32_t slot = 0; slot < count; ++slot) {
        const CorvelPropertyStore::Name* local = localNames[slot];
        if (local->indexHash == key.indexHash && local->length == key.length && strcmp(local->text, key.text) == 0)
            return slot;
    }
    return kNoLocal;
}

const char* CorvelFunctionDefinition::GetName() const { return name ? name->GetName() : ""; }

void CorvelFunctionDefinition::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteText("function ");
    if (name) name->WriteECMAScript(output);
    output->WriteText("(");
    if (parameters) parameters->WriteECMAScript(output);
    output->WriteText(") {\n");
    output->IncrementTab(1);
    if (codeBlock) codeBlock->WriteECMAScript(output);
    output->DecrementTab(1);
    output->WriteText("}\n");
}

void CorvelFunctionDefinition::Debug(int indent) {
    OutputDebug(indent, "FunctionDefinition - (name, params, code)\n");
    DebugChild(name, indent + 1);
    DebugChild(parameters, indent + 1, "NULL\n");
    DebugChild(codeBlock, indent + 1);
}
