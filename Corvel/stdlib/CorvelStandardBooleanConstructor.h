// CorvelStandardBooleanConstructor: the script's `Boolean`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardBooleanConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardBooleanConstructor() = default;

    void SetupObject() override;
};
