#include "CorvelEmptyStatement.h"
#include "CorvelExecutionHarness.h"
#include "CorvelForIn.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelSession.h"
#include "CorvelStandardObjectInstance.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

class ContextTest : public CorvelExecutionHarness {
protected:
    // A context of the loaded script's session that the test drives itself.
    CorvelExecutionContext* MakeContext() {
        context.reset(new CorvelExecutionContext(script->session.get(), script->parser.GetTree(),
                                                 CorvelExecutionContext::GlobalCode));
        return context.get();
    }
    void TearDown() override {
        context.reset();
        CorvelExecutionHarness::TearDown();
    }

    static CorvelStatus Throw(CorvelExecutionContext*, CorvelValue*, int, const CorvelValue&) {
        throw std::runtime_error("not a script error");
    }

    std::unique_ptr<CorvelExecutionContext> context;
};

CorvelStatementPosition* MakeRecord() { return new CorvelExecutionContext::IntegerStatementPosition(nullptr); }

int CountLines(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

}  // namespace

TEST_F(ContextTest, RecordsAreFoundFromTheBottomAndClearedFromTheTop) {
    Load(";");
    CorvelExecutionContext* run = MakeContext();
    CorvelEmptyStatement first, second;
    CorvelForIn loop(nullptr, nullptr, nullptr, false);

    CorvelStatementPosition* firstRecord = run->GetStatementPosition(&first);
    EXPECT_NE(dynamic_cast<CorvelExecutionContext::IntegerStatementPosition*>(firstRecord), nullptr);
    CorvelStatementPosition* secondRecord = run->GetStatementPosition(&second);
    EXPECT_EQ(run->GetStatementPosition(&first), firstRecord);
    EXPECT_EQ(run->GetIntegerStatementPosition(&second), secondRecord);
    EXPECT_EQ(run->GetStatementPositionCount(), 2);

    // A record of another class is no integer record.
    EXPECT_NE(dynamic_cast<CorvelForIn::ForInStatementPosition*>(run->GetStatementPosition(&loop)), nullptr);
    EXPECT_EQ(run->GetIntegerStatementPosition(&loop), nullptr);

    // Records without a statement belong to built-in calls: the first one
    // is found, whatever made it.
    CorvelStatementPosition* native = run->GetIntegerStatementPosition(nullptr);
    EXPECT_EQ(run->GetStatementPosition(MakeRecord), native);

    // Clearing pops the top, which must be the caller's own record: checked
    // builds stop at a construct that clears another's (the sign of one that
    // forgot to clear its own). A late record goes below the records made
    // after its height.
    EXPECT_DEBUG_DEATH(run->ClearStatementPosition(&first), "its own record");
#ifdef NDEBUG
    EXPECT_EQ(run->FindStatementPosition(nullptr), nullptr);
#else
    run->ClearStatementPosition(nullptr);
#endif
    CorvelEmptyStatement late;
    CorvelStatementPosition* lateRecord = new CorvelExecutionContext::IntegerStatementPosition(&late);
    run->InsertStatementPosition(lateRecord, 1);
    EXPECT_EQ(run->FindStatementPosition(&late), lateRecord);
    run->ClearStatementPosition(&loop);
    EXPECT_EQ(run->FindStatementPosition(&loop), nullptr);
    EXPECT_EQ(run->FindStatementPosition(&late), lateRecord);
}

TEST_F(ContextTest, ScopesHoldOneReferenceEachAndAreSearchedInnermostFirst) {
    Load(";");
    CorvelExecutionContext* run = MakeContext();
    CorvelStandardObjectInstance* outer = new CorvelStandardObjectInstance();
    CorvelStandardObjectInstance* inner = new CorvelStandardObjectInstance();
    outer->AddRef();
    inner->AddRef();
    run->AddScope(outer);
    run->AddScope(inner);
    EXPECT_EQ(inner->GetReferenceCount(), 2);
    __QelPOSITION* at = run->GetScopeChainHeadPosition();
    EXPECT_EQ(run->GetNextScope(at), inner);
    EXPECT_EQ(run->GetNextScope(at), outer);
    EXPECT_EQ(at, nullptr);
    run->RemoveScope(inner);
    EXPECT_EQ(inner->GetReferenceCount(), 1);
    EXPECT_EQ(run->GetScopeCount(), 1);
    inner->Release();
    context.reset();  // the remaining scope goes with the context
    EXPECT_EQ(outer->GetReferenceCount(), 1);
    outer->Release();
}

