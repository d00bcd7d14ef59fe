#include "CorvelIdentifierList.h"

#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"

// A list made by the parser starts with room for three: most lists of a
// script are that short, and room for three takes a block of the heap's
// smallest size, as room for one does, so the list is not moved as it grows.
CorvelIdentifierList::CorvelIdentifierList(CorvelExpression* first) {
    identifiers.Reserve(3);
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
