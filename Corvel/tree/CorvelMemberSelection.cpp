#include "CorvelMemberSelection.h"

#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"
#include "CorvelProgress.h"
#include "CorvelValue.h"

#include <utility>

CorvelMemberSelection::CorvelMemberSelection(CorvelExpression* object, CorvelExpression* member, int form)
    : object(object), member(member), form(form), memberName(dynamic_cast<const CorvelIdentifier*>(member)) {
    NoteChild(object);
    NoteChild(member);
}

CorvelMemberSelection::CorvelMemberSelection(const CorvelMemberSelection& other)
    : CorvelExpression(other),
      object(CopyOf(other.object)),
      member(CopyOf(other.member)),
      form(other.form),
      memberName(dynamic_cast<const CorvelIdentifier*>(member)) {}

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

// `result` becomes the reference to property `name` of the object `base`
// holds; the reference takes over the base value's count on the object, so
// nothing is counted through the object table. `result` keeps its
// attributes, as a setter would.
void TakeReference(CorvelValue& result, CorvelValue& base, const CorvelValue& name) {
    int32_t attributes = result.GetAttributes();
    base.MakeNamedReference(name);
    result = std::move(base);
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
            int32_t attributes = result.GetAttributes();
            base.MakeElementReference(index);
            result = std::move(base);
            result.SetAttributes(attributes);
        } else {
            name.ToPropertyName();
            TakeReference(result, base, name);
        }
    } else {
        base.ToObject();
        if (memberName)
            TakeReference(result, base, memberName->GetNameValue());
        else
            result.SetReference(base.GetObjectKey(), "");
    }
    progress.Clear();
    return CorvelStatus::Normal;
}
