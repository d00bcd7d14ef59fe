#include "CorvelExecutionHarness.h"
#include "CorvelGlobalObject.h"
#include "CorvelMessages.h"
#include "CorvelObjectTable.h"
#include "CorvelSession.h"
#include "PlatformKeyboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SessionTest : public CorvelExecutionHarness {
protected:
    void ExpectAHostStopSilentlyAfterBefore();
    void TearDown() override {
        PlatformSetKeyDown(PlatformKeyEscape, false);
        CorvelExecutionHarness::TearDown();
    }

    // One slice at the current time.
    bool Slice() { return script->session->RunNextStatement(); }

    // With Escape held, asks until the shared counter has just been reset,
    // so that the next yield comes on the 101st check from now.
    static void SynchroniseAbortCounter(CorvelSession& session) {
        PlatformSetKeyDown(PlatformKeyEscape, true);
        for (int i = 0; i < 200 && session.GetAbortStatus() != CorvelSession::AbortYield; ++i) {
        }
    }
};

// A host session that counts the ends it is told about and may stop loops.
class HostSession : public CorvelSession {
public:
    HostSession(CorvelStatementList* statements, CorvelGlobalObject* global, CorvelConsole* console)
        : CorvelSession(statements, global, nullptr, console) {}
    AbortStatus GetAbortStatus() override { return stop ? AbortScript : AbortNone; }

    int finished = 0;
    bool stop = false;

protected:
    void ScriptFinished() override { ++finished; }
};

// A host whose abort check asks to stop ends the loaded script at the
// check, after it logged "before", without an error.
void SessionTest::ExpectAHostStopSilentlyAfterBefore() {
    HostSession session(script->parser.GetTree(), script->globalObject, &harness.console);
    session.stop = true;
    EXPECT_TRUE(session.RunNextStatement());
    EXPECT_EQ(Journal(), "before;");
    EXPECT_EQ(session.finished, 1);
    EXPECT_EQ(Errors(), "");
}

}  // namespace

TEST_F(SessionTest, AWaitHoldsTheSlicesBackForItsDelay) {
    Load("log(1); wait(2); log(2);");
    EXPECT_EQ(script->session->GetWaitRemaining(), 0);
    // The clock reads 0: a wait that starts then is a wait all the same.
    EXPECT_FALSE(Slice());
    EXPECT_EQ(Journal(), "1;");
    EXPECT_EQ(script->session->GetRunningState(), CorvelSession::Running);
    EXPECT_EQ(script->session->GetWaitRemaining(), 2000);
    Now() = 1999;
    EXPECT_FALSE(Slice());
    EXPECT_EQ(script->session->GetWaitRemaining(), 1);
    EXPECT_EQ(Journal(), "1;");
    Now() = 2000;
    EXPECT_EQ(script->session->GetWaitRemaining(), 0);
    EXPECT_TRUE(Slice());
    EXPECT_EQ(Journal(), "1;2;");
    EXPECT_EQ(script->session->GetRunningState(), CorvelSession::Finished);
    // A finished script stays finished.
    EXPECT_TRUE(Slice());
    EXPECT_EQ(Journal(), "1;2;");
}

TEST_F(SessionTest, TheWaitDelayIsCountedAcrossTheClocksWrap) {
    Now() = 0xFFFFFF00u;
    Load("wait(1); log('done');");
    EXPECT_FALSE(Slice());
    Now() = 0xFFFFFF00u + 999;  // wrapped past zero
    EXPECT_FALSE(Slice());
    Now() = 0xFFFFFF00u + 1000;
    EXPECT_TRUE(Slice());
    EXPECT_EQ(Journal(), "done;");
}

TEST_F(SessionTest, WaitZeroSuspendsOnceAndResumesOnTheNextSlice) {
    Load("log('a'); wait(0); log('b');");
    EXPECT_FALSE(Slice());
    EXPECT_EQ(Journal(), "a;");
    EXPECT_TRUE(Slice());
    EXPECT_EQ(Journal(), "a;b;");
}

TEST_F(SessionTest, AScriptWithoutStatementsFinishesOnTheFirstSlice) {
    Load("function f() {}");
    HostSession session(nullptr, script->globalObject, &harness.console);
    EXPECT_TRUE(session.RunNextStatement());
    EXPECT_EQ(session.finished, 1);
    EXPECT_EQ(session.GetRunningState(), CorvelSession::Finished);
    HostSession empty(script->parser.GetTree(), script->globalObject, &harness.console);
    EXPECT_TRUE(empty.RunNextStatement());
    EXPECT_EQ(empty.finished, 1);
}

