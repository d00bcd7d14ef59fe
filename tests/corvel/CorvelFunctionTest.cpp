#include "CorvelActivationObject.h"
#include "CorvelExecutionContext.h"
#include "CorvelIdentifier.h"
#include "CorvelIdentifierList.h"
#include "CorvelMessages.h"
#include "CorvelRaised.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardFunctionConstructor.h"
#include "CorvelStandardFunctionPrototype.h"
#include "CorvelStandardObjectConstructor.h"
#include "CorvelStandardObjectInstance.h"
#include "CorvelStandardObjectPrototype.h"
#include "PlatformKeyboard.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const int kReadOnlyDontEnumDontDelete = CorvelValue::ReadOnly | CorvelValue::DontEnum | CorvelValue::DontDelete;

class FunctionTest : public ::testing::Test {
protected:
    CorvelObject* Find(const CorvelValue& value) { return CorvelObjectTable::FindObject(value.ForceGetObjectKey()); }


    CorvelRunHarness harness;
};

// A script whose functions the tests call directly, from a context of its
// session that is never run itself.
class DirectCallTest : public FunctionTest {
protected:
    void Load(const char* text) {
        script.reset(new CorvelRunHarness::Script(harness, text));
        ASSERT_TRUE(script->parsed);
        context.reset(new CorvelExecutionContext(script->session.get(), nullptr, CorvelExecutionContext::GlobalCode));
        context->AddScope(script->globalObject);
    }
    void TearDown() override {
        context.reset();
        script.reset();
    }
    CorvelObject* Function(const char* name) { return Find(script->globalObject->Get(name)); }

    std::unique_ptr<CorvelRunHarness::Script> script;
    std::unique_ptr<CorvelExecutionContext> context;
};

}  // namespace

TEST_F(FunctionTest, LengthCountsTheFormalParametersAndCannotChange) {
    CorvelRunHarness::Script script(harness, "function g(x, y, z) {}\nfunction h() {}\n");
    CorvelObject* g = CorvelObjectTable::FindObject(script.Global("g").ForceGetObjectKey());
    const CorvelValue& length = g->Get("length");
    EXPECT_EQ(length.GetNumber(), 3);
    EXPECT_EQ(length.GetAttributes(), kReadOnlyDontEnumDontDelete);
    g->Put("length", CorvelValue(10));
    EXPECT_FALSE(g->Delete("length"));
    EXPECT_EQ(g->Get("length").GetNumber(), 3);
    CorvelObject* h = CorvelObjectTable::FindObject(script.Global("h").ForceGetObjectKey());
    EXPECT_EQ(h->Get("length").GetNumber(), 0);
    EXPECT_EQ(g->Class(), CorvelObject::ClassFunction);
    EXPECT_EQ(g->Prototype(), harness.environment.GetStandardFunctionPrototype());
    EXPECT_EQ(g->Value().GetType(), CorvelValue::Null);
}

TEST_F(FunctionTest, NamesMayBeAbsentAndChange) {
    CorvelStandardFunctionInstance unnamed(nullptr, nullptr);
    EXPECT_STREQ(unnamed.GetName(), "");
    EXPECT_EQ(unnamed.Get("length").GetNumber(), 0);
    unnamed.SetName("renamed");
    EXPECT_STREQ(unnamed.GetName(), "renamed");
    EXPECT_EQ(unnamed.GetFunctionDefinition(), nullptr);
}

