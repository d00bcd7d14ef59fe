// CorvelMemberSelection: object.name or object[expression].
#pragma once

#include "CorvelExpression.h"

#include <cstdint>

class CorvelIdentifier;

class CorvelMemberSelection : public CorvelExpression {
public:
    enum Form : int32_t { Dot = 0, Brackets = 1 };

    // For the dot form `member` is a CorvelIdentifier.
    CorvelMemberSelection(CorvelExpression* object, CorvelExpression* member, int form);
    CorvelMemberSelection(const CorvelMemberSelection& other);
    ~CorvelMemberSelection() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    // A reference to the member of the object; the object expression is
    // evaluated before the member expression and converted to an object
    // only after both.
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;

    // The member's value, for a dot form whose object cannot suspend: read
    // from the object without making a reference to it.
    CorvelStatus ReadMember(CorvelValue& result, CorvelExecutionContext* context) const;

    CorvelExpression* GetObject() const { return object; }
    CorvelExpression* GetMember() const { return member; }
    int GetForm() const { return form; }
    bool IsBracketForm() const { return form == Brackets; }

protected:
    CorvelExpression* object;
    CorvelExpression* member;
    int32_t form;

private:
    // The member of the dot form, found once rather than on every access.
    const CorvelIdentifier* memberName;

    // The reference to the member named in the dot form, made of `base`.
    void MakeDotReference(CorvelValue& base) const;
    void NoteReadable();
};