TEST_F(SessionTest, OneShotRunStopsAtAWaitAndSlicesStartAgain) {
    Load("log(1); wait(1); log(2);");
    script->session->Run();
    EXPECT_EQ(Journal(), "1;");
    EXPECT_EQ(script->session->GetRunningState(), CorvelSession::NotStarted);
    script->session->Run();
    EXPECT_EQ(Journal(), "1;1;");
    EXPECT_FALSE(Slice());
    EXPECT_EQ(Journal(), "1;1;1;");
}

TEST_F(SessionTest, HoldingEscapeMakesLoopsYieldEvery101Checks) {
    Load("for (var i = 0; i < 1000; i++) ;\nj = 0;\nwhile (j < 300) j++;\nn = 0;\n"
         "o = new Object(); o.a = 1; o.b = 2; o.c = 3;\nfor (var p in o) n++;\n");
    SynchroniseAbortCounter(*script->session);
    int slices = 0;
    while (!Slice()) ++slices;
    // 1001 checks in the for loop, 301 in the while loop, 3 in for-in; the
    // 101st, 202nd, ... check yields, and each yield checks again when the
    // loop resumes: 1318 checks, 13 yields.
    EXPECT_EQ(slices, 13);
    EXPECT_EQ(Global("i"), "1000");
    EXPECT_EQ(Global("j"), "300");
    EXPECT_EQ(Global("n"), "3");
    EXPECT_EQ(Errors(), "");
}

// Recursion without loops yields at its calls, and a yielded call resumes
// without running anything twice.
TEST_F(SessionTest, HoldingEscapeMakesScriptCallsYieldToo) {
    Load("function fib(n) { if (n < 2) return n; return fib(n - 1) + fib(n - 2); }\n"
         "log('start'); r = fib(15); log('end');\n");
    SynchroniseAbortCounter(*script->session);
    int slices = 0;
    while (!Slice()) ++slices;
    // fib(15) makes 1973 calls, one check each, and a yielded call checks
    // again when it is made on resumption.
    EXPECT_EQ(slices, 19);
    EXPECT_EQ(Global("r"), "610");
    EXPECT_EQ(Journal(), "start;end;");
    EXPECT_EQ(Errors(), "");
}

TEST_F(SessionTest, AHostMayStopALoopSilently) {
    Load("log('before'); while (true) log('loop'); log('after');");
    ExpectAHostStopSilentlyAfterBefore();
}

TEST_F(SessionTest, ErrorsAreReportedAsOneLineOnTheErrorsPane) {
    EXPECT_EQ(Run("x = 1;\n\ny = undefinedName + 1;\nlog('not reached');\n"), 0);
    EXPECT_EQ(Errors(), "test.js (3, -1) : Undefined indentifier 'undefinedName'\n");
    EXPECT_EQ(Journal(), "");
    EXPECT_EQ(script->session->GetRunningState(), CorvelSession::Finished);

    // The dereference of a lone name is outside the statement's stamping.
    harness.console.errors.clear();
    Run("x = 1;\nundefinedName;\n");
    EXPECT_EQ(Errors(), " (-1, -1) : Undefined indentifier 'undefinedName'\n");

    // Aborts are not shown; without a console nothing is.
    harness.console.errors.clear();
    CorvelRuntimeException silent(CorvelMessages::FunctionAbort), stopped(CorvelMessages::UserAbort);
    script->session->ReportRuntimeError(&silent);
    script->session->ReportRuntimeError(&stopped);
    EXPECT_EQ(Errors(), "");
    CorvelSession unheard(nullptr, script->globalObject, nullptr, nullptr);
    CorvelRuntimeException shown(CorvelMessages::NotAFunction);
    unheard.ReportRuntimeError(&shown);
    EXPECT_EQ(Errors(), "");
}

TEST_F(SessionTest, CallFunctionCallsFromHostCode) {
    Load("function add(a, b) { return a + b; }\n"
         "function self() { return this; }\n"
         "function nothing() { }\n"
         "function fail() { return missing; }\n");
    CorvelObject* add = CorvelObjectTable::FindObject(script->Global("add").ForceGetObjectKey());
    CorvelObject* self = CorvelObjectTable::FindObject(script->Global("self").ForceGetObjectKey());
    CorvelObject* nothing = CorvelObjectTable::FindObject(script->Global("nothing").ForceGetObjectKey());
    CorvelObject* fail = CorvelObjectTable::FindObject(script->Global("fail").ForceGetObjectKey());

    CorvelValue arguments[2] = {CorvelValue(2), CorvelValue(3)};
    CorvelValue result;
    CorvelSession::CallFunction(add, arguments, 2, nullptr, script->globalObject, &result);
    EXPECT_EQ(Text(result), "5");

    // Without a `this` the global object stands in, a temporary one when
    // the host gives none.
    CorvelSession::CallFunction(self, nullptr, 0, nullptr, script->globalObject, &result);
    EXPECT_EQ(result.ForceGetObjectKey(), script->globalObject->GetKey());
    CorvelSession::CallFunction(self, nullptr, 0, nullptr, nullptr, &result);
    EXPECT_EQ(result.GetType(), CorvelValue::Object);
    EXPECT_NE(result.ForceGetObjectKey(), script->globalObject->GetKey());
    CorvelSession::CallFunction(self, nullptr, 0, add, nullptr, &result);
    EXPECT_EQ(result.ForceGetObjectKey(), add->GetKey());

    result = CorvelValue(1);
    CorvelSession::CallFunction(nothing, nullptr, 0, nullptr, nullptr, &result);
    EXPECT_EQ(result.GetType(), CorvelValue::Undefined);
    CorvelSession::CallFunction(nullptr, nullptr, 0, nullptr, nullptr, &result);
    EXPECT_EQ(result.GetType(), CorvelValue::Undefined);

    // A failing function reaches the host as the silent abort, unprinted.
    uint32_t raised = 0;
    try {
        CorvelSession::CallFunction(fail, nullptr, 0, nullptr, nullptr, &result);
    } catch (CorvelRuntimeException* exception) {
        raised = exception->GetMessageId();
        delete exception;
    }
    EXPECT_EQ(raised, (uint32_t)CorvelMessages::FunctionAbort);
    EXPECT_EQ(Errors(), "");
}

