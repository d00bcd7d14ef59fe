// Suspending in the middle of assignments, calls and constructions: what
// was evaluated before the suspension is not evaluated again, what is kept
// is read again where the language reads it again, and the order of the
// steps is the order of an evaluation that never stops.
#include "CorvelConstant.h"
#include "CorvelExecutionHarness.h"
#include "CorvelExpressionList.h"
#include "CorvelFunctionCall.h"
#include "CorvelIdentifier.h"
#include "CorvelMessages.h"
#include "CorvelNew.h"
#include "CorvelRaised.h"
#include "PlatformKeyboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ResumptionTest : public CorvelExecutionHarness {
protected:
    // Runs `text` after a definition of w(v), which logs "wv", waits and
    // answers v; checks that the run suspended, failed nowhere and left no
    // record behind.
    void RunWaiting(const std::string& text) {
        std::string script = "function w(v) { log('w' + v); wait(0); return v; }\n" + text;
        harness.console.errors.clear();
        EXPECT_GT(Run(script.c_str()), 0) << text;
        EXPECT_EQ(Errors(), "") << text;
        EXPECT_EQ(this->script->session->GetContext()->GetStatementPositionCount(), 0) << text;
    }

    // Runs `script` to its end with Escape held, so that every loop
    // iteration and call may hand control back; answers the yields.
    static int RunWithEscapeHeld(CorvelRunHarness::Script& script) {
        PlatformSetKeyDown(PlatformKeyEscape, true);
        int yields = script.RunToEnd();
        PlatformSetKeyDown(PlatformKeyEscape, false);
        return yields;
    }

};

// Targets and values that suspend: each part runs once, the target before
// the value, and the store happens once at the end.
TEST_F(ResumptionTest, AssignmentsResumeWithTheirTargetKept) {
    const char* cases[][3] = {
        {"o[w('p')] = w(3); r = o.p;", "wp;w3;", "3"},
        {"o[w('p')] += w(2); r = o.p;", "wp;w2;", "3"},
        {"o[w('p')] -= w(2); r = o.p;", "wp;w2;", "-1"},
        {"o[w('p')] <<= w(3); r = o.p;", "wp;w3;", "8"},
        {"r = o[w('p')]++; r = r + ',' + o.p;", "wp;", "1,2"},
        {"r = --o[w('p')]; r = r + ',' + o.p;", "wp;", "0,0"},
        {"r = delete o[w('p')]; r = r + ',' + typeof o.p;", "wp;", "true,undefined"},
        {"r = typeof o[w('p')];", "wp;", "number"},
        {"r = typeof o[w('missing')];", "wmissing;", "undefined"},
        {"x = w(7); r = x;", "w7;", "7"},
        {"x = 10; x -= w(4); r = x;", "w4;", "6"},
        {"r = (log('first'), w(2));", "first;w2;", "2"},
        {"r = w(0) || w('right');", "w0;wright;", "right"},
        {"r = w(1) && w(0) && log('never');", "w1;w0;", "0"},
    };
    for (const auto& test : cases) {
        RunWaiting(std::string("o = new Object(); o.p = 1;\n") + test[0]);
        EXPECT_EQ(Journal(), test[1]) << test[0];
        EXPECT_EQ(Global("r"), test[2]) << test[0];
    }
}

