#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelNativeTest.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardArrayInstance.h"
#include "CorvelStandardStringConstructor.h"
#include "CorvelStandardStringInstance.h"
#include "CorvelStandardStringPrototype.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

const double kInfinity = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Calls the String natives directly, as a host would, with any this value.
class StringTest : public CorvelNativeTest {
protected:
    void SetUp() override {
        CorvelNativeTest::SetUp();
        context->AddScope(script->globalObject);
    }

    CorvelStandardStringPrototype* Prototype() { return harness.environment.GetStandardStringPrototype(); }
    CorvelStandardStringConstructor* Constructor() { return harness.environment.GetStandardStringConstructor(); }

    // The result of the prototype method `name` on `thisValue`.
    CorvelValue Method(const char* name, const CorvelValue& thisValue, std::vector<CorvelValue> arguments = {}) {
        CorvelNativeFunction function = Prototype()->FindMethod(name);
        EXPECT_NE(function, nullptr) << name;
        if (!function) return CorvelValue();
        EXPECT_EQ(function(context.get(), arguments.data(), (int)arguments.size(), thisValue), CorvelStatus::Return);
        return CorvelValue(context->GetReturnValue());
    }
    std::string Text(const char* name, const CorvelValue& thisValue, std::vector<CorvelValue> arguments = {}) {
        CorvelValue result = Method(name, thisValue, std::move(arguments));
        EXPECT_EQ(result.GetType(), CorvelValue::String) << name;
        return result.GetType() == CorvelValue::String ? result.GetString() : "";
    }
    double Number(const char* name, const CorvelValue& thisValue, std::vector<CorvelValue> arguments = {}) {
        CorvelValue result = Method(name, thisValue, std::move(arguments));
        EXPECT_EQ(result.GetType(), CorvelValue::Number) << name;
        return result.GetNumber();
    }
    std::string FromCharCode(std::vector<CorvelValue> arguments) {
        EXPECT_EQ(CorvelStandardStringConstructor::FromCharCode(context.get(), arguments.data(), (int)arguments.size(),
                                                                CorvelValue()),
                  CorvelStatus::Return);
        return context->GetReturnValue().GetString();
    }

};

}  // namespace

TEST_F(StringTest, ToStringAndValueOfWorkOnStringObjectsOnly) {
    CorvelValue wrapped;
    wrapped.SetNewObject(new CorvelStandardStringInstance("abc"));
    CorvelValue prototype = CorvelValue::ObjectValue(Prototype());
    for (const char* name : {"toString", "valueOf"}) {
        EXPECT_EQ(Text(name, wrapped), "abc");
        EXPECT_EQ(Text(name, prototype), "");
        // A primitive string is not a String object.
        for (const CorvelValue& other : {CorvelValue("abc"), CorvelValue(), CorvelValue(CorvelValue::Null),
                                         CorvelValue(1.5), CorvelValue::ObjectValue(Constructor())}) {
            CorvelNativeFunction function = Prototype()->FindMethod(name);
            EXPECT_EQ(RaisedId([&] { function(context.get(), nullptr, 0, other); }), CorvelMessages::NotAString)
                << name;
        }
    }
}

TEST_F(StringTest, OtherMethodsTakeTheTextOfAnyThisValue) {
    EXPECT_EQ(Number("indexOf", CorvelValue(), {CorvelValue("fined")}), 4);
    EXPECT_EQ(Text("charAt", CorvelValue(CorvelValue::Null), {CorvelValue(3)}), "l");
    EXPECT_EQ(Text("substring", CorvelValue(12345), {CorvelValue(1), CorvelValue(3)}), "23");
    EXPECT_EQ(Text("toUpperCase", CorvelValue(true)), "TRUE");
    CorvelValue wrapped;
    wrapped.SetNewObject(new CorvelStandardStringInstance("Wrapped"));
    EXPECT_EQ(Text("toLowerCase", wrapped), "wrapped");
    EXPECT_EQ(Number("charCodeAt", wrapped), 'W');
}

// Positions far outside the 32-bit range, infinite or NaN must convert
// without undefined behaviour and act as the nearest representable one.
TEST_F(StringTest, ExtremePositionsStayOnTheirSideOfTheText) {
    const CorvelValue text("hello");
    for (double huge : {kInfinity, DBL_MAX, 1e10, 4294967296.0 + 1}) {
        EXPECT_EQ(Text("charAt", text, {CorvelValue(huge)}), "");
        EXPECT_EQ(Text("charAt", text, {CorvelValue(-huge)}), "");
        EXPECT_TRUE(std::isnan(Number("charCodeAt", text, {CorvelValue(huge)})));
        EXPECT_TRUE(std::isnan(Number("charCodeAt", text, {CorvelValue(-huge)})));
        EXPECT_EQ(Number("indexOf", text, {CorvelValue("h"), CorvelValue(huge)}), -1);
        EXPECT_EQ(Number("indexOf", text, {CorvelValue("o"), CorvelValue(-huge)}), 4);
        EXPECT_EQ(Number("indexOf", text, {CorvelValue(""), CorvelValue(huge)}), 5);
        EXPECT_EQ(Number("lastIndexOf", text, {CorvelValue("h"), CorvelValue(huge)}), 0);
        EXPECT_EQ(Number("lastIndexOf", text, {CorvelValue("o"), CorvelValue(-huge)}), -1);
        EXPECT_EQ(Text("substring", text, {CorvelValue(-huge), CorvelValue(huge)}), "hello");
        EXPECT_EQ(Text("substring", text, {CorvelValue(huge), CorvelValue(2)}), "llo");
    }
    EXPECT_EQ(Text("charAt", text, {CorvelValue(kNaN)}), "h");
    EXPECT_EQ(Number("lastIndexOf", text, {CorvelValue("l"), CorvelValue(kNaN)}), -1);
    EXPECT_EQ(Text("substring", text, {CorvelValue(kNaN), CorvelValue(kNaN)}), "");
    // An explicit undefined is converted (to 0); only a missing end means
    // the length.
    EXPECT_EQ(Text("substring", text, {CorvelValue(1), CorvelValue()}), "h");
    EXPECT_EQ(Text("substring", text, {CorvelValue(1)}), "ello");
}