TEST_F(ContextTest, VariablesExistBeforeTheirDeclarationRuns) {
    Load("before = typeof early;\n"
         "read = early;\n"
         "var early = 1;\n"
         "if (false) { var hidden = 2; }\n"
         "var kept;\n");
    script->globalObject->Put("kept", CorvelValue(7));
    while (!script->session->RunNextStatement()) {
    }
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("before"), "undefined");
    EXPECT_EQ(GlobalType("read"), CorvelValue::Undefined);
    EXPECT_TRUE(script->globalObject->HasProperty("hidden"));
    EXPECT_EQ(Global("kept"), "7");
}

// Contexts and activations of ended calls serve later calls, but what a
// call held (its `this`, arguments, locals, result) goes when it ends, as
// it would with the context: an object passed around by calls is left with
// only the references the script still has.
TEST_F(ContextTest, AnEndedCallHoldsNothingOfWhatItWasGiven) {
    Load("function f(a) { var b = a; return 0; }\n"
         "function g(a, b, c, d, e) { var f = this; return 0; }\n"
         "function h(n) { if (n == 0) return o; return h(n - 1); }\n"
         "o.f = f; o.g = g;\n"
         "h(30); made = new f(o); made = 0;\n"
         "o.f(o); f(o); o.g(1, 2, 3, 4, o);\n");
    CorvelStandardObjectInstance* object = new CorvelStandardObjectInstance();
    object->AddRef();
    script->globalObject->Put("o", CorvelValue((unsigned long)object->GetKey()));
    int before = object->GetReferenceCount();
    while (!script->session->RunNextStatement()) {
    }
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(object->GetReferenceCount(), before);
    script->globalObject->Put("o", CorvelValue::ms_undefined);
    EXPECT_EQ(object->GetReferenceCount(), 1);
    object->Release();
}