// The left operand is kept as evaluated: a name or property is read again
// when the evaluation resumes, so a change made meanwhile is seen; without
// a suspension it is read once, before the right operand runs.
TEST_F(ResumptionTest, AKeptOperandIsReadAgainAfterTheSuspension) {
    const char* setup = "function f(pause) { x = 10; o.p = 10; if (pause) wait(0); return 2; }\n"
                        "o = new Object();\n";
    const char* cases[][2] = {
        {"x = 1; x += f(true); r = x;", "12"},
        {"x = 1; x += f(false); r = x;", "3"},
        {"o.p = 1; o.p *= f(true); r = o.p;", "20"},
        {"o.p = 1; o.p *= f(false); r = o.p;", "2"},
        {"x = 1; r = x - f(true);", "8"},
        {"x = 1; r = x - f(false);", "-1"},
    };
    for (const auto& test : cases) {
        harness.console.errors.clear();
        Run((std::string(setup) + test[0]).c_str());
        EXPECT_EQ(Errors(), "") << test[0];
        EXPECT_EQ(Global("r"), test[1]) << test[0];
    }
    // The target's scope is found before the right operand runs: a
    // property the right operand adds to a `with` object is not the target.
    for (const char* value : {"w('value')", "'value'"}) {
        std::string text = std::string("o = new Object();\nfunction f() { o.p = 'f'; return ") + value +
                           "; }\nwith (o) { p = f(); }\nr = p + ',' + o.p;\n";
        harness.console.errors.clear();
        Run(("function w(v) { wait(0); return v; }\n" + text).c_str());
        EXPECT_EQ(Errors(), "") << text;
        EXPECT_EQ(Global("r"), "value,f") << text;
    }
}

// A call reads its callee after the arguments, `new` before them; both
// resume their arguments in place and call once.
TEST_F(ResumptionTest, CallsAndConstructionsReadTheirCalleeInOrder) {
    RunWaiting("function f() { return 'old'; }\nfunction g() { return 'new'; }\n"
               "function swap() { f = g; return w(1); }\n"
               "r = f(swap());\n");
    EXPECT_EQ(Global("r"), "new");

    RunWaiting("function F() { this.v = 'old'; }\nfunction G() { this.v = 'new'; }\n"
               "function swap() { F = G; return w(1); }\n"
               "r = new F(swap()).v;\n");
    EXPECT_EQ(Global("r"), "old");

    RunWaiting("function F(a, b, c) { log('F', a, b, c); this.sum = a + b + c; }\n"
               "r = new F(log(1), w(2), log(3)).sum;\n");
    EXPECT_EQ(Journal(), "1;w2;3;F,1,2,3;");
    EXPECT_EQ(Global("r"), "6");

    // A method called with a suspending argument still gets its object.
    RunWaiting("o = new Object(); o.tag = 'mine';\n"
               "function m(v) { return this.tag + v; }\no.m = m;\n"
               "r = o.m(w(5));\n");
    EXPECT_EQ(Global("r"), "mine5");

    // Failures keep their own messages after a suspension.
    harness.console.errors.clear();
    Run("function w(v) { wait(0); return v; }\nx = 1;\nx(w(1));\n");
    EXPECT_EQ(Errors(), "test.js (3, -1) : Called object not a function\n");
    harness.console.errors.clear();
    Run("function w(v) { wait(0); return v; }\nx = 1;\nnew x(w(1));\n");
    EXPECT_EQ(Errors(), "test.js (3, -1) : new used on a non-object\n");
}

// A record of another kind found for a call or a construction is an
// internal error, each with its own message.
TEST_F(ResumptionTest, AForeignRecordForACallIsAnInternalError) {
    Load(";");
    CorvelExecutionContext context(script->session.get(), nullptr, CorvelExecutionContext::GlobalCode);
    context.AddScope(script->globalObject);
    CorvelFunctionCall call(new CorvelIdentifier("log"), new CorvelExpressionList(new CorvelConstant(1)));
    CorvelNew construction(new CorvelIdentifier("Object"), nullptr);
    CorvelValue result;
    context.GetIntegerStatementPosition(&call);
    EXPECT_EQ(RaisedId([&] { call.Evaluate(result, &context); }), CorvelMessages::InternalFunctionCall);
    context.ClearStatementPosition(&call);
    context.GetIntegerStatementPosition(&construction);
    EXPECT_EQ(RaisedId([&] { construction.Evaluate(result, &context); }), CorvelMessages::InternalNew);
    context.ClearStatementPosition(&construction);

    // Without a record both complete at once and leave none.
    EXPECT_EQ(call.Evaluate(result, &context), CorvelStatus::Normal);
    EXPECT_EQ(construction.Evaluate(result, &context), CorvelStatus::Normal);
    EXPECT_EQ(result.GetType(), CorvelValue::Object);
    EXPECT_EQ(context.GetStatementPositionCount(), 0);
}

