#include "CorvelStatementList.h"

#include "CorvelExpression.h"
#include "CorvelJSOutput.h"

#include <cstdint>

namespace {

__QelPOSITION* HandleFor(int index) { return reinterpret_cast<__QelPOSITION*>((uintptr_t)index + 1); }

int IndexOf(__QelPOSITION* position) { return (int)(reinterpret_cast<uintptr_t>(position) - 1); }

}  // namespace

CorvelStatementList::CorvelStatementList(CorvelStatement* first) {
    statements.Reserve(kParsedListRoom);
    AddStatement(first);
}

CorvelStatementList::CorvelStatementList(const CorvelStatementList& other) : CorvelTreeElement(other) {
    statements.Reserve(other.GetNumberOfStatements());
    for (int i = 0; i < other.GetNumberOfStatements(); ++i) statements.Add(CopyOf(other.statements[i]));
}

CorvelStatementList::~CorvelStatementList() {
    for (int i = 0; i < statements.GetSize(); ++i) delete statements[i];
}

void CorvelStatementList::AddStatement(CorvelStatement* statement) {
    if (!statement) return;
    statements.Add(statement);
    NoteChild(statement);
}

__QelPOSITION* CorvelStatementList::GetStatementHeadPosition() const {
    return statements.IsEmpty() ? nullptr : HandleFor(0);
}

CorvelStatement* CorvelStatementList::GetNextStatement(__QelPOSITION*& position) const {
    int index = IndexOf(position);
    position = index + 1 < statements.GetSize() ? HandleFor(index + 1) : nullptr;
    return statements[index];
}

void CorvelStatementList::WriteECMAScript(CorvelJSOutput* output) const {
    for (int i = 0; i < statements.GetSize(); ++i) {
        const CorvelStatement* statement = statements[i];
        // Expressions do not end their own line; other statements do.
        if (statement->IsExpression()) {
            output->WriteTabs(0);
            statement->WriteECMAScript(output);
            output->WriteText(";\n");
        } else {
            statement->WriteECMAScript(output);
        }
    }
}

void CorvelStatementList::Debug(int indent) {
    OutputDebug(indent, "StatementList, entries= %d\n", statements.GetSize());
    for (int i = 0; i < statements.GetSize(); ++i) statements[i]->Debug(indent + 1);
}
