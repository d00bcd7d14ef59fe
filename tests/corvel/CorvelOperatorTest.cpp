#include "CorvelConstant.h"
#include "CorvelExecutionHarness.h"
#include "CorvelOperator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

class OperatorTest : public CorvelExecutionHarness {
protected:
    // The value of `expression`, as its type and text: "number 12".
    std::string Value(const std::string& expression, const std::string& setup = "") {
        harness.console.errors.clear();
        std::string text = setup + "\nr = " + expression + ";\n";
        Run(text.c_str());
        EXPECT_EQ(Errors(), "") << expression;
        CorvelValue value = script->Global("r");
        return TypeName(value.GetType()) + " " + Exact(value);
    }
    // Whole numbers in full; the language's own text otherwise.
    static std::string Exact(const CorvelValue& value) {
        double number = value.GetNumber();
        if (value.GetType() != CorvelValue::Number || number != std::floor(number) || std::fabs(number) > 1e15)
            return Text(value);
        return std::to_string((long long)number);
    }
    // The error line a script reports.
    std::string Failure(const std::string& text) {
        harness.console.errors.clear();
        Run(text.c_str());
        return Errors();
    }

    static std::string TypeName(CorvelValue::Type type) {
        static const char* const names[] = {"undefined", "null", "boolean", "number", "string", "object", "reference"};
        return names[type];
    }
};

}  // namespace

TEST_F(OperatorTest, AdditionConcatenatesWhenEitherSideIsText) {
    EXPECT_EQ(Value("1 + '2'"), "string 12");
    EXPECT_EQ(Value("'3' * '4'"), "number 12");
    EXPECT_EQ(Value("null + 1"), "number 1");
    EXPECT_EQ(Value("void 0 + 1"), "number NaN");
    EXPECT_EQ(Value("true + true"), "number 2");
    EXPECT_EQ(Value("'a' + null"), "string anull");
    std::string longText(300, 'x');
    EXPECT_EQ(Value("t + t + '!'", "t = '" + longText + "';"), "string " + longText + longText + "!");
}

TEST_F(OperatorTest, ObjectsTakeTheirDefaultValueInArithmetic) {
    std::string setup = "function seven() { return 7; }\no = new Object(); o.valueOf = seven;";
    EXPECT_EQ(Value("o + 1", setup), "number 8");
    EXPECT_EQ(Value("o * 2", setup), "number 14");
    EXPECT_EQ(Value("o < 8", setup), "boolean true");
    EXPECT_EQ(Value("o == 7", setup), "boolean true");
}

TEST_F(OperatorTest, ArithmeticFollowsTheFloatingPointRules) {
    EXPECT_EQ(Value("7 - '2'"), "number 5");
    EXPECT_EQ(Value("1 / 0"), "number Infinity");
    EXPECT_EQ(Value("-1 / 0"), "number -Infinity");
    EXPECT_EQ(Value("0 / 0"), "number NaN");
    EXPECT_EQ(Value("-7 % 3"), "number -1");
    EXPECT_EQ(Value("7 % -3"), "number 1");
    EXPECT_EQ(Value("-'3'"), "number -3");
    EXPECT_EQ(Value("+'0x10'"), "number 16");
    EXPECT_EQ(Value("+'abc'"), "number NaN");
}

TEST_F(OperatorTest, ComparisonsOfTextAndNumbers) {
    EXPECT_EQ(Value("'a' < 'b'"), "boolean true");
    EXPECT_EQ(Value("'a' < 'a'"), "boolean false");
    EXPECT_EQ(Value("'a' <= 'a'"), "boolean true");
    EXPECT_EQ(Value("'ab' > 'a'"), "boolean true");
    EXPECT_EQ(Value("'10' < '9'"), "boolean true");
    EXPECT_EQ(Value("'10' < 9"), "boolean false");
    EXPECT_EQ(Value("'\\xe9' > 'z'"), "boolean true");  // bytes compare unsigned
    EXPECT_EQ(Value("n < 1 || n >= 1 || 1 <= n || n > n", "n = 0 / 0;"), "boolean false");
    EXPECT_EQ(Value("-1/0 < -1e308"), "boolean true");
    EXPECT_EQ(Value("0 >= -0"), "boolean true");
    EXPECT_EQ(Value("'1' == 1"), "boolean true");
    EXPECT_EQ(Value("null != void 0"), "boolean false");
}

