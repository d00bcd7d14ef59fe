// CorvelStandardDateConstructor: the script's `Date`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardDateConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardDateConstructor() = default;

    void SetupObject() override;
};
