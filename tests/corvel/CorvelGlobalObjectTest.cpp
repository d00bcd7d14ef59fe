#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelRaised.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardMathObject.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {

class GlobalObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        script.reset(new CorvelRunHarness::Script(harness, "var unused;"));
        NewContext();
    }
    void TearDown() override {
        context.reset();
        script.reset();
    }

    // A context of the session that is never run, with the global object
    // as its scope, from which the tests call the global functions.
    void NewContext() {
        context.reset(new CorvelExecutionContext(script->session.get(), nullptr, CorvelExecutionContext::GlobalCode));
        context->AddScope(script->globalObject);
    }
    // Calls the global function `name` directly.
    CorvelStatus Call(const char* name, CorvelValue* arguments, int argumentCount) {
        CorvelNativeFunction function = script->globalObject->FindMethod(name);
        EXPECT_NE(function, nullptr) << name;
        return function(context.get(), arguments, argumentCount, CorvelValue());
    }
    CorvelValue Result(const char* name, CorvelValue argument) {
        EXPECT_EQ(Call(name, &argument, 1), CorvelStatus::Return);
        return CorvelValue(context->GetReturnValue());
    }
    // The delay wait() asks the session for, in milliseconds.
    int WaitDelay(CorvelValue seconds) {
        script->session->SetWaitDelay(-7);
        EXPECT_EQ(Call("wait", &seconds, 1), CorvelStatus::Suspend);
        int delay = script->session->GetWaitDelay();
        EXPECT_EQ(Call("wait", &seconds, 1), CorvelStatus::Normal);
        return delay;
    }

    CorvelRunHarness harness;
    std::unique_ptr<CorvelRunHarness::Script> script;
    std::unique_ptr<CorvelExecutionContext> context;
};

const double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

TEST_F(GlobalObjectTest, HasTheEightFunctionsAndTheNineStandardObjects) {
    CorvelGlobalObject* global = script->globalObject;
    EXPECT_EQ(global->Class(), CorvelObject::ClassGlobal);
    EXPECT_EQ(global->GetMethodCount(), 8);
    for (const char* name : {"eval", "parseInt", "parseFloat", "escape", "unescape", "isNan", "isFinite", "wait"})
        EXPECT_NE(global->FindMethod(name), nullptr) << name;
    EXPECT_EQ(global->FindMethod("isNaN"), nullptr);

    CorvelEnvironment& environment = harness.environment;
    const std::pair<const char*, CorvelObject*> expected[] = {
        {"Object", (CorvelObject*)environment.GetStandardObjectConstructor()},
        {"Function", (CorvelObject*)environment.GetStandardFunctionConstructor()},
        {"Array", (CorvelObject*)environment.GetStandardArrayConstructor()},
        {"String", (CorvelObject*)environment.GetStandardStringConstructor()},
        {"Boolean", (CorvelObject*)environment.GetStandardBooleanConstructor()},
        {"Number", (CorvelObject*)environment.GetStandardNumberConstructor()},
        {"Date", (CorvelObject*)environment.GetStandardDateConstructor()},
        {"Math", (CorvelObject*)environment.GetStandardMathObject()},
        {"Debug", (CorvelObject*)environment.GetDebugObject()},
    };
    EXPECT_EQ(global->GetPropertyCount(), 9);  // before the script runs
    for (const auto& entry : expected) {
        const CorvelValue& value = global->Get(entry.first);
        EXPECT_EQ(value.GetObjectKey(), entry.second->GetKey()) << entry.first;
        EXPECT_EQ(value.GetAttributes(), CorvelValue::DontEnum) << entry.first;
    }
    for (const char* absent : {"NaN", "Infinity", "undefined"}) EXPECT_FALSE(global->HasProperty(absent));
}

TEST_F(GlobalObjectTest, StandardObjectsComeOnlyWithSetup) {
    CorvelGlobalObject bare;
    EXPECT_EQ(bare.GetPropertyCount(), 0);
    EXPECT_TRUE(bare.HasProperty("eval"));
    EXPECT_FALSE(bare.HasProperty("Object"));

    // Without an environment there is nothing to install, and no failure.
    QelApp* app = SetQelApp(nullptr);
    bare.SetupObject();
    SetQelApp(app);
    EXPECT_EQ(bare.GetPropertyCount(), 0);
}

TEST_F(GlobalObjectTest, ReferenceCountingNeverDeletesIt) {
    CorvelGlobalObject* global = new CorvelGlobalObject();
    global->AddRef();
    global->Release();
    EXPECT_EQ(global->Class(), CorvelObject::ClassGlobal);
    delete global;
}

TEST_F(GlobalObjectTest, EvalRecordsStartEmpty) {
    std::unique_ptr<CorvelStatementPosition> record(CorvelGlobalObject::CreateEvalStatementPosition());
    auto* eval = dynamic_cast<CorvelGlobalObject::EvalStatementPosition*>(record.get());
    ASSERT_NE(eval, nullptr);
    EXPECT_EQ(eval->statement, nullptr);
    EXPECT_EQ(eval->parser, nullptr);
    EXPECT_EQ(eval->evalContext, nullptr);
}

TEST_F(GlobalObjectTest, EvalSuspendsInsideItsTextAndResumesThere) {
    CorvelValue text("counter = 1; wait(0); counter = counter + 1; 7");
    ASSERT_EQ(Call("eval", &text, 1), CorvelStatus::Suspend);
    ASSERT_EQ(context->GetStatementPositionCount(), 1);
    ASSERT_EQ(Call("eval", &text, 1), CorvelStatus::Return);
    EXPECT_EQ(context->GetReturnValue().GetNumber(), 7);
    EXPECT_EQ(script->Global("counter").GetNumber(), 2);
    EXPECT_EQ(context->GetStatementPositionCount(), 0);
}

