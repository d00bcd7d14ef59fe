// CorvelStandardConstructor: base of the standard constructors. The
// environment owns them, so reference counting never deletes one.
#pragma once

#include "CorvelBuiltInObject.h"

class CorvelStandardConstructor : public CorvelBuiltInObject {
public:
    CorvelStandardConstructor();

    // The environment's Function prototype.
    CorvelObject* Prototype() const override;
    ClassType Class() const override;

protected:
    void DestroyObject() override;
    // The "prototype" and "length" every standard constructor carries.
    void SetupConstructorProperties(CorvelObject* prototype, int length);
};
