#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
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

class BooleanTest : public ::testing::Test {
protected:
    void SetUp() override {
        script.reset(new CorvelRunHarness::Script(harness, "var unused;"));
        context.reset(new CorvelExecutionContext(script->session.get(), nullptr, CorvelExecutionContext::GlobalCode));
        context->AddScope(script->globalObject);
    }
    void TearDown() override {
        context.reset();
        script.reset();
    }

    CorvelStandardBooleanConstructor* Constructor() { return harness.environment.GetStandardBooleanConstructor(); }

    template <class Action>
    static uint32_t RaisedId(Action action) {
        try {
            action();
        } catch (CorvelRuntimeException* exception) {
            uint32_t id = exception->GetMessageId();
            delete exception;
            return id;
        }
        return 0;
    }

    CorvelRunHarness harness;
    std::unique_ptr<CorvelRunHarness::Script> script;
    std::unique_ptr<CorvelExecutionContext> context;
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
