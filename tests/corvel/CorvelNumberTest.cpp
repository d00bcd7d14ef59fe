#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelNativeTest.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardBooleanInstance.h"
#include "CorvelStandardNumberConstructor.h"
#include "CorvelStandardNumberInstance.h"
#include "CorvelStandardNumberPrototype.h"
#include "CorvelStandardObjectInstance.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <memory>
#include <string>

namespace {

class NumberTest : public CorvelNativeTest {
protected:
    void SetUp() override {
        CorvelNativeTest::SetUp();
        context->AddScope(script->globalObject);
    }

    CorvelStandardNumberPrototype* Prototype() { return harness.environment.GetStandardNumberPrototype(); }
    CorvelStandardNumberConstructor* Constructor() { return harness.environment.GetStandardNumberConstructor(); }

    // toString on `thisValue` with the given arguments; answers the text.
    std::string ToString(const CorvelValue& thisValue, CorvelValue* arguments = nullptr, int argumentCount = 0) {
        EXPECT_EQ(CorvelStandardNumberPrototype::ToString(context.get(), arguments, argumentCount, thisValue),
                  CorvelStatus::Return);
        const CorvelValue& result = context->GetReturnValue();
        EXPECT_EQ(result.GetType(), CorvelValue::String);
        return result.GetType() == CorvelValue::String ? result.GetString() : "";
    }
    std::string ToString(double number, CorvelValue radix) {
        CorvelValue wrapper = Wrap(number);
        return ToString(wrapper, &radix, 1);
    }
    static CorvelValue Wrap(double number) {
        CorvelValue value;
        value.SetNewObject(new CorvelStandardNumberInstance(number));
        return value;
    }
    static std::string Radix(double number, int radix) {
        char buffer[CorvelStandardNumberPrototype::RadixBufferSize];
        return CorvelStandardNumberPrototype::FormatRadix(number, radix, buffer);
    }

};

}  // namespace

TEST_F(NumberTest, ResultsCarryNoAttributes) {
    context->GetReturnValue().SetAttributes(CorvelValue::ReadOnly);
    Constructor()->Call(context.get(), nullptr, 0, CorvelValue());
    EXPECT_EQ(context->GetReturnValue().GetAttributes(), 0);
    context->GetReturnValue().SetAttributes(CorvelValue::ReadOnly);
    EXPECT_EQ(ToString(Wrap(3)), "3");
    EXPECT_EQ(context->GetReturnValue().GetAttributes(), 0);
}

TEST_F(NumberTest, PrototypeMethodsRefuseOtherClasses) {
    CorvelValue plain;
    plain.SetNewObject(new CorvelStandardObjectInstance);
    CorvelValue boolean;
    boolean.SetNewObject(new CorvelStandardBooleanInstance(true));
    const CorvelValue others[] = {CorvelValue(), CorvelValue::ms_null, CorvelValue(5), CorvelValue("5"), plain,
                                  boolean, CorvelValue::ObjectValue(Constructor()), CorvelValue((unsigned long)99999)};
    for (const CorvelValue& other : others) {
        EXPECT_EQ(RaisedId([&] { CorvelStandardNumberPrototype::ValueOf(context.get(), nullptr, 0, other); }),
                  CorvelMessages::NotANumber);
        EXPECT_EQ(RaisedId([&] { CorvelStandardNumberPrototype::ToString(context.get(), nullptr, 0, other); }),
                  CorvelMessages::NotANumber);
    }
}

TEST_F(NumberTest, OnlyTheNumberTenMeansPlainText) {
    EXPECT_EQ(ToString(Wrap(0.5)), "0.5");
    EXPECT_EQ(ToString(0.5, CorvelValue(10)), "0.5");
    EXPECT_EQ(ToString(0.5, CorvelValue("10")), "0");
    EXPECT_EQ(ToString(1e21, CorvelValue(10)), CorvelValue::NumberToString(1e21).GetText());
    // The radix goes through ToInt32: 2^32 + 16 is 16, a fraction is cut.
    EXPECT_EQ(ToString(255, CorvelValue(4294967312.0)), "FF");
    EXPECT_EQ(ToString(255, CorvelValue(16.9)), "FF");
    EXPECT_EQ(ToString(255, CorvelValue(true)), "");
    EXPECT_EQ(ToString(255, CorvelValue()), "");
    EXPECT_EQ(ToString(255, CorvelValue((double)NAN)), "");
    EXPECT_EQ(ToString(255, CorvelValue(-16)), "");
    EXPECT_EQ(ToString(255, CorvelValue(1e300)), "");
    EXPECT_EQ(ToString(255, CorvelValue(36)), "73");
    EXPECT_EQ(ToString(35, CorvelValue(36)), "Z");
}

// What is below 1 has no integer digits, whatever its sign or size.
TEST_F(NumberTest, RadixTextOfSmallValues) {
    EXPECT_EQ(Radix(0, 2), "0");
    EXPECT_EQ(Radix(-0.0, 2), "0");
    EXPECT_EQ(Radix(0.999, 36), "0");
    EXPECT_EQ(Radix(-DBL_MIN / 2, 2), "-0");
    EXPECT_EQ(Radix(1, 2), "1");
    EXPECT_EQ(Radix(255, 37), "");
    EXPECT_EQ(Radix(255, 1), "");
}

// Values far beyond every integer type still end, and fill no more than
// the buffer: the largest double has 1024 binary digits.
TEST_F(NumberTest, HugeValuesAndValuesWithoutDigits) {
    std::string largest = Radix(DBL_MAX, 2);
    EXPECT_EQ(largest, std::string(53, '1') + std::string(971, '0'));
    EXPECT_EQ(Radix(-DBL_MAX, 2), "-" + largest);
    EXPECT_EQ(Radix(1e300, 16).size(), 250u);
    for (int radix = 2; radix <= 36; ++radix) {
        std::string text = Radix(-DBL_MAX, radix);
        EXPECT_EQ(text[0], '-');
        EXPECT_EQ(text.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1), std::string::npos);
        EXPECT_EQ(Radix(INFINITY, radix), "Infinity");
        EXPECT_EQ(Radix(-INFINITY, radix), "-Infinity");
        EXPECT_EQ(Radix(NAN, radix), "0");
    }
    EXPECT_EQ(ToString(INFINITY, CorvelValue(2)), "Infinity");
    EXPECT_EQ(ToString(NAN, CorvelValue(16)), "0");
    // An out-of-range radix is checked first.
    EXPECT_EQ(ToString(INFINITY, CorvelValue(99)), "");
}
