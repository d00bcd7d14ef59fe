// CorvelStandardNumberConstructor: the script's `Number`, with the numeric
// limits as read-only properties.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardNumberConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardNumberConstructor() = default;

    void SetupObject() override;
};