TEST_F(OperatorTest, BitOperatorsWorkOnThirtyTwoBits) {
    EXPECT_EQ(Value("-1 >>> 0"), "number 4294967295");
    EXPECT_EQ(Value("1 << 33"), "number 2");
    EXPECT_EQ(Value("-8 >> 1"), "number -4");
    EXPECT_EQ(Value("1 << 31"), "number -2147483648");
    EXPECT_EQ(Value("~0"), "number -1");
    EXPECT_EQ(Value("0.5 | 0"), "number 0");
    EXPECT_EQ(Value("4294967297 & 3"), "number 1");
    EXPECT_EQ(Value("6 ^ 3"), "number 5");
}

TEST_F(OperatorTest, LogicalOperatorsAnswerAnOperand) {
    std::string setup = "function no() { return 0; }\no = new Object(); o.valueOf = no;";
    EXPECT_EQ(Value("0 || 'x'"), "string x");
    EXPECT_EQ(Value("'y' || log('not evaluated')"), "string y");
    EXPECT_EQ(Journal(), "");
    EXPECT_EQ(Value("1 && 0"), "number 0");
    EXPECT_EQ(Value("'' && log('not evaluated')"), "string ");
    // Or and And test an object by its value; Not does not.
    EXPECT_EQ(Value("o || 'fallback'", setup), "string fallback");
    EXPECT_EQ(Value("!o", setup), "boolean false");
    EXPECT_EQ(Value("!''"), "boolean true");
    EXPECT_EQ(Value("(log(1), log(2))"), "number 2");
    EXPECT_EQ(Journal(), "1;2;");
}

TEST_F(OperatorTest, TypeofNamesWithoutFailing) {
    EXPECT_EQ(Value("typeof undeclaredName"), "string undefined");
    EXPECT_EQ(Value("typeof null"), "string object");
    EXPECT_EQ(Value("typeof f", "function f() {}"), "string function");
    EXPECT_EQ(Value("typeof parseInt"), "string function");
    EXPECT_EQ(Value("typeof Object"), "string object");
    EXPECT_EQ(Value("typeof 'a'"), "string string");
    EXPECT_EQ(Value("typeof (1 < 2)"), "string boolean");
    EXPECT_EQ(Value("typeof new Object()"), "string object");
}

TEST_F(OperatorTest, IncrementsStoreNumbers) {
    EXPECT_EQ(Value("x++", "x = '5';"), "number 5");
    EXPECT_EQ(Global("x"), "6");
    EXPECT_EQ(Value("++x", "x = '5';"), "number 6");
    EXPECT_EQ(Value("x--", "x = true;"), "number 1");
    EXPECT_EQ(Global("x"), "0");
    EXPECT_EQ(Value("--o.p", "o = new Object(); o.p = 3;"), "number 2");
    EXPECT_EQ(Value("o.p++ + o.p", "o = new Object(); o.p = 3;"), "number 7");
    EXPECT_EQ(Failure("q++;"), "test.js (1, -1) : Undefined indentifier 'q'\n");
    EXPECT_EQ(Failure("1++;"), "test.js (1, -1) : Cannot assign to this expression\n");
}

TEST_F(OperatorTest, AssignmentsWriteThroughTheirTarget) {
    EXPECT_EQ(Value("a = b = 3"), "number 3");
    EXPECT_EQ(Global("a"), "3");
    EXPECT_TRUE(script->globalObject->HasProperty("b"));  // undeclared names become global
    EXPECT_EQ(Value("s += 1", "s = 'x';"), "string x1");
    EXPECT_EQ(Value("(n -= 1, n *= 10, n /= 4, n %= 4)", "n = 3;"), "number 1");
    EXPECT_EQ(Value("(n <<= 4, n >>= 1, n |= 1, n &= 13, n ^= 3, n >>>= 1)", "n = -1;"), "number 5");
    EXPECT_EQ(Value("o.p += 'b'", "o = new Object(); o.p = 'a';"), "string ab");
    EXPECT_EQ(Global("r"), "ab");
    EXPECT_EQ(Failure("1 = 2;"), "test.js (1, -1) : Cannot assign to this expression\n");
    EXPECT_EQ(Failure("undefinedName += 1;"), "test.js (1, -1) : Undefined indentifier 'undefinedName'\n");
}

