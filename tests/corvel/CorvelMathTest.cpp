#include "CorvelExecutionContext.h"
#include "CorvelNativeTest.h"
#include "CorvelRunHarness.h"
#include "CorvelStandardMathObject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

class MathTest : public CorvelNativeTest {
protected:
    void SetUp() override {
        CorvelNativeTest::SetUp();
        context->AddScope(script->globalObject);
    }

    // Math.name(arguments...) called directly.
    double Call(const char* name, std::vector<CorvelValue> arguments = {}) {
        CorvelNativeFunction function = harness.environment.GetStandardMathObject()->FindMethod(name);
        EXPECT_NE(function, nullptr) << name;
        if (!function) return -12345;
        CorvelValue* first = arguments.empty() ? nullptr : arguments.data();
        EXPECT_EQ(function(context.get(), first, (int)arguments.size(), CorvelValue()), CorvelStatus::Return) << name;
        EXPECT_EQ(context->GetReturnValue().GetType(), CorvelValue::Number) << name;
        return context->GetReturnValue().GetNumber();
    }
    double Call(const char* name, double x) { return Call(name, {CorvelValue(x)}); }
    double Call(const char* name, double x, double y) { return Call(name, {CorvelValue(x), CorvelValue(y)}); }

};

const char* const kOneArgument[] = {"abs", "acos", "asin", "atan", "ceil", "cos", "exp", "floor", "log",
                                    "round", "sin", "sqrt", "tan"};
const char* const kTwoArguments[] = {"atan2", "max", "min", "pow"};

}  // namespace

TEST_F(MathTest, MissingArgumentsGiveNaN) {
    EXPECT_EQ(harness.environment.GetStandardMathObject()->GetMethodCount(), 18);
    for (const char* name : kOneArgument) EXPECT_TRUE(std::isnan(Call(name))) << name;
    for (const char* name : kTwoArguments) {
        EXPECT_TRUE(std::isnan(Call(name))) << name;
        EXPECT_TRUE(std::isnan(Call(name, {CorvelValue(1)}))) << name;
    }
}

TEST_F(MathTest, ArgumentsAreConvertedAndExtraOnesIgnored) {
    EXPECT_EQ(Call("abs", {CorvelValue("-3"), CorvelValue("junk")}), 3);
    EXPECT_EQ(Call("floor", {CorvelValue(true)}), 1);
    EXPECT_EQ(Call("ceil", {CorvelValue::ms_null}), 0);
    EXPECT_TRUE(std::isnan(Call("sqrt", {CorvelValue()})));
    EXPECT_EQ(Call("pow", {CorvelValue("2"), CorvelValue(" 10 "), CorvelValue(99)}), 1024);
    EXPECT_EQ(Call("max", {CorvelValue(1), CorvelValue(5), CorvelValue(9)}), 5);
    EXPECT_EQ(Call("min", {CorvelValue(9), CorvelValue(5), CorvelValue(1)}), 5);
}

// max answers a unless a > b, min answers a unless a >= b: a NaN on one side
// wins, on the other it loses, and the sign of a zero follows the order.
TEST_F(MathTest, MaxAndMinFollowTheirComparisons) {
    EXPECT_EQ(Call("max", NAN, 1), 1);
    EXPECT_TRUE(std::isnan(Call("max", 1, NAN)));
    EXPECT_TRUE(std::isnan(Call("min", NAN, 1)));
    EXPECT_EQ(Call("min", 1, NAN), 1);
    EXPECT_TRUE(std::signbit(Call("max", 0.0, -0.0)));
    EXPECT_TRUE(std::signbit(Call("min", 0.0, -0.0)));
    EXPECT_EQ(Call("max", -INFINITY, -1e308), -1e308);
    EXPECT_EQ(Call("min", INFINITY, 1e308), 1e308);
}

TEST_F(MathTest, RandomGivesMultiplesOfAPowerOfTwoBelowOne) {
    std::set<double> seen;
    for (int i = 0; i < 5000; ++i) {
        double value = Call("random", {CorvelValue(7)});
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767.0 / 32768.0);
        ASSERT_EQ(value * 32768, std::floor(value * 32768));
        seen.insert(value);
    }
    EXPECT_GT(seen.size(), 4000u);
}
