#include "CorvelMemberSelection.h"

#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"
#include "CorvelOperator.h"
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
    if (IsBracketForm() || memberName) plainSelection = true;
}

CorvelMemberSelection::~CorvelMemberSelection() {
    delete object;
    delete member;
}

void CorvelMemberSelection::WriteECMAScript(CorvelJSOutput* output) const {
    if (object) object->WriteECMAScript(output);
    output->WriteText(IsBracketForm() ? "[" : ".");
    if (member) member->WriteECMAScript(output);
    if (IsBracketForm()) output->WriteText("]");
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

// The object is made an object only once the member is evaluated. An index
// stays a number: its text is made only if the name is ever needed as text.
inline void CorvelMemberSelection::Convert(Target& target) const {
    if (target.base.GetType() != CorvelValue::Object) target.base.ToObject();
    if (!IsBracketForm()) {
        if (memberName) {
            target.nameValue = &memberName->GetNameValue();
            target.hashedName = &memberName->GetHashedName();
        } else {
            target.name.SetString("");
        }
        return;
    }
    target.isIndex = target.name.IsArrayIndexNumber(target.index);
    if (!target.isIndex) target.name.ToPropertyName();
}

// Phases: 1 object, 2 member (the object's value kept).
CorvelStatus CorvelMemberSelection::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelProgress progress(context, this);
    Target target;
    if (progress.GetIndex() == 2) {
        target.base = progress.TakeKeptValue();
    } else if (object->EvaluateDereferenced(target.base, context) == CorvelStatus::Suspend) {
        return progress.Suspend(1);
    }
    if (IsBracketForm() && member->EvaluateDereferenced(target.name, context) == CorvelStatus::Suspend)
        return progress.Suspend(2, std::move(target.base));
    Convert(target);
    MakeReference(target);
    Adopt(result, target.base);
    progress.Clear();
    return CorvelStatus::Normal;
}

void CorvelMemberSelection::MakeReferenceOf(CorvelValue& base) const {
    Target target;
    target.base = std::move(base);
    Convert(target);
    MakeReference(target);
    base = std::move(target.base);
}

void CorvelMemberSelection::MakeReference(Target& target) {
    if (target.isIndex) target.base.MakeElementReference(target.index);
    else target.base.MakeNamedReference(*target.nameValue);
}

void CorvelMemberSelection::ResolveTarget(Target& target, CorvelExecutionContext* context) const {
    object->EvaluateDereferenced(target.base, context);
    if (IsBracketForm()) member->EvaluateDereferenced(target.name, context);
    Convert(target);
}

bool CorvelMemberSelection::FindPlace(Place& place, const CorvelExecutionContext* context) const {
    const CorvelValue* base = object->IsThis() ? &context->GetThis() : object->PeekValue(context);
    if (!base || base->GetType() != CorvelValue::Object) return false;
    if (!IsBracketForm()) {
        if (!memberName) return false;
        place.name = &memberName->GetNameValue();
        place.hashedName = &memberName->GetHashedName();
    } else if (const CorvelValue* key = member->PeekValue(context)) {
        if (key->GetType() == CorvelValue::String) {
            place.name = key;
            place.nameIsScriptValue = true;
        }
        else if (!key->IsArrayIndexNumber(place.index))
            return false;
    } else {
        double number;
        if (!member->NumberTreeHeight() || !CorvelOperator::NumberOf(member, context, number) ||
            !CorvelValue(number).IsArrayIndexNumber(place.index))
            return false;
    }
    place.object = CorvelObjectTable::FindObject(base->GetObjectKey());
    return place.object != nullptr;
}

const CorvelPropertyStore::Name* CorvelMemberSelection::GetThisMemberName() const {
    return object && object->IsThis() && !IsBracketForm() && memberName ? &memberName->GetHashedName() : nullptr;
}

const CorvelValue& CorvelMemberSelection::Place::Read() const {
    if (hashedName) return object->GetHashed(*hashedName);
    if (!name) return object->GetElement(index);
    return object->GetHashed(CorvelPropertyStore::Name::OfValueText(name->GetString()));
}

// A name held by a variable is held here too: the write may be to that
// variable (an arguments object writes its function's parameters).
void CorvelMemberSelection::Place::Write(const CorvelValue& value) const {
    if (!name) {
        object->PutElement(index, value);
    } else if (nameIsScriptValue) {
        CorvelValue held(*name);
        object->PutHashed(CorvelPropertyStore::Name::OfValueText(held.GetString()), value);
    } else {
        object->PutHashed(*hashedName, value);
    }
}

// Nothing here suspends, so there is no progress to keep. The base value
// holds the object while its property is copied. The dot form of an
// object, the common case, reads by the name's parse-time hashes at once.
CorvelStatus CorvelMemberSelection::ReadMember(CorvelValue& result, CorvelExecutionContext* context) const {
    Place place;
    if (FindPlace(place, context)) {
        result.Assign(place.Read());
        result.SetAttributes(0);
        return CorvelStatus::Normal;
    }
    if (IsBracketForm()) {
        Target target;
        ResolveTarget(target, context);
        return ReadTarget(target, result);
    }
    CorvelValue base;
    object->EvaluateDereferenced(base, context);
    if (const CorvelObject* found = base.ForceGetObject()) {
        result.Assign(found->GetHashed(memberName->GetHashedName()));
        result.SetAttributes(0);
        return CorvelStatus::Normal;
    }
    Target target;
    target.base = std::move(base);
    Convert(target);
    return ReadTarget(target, result);
}

CorvelPropertyStore::Name CorvelMemberSelection::Target::Key() const {
    return hashedName ? *hashedName : CorvelPropertyStore::Name::OfValueText(nameValue->GetString());
}

// An object that went away meanwhile is read as its reference would be.
CorvelStatus CorvelMemberSelection::ReadTarget(Target& target, CorvelValue& result) {
    if (const CorvelObject* found = target.base.ForceGetObject()) {
        if (target.isIndex)
            result.Assign(found->GetElement(target.index));
        else
            result.Assign(found->GetHashed(target.Key()));
        result.SetAttributes(0);
        return CorvelStatus::Normal;
    }
    MakeReference(target);
    Adopt(result, target.base);
    result.GetValue();
    return CorvelStatus::Normal;
}

// An object that went away meanwhile is written as its reference would be.
void CorvelMemberSelection::PutTarget(Target& target, const CorvelValue& value, CorvelExecutionContext* context) {
    if (CorvelObject* found = target.base.ForceGetObject()) {
        if (target.isIndex) found->PutElement(target.index, value);
        else if (target.hashedName) found->PutHashed(*target.hashedName, value);
        else found->Put(target.nameValue->GetString(), value);
        return;
    }
    MakeReference(target);
    target.base.PutValue(context, value);
}
