#include "CorvelExecutionHarness.h"
#include "CorvelIdentifier.h"
#include "CorvelObjectTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class EvaluateTest : public CorvelExecutionHarness {
protected:
    std::string Failure(const char* text) {
        harness.console.errors.clear();
        Run(text);
        return Errors();
    }
};

}  // namespace

TEST_F(EvaluateTest, NamesResolveInTheInnermostScopeThatHasThem) {
    Run("o = new Object(); o.v = 'inner'; v = 'outer';\n"
        "with (o) { a = v; o2 = o; }\n"
        "b = v;\n");
    EXPECT_EQ(Global("a"), "inner");
    EXPECT_EQ(Global("b"), "outer");

    // Resolution alone never fails: an unresolved name has no base.
    Load(";");
    CorvelExecutionContext context(script->session.get(), nullptr, CorvelExecutionContext::GlobalCode);
    context.AddScope(script->globalObject);
    CorvelIdentifier name("nowhere");
    CorvelValue reference;
    EXPECT_EQ(name.Evaluate(reference, &context), CorvelStatus::Normal);
    EXPECT_EQ(reference.GetType(), CorvelValue::Reference);
    EXPECT_EQ(reference.GetBaseObjectKey(), 0ul);
    EXPECT_STREQ(reference.GetPropertyName(), "nowhere");
}

TEST_F(EvaluateTest, UndeclaredNamesFailOnlyWhenRead) {
    EXPECT_EQ(Failure("target = 1;\n"), "");
    EXPECT_EQ(Failure("x = 1;\ny = missing;\n"), "test.js (2, -1) : Undefined indentifier 'missing'\n");
    EXPECT_EQ(Failure("x = 1;\nmissing;\n"), " (-1, -1) : Undefined indentifier 'missing'\n");
    // An if condition stamps the position of its statement.
    std::string stamped = Failure("x = 1;\nif (missing) x = 2;\n");
    EXPECT_EQ(stamped.compare(0, 9, "test.js ("), 0) << stamped;
    EXPECT_NE(stamped.find(", -1) : Undefined indentifier 'missing'\n"), std::string::npos) << stamped;
    EXPECT_EQ(stamped.find("(-1"), std::string::npos) << stamped;
}

TEST_F(EvaluateTest, MemberSelectionConvertsTheBaseAfterBothParts) {
    EXPECT_EQ(Failure("u = null;\nr = u[log('member')];\n"),
              "test.js (2, -1) : Can't convert undefined, or null, to object\n");
    EXPECT_EQ(Journal(), "member;");
    Run("o = new Object(); o.p = 'dot'; o['q r'] = 'bracket'; o[1] = 'one';\n"
        "a = o.p; b = o['q' + ' r']; c = o[0 + 1]; d = 'text'.length;\n");
    EXPECT_EQ(Global("a"), "dot");
    EXPECT_EQ(Global("b"), "bracket");
    EXPECT_EQ(Global("c"), "one");
    EXPECT_EQ(Global("d"), "4");
}

TEST_F(EvaluateTest, ConditionalsEvaluateOneBranch) {
    Run("a = 1 ? log('yes') : log('no');\nb = '' ? log('yes') : log('no');\n");
    EXPECT_EQ(Journal(), "yes;no;");
    EXPECT_EQ(Global("a"), "yes");
}

