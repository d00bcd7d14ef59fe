// The innermost scope of a running script function: its parameters by name,
// its local variables and "arguments". The arguments object lists the
// actual arguments by index; indexes below the number of formal parameters
// are the parameters themselves, read and written through the activation.
// Most calls never name "arguments", so its object is made on first use;
// until then the activation answers for the name as if it were there.
#pragma once

#include "CorvelFunctionDefinition.h"
#include "CorvelObject.h"

#include <memory>

class CorvelIdentifierList;
class CorvelStandardFunctionInstance;

class CorvelActivationObject : public CorvelObject {
public:
    class CorvelArgumentObject : public CorvelObject {
    public:
        // `extraArguments` are the arguments beyond the parameters.
        CorvelArgumentObject(CorvelActivationObject* activation, const CorvelValue* extraArguments,
                             int argumentCount, CorvelStandardFunctionInstance* function);

        void Put(const char* propertyName, const CorvelValue& value) override;
        bool Delete(const char* propertyName) override;

    protected:
        // An index name below the parameter count reads the parameter.
        const CorvelValue* FindOwn(const CorvelPropertyStore::Name& key, const char* propertyName,
                                   bool make) const override;

    private:
        friend class CorvelActivationObject;
        // The parameter an index name stands for, or null.
        const char* AliasedParameter(const char* propertyName) const;
        // The activation is going away: the aliased parameters become plain
        // properties holding their last values.
        void Detach();

        CorvelActivationObject* activation;
        int parameterCount;
    };

    // The arguments are read during construction only: those beyond the
    // parameters are copied, so the caller's array may move or go while
    // the call runs.
    // With `definition`, the call's local names (its parameters and
    // variables) get slots: a name of the body finds its property there
    // without a lookup.
    CorvelActivationObject(const CorvelIdentifierList* parameters, const CorvelValue* arguments, int argumentCount,
                           CorvelStandardFunctionInstance* function,
                           const CorvelFunctionDefinition* definition = nullptr);
    ~CorvelActivationObject() override;
    // The activation of a new call, held once: `kept` (an activation an
    // ended call of the same context left, emptied) or another kept on the
    // thread started anew, else a new one; all as the constructor makes
    // one. Throws as the constructor does, with any activation taken ended.
    static CorvelActivationObject* Make(CorvelActivationObject* kept, const CorvelIdentifierList* parameters,
                                        const CorvelValue* arguments, int argumentCount,
                                        CorvelStandardFunctionInstance* function,
                                        const CorvelFunctionDefinition* definition);

    // An activation may serve a later call when, its locals apart, it is as
    // made; a context keeps its own when only the context holds it
    // (CanServeAgain), emptied (EndForReuse) until Make starts it again.
    // DiscardKept ends one kept so at the thread's end.
    bool CanServeAgain() const { return GetReferenceCount() == 1 && IsReusable(); }
    void EndForReuse();
    static void DiscardKept(CorvelActivationObject* activation);

    // Once the declared variables are made: their slots.
    void BindVariables();
    // Whether the call's locals are held apart from the property store (see
    // below): its declared variables are then there from the start.
    bool HoldsLocalsApart() const { return localsApart; }
    // The definition's key for cached slots (CorvelFunctionDefinition::
    // GetLocalsKey), 0 when the activation has no slots.
    uint64_t GetLocalsKey() const { return definition ? definition->GetLocalsKey() : 0; }
    // The slot of a name of the body, found once and then cached by it.
    uint32_t FindLocal(const CorvelPropertyStore::Name& name) const;
    // Whether the activation has had no property added or removed since
    // its variables were bound: its properties are then its local names
    // (and "arguments", which has no slot), so a name without a slot that
    // is not "arguments" is not here.
    bool HoldsOnlyLocals() const {
        return bound && GetNextPropertySequence() == boundSequence && GetPropertyUnlinkCount() == boundUnlinks;
    }
    // The property in `slot`, or null when the slot is empty (the name was
    // deleted) or there is no such slot.
    CorvelValue* GetLocal(uint32_t slot) const { return slot < slotCount ? slots[slot] : nullptr; }
    // The slots themselves, which stay where they are while the activation
    // lives (their contents change).
    CorvelValue* const* GetSlots() const { return slots; }
    uint32_t GetSlotCount() const { return slotCount; }

    ClassType Class() const override;
    // Every name a function uses is looked up here first, and an activation
    // has no prototype: these answer from its own properties at once.
    const CorvelValue& Get(const char* propertyName) const override;
    bool HasProperty(const char* propertyName) const override;
    void Put(const char* propertyName, const CorvelValue& value) override;
    bool Delete(const char* propertyName) override;
    PropertyEnumerator* BeginPropertyEnumeration() override;
    void ResetObject() override;

    int GetParameterCount() const { return parameterCount; }
    // The name of formal parameter `index`.
    const char* GetParameterName(int index) const;

protected:
    const CorvelValue* FindOwn(const CorvelPropertyStore::Name& key, const char* propertyName,
                               bool make) const override;
    void DestroyObject() override;

private:
    // The constructor's work, also done for a kept activation.
    void Start(const CorvelIdentifierList* parameters, const CorvelValue* arguments, int argumentCount,
               CorvelStandardFunctionInstance* function, const CorvelFunctionDefinition* definition);
    void Clear();
    bool IsReusable() const { return localsApart && argumentObjectKey == 0 && IsAsMade(); }
    // True while "arguments" is still the untouched, unmade object.
    bool IsPendingArguments(const char* propertyName) const;
    void CreateArgumentObject();

    const CorvelIdentifierList* parameters = nullptr;
    int parameterCount = 0;
    // What the arguments object is made from besides the parameters: the
    // arguments beyond them (most calls have none, and need no copy).
    std::unique_ptr<CorvelValue[]> extraArguments;
    CorvelStandardFunctionInstance* function = nullptr;
    int argumentCount = 0;
    bool argumentsPending = true;
    // Whether the locals are held apart (see below), and whether the
    // variables were bound (see HoldsOnlyLocals).
    bool localsApart = false;
    bool bound = false;
    // Key rather than pointer: the arguments object may die first.
    unsigned long argumentObjectKey = 0;

    // The local names' properties, by slot; a slot is emptied when its
    // property goes. Most calls have few locals: they need no allocation.
    void ClearSlots(const char* propertyName);

    // Locals held apart. A call's parameters and variables are values of the
    // activation's own, outside the property store, as long as they are only
    // read and written: they are the activation's properties as far as every
    // look-up and write by name can tell. Whatever else a property may meet
    // (removal, enumeration, a reset) first moves them into the store, as
    // entries in slot order, where they stay.
    void MakeLocalsApart(const CorvelValue* arguments, int argumentCount);
    CorvelValue* FindLocalApart(const CorvelPropertyStore::Name& key) const;
    void StoreLocals();
    void DestroyLocalsApart();
    static const uint32_t kInlineValues = 2;
    alignas(CorvelValue) unsigned char inlineValues[kInlineValues * sizeof(CorvelValue)];
    // slotCount values, while localsApart (or until they are destroyed).
    CorvelValue* values = nullptr;
    // Set only when the activation has slots.
    const CorvelFunctionDefinition* definition = nullptr;
    static const uint32_t kInlineSlots = 6;
    CorvelValue* inlineSlots[kInlineSlots];
    std::unique_ptr<CorvelValue*[]> heapSlots;
    CorvelValue** slots = inlineSlots;
    uint32_t slotCount = 0;
    // The store's sequence and unlink count when the variables were bound.
    uint32_t boundSequence = 0;
    uint32_t boundUnlinks = 0;
};