TEST_F(FunctionTest, PrototypeIsMadeOnFirstReadAndLinksBack) {
    CorvelRunHarness::Script script(harness, "function F() {}\n");
    CorvelObject* f = CorvelObjectTable::FindObject(script.Global("F").ForceGetObjectKey());
    int before = f->GetPropertyCount();
    EXPECT_TRUE(f->HasProperty("prototype"));
    EXPECT_EQ(f->GetPropertyCount(), before);

    CorvelValue prototype(f->Get("prototype"));
    ASSERT_EQ(prototype.GetType(), CorvelValue::Object);
    EXPECT_EQ(prototype.GetAttributes(), CorvelValue::DontEnum);
    EXPECT_EQ(f->GetPropertyCount(), before + 1);
    EXPECT_EQ(f->Get("prototype").GetObjectKey(), prototype.GetObjectKey());
    CorvelObject* p = CorvelObjectTable::FindObject(prototype.GetObjectKey());
    EXPECT_EQ(p->Class(), CorvelObject::ClassObject);
    EXPECT_EQ(p->Get("constructor").GetObjectKey(), f->GetKey());
    EXPECT_EQ(p->Get("constructor").GetAttributes(), CorvelValue::DontEnum);

    // Deleted, it is made afresh on the next read.
    EXPECT_TRUE(f->Delete("prototype"));
    EXPECT_NE(f->Get("prototype").GetObjectKey(), prototype.GetObjectKey());
}

