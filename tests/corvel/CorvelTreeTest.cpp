#include "CorvelJSOutput.h"
#include "CorvelParser.h"
#include "CorvelTree.h"
#include "QelString.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

CorvelIdentifier* Id(const char* name) { return new CorvelIdentifier(name); }

CorvelOperator* Op(CorvelOperator::Type type, CorvelExpression* left, CorvelExpression* right = nullptr) {
    return new CorvelOperator(type, left, right);
}

CorvelStatementList* List(CorvelStatement* first) { return new CorvelStatementList(first); }

std::string Written(const CorvelTreeElement& element) {
    CorvelJSOutput output;
    element.WriteECMAScript(&output);
    return output.GetOutput();
}

// One of every node class, so copying and destroying reach them all.
CorvelStatementList* EveryKindOfNode() {
    CorvelStatementList* list = List(new CorvelVar(new CorvelExpressionList(Op(CorvelOperator::Assign, Id("i"), new CorvelConstant(0)))));
    list->AddStatement(new CorvelIf(Id("c"), new CorvelStatementBlock(List(new CorvelBreak), true),
                                    new CorvelStatementBlock(List(new CorvelContinue), true)));
    list->AddStatement(new CorvelWhile(Op(CorvelOperator::LessThan, Id("i"), new CorvelConstant(3.5)),
                                       new CorvelEmptyStatement));
    list->AddStatement(new CorvelWith(new CorvelThis, new CorvelReturn(nullptr)));
    list->AddStatement(new CorvelFor(nullptr, new CorvelExpressionList(Id("k")), Op(CorvelOperator::PostIncrement, Id("k")),
                                     nullptr, new CorvelReturn(new CorvelConstant("s"))));
    list->AddStatement(new CorvelForIn(Id("p"), new CorvelMemberSelection(Id("o"), Id("q"), 0),
                                       new CorvelStatementBlock(nullptr, true), false));
    list->AddStatement(new CorvelConditionalOperator(Id("a"), new CorvelNew(Id("F"), new CorvelExpressionList(new CorvelConstant(true))),
                                                     new CorvelFunctionCall(new CorvelMemberSelection(Id("o"), new CorvelConstant(1L), 1), nullptr)));
    return list;
}

TEST(CorvelTreeElement, NodesMadeWithoutAParserHaveNoPosition) {
    CorvelIdentifier identifier("x");
    EXPECT_EQ(identifier.GetCodePosition().line, -1);
    EXPECT_EQ(identifier.GetCodePosition().column, -1);
    EXPECT_TRUE(identifier.GetCodePosition().source.IsEmpty());
}

TEST(CorvelTreeElement, NodesTakeTheirPositionFromTheRegisteredParser) {
    CorvelParser parser("source.js");
    CorvelTreeElement::SetCodeSource(&parser);
    CorvelIdentifier during("x");
    CorvelTreeElement::ClearCodeSource(nullptr);
    CorvelIdentifier after("y");
    EXPECT_STREQ(during.GetCodePosition().source.GetText(), "source.js");
    EXPECT_EQ(during.GetCodePosition().column, -1);
    EXPECT_EQ(after.GetCodePosition().line, -1);
    EXPECT_TRUE(after.GetCodePosition().source.IsEmpty());

    // A copy stands for the same text as its original.
    CorvelIdentifier copy(during);
    EXPECT_STREQ(copy.GetCodePosition().source.GetText(), "source.js");
    EXPECT_EQ(copy.GetCodePosition().line, during.GetCodePosition().line);
}

TEST(CorvelTreeElement, DepthIsOneMoreThanTheDeepestChild) {
    std::unique_ptr<CorvelOperator> sum(Op(CorvelOperator::Add, Id("a"), Op(CorvelOperator::Multiply, Id("b"), Id("c"))));
    EXPECT_EQ(sum->GetLeftOperand()->GetDepth(), 1);
    EXPECT_EQ(sum->GetRightOperand()->GetDepth(), 2);
    EXPECT_EQ(sum->GetDepth(), 3);

    // Appending to a list deepens it only when the new element is deeper.
    std::unique_ptr<CorvelStatementList> list(List(Id("x")));
    EXPECT_EQ(list->GetDepth(), 2);
    list->AddStatement(Op(CorvelOperator::Not, Op(CorvelOperator::Minus, Id("y"))));
    EXPECT_EQ(list->GetDepth(), 4);
    list->AddStatement(Id("z"));
    EXPECT_EQ(list->GetDepth(), 4);

    CorvelStatementBlock block(list.get(), false);
    EXPECT_EQ(block.GetDepth(), 5);
    CorvelFor loop(nullptr, nullptr, nullptr, nullptr, new CorvelEmptyStatement);
    EXPECT_EQ(loop.GetDepth(), 2);
    CorvelReturn bare(nullptr);
    EXPECT_EQ(bare.GetDepth(), 1);
}