// A host's stop reaches recursion that has no loop in it, through the check
// at every script function call.
TEST_F(SessionTest, AHostMayStopRecursionWithoutLoops) {
    Load("function down(n) { log(n); return down(n + 1); }\nlog('before'); down(0); log('after');");
    ExpectAHostStopSilentlyAfterBefore();
}

// A conversion runs valueOf and toString in a session of its own; what
// happens there is still the converting script's business.
TEST_F(SessionTest, ConversionsReportToAndStopWithTheConvertingScript) {
    // An error is reported once, on the console of the converting session.
    EXPECT_EQ(Run("function broken() {\n  var y = missing + 1;\n  return y;\n}\n"
                  "o = new Object(); o.valueOf = broken;\nx = o * 2;\nlog('not reached');\n"),
              0);
    EXPECT_EQ(Errors(), "test.js (2, -1) : Undefined indentifier 'missing'\n");
    EXPECT_EQ(Journal(), "");

    // The host's stop reaches a loop inside the conversion.
    harness.console.errors.clear();
    Load("function spin() { while (true) ; }\no = new Object(); o.valueOf = spin;\n"
         "log('before'); x = o + 1; log('after');");
    HostSession session(script->parser.GetTree(), script->globalObject, &harness.console);
    session.stop = true;
    EXPECT_TRUE(session.RunNextStatement());
    EXPECT_EQ(Journal(), "before;");
    EXPECT_EQ(Errors(), "");

    // Escape cannot leave a conversion half done: its loops carry on.
    Load("function count() { var n = 0; for (var i = 0; i < 500; i++) n++; return n; }\n"
         "o = new Object(); o.valueOf = count; r = o + 0;");
    SynchroniseAbortCounter(*script->session);
    int slices = 0;
    while (!Slice()) ++slices;
    EXPECT_EQ(slices, 0);
    EXPECT_EQ(Global("r"), "500");
    EXPECT_EQ(Errors(), "");
}

// Native code that calls itself through conversions ends with "Script calls
// nested too deeply", also when a host starts it with no script running.
TEST_F(SessionTest, NativeRecursionEndsInAnErrorNotACrash) {
    EXPECT_EQ(Run("log('start');\na = new Array(); a[0] = a; a.join();\nlog('not reached');\n"), 0);
    EXPECT_EQ(Journal(), "start;");
    EXPECT_EQ(Errors(), "test.js (2, -1) : Script calls nested too deeply\n");

    Load("a = new Array(); a[0] = a;");
    EXPECT_TRUE(Slice());
    CorvelObject* array = CorvelObjectTable::FindObject(script->Global("a").ForceGetObjectKey());
    ASSERT_NE(array, nullptr);
    CorvelValue join(array->Get("join"));
    uint32_t raised = 0;
    try {
        CorvelValue result;
        CorvelSession::CallFunction(join.ForceGetObject(), nullptr, 0, array, nullptr, &result);
    } catch (CorvelRuntimeException* exception) {
        raised = exception->GetMessageId();
        delete exception;
    }
    EXPECT_EQ(raised, (uint32_t)CorvelMessages::CallsNestedTooDeeply);
}

// A session may run without a global object: a name no scope has is then
// written nowhere, and reading it is the usual run-time error.
TEST_F(SessionTest, ASessionWithoutGlobalObjectWritesUnknownNamesNowhere) {
    Load("x = 1; y = x;");
    CorvelSession session(script->parser.GetTree(), nullptr, nullptr, &harness.console);
    while (!session.RunNextStatement()) {
    }
    EXPECT_NE(Errors().find("Undefined indentifier 'x'"), std::string::npos) << Errors();
}