TEST_F(GlobalObjectTest, EvalAnswersNonTextUnchanged) {
    CorvelValue number(5);
    EXPECT_EQ(Result("eval", number).GetNumber(), 5);
    EXPECT_EQ(Call("eval", nullptr, 0), CorvelStatus::Return);
    EXPECT_EQ(context->GetReturnValue().GetType(), CorvelValue::Undefined);
    EXPECT_EQ(context->GetStatementPositionCount(), 0);
}

TEST_F(GlobalObjectTest, EvalFailuresRaiseTheirMessages) {
    CorvelValue broken("1 +");
    EXPECT_EQ(RaisedId([&] { Call("eval", &broken, 1); }), CorvelMessages::EvalCodeErrors);
    // The record stays for the failing run to discard; a fresh context
    // starts clean.
    NewContext();

    CorvelValue failing("missing + 1;");
    EXPECT_EQ(RaisedId([&] { Call("eval", &failing, 1); }), CorvelMessages::FunctionAbort);
    EXPECT_EQ(harness.console.errors, "Eval Code (1, -1) : Undefined indentifier 'missing'\n");
    NewContext();

    context->GetIntegerStatementPosition(nullptr);
    CorvelValue text("1");
    EXPECT_EQ(RaisedId([&] { Call("eval", &text, 1); }), CorvelMessages::InternalEval);
}

TEST_F(GlobalObjectTest, WaitAsksForMillisecondsTruncatedTowardZero) {
    EXPECT_EQ(WaitDelay(CorvelValue(2)), 2000);
    EXPECT_EQ(WaitDelay(CorvelValue(0.0005)), 0);
    EXPECT_EQ(WaitDelay(CorvelValue(1.9999)), 1999);
    EXPECT_EQ(WaitDelay(CorvelValue("1.5")), 1500);
    EXPECT_EQ(WaitDelay(CorvelValue(2147483.647)), INT_MAX);
    EXPECT_EQ(Call("wait", nullptr, 0), CorvelStatus::Suspend);
    EXPECT_EQ(script->session->GetWaitDelay(), 0);
    EXPECT_EQ(Call("wait", nullptr, 0), CorvelStatus::Normal);
    EXPECT_EQ(context->GetReturnValue().GetType(), CorvelValue::Undefined);
    EXPECT_EQ(context->GetStatementPositionCount(), 0);
}

TEST_F(GlobalObjectTest, WaitHoldsUnusableDelaysToTheCountableRange) {
    EXPECT_EQ(WaitDelay(CorvelValue(-1)), 0);
    EXPECT_EQ(WaitDelay(CorvelValue(-kInfinity)), 0);
    EXPECT_EQ(WaitDelay(CorvelValue(std::nan(""))), 0);
    EXPECT_EQ(WaitDelay(CorvelValue("soon")), 0);
    EXPECT_EQ(WaitDelay(CorvelValue(2147483.648)), INT_MAX);
    EXPECT_EQ(WaitDelay(CorvelValue(1e300)), INT_MAX);
    EXPECT_EQ(WaitDelay(CorvelValue(kInfinity)), INT_MAX);
}

TEST_F(GlobalObjectTest, WaitSuspendsOnceInPacedMode) {
    CorvelRunHarness::Script paced(harness, "a = 1; wait(0.0005); b = 2; wait(0); c = 3;");
    EXPECT_EQ(paced.RunToEnd(), 2);
    EXPECT_EQ(paced.Global("c").GetNumber(), 3);
}

TEST_F(GlobalObjectTest, NumbersFromText) {
    EXPECT_EQ(Result("parseInt", CorvelValue("  -0x1A")).GetNumber(), -26);
    EXPECT_TRUE(std::signbit(Result("parseInt", CorvelValue("-")).GetNumber()));
    EXPECT_EQ(Result("parseInt", CorvelValue(std::string(400, '9').c_str())).GetNumber(), kInfinity);
    EXPECT_EQ(Result("parseFloat", CorvelValue("3.5e2xyz")).GetNumber(), 350);
    EXPECT_TRUE(std::isnan(Result("parseFloat", CorvelValue("\"5\"")).GetNumber()));
    EXPECT_TRUE(std::isnan(Result("parseFloat", CorvelValue("null")).GetNumber()));
    std::string longText = "12.5" + std::string(100000, 'x') + " 'open";
    EXPECT_EQ(Result("parseFloat", CorvelValue(longText.c_str())).GetNumber(), 12.5);
    // The argument is converted in place.
    CorvelValue number(17);
    EXPECT_EQ(Call("parseInt", &number, 1), CorvelStatus::Return);
    EXPECT_EQ(number.GetType(), CorvelValue::String);
}

TEST_F(GlobalObjectTest, EscapeAndUnescapeAreInverses) {
    std::string everyByte;
    for (int c = 1; c < 256; ++c) everyByte += (char)c;
    CorvelValue escaped(Result("escape", CorvelValue(everyByte.c_str())));
    EXPECT_EQ(std::string(escaped.GetString()).find_first_not_of(
                  "%0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ@*_+-/"),
              std::string::npos);
    EXPECT_EQ(std::string(Result("unescape", escaped).GetString()), everyByte);
    EXPECT_STREQ(Result("unescape", CorvelValue("%u12%41%u00")).GetString(), "%u12A%u00");
}
