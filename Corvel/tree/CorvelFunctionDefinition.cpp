#include "CorvelFunctionDefinition.h"

#include "CorvelIdentifier.h"
#include "CorvelIdentifierList.h"
#include "CorvelJSOutput.h"
#include "CorvelStatementBlock.h"

namespace {

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
}

CorvelFunctionDefinition::CorvelFunctionDefinition(const CorvelFunctionDefinition& other)
    : CorvelTreeElement(other),
      name(CopyOf(other.name)),
      parameters(CopyOf(other.parameters)),
      codeBlock(CopyOf(other.codeBlock)) {}

CorvelFunctionDefinition::~CorvelFunctionDefinition() {
    delete name;
    delete parameters;
    delete codeBlock;
}

const char* CorvelFunctionDefinition::GetName() const { return name ? name->GetName() : ""; }

void CorvelFunctionDefinition::WriteECMAScript(CorvelJSOutput* output) const {
    output->Write("function ");
    if (name) name->WriteECMAScript(output);
    output->Write("(");
    if (parameters) parameters->WriteECMAScript(output);
    output->Write(") {\n");
    output->IncrementTab(1);
    if (codeBlock) codeBlock->WriteECMAScript(output);
    output->DecrementTab(1);
    output->Write("}\n");
}

void CorvelFunctionDefinition::Debug(int indent) {
    OutputDebug(indent, "FunctionDefinition - (name, params, code)\n");
    DebugChild(name, indent + 1);
    DebugChild(parameters, indent + 1, "NULL\n");
    DebugChild(codeBlock, indent + 1);
}
