#include "CorvelMemberSelection.h"

#include "CorvelJSOutput.h"

CorvelMemberSelection::CorvelMemberSelection(CorvelExpression* object, CorvelExpression* member, int form)
    : object(object), member(member), form(form) {
    NoteChild(object);
    NoteChild(member);
}

CorvelMemberSelection::CorvelMemberSelection(const CorvelMemberSelection& other)
    : CorvelExpression(other), object(CopyOf(other.object)), member(CopyOf(other.member)), form(other.form) {}

CorvelMemberSelection::~CorvelMemberSelection() {
    delete object;
    delete member;
}

void CorvelMemberSelection::WriteECMAScript(CorvelJSOutput* output) const {
    if (object) object->WriteECMAScript(output);
    output->Write(IsBracketForm() ? "[" : ".");
    if (member) member->WriteECMAScript(output);
    if (IsBracketForm()) output->Write("]");
}

void CorvelMemberSelection::Debug(int indent) {
    OutputDebug(indent, "MemberSelection - (object, member) %s\n", IsBracketForm() ? "Brackets" : "Dot");
    DebugChild(object, indent + 1);
    DebugChild(member, indent + 1);
}
