// CorvelStandardPrototype: base of the standard prototypes. The environment
// owns them, so reference counting never deletes one.
#pragma once

#include "CorvelBuiltInObject.h"

class CorvelStandardPrototype : public CorvelBuiltInObject {
public:
    CorvelStandardPrototype();

    // The environment's Object prototype.
    CorvelObject* Prototype() const override;
    ClassType Class() const override;

protected:
    void DestroyObject() override;
    // The DontEnum "constructor" property referring back to `constructor`.
    void SetupConstructorLink(CorvelObject* constructor);
};
