#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelNativeTest.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardBooleanConstructor.h"
#include "CorvelStandardBooleanInstance.h"
#include "CorvelStandardBooleanPrototype.h"
#include "CorvelStandardNumberInstance.h"
#include "CorvelStandardObjectInstance.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class BooleanTest : public CorvelNativeTest {
protected:
    void SetUp() override {
        CorvelNativeTest::SetUp();
        context->AddScope(script->globalObject);
    }

    CorvelStandardBooleanConstructor* Constructor() { return harness.environment.GetStandardBooleanConstructor(); }


};

}  // namespace

TEST_F(BooleanTest, PrototypeMethodsNeedABooleanObject) {
    CorvelValue wrappedTrue;
    wrappedTrue.SetNewObject(new CorvelStandardBooleanInstance(true));
    ASSERT_EQ(CorvelStandardBooleanPrototype::ToString(context.get(), nullptr, 0, wrappedTrue), CorvelStatus::Return);
    EXPECT_STREQ(context->GetReturnValue().GetString(), "true");
    ASSERT_EQ(CorvelStandardBooleanPrototype::ValueOf(context.get(), nullptr, 0, wrappedTrue), CorvelStatus::Return);
    EXPECT_EQ(context->GetReturnValue().GetType(), CorvelValue::Boolean);
    EXPECT_TRUE(context->GetReturnValue().GetBool());

    // The prototype is a Boolean holding false.
    CorvelValue prototype = CorvelValue::ObjectValue(harness.environment.GetStandardBooleanPrototype());
    CorvelStandardBooleanPrototype::ToString(context.get(), nullptr, 0, prototype);
    EXPECT_STREQ(context->GetReturnValue().GetString(), "false");

    CorvelValue plain;
    plain.SetNewObject(new CorvelStandardObjectInstance);
    CorvelValue number;
    number.SetNewObject(new CorvelStandardNumberInstance(1));
    const CorvelValue others[] = {CorvelValue(), CorvelValue::ms_null, CorvelValue(true), plain, number,
                                  CorvelValue::ObjectValue(Constructor())};
    for (const CorvelValue& other : others) {
        EXPECT_EQ(RaisedId([&] { CorvelStandardBooleanPrototype::ToString(context.get(), nullptr, 0, other); }),
                  CorvelMessages::NotABoolean);
        EXPECT_EQ(RaisedId([&] { CorvelStandardBooleanPrototype::ValueOf(context.get(), nullptr, 0, other); }),
                  CorvelMessages::NotABoolean);
    }
}
