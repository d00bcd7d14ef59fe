// CorvelStandardStringConstructor: the script's `String`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardStringConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardStringConstructor() = default;

    void SetupObject() override;
};