TEST_F(ContextTest, FunctionCodeSeesItsActivationAndTheGlobalObjectOnly) {
    Run("var shadow = 'global';\n"
        "function inner() { return typeof callerLocal; }\n"
        "function outer() { var callerLocal = 1; var shadow = 'local'; return inner(); }\n"
        "function self() { return this; }\n"
        "seen = outer();\n"
        "thisOfPlainCall = self() == this;\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("seen"), "undefined");
    EXPECT_EQ(Global("shadow"), "global");
    EXPECT_EQ(Global("thisOfPlainCall"), "true");
}

TEST_F(ContextTest, EvalCodeDeclaresInTheCallersInnermostScope) {
    Run("function f() { eval('var made = 4'); return made; }\n"
        "inside = f();\n"
        "outside = typeof made;\n"
        "eval('var top = 5');\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("inside"), "4");
    EXPECT_EQ(Global("outside"), "undefined");
    EXPECT_EQ(Global("top"), "5");
}

TEST_F(ContextTest, AnErrorEndsTheRunWithEverythingCleanedUp) {
    Load("o = new Object();\n"
         "with (o) { while (true) { x = missing + 1; } }\n");
    CorvelExecutionContext* run = MakeContext();
    EXPECT_EQ(run->Run(), CorvelStatus::Error);
    EXPECT_EQ(run->GetStatementPositionCount(), 0);
    EXPECT_EQ(run->GetScopeCount(), 0);
    EXPECT_EQ(Errors(), "test.js (2, -1) : Undefined indentifier 'missing'\n");
}

TEST_F(ContextTest, ForeignExceptionsAreReportedAsFatal) {
    Load("boom();\nafter = 1;\n");
    AddNative("boom", Throw);
    EXPECT_EQ(MakeContext()->Run(), CorvelStatus::Error);
    EXPECT_EQ(Errors(), " (-1, -1) : Fatal Runtime Error\n");
    EXPECT_EQ(GlobalType("after"), CorvelValue::Undefined);
}

TEST_F(ContextTest, BreakAndContinueOutsideLoopsEndTheRunAsThemselves) {
    Load("a = 1; break; b = 2;");
    EXPECT_EQ(MakeContext()->Run(), CorvelStatus::Break);
    EXPECT_EQ(GlobalType("b"), CorvelValue::Undefined);
    context.reset();
    Load("continue;");
    EXPECT_EQ(MakeContext()->Run(), CorvelStatus::Continue);
    EXPECT_EQ(Errors(), "");
}

TEST_F(ContextTest, AFinishedContextRunsItsCodeAgainFromTheStart) {
    Load("count = count + 1;");
    script->globalObject->Put("count", CorvelValue(0));
    CorvelExecutionContext* run = MakeContext();
    EXPECT_EQ(run->Run(), CorvelStatus::Normal);
    EXPECT_EQ(run->Run(), CorvelStatus::Normal);
    EXPECT_EQ(Global("count"), "2");
}

TEST_F(ContextTest, RunawayRecursionIsReportedOnceAndUnwindsSilently) {
    // Reported where the function is defined.
    Run("x = 1;\nfunction f() { return f(); }\nf();\nafter = 1;\n");
    EXPECT_EQ(Errors(), "test.js (2, -1) : Script calls nested too deeply\n");
    EXPECT_EQ(GlobalType("after"), CorvelValue::Undefined);

    // The same through construction, and inside a host call.
    harness.console.errors.clear();
    Run("function F() { return new F(); }\nnew F();\n");
    EXPECT_EQ(CountLines(Errors()), 1);
}

TEST_F(ContextTest, RecursionUpToTheLimitRuns) {
    // The outermost context is depth 0, so f(n) nests n + 1 contexts.
    int limit = harness.environment.GetLimits().maximumDepth;
    std::string text = "function f(n) { if (n == 0) return 0; return 1 + f(n - 1); }\nr = f(" +
                       std::to_string(limit - 1) + ");\n";
    Run(text.c_str());
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("r"), std::to_string(limit - 1));

    text = "function f(n) { if (n == 0) return 0; return 1 + f(n - 1); }\nr = f(" + std::to_string(limit) + ");\n";
    Run(text.c_str());
    EXPECT_EQ(Errors(), "test.js (1, -1) : Script calls nested too deeply\n");
}

// Sessions start with the environment's limits; a host may then give one
// session limits of its own.
TEST_F(ContextTest, HostsSetTheLimits) {
    CorvelEnvironment::Limits limits = harness.environment.GetLimits();
    limits.maximumDepth = 10;
    harness.environment.SetLimits(limits);
    Run("function f(n) { if (n == 0) return 0; return 1 + f(n - 1); }\na = f(9);\nb = f(10);\n");
    EXPECT_EQ(Global("a"), "9");
    EXPECT_EQ(CountLines(Errors()), 1);

    Load("function f(n) { if (n == 0) return 0; return 1 + f(n - 1); }\na = f(20);\nb = f(21);\n");
    EXPECT_EQ(script->session->GetMaximumDepth(), 10);
    script->session->SetMaximumDepth(21);
    harness.console.errors.clear();
    while (!script->session->RunNextStatement()) {
    }
    EXPECT_EQ(Global("a"), "20");
    EXPECT_EQ(CountLines(Errors()), 1);

    // A stack budget smaller than a few calls stops the recursion first.
    limits.maximumDepth = 1000;
    limits.stackBudget = 16 * 1024;
    harness.environment.SetLimits(limits);
    harness.console.errors.clear();
    Run("function f(n) { if (n == 0) return 0; return 1 + f(n - 1); }\nr = f(100);\n");
    EXPECT_EQ(Errors(), "test.js (1, -1) : Script calls nested too deeply\n");
}

// The parser eval makes takes the environment's nesting limit.
TEST_F(ContextTest, EvalParsesWithTheEnvironmentsNestingLimit) {
    CorvelEnvironment::Limits limits = harness.environment.GetLimits();
    limits.maximumNesting = 12;
    harness.environment.SetLimits(limits);
    // Each bracketed sum nests one level deeper.
    std::string sum = "1";
    for (int i = 0; i < 30; ++i) sum = "1+(" + sum + ")";
    Run(("a = eval('1 + 2');\nb = eval('" + sum + "');\n").c_str());
    EXPECT_EQ(Global("a"), "3");
    EXPECT_EQ(GlobalType("b"), CorvelValue::Undefined);
    EXPECT_EQ(CountLines(Errors()), 1);
}

// A conversion that calls script code runs in a session of its own, which
// keeps the limit of the script's session.
TEST_F(ContextTest, HostCallsInsideARunKeepItsLimits) {
    Load("function f(n) { if (n == 0) return 0; return 1 + f(n - 1); }\n"
         "function deep() { return f(depthWanted); }\n"
         "var o = new Object();\no.valueOf = deep;\nr = o + 0;\n");
    script->session->SetMaximumDepth(12);
    script->globalObject->Put("depthWanted", CorvelValue(30));
    while (!script->session->RunNextStatement()) {
    }
    EXPECT_EQ(CountLines(Errors()), 1);
    EXPECT_EQ(GlobalType("r"), CorvelValue::Undefined);
}
