// CorvelStandardObjectInstance: a plain script object. Its prototype is the
// environment's Object prototype unless a special one was given (objects
// made by `new` on a script function get that function's "prototype").
#pragma once

#include "CorvelStandardInstance.h"

class CorvelStandardObjectInstance : public CorvelStandardInstance {
public:
    CorvelStandardObjectInstance();
    ~CorvelStandardObjectInstance() override;

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    // Drops the special prototype as well.
    void ResetObject() override;
    // Without hashing the name again, for this class itself (a class derived
    // from it may write its properties its own way).
    void PutHashed(const CorvelPropertyStore::Name& key, const CorvelValue& value) override;
    bool CanPutHashed(const CorvelPropertyStore::Name& key) const override;

    // Holds a reference on the new prototype (null: back to the default).
    void SetSpecialPrototype(CorvelObject* prototype);
    CorvelObject* GetSpecialPrototype() const { return m_specialPrototype; }

private:
    CorvelObject* m_specialPrototype = nullptr;
};
