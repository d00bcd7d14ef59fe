#include "QelString.h"

#include <gtest/gtest.h>

TEST(QelString, Placeholder) { EXPECT_TRUE(QelString().IsEmpty()); }
