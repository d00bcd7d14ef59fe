#include "CorvelExecutionHarness.h"
#include "CorvelStatementBlock.h"
#include "CorvelStatementList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class StatementTest : public CorvelExecutionHarness {};

}  // namespace

TEST_F(StatementTest, BlocksAnswerTheLastValueAStatementLeft) {
    Run("a = eval('var x = 5;');\n"
        "b = eval('1; ;');\n"
        "c = eval('2; if (true) ;');\n"
        "d = eval('3; var y;');\n"
        "e = eval('while (false) ;');\n"
        "f = eval('for (i = 0; i < 3; i++) i * 10;');\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("a"), "5");
    EXPECT_EQ(Global("b"), "1");
    EXPECT_EQ(Global("c"), "2");
    EXPECT_EQ(Global("d"), "3");  // y's value is undefined, which leaves none
    EXPECT_EQ(GlobalType("e"), CorvelValue::Undefined);
    EXPECT_EQ(Global("f"), "20");
}

TEST_F(StatementTest, AReturnAnswersItsOwnValue) {
    Run("function bare() { 5; return; }\n"
        "function inLoop() { for (var i = 0; ; i++) { if (i == 3) return i * 2; } }\n"
        "function ended() { 7; }\n"
        "a = bare(); b = inLoop(); c = ended();\n");
    EXPECT_EQ(GlobalType("a"), CorvelValue::Undefined);
    EXPECT_EQ(Global("b"), "6");
    EXPECT_EQ(GlobalType("c"), CorvelValue::Undefined);
}

TEST_F(StatementTest, AnEmptyBlockRunsAsNothing) {
    Load(";");
    CorvelExecutionContext context(script->session.get(), nullptr, CorvelExecutionContext::GlobalCode);
    context.SetReturnValue(CorvelValue(1));
    CorvelStatementBlock empty(nullptr, true);
    EXPECT_EQ(empty.RunStatement(&context), CorvelStatus::Normal);
    EXPECT_EQ(context.GetReturnValue().GetType(), CorvelValue::Undefined);
}

TEST_F(StatementTest, LoopsConsumeBreakAndContinue) {
    Run("n = 0;\n"
        "while (true) { n++; if (n == 3) break; }\n"
        "for (;;) { n++; if (n > 5) break; else continue; n = 100; }\n"
        "s = '';\n"
        "for (var i = (log('start'), 0); i < 5; i++) { if (i % 2) continue; s += i; }\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("n"), "6");
    EXPECT_EQ(Global("s"), "024");
    EXPECT_EQ(Journal(), "start;");
    EXPECT_EQ(Global("i"), "5");
}

TEST_F(StatementTest, ForInListsEnumerableNamesAsText) {
    Run("o = new Object(); o.a = 1; o.b = 2; o.c = 3;\n"
        "s = ''; for (p in o) s += p + typeof p;\n"
        "t = ''; for (var q in o) { if (q == 'a') break; t += q; }\n"
        "u = ''; for (var name in parseInt) u += name;\n"
        "before = typeof declared; for (var declared in o) ;\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("s"), "cstringastringbstring");
    EXPECT_EQ(Global("t"), "c");
    EXPECT_EQ(Global("u"), "");
    EXPECT_EQ(Global("before"), "undefined");
    EXPECT_EQ(Global("declared"), "b");

    // Over undefined or null it fails; a primitive enumerates its object.
    harness.console.errors.clear();
    Run("x = 1;\nfor (p in null) ;\n");
    EXPECT_EQ(Errors(), " (-1, -1) : Can't convert undefined, or null, to object\n");
}

TEST_F(StatementTest, WithPutsItsObjectInFrontForItsBodyOnly) {
    Run("o = new Object(); o.v = 'inner';\n"
        "with (o) { wait(0); a = v; v = 'changed'; }\n"
        "b = typeof v;\n"
        "c = o.v;\n");
    EXPECT_EQ(Global("a"), "inner");
    EXPECT_EQ(Global("b"), "undefined");
    EXPECT_EQ(Global("c"), "changed");
    EXPECT_EQ(script->session->GetContext()->GetScopeCount(), 0);

    // A failing body takes the scope away too.
    harness.console.errors.clear();
    Load("o = new Object();\nwith (o) { missing; }\n");
    CorvelExecutionContext context(script->session.get(), script->parser.GetTree(),
                                   CorvelExecutionContext::GlobalCode);
    EXPECT_EQ(context.Run(), CorvelStatus::Error);
    EXPECT_EQ(context.GetScopeCount(), 0);
}

TEST_F(StatementTest, VarDeclaresInTheCodesOwnScope) {
    Run("x = 'global';\n"
        "function f() { var x; x = 'local'; return x; }\n"
        "function g() { if (false) { var y = 1; } return typeof y; }\n"
        "a = f(); b = g();\n");
    EXPECT_EQ(Global("x"), "global");
    EXPECT_EQ(Global("a"), "local");
    EXPECT_EQ(Global("b"), "undefined");
}

// Each construct suspends in the middle and resumes where it stopped:
// nothing before the suspension runs twice, nothing after it is skipped.
TEST_F(StatementTest, EveryConstructResumesWhereItStopped) {
    const char* cases[][2] = {
        {"log(1); log(2); wait(0); log(3); log(4);", "1;2;3;4;"},
        {"var a = log(1), b = w(2), c = log(3);", "1;w2;3;"},
        {"if (w(1)) log('then'); else log('else');", "w1;then;"},
        {"if (log(0)) log('then'); else { wait(0); log('else'); }", "0;else;"},
        {"if (log(1)) { wait(0); log('then'); }", "1;then;"},
        {"i = 0; while (w(i) < 2) { i++; log(i); }", "w0;1;w1;2;w2;"},
        {"i = 0; while (i < 2) { log(i); wait(0); i++; }", "0;1;"},
        {"for (var i = w(0); i < 2; i++) log(i);", "w0;0;1;"},
        {"for (var i = 0, j = w(5); i < 2; i++) log(i + j);", "w5;5;6;"},
        {"for (i = 0; w(i) < 2; i++) log(i);", "w0;0;w1;1;w2;"},
        {"for (i = 0; i < 2; i = w(i + 1)) log(i);", "0;w1;1;w2;"},
        {"for (i = 0; i < 2; i++) { wait(0); log(i); }", "0;1;"},
        {"o = new Object(); o.a = 1; o.b = 2; for (p in w(o)) log(p);", "w[object Object];a;b;"},
        {"o = new Object(); o.a = 1; o.b = 2; for (p in o) { wait(0); log(p); }", "a;b;"},
        {"o = new Object(); o.a = 1; for (var p = w('init') in o) log(p);", "winit;a;"},
        {"k = new Object(); o = new Object(); o.a = 1; o.b = 2; for (k[w('key')] in o) log(k.key);",
         "wkey;a;wkey;b;"},
        {"o = new Object(); o.v = 'in'; with (w(o)) log(v);", "w[object Object];in;"},
        {"function f() { log('f'); wait(0); return w(7); } log(f());", "f;w7;7;"},
        {"function F() { this.v = w(3); } log(new F().v);", "w3;3;"},
        {"log(w(1) ? w('yes') : 'no');", "w1;wyes;yes;"},
        {"eval('log(1); wait(0); log(2);');", "1;2;"},
    };
    for (const auto& test : cases) {
        std::string text = std::string("function w(v) { log('w' + v); wait(0); return v; }\n") + test[0];
        Journal().clear();
        harness.console.errors.clear();
        int slices = Run(text.c_str());
        EXPECT_GT(slices, 0) << test[0];
        EXPECT_EQ(Journal(), test[1]) << test[0];
        EXPECT_EQ(Errors(), "") << test[0];
        EXPECT_EQ(script->session->GetContext()->GetStatementPositionCount(), 0) << test[0];
    }
}

TEST_F(StatementTest, LoopsYieldingToTheHostKeepTheirPlace) {
    // A wait in every iteration never ends a loop by itself.
    Load("n = 0; while (true) { wait(1); if (++n == 3) break; }\nafter = n;\n");
    int slices = 0;
    while (!script->session->RunNextStatement()) {
        ++slices;
        Now() += 1000;
    }
    EXPECT_EQ(slices, 3);
    EXPECT_EQ(Global("after"), "3");
}