TEST(CorvelStatementList, HeadPositionWalksTheStatementsInOrder) {
    CorvelStatementList empty(nullptr);
    EXPECT_EQ(empty.GetNumberOfStatements(), 0);
    EXPECT_EQ(empty.GetStatementHeadPosition(), nullptr);

    CorvelStatement* first = Id("a");
    CorvelStatement* second = new CorvelBreak;
    CorvelStatement* third = new CorvelEmptyStatement;
    CorvelStatementList list(first);
    list.AddStatement(second);
    list.AddStatement(nullptr);
    list.AddStatement(third);
    ASSERT_EQ(list.GetNumberOfStatements(), 3);

    __QelPOSITION* position = list.GetStatementHeadPosition();
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(list.GetNextStatement(position), first);
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(list.GetNextStatement(position), second);
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(list.GetNextStatement(position), third);
    EXPECT_EQ(position, nullptr);
    EXPECT_EQ(list.GetStatement(1), second);
}

TEST(CorvelStatementBlock, ABorrowingBlockLeavesItsListAlive) {
    CorvelStatementList* list = List(Id("a"));
    delete new CorvelStatementBlock(list, false);
    ASSERT_EQ(list->GetNumberOfStatements(), 1);
    EXPECT_EQ(Written(*list), "a;\n");

    // A copy of a borrowing block borrows the same list.
    CorvelStatementBlock borrowing(list, false);
    CorvelStatementBlock copy(borrowing);
    EXPECT_EQ(copy.GetStatements(), list);
    EXPECT_FALSE(copy.OwnsStatements());
    delete list;

    CorvelStatementBlock none(nullptr, true);
    EXPECT_EQ(none.GetStatements(), nullptr);
    EXPECT_EQ(Written(none), "");
}

TEST(CorvelTreeElement, CopiesAreDeepAndOutliveTheOriginal) {
    CorvelStatementList* original = EveryKindOfNode();
    std::string text = Written(*original);
    CorvelStatementList copy(*original);
    EXPECT_NE(copy.GetStatement(0), original->GetStatement(0));
    EXPECT_EQ(copy.GetDepth(), original->GetDepth());
    delete original;
    EXPECT_EQ(Written(copy), text);

    CorvelStatementBlock owning(List(Id("x")), true);
    CorvelStatementBlock ownCopy(owning);
    EXPECT_NE(ownCopy.GetStatements(), owning.GetStatements());
    EXPECT_TRUE(ownCopy.OwnsStatements());

    CorvelFunctionDefinition function(Id("f"), new CorvelIdentifierList(Id("p")),
                                      new CorvelStatementBlock(List(new CorvelReturn(Id("p"))), true));
    CorvelFunctionDefinition functionCopy(function);
    EXPECT_STREQ(functionCopy.GetName(), "f");
    EXPECT_NE(functionCopy.GetCodeBlock(), function.GetCodeBlock());
    EXPECT_EQ(Written(functionCopy), Written(function));

    CorvelConstant constant("text");
    CorvelConstant constantCopy(constant);
    auto dying = std::make_unique<CorvelConstant>("gone");
    CorvelConstant survivor(*dying);
    dying.reset();
    EXPECT_STREQ(survivor.GetValue().GetString(), "gone");
}

TEST(CorvelFunctionDefinition, KeepsOnlyABlockBody) {
    CorvelFunctionDefinition function(Id("f"), nullptr, new CorvelStatementBlock(nullptr, true));
    EXPECT_STREQ(function.GetName(), "f");
    EXPECT_EQ(function.GetParameters(), nullptr);
    EXPECT_NE(function.GetCodeBlock(), nullptr);

    // The stray body is deleted, not leaked.
    CorvelFunctionDefinition stray(Id("g"), new CorvelIdentifierList(Id("a")), new CorvelBreak);
    EXPECT_EQ(stray.GetCodeBlock(), nullptr);
    EXPECT_EQ(stray.GetParameters()->GetNumber(), 1);
    EXPECT_STREQ(stray.GetParameters()->GetIdentifier(0)->GetName(), "a");
}

