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
    if (!object || !member || object->MaySuspend() || member->MaySuspend()) return;
    if (IsBracketForm() || memberName) selection = this;
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
        MakeBracketReference(base, name);
    } else {
        MakeDotReference(base);
    }
    Adopt(result, base);
    progress.Clear();
    return CorvelStatus::Normal;
}

void CorvelMemberSelection::MakeBracketReference(CorvelValue& base, CorvelValue& name) {
    if (base.GetType() != CorvelValue::Object) base.ToObject();
    // An index stays a number: its text is made only if the name is ever
    // needed as text.
    uint32_t index;
    if (name.IsArrayIndexNumber(index)) {
        base.MakeElementReference(index);
    } else {
        name.ToPropertyName();
        base.MakeNamedReference(name);
    }
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
    if (IsBracketForm()) {
        CorvelValue name;
        member->EvaluateDereferenced(name, context);
        uint32_t index;
        const CorvelObject* found = base.ForceGetObject();
        if (found && name.IsArrayIndexNumber(index)) {
            result.Assign(found->GetElement(index));
            result.SetAttributes(0);
            return CorvelStatus::Normal;
        }
        MakeBracketReference(base, name);
        Adopt(result, base);
        result.GetValue();
        return CorvelStatus::Normal;
    }
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

void CorvelMemberSelection::ResolveTarget(Target& target, CorvelExecutionContext* context) const {
    object->EvaluateDereferenced(target.base, context);
    if (!IsBracketForm()) {
        target.base.ToObject();
        if (memberName) target.nameValue = &memberName->GetNameValue();
        else target.name.SetString("");
        return;
    }
    member->EvaluateDereferenced(target.name, context);
    if (target.base.GetType() != CorvelValue::Object) target.base.ToObject();
    target.isIndex = target.name.IsArrayIndexNumber(target.index);
    if (!target.isIndex) target.name.ToPropertyName();
}

// An object that went away meanwhile is written as its reference would be.
void CorvelMemberSelection::PutTarget(Target& target, const CorvelValue& value, CorvelExecutionContext* context) {
    if (CorvelObject* found = target.base.ForceGetObject()) {
        if (target.isIndex) found->PutElement(target.index, value);
        else found->Put(target.nameValue->GetString(), value);
        return;
    }
    if (target.isIndex) target.base.MakeElementReference(target.index);
    else target.base.MakeNamedReference(*target.nameValue);
    target.base.PutValue(context, value);
}
