// Where a construct stands in the source. Line and column are -1 when unset.
#pragma once

#include "CorvelSourceName.h"

#include <cstdint>

struct CorvelCodePosition {
    CorvelSourceName source;
    int32_t line = -1;
    int32_t column = -1;
};
