#include "CorvelJSOutput.h"
#include "CorvelTree.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

CorvelIdentifier* Id(const char* name) { return new CorvelIdentifier(name); }

CorvelOperator* Op(CorvelOperator::Type type, CorvelExpression* left, CorvelExpression* right = nullptr) {
    return new CorvelOperator(type, left, right);
}

CorvelStatementList* List(CorvelStatement* first) { return new CorvelStatementList(first); }

CorvelStatementBlock* Block(CorvelStatement* first) { return new CorvelStatementBlock(first ? List(first) : nullptr, true); }

// Writes `element` (deleting it) and answers the text.
std::string Written(CorvelTreeElement* element, int tabLevel = 0) {
    std::unique_ptr<CorvelTreeElement> owner(element);
    CorvelJSOutput output;
    output.IncrementTab(tabLevel);
    element->WriteECMAScript(&output);
    return output.GetOutput();
}

std::vector<std::string> Referenced(const CorvelJSOutput& output) {
    std::vector<std::string> names;
    for (__QelPOSITION* position = output.GetFirstReferencedVariablePosition(); position;)
        names.push_back(output.GetNextReferencedVariable(position));
    return names;
}

std::vector<std::string> Assigned(const CorvelJSOutput& output) {
    std::vector<std::string> names;
    for (__QelPOSITION* position = output.GetFirstAssignedVariablePosition(); position;)
        names.push_back(output.GetNextAssignedVariable(position));
    return names;
}

TEST(CorvelJSOutput, StatementsAsTheyAreWrittenBack) {
    EXPECT_EQ(Written(List(Op(CorvelOperator::Assign, Id("a"), Op(CorvelOperator::Add, Id("b"), Id("c"))))),
              "(a=(b+c));\n");
    EXPECT_EQ(Written(List(Op(CorvelOperator::Assign, Id("a"), Id("b"))), 2), "\t\t(a=b);\n");

    CorvelIf* ifElse = new CorvelIf(Id("x"), Block(new CorvelFunctionCall(Id("y"), nullptr)),
                                    Op(CorvelOperator::Assign, Id("z"), new CorvelConstant(1L)));
    EXPECT_EQ(Written(List(ifElse)), "if (x) {\n\ty();\n} else {\n(z=1)}\n");
    EXPECT_EQ(Written(new CorvelIf(Id("c"), Block(nullptr), nullptr)), "if (c) {\n}\n");

    CorvelExpressionList* declarations = new CorvelExpressionList(Op(CorvelOperator::Assign, Id("i"), new CorvelConstant(0L)));
    declarations->AddExpression(Id("j"));
    EXPECT_EQ(Written(new CorvelVar(declarations)), "var (i=0), j;\n");

    EXPECT_EQ(Written(new CorvelFor(nullptr, nullptr, nullptr, nullptr, Block(nullptr))), "for (;;) {\n}\n");
    EXPECT_EQ(Written(new CorvelWhile(Id("x"), Op(CorvelOperator::PostDecrement, Id("x")))), "while (x) {\n(x--)}\n");
    EXPECT_EQ(Written(new CorvelWhile(Id("x"), nullptr)), "while (x) {\n}\n");
    EXPECT_EQ(Written(new CorvelWith(new CorvelThis, Block(new CorvelBreak)), 1), "\twith (this) {\n\t\tbreak;\n\t}\n");
    EXPECT_EQ(Written(new CorvelForIn(Id("p"), Id("o"), Block(new CorvelContinue), true)),
              "for (p in o) {\n\tcontinue;\n}\n");
    EXPECT_EQ(Written(new CorvelReturn(nullptr)), "return;\n");
    EXPECT_EQ(Written(new CorvelReturn(Id("v"))), "return v;\n");
    EXPECT_EQ(Written(new CorvelEmptyStatement, 1), "\t;\n");
    EXPECT_EQ(Written(Block(nullptr)), "");
}