TEST_F(OperatorTest, DeleteAnswersWhetherThePropertyWent) {
    EXPECT_EQ(Value("delete undeclaredName"), "boolean true");
    EXPECT_EQ(Value("delete o.p && typeof o.p", "o = new Object(); o.p = 1;"), "string undefined");
    EXPECT_EQ(Value("delete f.length", "function f(a) {}"), "boolean false");
    EXPECT_EQ(Failure("delete 5;"), "test.js (1, -1) : Getting base of non-reference\n");
}

// The left operand is evaluated once; a reference is read again when the
// operation resumes.
TEST_F(OperatorTest, ASuspendedRightOperandKeepsTheLeftOne) {
    EXPECT_EQ(Run("function f() { a = 5; wait(0); return 10; }\n"
                  "a = 1;\n"
                  "r = a + f();\n"
                  "s = log('left') + f();\n"),
              2);
    EXPECT_EQ(Global("r"), "15");
    EXPECT_EQ(Global("s"), "left10");
    EXPECT_EQ(Journal(), "left;");

    // A compound assignment stores once, when the right side is done.
    Run("function f() { log(x); wait(0); log(x); return 2; }\nx = 1;\nx += f();\n");
    EXPECT_EQ(Journal(), "1;1;");
    EXPECT_EQ(Global("x"), "3");

    // And a plain one resolves its target before the right side runs.
    Run("function f() { wait(0); return 4; }\no = new Object();\no.p = f();\nq = f() || f();\np = o.p;\n");
    EXPECT_EQ(Global("p"), "4");
    EXPECT_EQ(Global("q"), "4");
}

TEST_F(OperatorTest, EveryOperatorResumesAfterASuspendedOperand) {
    const char* cases[][2] = {
        {"+w('4')", "number 4"},        {"-w(4)", "number -4"},          {"w(6) - w(2)", "number 4"},
        {"w(6) * w(2)", "number 12"},   {"w(6) / w(2)", "number 3"},     {"w(6) % w(4)", "number 2"},
        {"w(1) == w('1')", "boolean true"}, {"w(1) != w(2)", "boolean true"}, {"w(1) < w(2)", "boolean true"},
        {"w(2) <= w(1)", "boolean false"},  {"w(2) > w(1)", "boolean true"},  {"w(1) >= w(1)", "boolean true"},
        {"w(0) || w(3)", "number 3"},   {"w(1) && w(3)", "number 3"},    {"!w(0)", "boolean true"},
        {"~w(1)", "number -2"},         {"w(6) & w(3)", "number 2"},     {"w(6) ^ w(3)", "number 5"},
        {"w(6) | w(3)", "number 7"},    {"w(1) << w(2)", "number 4"},    {"w(-8) >> w(1)", "number -4"},
        {"w(-1) >>> w(28)", "number 15"}, {"void w(1)", "undefined undefined"}, {"typeof w(1)", "string number"},
        {"(w(1), w(2))", "number 2"},
    };
    for (const auto& test : cases) {
        std::string setup = "function w(v) { wait(0); return v; }";
        EXPECT_EQ(Value(test[0], setup), test[1]) << test[0];
    }
}

TEST_F(OperatorTest, AHandBuiltOperatorOutsideTheTableGivesUndefined) {
    Load(";");
    CorvelExecutionContext context(script->session.get(), nullptr, CorvelExecutionContext::GlobalCode);
    CorvelOperator unknown((CorvelOperator::Type)43, new CorvelConstant(1), new CorvelConstant(2));
    CorvelValue result(5);
    EXPECT_EQ(unknown.Evaluate(result, &context), CorvelStatus::Normal);
    EXPECT_EQ(result.GetType(), CorvelValue::Undefined);
}
