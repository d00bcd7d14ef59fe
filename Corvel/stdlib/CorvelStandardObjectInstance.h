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

    // Holds a reference on the new prototype (null: back to the default).
    void SetSpecialPrototype(CorvelObject* prototype);
    CorvelObject* GetSpecialPrototype() const { return m_specialPrototype; }

private:
    CorvelObject* m_specialPrototype = nullptr;
};
