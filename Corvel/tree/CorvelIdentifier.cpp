#include "CorvelIdentifier.h"

#include "CorvelJSOutput.h"

CorvelIdentifier::CorvelIdentifier(const char* name) : name(name) {}

CorvelIdentifier::CorvelIdentifier(const CorvelIdentifier& other)
    : CorvelExpression(other), name(other.name) {}

void CorvelIdentifier::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteText(name.GetText());
    output->AddReferencedVariable(name.GetText());
}

void CorvelIdentifier::Debug(int indent) { OutputDebug(indent, "Identifier - name=%s\n", name.GetText()); }