TEST(CorvelJSOutput, ForWithDeclarationsDeclaresThem) {
    CorvelExpressionList* declarations = new CorvelExpressionList(Op(CorvelOperator::Assign, Id("i"), new CorvelConstant(0L)));
    declarations->AddExpression(Id("j"));
    CorvelFor* loop = new CorvelFor(nullptr, declarations, Op(CorvelOperator::PostIncrement, Id("i")),
                                    Op(CorvelOperator::LessThan, Id("i"), new CorvelConstant(3L)), Block(nullptr));
    EXPECT_EQ(Written(loop), "for (var (i=0), j;(i<3);(i++)) {\n}\n");

    CorvelFor* plain = new CorvelFor(Op(CorvelOperator::Assign, Id("i"), new CorvelConstant(0L)), nullptr, nullptr,
                                     nullptr, Block(new CorvelBreak));
    EXPECT_EQ(Written(plain), "for ((i=0);;) {\n\tbreak;\n}\n");
}

TEST(CorvelJSOutput, ExpressionForms) {
    EXPECT_EQ(Written(Op(CorvelOperator::Minus, Id("x"))), "(-x)");
    EXPECT_EQ(Written(Op(CorvelOperator::PreIncrement, Id("x"))), "(++x)");
    EXPECT_EQ(Written(Op(CorvelOperator::PostIncrement, Id("x"))), "(x++)");
    EXPECT_EQ(Written(Op(CorvelOperator::Typeof, Id("x"))), "(typeof x)");
    EXPECT_EQ(Written(Op(CorvelOperator::Void, new CorvelConstant(0L))), "(void 0)");
    EXPECT_EQ(Written(Op(CorvelOperator::Delete, new CorvelMemberSelection(Id("a"), Id("b"), 0))), "(delete a.b)");
    EXPECT_EQ(Written(Op(CorvelOperator::RightShiftUnsignedAssign, Id("a"), Id("b"))), "(a>>>=b)");
    EXPECT_EQ(Written(Op(CorvelOperator::Comma, Id("a"), Id("b"))), "(a,b)");
    EXPECT_EQ(Written(new CorvelConditionalOperator(Id("a"), Id("b"), Id("c"))), "(a ? b : c)");
    EXPECT_EQ(Written(new CorvelMemberSelection(Id("a"), new CorvelConstant(1L), 1)), "a[1]");

    CorvelExpressionList* arguments = new CorvelExpressionList(new CorvelConstant(1L));
    arguments->AddExpression(Id("b"));
    EXPECT_EQ(Written(new CorvelFunctionCall(Id("f"), arguments)), "f(1, b)");
    EXPECT_EQ(Written(new CorvelNew(Id("F"), new CorvelExpressionList(Id("a")))), " (new F (a))");
    EXPECT_EQ(Written(new CorvelNew(Id("F"), nullptr)), " (new F ())");
    EXPECT_EQ(Written(new CorvelThis), "this");
}

TEST(CorvelJSOutput, ConstantsWriteTheirTextForm) {
    EXPECT_EQ(Written(new CorvelConstant(1.5)), "1.5");
    EXPECT_EQ(Written(new CorvelConstant(42L)), "42");
    EXPECT_EQ(Written(new CorvelConstant(true)), "true");
    EXPECT_EQ(Written(new CorvelConstant(false)), "false");
    EXPECT_EQ(Written(new CorvelConstant()), "undefined");
    EXPECT_EQ(Written(new CorvelConstant(CorvelValue(CorvelValue::Null))), "null");
    EXPECT_EQ(Written(new CorvelConstant("")), "\"\"");
}

TEST(CorvelJSOutput, StringLiteralsAreEscaped) {
    EXPECT_EQ(Written(new CorvelConstant("a\t\"\xE9")), "\"a\\t\\\"\\xe9\"");
    EXPECT_EQ(Written(new CorvelConstant("\b\n\f\r'\\\x01\x7F\x1F~ ")), "\"\\b\\n\\f\\r\\'\\\\\\x01\\x7f\\x1f~ \"");
}

TEST(CorvelJSOutput, NodeTextIsWrittenLiterallyAndInFull) {
    EXPECT_EQ(Written(Id("a%s%n%d")), "a%s%n%d");
    EXPECT_EQ(Written(new CorvelConstant("100%s %d%%")), "\"100%s %d%%\"");

    // A long string constant must come back whole to read back as the same
    // script.
    std::string text(5000, 'x');
    EXPECT_EQ(Written(new CorvelConstant(text.c_str())), "\"" + text + "\"");
    std::string name(3000, 'n');
    EXPECT_EQ(Written(Id(name.c_str())), name);
}

