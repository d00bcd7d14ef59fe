#include "CorvelRuntimeException.h"

#include <gtest/gtest.h>

TEST(CorvelRuntimeException, FormatsFromTheEngineTable) {
    CorvelRuntimeException error(1029, "x%sy");
    EXPECT_STREQ(error.FormatMessage().GetText(), "Undefined indentifier 'x%sy'");
}