TEST(CorvelIdentifierList, HoldsOnlyIdentifiers) {
    CorvelIdentifierList list(Id("a"));
    list.AddIdentifier(new CorvelConstant(1L));
    list.AddIdentifier(Id("b"));
    ASSERT_EQ(list.GetNumber(), 2);
    EXPECT_STREQ(list.GetIdentifier(1)->GetName(), "b");
    EXPECT_EQ(Written(list), "a, b");
}

TEST(CorvelOperator, OperatorTableMatchesTheKinds) {
    const char* symbols[] = {"+",  "-",  "+",  "-",  "*",   "/",  "%",  "==",  "!=",  "<",    "<=",
                             ">",  ">=", "||", "&&", "!",   "~",  "&",  "^",   "|",   "<<",   ">>",
                             ">>>", "=", "+=", "-=", "*=",  "/=", "&=", "|=",  "^=",  "%=",   "<<=",
                             ">>=", ">>>=", "delete", "void", "typeof", ",", "++", "++", "--", "--"};
    for (int type = 0; type <= 42; ++type) {
        QelString symbol;
        CorvelOperator::ArgumentType argumentType = CorvelOperator::GetOperatorInfo((CorvelOperator::Type)type, &symbol);
        EXPECT_STREQ(symbol.GetText(), symbols[type]) << type;
        CorvelOperator::ArgumentType expected = CorvelOperator::Binary;
        if (type == 39 || type == 41) expected = CorvelOperator::UnaryPostfix;
        if (type == 0 || type == 1 || type == 15 || type == 16 || (type >= 35 && type <= 37) || type == 40 || type == 42)
            expected = CorvelOperator::UnaryPrefix;
        EXPECT_EQ(argumentType, expected) << type;
    }
    QelString symbol;
    EXPECT_EQ(CorvelOperator::GetOperatorInfo((CorvelOperator::Type)43, &symbol), CorvelOperator::Binary);
    EXPECT_STREQ(symbol.GetText(), "Undefined");
    EXPECT_EQ(CorvelOperator::GetOperatorInfo((CorvelOperator::Type)-1, &symbol), CorvelOperator::Binary);
    EXPECT_STREQ(symbol.GetText(), "Undefined");
}

TEST(CorvelTreeElement, LongListsAndDeepTreesAreSafe) {
    // Lists walk their elements, so their length does not reach the stack.
    CorvelStatementList* list = List(Id("a"));
    for (int i = 0; i < 50000; ++i) list->AddStatement(Op(CorvelOperator::Assign, Id("x"), new CorvelConstant(7)));
    EXPECT_EQ(list->GetDepth(), 3);
    EXPECT_EQ(Written(*list).size(), 3u + 50000u * 7u);
    delete list;

    // A chain of binary operators is one level deep however long it is, and
    // writing, copying and deleting go along it in loops.
    CorvelExpression* sum = Id("x");
    for (int i = 0; i < 100000; ++i) sum = Op(i % 2 ? CorvelOperator::Add : CorvelOperator::Subtract, sum, Id("y"));
    EXPECT_EQ(sum->GetDepth(), 2);
    CorvelStatementList sums(sum);
    std::string text = Written(sums);
    EXPECT_EQ(text.size(), 100000u + 1u + 100000u * 3u + 2u);
    EXPECT_EQ(text.substr(0, 3), "(((");
    EXPECT_EQ(text.substr(100000, 12), "x-y)+y)-y)+y");
    CorvelStatementList sumsCopy(sums);
    EXPECT_EQ(Written(sumsCopy), text);
    // A chain inside a chain's right operand nests one level deeper.
    CorvelOperator inner(CorvelOperator::Multiply, Id("a"), Op(CorvelOperator::Add, Op(CorvelOperator::Add, Id("b"), Id("c")), Id("d")));
    EXPECT_EQ(inner.GetDepth(), 3);
    EXPECT_EQ(Written(inner), "(a*((b+c)+d))");
    CorvelOperator outer(CorvelOperator::Comma, Op(CorvelOperator::Comma, Id("p"), Id("q")), new CorvelOperator(inner));
    EXPECT_EQ(outer.GetDepth(), 4);
    EXPECT_EQ(Written(outer), "((p,q),(a*((b+c)+d)))");

    // As deep as the parser lets a script nest.
    CorvelExpression* chain = Id("x");
    for (int i = 0; i < 1000; ++i) chain = Op(CorvelOperator::Not, chain);
    EXPECT_EQ(chain->GetDepth(), 1001);
    CorvelStatementList deep(chain);
    CorvelStatementList deepCopy(deep);
    EXPECT_EQ(Written(deepCopy).size(), 1u + 2000u + 1000u + 2u);
}

}  // namespace
