// The outermost scope of a script: global variables and declared functions
// live on it, next to the global functions and the standard constructors.
// Its owner deletes it; reference counting never does.
#pragma once

#include "CorvelBuiltInObject.h"
#include "CorvelStatementPosition.h"

#include <cstdint>
#include <memory>

class CorvelExecutionContext;
class CorvelParser;

class CorvelGlobalObject : public CorvelBuiltInObject {
public:
    // The record of one eval call: the parsed text and the context running
    // it, both owned.
    class EvalStatementPosition : public CorvelStatementPosition {
    public:
        EvalStatementPosition() = default;
        ~EvalStatementPosition() override;

        CorvelParser* parser = nullptr;
        CorvelExecutionContext* evalContext = nullptr;
    };

    CorvelGlobalObject();

    ClassType Class() const override;
    // Installs the standard constructors, Math and Debug; needs an
    // initialised environment.
    void SetupObject() override;
    // Puts a function object under its name for every function the parser
    // declared; a name declared again replaces the earlier function.
    void DeclareFunctions(CorvelParser& parser);

    static CorvelStatementPosition* CreateEvalStatementPosition();

    // Global names. Most names a script reads or writes outside its
    // functions end on this object, so the own properties found by name
    // are remembered by their hash, for as long as no property of this
    // object is deleted. FindName answers as FindHashed does.
    const CorvelValue* FindName(const CorvelPropertyStore::Name& key) const {
        if (CorvelValue* known = RememberedName(key)) return known;
        return FindNameFirst(key);
    }
    // Whether the name is found here or on the prototype chain, as
    // HasPropertyHashed answers.
    bool HasName(const CorvelPropertyStore::Name& key) const { return RememberedName(key) || HasPropertyHashed(key); }
    // The own property remembered for the name, or null: one that a read
    // or write of the name may use in place.
    CorvelValue* PeekName(const CorvelPropertyStore::Name& key) const { return RememberedName(key); }
    // As Put writes the name.
    void PutName(const CorvelPropertyStore::Name& key, const CorvelValue& value);

protected:
    void DestroyObject() override;

    static CorvelStatus Eval(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    static CorvelStatus ParseInt(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus ParseFloat(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    static CorvelStatus Escape(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                               const CorvelValue& thisValue);
    static CorvelStatus Unescape(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus IsNaN(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
    static CorvelStatus IsFinite(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus Wait(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);

private:
    struct NameCache {
        static const uint32_t kSlots = 256;
        uint32_t unlinks = 0;
        CorvelPropertyStore::Entry* slots[kSlots] = {};
    };
    CorvelValue* RememberedName(const CorvelPropertyStore::Name& key) const {
        if (!m_names || m_names->unlinks != GetPropertyUnlinkCount()) return nullptr;
        CorvelPropertyStore::Entry* entry = m_names->slots[key.indexHash % NameCache::kSlots];
        return entry && CorvelPropertyStore::Matches(entry, key) ? &entry->value : nullptr;
    }
    const CorvelValue* FindNameFirst(const CorvelPropertyStore::Name& key) const;

    // Made on first use, and only for this class itself: a class derived
    // from it may supply its properties in ways a remembered entry would
    // miss.
    mutable std::unique_ptr<NameCache> m_names;
    mutable bool m_namesChecked = false;
};
