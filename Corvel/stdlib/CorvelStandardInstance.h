// CorvelStandardInstance: base of the objects scripts make with the
// standard constructors and of the primitive wrappers.
#pragma once

#include "CorvelObject.h"

class CorvelStandardInstance : public CorvelObject {
public:
    CorvelStandardInstance();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
};