TEST(CorvelJSOutput, WriteCutsFormattedTextAt999Bytes) {
    CorvelJSOutput output;
    std::string text(1500, 'y');
    output.Write("%s", text.c_str());
    EXPECT_EQ(std::string(output.GetOutput()), text.substr(0, 999));
    output.Write("%d-%s", 7, "z");
    EXPECT_EQ(output.GetLength(), 1002);
    EXPECT_EQ(std::string(output.GetOutput()).substr(999), "7-z");
    // Fixed fragments take a shorter way but come out the same, cut included.
    CorvelJSOutput plain;
    plain.Write("100%% sure, ");
    const std::string fragment(1200, 'f');
    plain.Write(fragment.c_str());
    plain.Write("end");
    EXPECT_EQ(std::string(plain.GetOutput()), "100% sure, " + fragment.substr(0, 999) + "end");
}

TEST(CorvelJSOutput, TabsFollowTheTabLevel) {
    CorvelJSOutput output;
    output.WriteTabs(0);
    output.WriteTabs(-1);
    EXPECT_STREQ(output.GetOutput(), "");
    output.IncrementTab(20);
    output.WriteTabs(1);
    EXPECT_EQ(std::string(output.GetOutput()), std::string(21, '\t'));
    output.DecrementTab(22);
    output.WriteTabs(1);
    EXPECT_EQ(output.GetLength(), 21);
    EXPECT_EQ(output.GetTabLevel(), -2);
}

TEST(CorvelJSOutput, VariableListsHoldEachNameOnceNewestFirst) {
    CorvelJSOutput output;
    std::unique_ptr<CorvelMemberSelection> member(new CorvelMemberSelection(Id("a"), Id("b"), 0));
    member->WriteECMAScript(&output);
    std::unique_ptr<CorvelIdentifier> a(Id("a"));
    a->WriteECMAScript(&output);
    EXPECT_EQ(Referenced(output), (std::vector<std::string>{"b", "a"}));
    EXPECT_TRUE(Assigned(output).empty());

    output.AddAssignedVariable("c");
    output.AddAssignedVariable("a");
    output.AddAssignedVariable("c");
    EXPECT_EQ(Assigned(output), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(Referenced(output), (std::vector<std::string>{"c", "b", "a"}));

    // Names that share a prefix are different names.
    output.AddReferencedVariable("ab");
    EXPECT_EQ(Referenced(output).front(), "ab");
}

// Records what reaches the buffer and in which mode.
class RecordingOutput : public CorvelJSOutput {
public:
    std::string headText;
    std::string all;

protected:
    void WriteToBuffer(const char* text) override {
        all += text;
        if (GetFormattingMode() == StatementHead) headText += text;
    }
};

TEST(CorvelJSOutput, DerivedWritersSeeAllTextAndTheHeadMode) {
    RecordingOutput output;
    output.IncrementTab(1);
    std::unique_ptr<CorvelStatementList> list(List(new CorvelIf(Id("x"), Id("y"), nullptr)));
    list->AddStatement(new CorvelFor(nullptr, new CorvelExpressionList(Id("i")), nullptr, Id("c"), Block(nullptr)));
    list->AddStatement(new CorvelForIn(Id("p"), Id("o"), Block(nullptr), false));
    list->AddStatement(new CorvelWith(Id("w"), Block(nullptr)));
    list->AddStatement(new CorvelWhile(Id("z"), nullptr));
    list->WriteECMAScript(&output);
    EXPECT_EQ(output.headText, "xvar ipwz");
    EXPECT_EQ(output.GetFormattingMode(), CorvelJSOutput::Normal);
    EXPECT_EQ(output.all.substr(0, 8), "\tif (x) ");
    EXPECT_STREQ(output.GetOutput(), "");
}

TEST(CorvelJSOutput, FunctionDefinitionsAreNotIndentedThemselves) {
    CorvelIdentifierList* parameters = new CorvelIdentifierList(Id("a"));
    parameters->AddIdentifier(Id("b"));
    CorvelFunctionDefinition* function = new CorvelFunctionDefinition(
        Id("f"), parameters, Block(new CorvelReturn(Op(CorvelOperator::Add, Id("a"), Id("b")))));
    EXPECT_EQ(Written(function, 1), "function f(a, b) {\n\t\treturn (a+b);\n}\n");
    EXPECT_EQ(Written(new CorvelFunctionDefinition(Id("g"), nullptr, Block(nullptr))), "function g() {\n}\n");
}

}  // namespace
