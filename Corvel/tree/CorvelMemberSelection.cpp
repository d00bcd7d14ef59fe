#include "CorvelMemberSelection.h"

#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"
#include "CorvelObject.h"
#include "CorvelProgress.h"
#include "CorvelValue.h"

#include <utility>

CorvelMemberSelection::CorvelMemberSelection(CorvelExpression* object, CorvelExpression* member, int form)
    : object(object), member(member), form(form), memberName(member ? member->AsIdentifier() : nullptr) {
    NoteChild(object);
    NoteChild(member);
    NoteReadable();
}

CorvelMemberSelection::CorvelMemberSelection(const CorvelMemberSelection& other)
    : CorvelExpression(other),
      object(CopyOf(other.object)),
      member(CopyOf(other.member)),
      form(other.form),
      memberName(member ? member->AsIdentifier() : nullptr) {
    NoteReadable();
}

void CorvelMemberSelection::NoteReadable() {
    if (!IsBracketForm() && memberName && object && !object->MaySuspend()) selection = this;
}

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

namespace {

// `result` becomes `reference`, the base value made a reference to one of
// its object's properties: it kept the base value's count on the object, so
// nothing is counted through the object table. `result` keeps its
// attributes, as a setter would.
void Adopt(CorvelValue& result, CorvelValue& reference) {
    int32_t attributes = result.GetAttributes();
    result = std::move(reference);
    result.SetAttributes(attributes);
}

}  // namespace

// Phases: 1 object, 2 member (the object's value kept).
CorvelStatus CorvelMemberSelection::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelProgress progress(context, this);
    CorvelValue base;
    if (progress.GetIndex() == 2) {
        base = progress.TakeKeptValue();
    } else if (object->EvaluateDereferenced(base, context) == CorvelStatus::Suspend) {
        return progress.Suspend(1);
    }
    if (IsBracketForm()) {
        CorvelValue name;
        if (member->EvaluateDereferenced(name, context) == CorvelStatus::Suspend)
            return progress.Suspend(2, std::move(base));
        if (base.GetType() != CorvelValue::Object) base.ToObject();
        // An index stays a number: its text is made only if the name is
        // ever needed as text.
        uint32_t index;
        if (name.IsArrayIndexNumber(index)) {
            base.MakeElementReference(index);
        } else {
            name.ToPropertyName();
            base.MakeNamedReference(name);
        }
    } else {
        MakeDotReference(base);
    }
    Adopt(result, base);
    progress.Clear();
    return CorvelStatus::Normal;
}

void CorvelMemberSelection::MakeDotReference(CorvelValue& base) const {
    base.ToObject();
    if (memberName)
        base.MakeNamedReference(memberName->GetNameValue());
    else
        base.MakeNamedReference(CorvelValue(""));
}

// Nothing here suspends, so there is no progress to keep. The base value
// holds the object while its property is copied.
CorvelStatus CorvelMemberSelection::ReadMember(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelValue base;
    object->EvaluateDereferenced(base, context);
    if (const CorvelObject* found = base.ForceGetObject()) {
        result.Assign(found->GetHashed(memberName->GetHashedName()));
        result.SetAttributes(0);
        return CorvelStatus::Normal;
    }
    MakeDotReference(base);
    Adopt(result, base);
    result.GetValue();
    return CorvelStatus::Normal;
}
