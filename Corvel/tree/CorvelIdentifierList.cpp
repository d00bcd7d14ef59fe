#include "CorvelIdentifierList.h"

#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"

CorvelIdentifierList::CorvelIdentifierList(CorvelExpression* first) {
    identifiers.Reserve(kParsedListRoom);
    AddIdentifier(first);
}

CorvelIdentifierList::CorvelIdentifierList(const CorvelIdentifierList& other) : CorvelTreeElement(other) {
    identifiers.Reserve(other.GetNumber());
    for (int i = 0; i < other.GetNumber(); ++i) identifiers.Add(CopyOf(other.identifiers[i]));
}

CorvelIdentifierList::~CorvelIdentifierList() {
    for (int i = 0; i < identifiers.GetSize(); ++i) delete identifiers[i];
}

void CorvelIdentifierList::AddIdentifier(CorvelExpression* identifier) {
    CorvelIdentifier* name = dynamic_cast<CorvelIdentifier*>(identifier);
    if (!name) {
        delete identifier;
        return;
    }
    identifiers.Add(name);
    NoteChild(name);
}

void CorvelIdentifierList::WriteECMAScript(CorvelJSOutput* output) const {
    for (int i = 0; i < identifiers.GetSize(); ++i) {
        if (i > 0) output->WriteText(", ");
        identifiers[i]->WriteECMAScript(output);
    }
}

void CorvelIdentifierList::Debug(int indent) {
    OutputDebug(indent, "CorvelIdentifierList, entries= %d\n", identifiers.GetSize());
    for (int i = 0; i < identifiers.GetSize(); ++i) identifiers[i]->Debug(indent + 1);
}
