// CorvelStandardArrayConstructor: the script's `Array`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardArrayConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardArrayConstructor() = default;

    void SetupObject() override;
};