TEST_F(EvaluateTest, CallsPassTheirBaseAsThis) {
    Run("function who() { return this.name; }\n"
        "function viaLocal() { var g = who; return g(); }\n"
        "o = new Object(); o.name = 'o'; o.who = who;\n"
        "name = 'global';\n"
        "a = o.who(); b = o['who'](); c = who(); d = viaLocal();\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("a"), "o");
    EXPECT_EQ(Global("b"), "o");
    EXPECT_EQ(Global("c"), "global");
    EXPECT_EQ(Global("d"), "global");
}

TEST_F(EvaluateTest, CallResultsAndFailures) {
    Run("function none() { }\nr = eval('none()');\ns = 'before';\nt = eval('5; none();');\n");
    EXPECT_EQ(GlobalType("r"), CorvelValue::Undefined);
    EXPECT_EQ(Global("t"), "5");
    EXPECT_EQ(Failure("x = 1;\nx();\n"), "test.js (2, -1) : Called object not a function\n");
    EXPECT_EQ(Failure("f = 1;\n\nr = f(log('argument'));\n"), "test.js (3, -1) : Called object not a function\n");
    EXPECT_EQ(Journal(), "argument;");
    // An object without call behaviour answers nothing.
    harness.console.errors.clear();
    Run("o = new Object();\nr = o();\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(GlobalType("r"), CorvelValue::Undefined);
}

TEST_F(EvaluateTest, ArgumentsAreEvaluatedOnceEvenAcrossSuspensions) {
    EXPECT_EQ(Run("function a() { log('a'); return 1; }\n"
                  "function b() { log('b'); wait(0); log('b resumed'); return 2; }\n"
                  "function f(x, y) { log('f', x, y); return x + y; }\n"
                  "r = f(a(), b());\n"),
              1);
    EXPECT_EQ(Journal(), "a;b;b resumed;f,1,2;");
    EXPECT_EQ(Global("r"), "3");

    // Many arguments, one of them suspending.
    Run("function w(v) { wait(0); return v; }\n"
        "function sum(a, b, c, d, e, f, g) { return a + b + c + d + e + f + g; }\n"
        "r = sum(1, 2, 3, w(4), 5, 6, w(7));\n");
    EXPECT_EQ(Global("r"), "28");

    // A callee that suspends still reads its arguments afterwards.
    Run("function late() { wait(0); return arguments[0] + arguments[1] + arguments.length; }\n"
        "function Late() { wait(0); this.v = arguments[0]; }\n"
        "r = late('x', 'y');\ns = new Late('z').v;\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("r"), "xy2");
    EXPECT_EQ(Global("s"), "z");
}

TEST_F(EvaluateTest, CalleesAndMembersSuspendInPlace) {
    Run("function w(v) { log('w', v); wait(0); return v; }\n"
        "function id(v) { return v; }\n"
        "o = new Object(); o.p = 'value'; o.id = id;\n"
        "a = o[w('p')];\n"
        "b = (w(1) ? id : 0)('chosen');\n"
        "c = w(o).id('method');\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Journal(), "w,p;w,1;w,[object Object];");
    EXPECT_EQ(Global("a"), "value");
    EXPECT_EQ(Global("b"), "chosen");
    EXPECT_EQ(Global("c"), "method");
}

TEST_F(EvaluateTest, NewMakesAnObjectFromTheConstructor) {
    Run("function F() { this.y = 2; }\nF.prototype.x = 1;\n"
        "function G() { var o = new Object(); o.z = 3; return o; }\n"
        "function H() { this.w = 4; return 5; }\n"
        "function Slow() { wait(0); this.s = 6; }\n"
        "f = new F(); a = f.x + f.y;\n"
        "b = new G().z;\n"
        "c = new H().w;\n"
        "d = new Slow().s;\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Global("a"), "3");
    EXPECT_EQ(Global("b"), "3");
    EXPECT_EQ(Global("c"), "4");
    EXPECT_EQ(Global("d"), "6");
    EXPECT_EQ(Failure("x = 1;\nnew x();\n"), "test.js (2, -1) : new used on a non-object\n");
    EXPECT_EQ(Failure("o = new Object();\nnew o();\n"), "test.js (2, -1) : new retuned non-object\n");
}

// A chain of binary operators is evaluated in a loop but means what the
// nested operators mean: operands left to right, each operator applied as
// its turn comes, || and && leaving out what they need not evaluate.
TEST_F(EvaluateTest, ChainsOfOperatorsEvaluateAsNestedOnes) {
    Run("r = log(1) + log(2) * 3 - log(4) + log(5);\n"
        "s = log(0) || log('') || log('x') || log('y');\n"
        "t = log(1) && log(0) && log(2);\n"
        "u = (log('p'), log('q'), log('r'));\n"
        "v = 1 < 2 == true != false;\n");
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Journal(), "1;2;4;5;0;;x;1;0;p;q;r;");
    EXPECT_EQ(Global("r"), "8");
    EXPECT_EQ(Global("s"), "x");
    EXPECT_EQ(Global("t"), "0");
    EXPECT_EQ(Global("u"), "r");
    EXPECT_EQ(Global("v"), "true");
}

// A suspension anywhere in a chain keeps the value so far; a name at the
// bottom of the chain is read again when the evaluation resumes, as a
// single operator reads its left operand again.
TEST_F(EvaluateTest, ChainsSuspendAndResumeAtAnyLink) {
    EXPECT_EQ(Run("function w(v) { log('w', v); wait(0); return v; }\n"
                  "r = w('a') + 'b' + w('c') + 'd' + w('e');\n"
                  "s = w(0) || w('') || w('last') || w('never');\n"),
              6);
    EXPECT_EQ(Errors(), "");
    EXPECT_EQ(Journal(), "w,a;w,c;w,e;w,0;w,;w,last;");
    EXPECT_EQ(Global("r"), "abcde");
    EXPECT_EQ(Global("s"), "last");

    Run("function change() { x = 5; wait(0); return 10; }\n"
        "x = 1; single = x + change();\n"
        "x = 1; chain = x + change() + 100;\n"
        "x = 1; above = 0 + x + change();\n");
    EXPECT_EQ(Global("single"), "15");
    EXPECT_EQ(Global("chain"), "115");
    EXPECT_EQ(Global("above"), "11");
}
