// CorvelStandardArrayPrototype: the prototype of arrays; array-like itself,
// with a "length" of its own.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardArrayPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardArrayPrototype() = default;

    void SetupObject() override;
};