TEST_F(DirectCallTest, CallRunsTheBodyAndHandsBackItsResult) {
    Load("function add(a, b) { return a + b; }\nfunction nothing() { var x = 1; }\n");
    CorvelValue arguments[2] = {CorvelValue(2), CorvelValue(5)};
    EXPECT_EQ(Function("add")->Call(context.get(), arguments, 2, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(context->GetReturnValue().GetNumber(), 7);
    EXPECT_EQ(context->GetStatementPositionCount(), 0);
    // Without a return statement there is no result.
    EXPECT_EQ(Function("nothing")->Call(context.get(), nullptr, 0, CorvelValue()), CorvelStatus::Normal);
    EXPECT_EQ(context->GetStatementPositionCount(), 0);
}

TEST_F(DirectCallTest, ACallThatSuspendsKeepsItsCalleeUntilResumed) {
    Load("function slow(a) { a = a + 1; wait(1); return a * 10; }\n");
    CorvelObject* slow = Function("slow");
    CorvelValue argument(4);
    EXPECT_EQ(slow->Call(context.get(), &argument, 1, CorvelValue()), CorvelStatus::Suspend);
    ASSERT_EQ(context->GetStatementPositionCount(), 1);
    EXPECT_EQ(script->session->GetWaitDelay(), 1000);
    EXPECT_EQ(slow->Call(context.get(), &argument, 1, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(context->GetReturnValue().GetNumber(), 50);
    EXPECT_EQ(context->GetStatementPositionCount(), 0);
}

TEST_F(DirectCallTest, AForeignRecordWithoutStatementIsAnInternalError) {
    Load("function f() {}\n");
    context->GetIntegerStatementPosition(nullptr);
    CorvelObject* f = Function("f");
    EXPECT_EQ(RaisedId([&] { f->Call(context.get(), nullptr, 0, CorvelValue()); }),
              CorvelMessages::InternalScriptFunction);
    EXPECT_EQ(RaisedId([&] { f->Construct(context.get(), nullptr, 0, CorvelValue()); }),
              CorvelMessages::InternalScriptFunction);
}

TEST_F(DirectCallTest, AFailingBodyIsReportedOnceAndAbortsTheCaller) {
    Load("function bad() {\n  x = missing;\n}\n");
    EXPECT_EQ(RaisedId([&] { Function("bad")->Call(context.get(), nullptr, 0, CorvelValue()); }),
              CorvelMessages::FunctionAbort);
    EXPECT_EQ(harness.console.errors, "test.js (2, -1) : Undefined indentifier 'missing'\n");
}

TEST_F(DirectCallTest, ConstructGivesTheNewObjectTheFunctionsPrototype) {
    Load("function Point(x) { this.x = x; }\n"
         "function Other() { var o = new Object(); o.tag = 1; return o; }\n"
         "function Number5() { this.tag = 2; return 5; }\n");
    CorvelObject* point = Function("Point");
    CorvelValue argument(3);
    ASSERT_EQ(point->Construct(context.get(), &argument, 1, CorvelValue()), CorvelStatus::Return);
    CorvelValue made(context->GetReturnValue());
    CorvelStandardObjectInstance* object = dynamic_cast<CorvelStandardObjectInstance*>(Find(made));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Get("x").GetNumber(), 3);
    EXPECT_EQ(object->Prototype()->GetKey(), point->Get("prototype").GetObjectKey());

    ASSERT_EQ(Function("Other")->Construct(context.get(), nullptr, 0, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(Find(context->GetReturnValue())->Get("tag").GetNumber(), 1);
    ASSERT_EQ(Function("Number5")->Construct(context.get(), nullptr, 0, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(Find(context->GetReturnValue())->Get("tag").GetNumber(), 2);
    EXPECT_EQ(context->GetStatementPositionCount(), 0);
}

TEST_F(DirectCallTest, APrototypeThatIsNoObjectLeavesTheDefault) {
    Load("function F() {}\n");
    CorvelObject* f = Function("F");
    f->Put("prototype", CorvelValue(5));
    ASSERT_EQ(f->Construct(context.get(), nullptr, 0, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(Find(context->GetReturnValue())->Prototype(), harness.environment.GetStandardObjectPrototype());
}

// Escape held during a loop inside a called function makes the slices
// yield inside the call; the call resumes in place each time.
TEST_F(FunctionTest, CallsResumeAcrossEscapeYields) {
    CorvelRunHarness::Script script(harness,
                                    "function count(n) { var total = 0; for (var i = 0; i < n; i++) total += i; "
                                    "return total; }\n"
                                    "var calls = 0;\n"
                                    "function counted() { calls++; return 1000; }\n"
                                    "result = count(counted());\n");
    PlatformSetKeyDown(PlatformKeyEscape, true);
    int yields = script.RunToEnd();
    PlatformSetKeyDown(PlatformKeyEscape, false);
    EXPECT_GE(yields, 5);
    EXPECT_EQ(script.Global("result").GetNumber(), 499500);
    EXPECT_EQ(script.Global("calls").GetNumber(), 1);
    EXPECT_EQ(harness.console.errors, "");
}

TEST_F(FunctionTest, ActivationHoldsTheParametersAndArguments) {
    CorvelIdentifierList parameters(new CorvelIdentifier("a"));
    parameters.AddIdentifier(new CorvelIdentifier("b"));
    parameters.AddIdentifier(new CorvelIdentifier("a"));
    // Held here so that the arguments object's release never deletes it.
    CorvelStandardFunctionInstance function(nullptr, "f");
    function.AddRef();
    CorvelValue arguments[4] = {CorvelValue(1), CorvelValue(2), CorvelValue(3), CorvelValue(4)};
    arguments[0].SetAttributes(kReadOnlyDontEnumDontDelete);

    CorvelActivationObject* activation = new CorvelActivationObject(&parameters, arguments, 4, &function);
    activation->AddRef();
    EXPECT_EQ(activation->Class(), CorvelObject::ClassActivation);
    EXPECT_EQ(activation->Prototype(), nullptr);
    // The later "a" wins; parameters take no attributes from the arguments.
    EXPECT_EQ(activation->Get("a").GetNumber(), 3);
    EXPECT_EQ(activation->Get("b").GetNumber(), 2);

    CorvelObject* argumentObject = Find(activation->Get("arguments"));
    ASSERT_NE(argumentObject, nullptr);
    EXPECT_EQ(argumentObject->Prototype(), nullptr);
    EXPECT_EQ(argumentObject->Get("length").GetNumber(), 4);
    EXPECT_EQ(argumentObject->Get("length").GetAttributes(), CorvelValue::DontEnum);
    EXPECT_EQ(argumentObject->Get("callee").GetObjectKey(), function.GetKey());
    EXPECT_EQ(argumentObject->Get("3").GetNumber(), 4);
    EXPECT_EQ(argumentObject->Get("3").GetAttributes(), CorvelValue::DontEnum);
    activation->Release();
}

TEST_F(FunctionTest, IndexesBelowTheParameterCountAliasTheParameters) {
    CorvelIdentifierList parameters(new CorvelIdentifier("a"));
    parameters.AddIdentifier(new CorvelIdentifier("b"));
    CorvelValue argument(1);
    CorvelActivationObject* activation = new CorvelActivationObject(&parameters, &argument, 1, nullptr);
    activation->AddRef();
    CorvelObject* arguments = Find(activation->Get("arguments"));

    EXPECT_EQ(arguments->Get("0").GetNumber(), 1);
    EXPECT_EQ(arguments->Get("1").GetType(), CorvelValue::Undefined);
    EXPECT_TRUE(arguments->HasProperty("1"));
    EXPECT_TRUE(arguments->CanPut("1"));
    arguments->Put("1", CorvelValue(5));
    EXPECT_EQ(activation->Get("b").GetNumber(), 5);
    activation->Put("a", CorvelValue(7));
    EXPECT_EQ(arguments->Get("0").GetNumber(), 7);
    EXPECT_FALSE(arguments->Delete("0"));
    EXPECT_EQ(activation->Get("a").GetNumber(), 7);

    // Other names, "2" included, are the arguments object's own.
    EXPECT_FALSE(arguments->HasProperty("2"));
    EXPECT_FALSE(arguments->HasProperty(""));
    EXPECT_FALSE(arguments->HasProperty("1x"));
    arguments->Put("2", CorvelValue(9));
    EXPECT_EQ(arguments->Get("2").GetNumber(), 9);
    EXPECT_TRUE(arguments->Delete("2"));
    EXPECT_FALSE(arguments->HasProperty("2"));
    activation->Release();
}

TEST_F(FunctionTest, ArgumentsKeptAfterTheCallHoldTheLastValues) {
    CorvelIdentifierList parameters(new CorvelIdentifier("a"));
    CorvelValue argument(1);
    CorvelActivationObject* activation = new CorvelActivationObject(&parameters, &argument, 1, nullptr);
    activation->AddRef();
    CorvelValue kept(activation->Get("arguments"));
    activation->Put("a", CorvelValue(8));
    activation->Release();

    CorvelObject* arguments = Find(kept);
    ASSERT_NE(arguments, nullptr);
    EXPECT_EQ(arguments->Get("0").GetNumber(), 8);
    EXPECT_EQ(arguments->Get("0").GetAttributes(), CorvelValue::DontEnum);
    EXPECT_TRUE(arguments->Delete("0"));
}

TEST_F(DirectCallTest, TheFunctionConstructorBuildsFromText) {
    Load("var unused;");
    CorvelObject* constructor = harness.environment.GetStandardFunctionConstructor();
    CorvelValue arguments[3] = {CorvelValue("a"), CorvelValue("b"), CorvelValue("return a + arguments[1]")};
    ASSERT_EQ(constructor->Construct(context.get(), arguments, 3, CorvelValue()), CorvelStatus::Return);
    CorvelValue made(context->GetReturnValue());
    CorvelStandardFunctionInstance* function = dynamic_cast<CorvelStandardFunctionInstance*>(Find(made));
    ASSERT_NE(function, nullptr);
    EXPECT_STREQ(function->GetName(), "anonymous");
    EXPECT_EQ(function->Get("length").GetNumber(), 2);

    CorvelValue values[2] = {CorvelValue(4), CorvelValue(6)};
    ASSERT_EQ(function->Call(context.get(), values, 2, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(context->GetReturnValue().GetNumber(), 10);

    // Call does the same as Construct; the texts are converted in place.
    CorvelValue numbers[2] = {CorvelValue(1), CorvelValue(2)};
    EXPECT_EQ(RaisedId([&] { constructor->Call(context.get(), numbers, 2, CorvelValue()); }),
              CorvelMessages::CreatedFunctionParseError);
    EXPECT_STREQ(numbers[0].GetString(), "1");
    EXPECT_STREQ(numbers[1].GetString(), "2");
    ASSERT_EQ(constructor->Call(context.get(), nullptr, 0, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(Find(context->GetReturnValue())->Get("length").GetNumber(), 0);
}

TEST_F(DirectCallTest, TextThatDoesNotParseMakesNoFunction) {
    Load("var unused;");
    CorvelObject* constructor = harness.environment.GetStandardFunctionConstructor();
    CorvelValue body("return (");
    EXPECT_EQ(RaisedId([&] { constructor->Construct(context.get(), &body, 1, CorvelValue()); }),
              CorvelMessages::CreatedFunctionParseError);
    CorvelValue escapes("}\nfunction other() {");
    ASSERT_EQ(constructor->Construct(context.get(), &escapes, 1, CorvelValue()), CorvelStatus::Return);
    EXPECT_EQ(Find(context->GetReturnValue())->Get("length").GetNumber(), 0);
}

TEST_F(FunctionTest, TheFunctionConstructorCarriesItsPrototypeAndLength) {
    CorvelObject* constructor = harness.environment.GetStandardFunctionConstructor();
    CorvelObject* prototype = harness.environment.GetStandardFunctionPrototype();
    EXPECT_EQ(constructor->Get("prototype").GetObjectKey(), prototype->GetKey());
    EXPECT_EQ(constructor->Get("prototype").GetAttributes(), kReadOnlyDontEnumDontDelete);
    EXPECT_EQ(constructor->Get("length").GetNumber(), 1);
    EXPECT_EQ(constructor->Get("length").GetAttributes(), kReadOnlyDontEnumDontDelete);
    EXPECT_EQ(prototype->Get("constructor").GetObjectKey(), constructor->GetKey());
    EXPECT_EQ(prototype->Get("constructor").GetAttributes(), 0);
    EXPECT_EQ(prototype->Class(), CorvelObject::ClassFunction);
}

TEST_F(DirectCallTest, ToStringWritesFunctionsAndRefusesOtherObjects) {
    Load("function twice(x) { return x * 2; }\n");
    CorvelObject* prototype = harness.environment.GetStandardFunctionPrototype();
    CorvelValue toString(prototype->Get("toString"));
    CorvelObject* method = Find(toString);
    ASSERT_NE(method, nullptr);

    CorvelValue twice(script->globalObject->Get("twice"));
    ASSERT_EQ(method->Call(context.get(), nullptr, 0, twice), CorvelStatus::Return);
    EXPECT_STREQ(context->GetReturnValue().GetString(), "function twice(x) {\n\treturn (x*2);\n}\n");

    CorvelValue object((unsigned long)harness.environment.GetStandardObjectConstructor()->GetKey());
    ASSERT_EQ(method->Call(context.get(), nullptr, 0, object), CorvelStatus::Return);
    EXPECT_STREQ(context->GetReturnValue().GetString(), "[Function constructor]");

    CorvelValue itself((unsigned long)prototype->GetKey());
    EXPECT_EQ(method->Call(context.get(), nullptr, 0, itself), CorvelStatus::Normal);
    EXPECT_EQ(prototype->Call(context.get(), nullptr, 0, itself), CorvelStatus::Normal);

    CorvelValue plain((unsigned long)(new CorvelStandardObjectInstance())->GetKey());
    EXPECT_EQ(RaisedId([&] { method->Call(context.get(), nullptr, 0, plain); }), CorvelMessages::NotAFunctionObject);
    EXPECT_EQ(RaisedId([&] { method->Call(context.get(), nullptr, 0, CorvelValue("text")); }),
              CorvelMessages::NotAFunctionObject);
}

// Recursion through script calls ends in one report, not in a crash.
TEST_F(FunctionTest, RunawayRecursionIsReportedOnce) {
    CorvelRunHarness::Script script(harness, "function down(n) { return down(n + 1); }\ndown(0);\n");
    script.RunToEnd();
    size_t lines = 0;
    for (char c : harness.console.errors) lines += c == '\n';
    EXPECT_EQ(lines, 1u) << harness.console.errors;
    EXPECT_NE(harness.console.errors.find("Script calls nested too deeply"), std::string::npos);
}
