// CorvelMemberSelection: object.name or object[expression].
#pragma once

#include "CorvelExpression.h"
#include "CorvelPropertyStore.h"
#include "CorvelValue.h"

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

    // Makes `base`, the value of the object of a dot form, the reference to
    // the member that Evaluate would have made of it.
    void MakeReferenceOf(CorvelValue& base) const;

    // The member's value, for a selection whose object and member cannot
    // suspend: read from the object without making a reference to it.
    CorvelStatus ReadMember(CorvelValue& result, CorvelExecutionContext* context) const;

    // The parts of a member: the object, made an object, and the member's
    // index or name, taken in the order a reference is made of them. For a
    // selection whose parts cannot suspend, an assignment resolves them,
    // makes its value and then writes it without a reference.
    struct Target {
        CorvelValue base;
        // The name of the bracket form; the dot form's is the node's own.
        CorvelValue name;
        const CorvelValue* nameValue = &name;
        // The dot form's name, hashed once by the tree.
        const CorvelPropertyStore::Name* hashedName = nullptr;
        uint32_t index = 0;
        bool isIndex = false;

        // The member's name as the object's property is looked up by.
        CorvelPropertyStore::Name Key() const;

        Target() = default;
        Target(const Target&) = delete;
        Target& operator=(const Target&) = delete;
    };
    void ResolveTarget(Target& target, CorvelExecutionContext* context) const;

    // A member found in place: for an object that is `this`, a constant or
    // a local name holding an object, and a member that is the dot form's
    // name, or a constant, name or number tree whose value is a string or an
    // index. Nothing is copied or counted, and no script runs, so the object
    // stays as it is while its member is read or written at once.
    struct Place {
        CorvelObject* object = nullptr;
        // The member's name, when it is not an index.
        const CorvelValue* name = nullptr;
        uint32_t index = 0;
        // Whether the name is a script's value, which the write may change.
        bool nameIsScriptValue = false;
        // The dot form's name, hashed once by the tree.
        const CorvelPropertyStore::Name* hashedName = nullptr;

        const CorvelValue& Read() const;
        void Write(const CorvelValue& value) const;
    };
    // False, with nothing done, when the selection is not of that kind.
    bool FindPlace(Place& place, const CorvelExecutionContext* context) const;
    // For `this.name`, the name hashed; else null.
    const CorvelPropertyStore::Name* GetThisMemberName() const;
    static void PutTarget(Target& target, const CorvelValue& value, CorvelExecutionContext* context);

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

    // Makes the target's object an object and its member a name or an
    // index, as a reference is made of them.
    void Convert(Target& target) const;
    // The target made the reference to its member, in `target.base`.
    static void MakeReference(Target& target);
    // The target's member, read into `result`.
    static CorvelStatus ReadTarget(Target& target, CorvelValue& result);
    void NoteReadable();
};

inline const CorvelMemberSelection* CorvelExpression::AsPlainSelection() const {
    return plainSelection ? static_cast<const CorvelMemberSelection*>(this) : nullptr;
}