// Operators on two numbers take a shorter way than on converted operands;
// both must agree, down to the sign of zero, NaN and the type.
TEST_F(ResumptionTest, NumbersComputeAsConvertedOperandsDo) {
    const char* numbers[] = {"0", "-0", "1", "-1.5", "7", "0/0", "1/0", "-1/0"};
    const char* operators[] = {"+", "-", "*", "/", "%", "==", "!=", "<", "<=", ">", ">="};
    std::string text = "bad = '';\n"
                       "function same(a, b) {\n"
                       "  if (typeof a != typeof b) return false;\n"
                       "  if (a != a) return b != b;\n"
                       "  if (a == 0 && b == 0 && typeof a == 'number') return 1 / a == 1 / b;\n"
                       "  return a == b;\n"
                       "}\n"
                       "function check(name, a, b) { if (!same(a, b)) bad = bad + name + ' gives ' + a + '; '; }\n";
    for (const char* x : numbers)
        for (const char* y : numbers)
            for (const char* op : operators) {
                std::string left = std::string("(") + x + ")", right = std::string("(") + y + ")";
                std::string name = left + " " + op + " " + right;
                text += "check('" + name + "', " + name + ", " + left + " " + op + " new Number" + right + ");\n";
            }
    harness.console.errors.clear();
    Run(text.c_str());
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("bad"), "");
}

// Escape held makes every loop iteration and call hand control back, so
// the operators and calls around them suspend at many more places.
TEST_F(ResumptionTest, OperatorsAroundYieldingCallsComputeAsWithoutYields) {
    const char* text = "function slow(v) { for (var i = 0; i < 250; i++) ; return v; }\n"
                       "function Box(v) { this.v = v; }\n"
                       "o = new Object(); o.n = 1;\n"
                       "o.n += slow(10);\n"
                       "a = slow(6) * slow(3) - (o.n || slow(2));\n"
                       "b = new Box(slow(15), slow(1)).v;\n"
                       "c = o[slow(1) > 0 ? 'n' : 'm']++;\n"
                       "d = typeof slow(1);\n"
                       "e = slow(0) || slow('x');\n";
    CorvelRunHarness::Script script(harness, text);
    ASSERT_TRUE(script.parsed);
    int yields = RunWithEscapeHeld(script);
    EXPECT_GE(yields, 10);
    EXPECT_EQ(harness.console.errors, "");
    EXPECT_EQ(script.Global("a").GetNumber(), 7);
    EXPECT_EQ(script.Global("b").GetNumber(), 15);
    EXPECT_EQ(script.Global("c").GetNumber(), 11);
    EXPECT_EQ(script.Global("o").GetObject()->Get("n").GetNumber(), 12);
    EXPECT_EQ(std::string(script.Global("d").GetString()), "number");
    EXPECT_EQ(std::string(script.Global("e").GetString()), "x");
}

// Calls of script functions by name with plain arguments: a yield at a
// call's start or deep in the recursion below it neither repeats nor loses
// a call, and `this` is the scope the name was found in, as without yields.
TEST_F(ResumptionTest, RecursiveCallsByNameComputeAsWithoutYields) {
    const char* text = "var calls = 0;\n"
                       "function fib(n) { calls++; if (n < 2) return n; return fib(n - 1) + fib(n - 2); }\n"
                       "function m(k) { return this.base + k; }\n"
                       "o = new Object(); o.base = 40; o.m = m; base = 5;\n"
                       "a = fib(16);\n"
                       "with (o) b = m(2);\n"
                       "c = m(1);\n";
    CorvelRunHarness::Script script(harness, text);
    ASSERT_TRUE(script.parsed);
    int yields = RunWithEscapeHeld(script);
    EXPECT_GE(yields, 20);
    EXPECT_EQ(harness.console.errors, "");
    EXPECT_EQ(script.Global("a").GetNumber(), 987);
    EXPECT_EQ(script.Global("calls").GetNumber(), 3193);
    EXPECT_EQ(script.Global("b").GetNumber(), 42);
    EXPECT_EQ(script.Global("c").GetNumber(), 6);
}

}  // namespace