TEST_F(StringTest, FromCharCodeKeepsTheLowByteAndEndsAtZero) {
    EXPECT_EQ(FromCharCode({}), "");
    EXPECT_EQ(FromCharCode({CorvelValue(72), CorvelValue(105)}), "Hi");
    EXPECT_EQ(FromCharCode({CorvelValue(65 + 65536), CorvelValue(-191), CorvelValue(kInfinity), CorvelValue(66)}),
              "AA");
    EXPECT_EQ(FromCharCode({CorvelValue(233)}), "\xE9");
    // Past the inline buffer.
    std::vector<CorvelValue> many(200, CorvelValue(97));
    EXPECT_EQ(FromCharCode(many), std::string(200, 'a'));
    many[150] = CorvelValue(512);
    EXPECT_EQ(FromCharCode(many), std::string(150, 'a'));
}

TEST_F(StringTest, SplitMakesAnArrayOfStrings) {
    CorvelValue result = Method("split", CorvelValue("a,b,,c"), {CorvelValue(",")});
    CorvelStandardArrayInstance* array = dynamic_cast<CorvelStandardArrayInstance*>(result.ForceGetObject());
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->Class(), CorvelObject::ClassArray);
    ASSERT_EQ(array->GetLength(), 4u);
    const char* expected[] = {"a", "b", "", "c"};
    for (int i = 0; i < 4; ++i) {
        CorvelValue element(array->Get(std::to_string(i).c_str()));
        ASSERT_EQ(element.GetType(), CorvelValue::String);
        EXPECT_STREQ(element.GetString(), expected[i]);
    }
    // Without a separator the whole text, whatever the this value.
    result = Method("split", CorvelValue(12.5));
    array = dynamic_cast<CorvelStandardArrayInstance*>(result.ForceGetObject());
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->GetLength(), 1u);
    EXPECT_STREQ(CorvelValue(array->Get("0")).GetString(), "12.5");
}

// A host may hand the context's own return value in as the this value: the
// result replaces the text it was made from.
TEST_F(StringTest, ThisValueMayBeTheReturnValue) {
    const struct {
        const char* name;
        std::vector<CorvelValue> arguments;
        const char* expected;
    } cases[] = {
        {"charAt", {CorvelValue(1)}, "b"},
        {"substring", {CorvelValue(1), CorvelValue(3)}, "bc"},
        {"toUpperCase", {}, "ABCD"},
        {"toLowerCase", {}, "abcd"},
    };
    for (auto c : cases) {
        context->GetReturnValue().SetString("abcd");
        CorvelNativeFunction function = Prototype()->FindMethod(c.name);
        EXPECT_EQ(function(context.get(), c.arguments.data(), (int)c.arguments.size(), context->GetReturnValue()),
                  CorvelStatus::Return);
        EXPECT_STREQ(context->GetReturnValue().GetString(), c.expected) << c.name;
    }
}

TEST_F(StringTest, ConstructedAndCalledString) {
    CorvelValue argument(12.5);
    ASSERT_EQ(Constructor()->Construct(context.get(), &argument, 1, CorvelValue()), CorvelStatus::Return);
    CorvelValue made(context->GetReturnValue());
    CorvelObject* object = made.ForceGetObject();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Class(), CorvelObject::ClassString);
    EXPECT_EQ(object->Prototype(), Prototype());
    EXPECT_STREQ(object->Value().GetString(), "12.5");
    object->Put("length", CorvelValue(1));
    EXPECT_FALSE(object->Delete("length"));
    EXPECT_EQ(CorvelValue(object->Get("length")).GetNumber(), 4);

    ASSERT_EQ(Constructor()->Construct(context.get(), nullptr, 0, CorvelValue()), CorvelStatus::Return);
    EXPECT_STREQ(context->GetReturnValue().ForceGetObject()->Value().GetString(), "");
    ASSERT_EQ(Constructor()->Call(context.get(), nullptr, 0, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(context->GetReturnValue().GetType(), CorvelValue::String);
    EXPECT_STREQ(context->GetReturnValue().GetString(), "");
    CorvelValue nothing(CorvelValue::Null);
    ASSERT_EQ(Constructor()->Call(context.get(), &nothing, 1, CorvelValue()), CorvelStatus::Return);
    EXPECT_STREQ(context->GetReturnValue().GetString(), "null");
}
