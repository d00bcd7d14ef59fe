// CorvelStandardMathObject: the script's `Math`, a single built-in object of
// class Object holding the mathematical constants.
#pragma once

#include "CorvelBuiltInObject.h"

class CorvelStandardMathObject : public CorvelBuiltInObject {
public:
    CorvelStandardMathObject();

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    void SetupObject() override;

protected:
    // The environment owns the single instance.
    void DestroyObject() override;
};
