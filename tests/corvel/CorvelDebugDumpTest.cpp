#include "CorvelTree.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

const char kBanner[] = "Parz5 Script Parse Debug Output : Started:- ";

CorvelIdentifier* Id(const char* name) { return new CorvelIdentifier(name); }

CorvelOperator* Op(CorvelOperator::Type type, CorvelExpression* left, CorvelExpression* right = nullptr) {
    return new CorvelOperator(type, left, right);
}

CorvelStatementList* List(CorvelStatement* first) { return new CorvelStatementList(first); }

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The banner is one ctime line followed by two empty lines.
std::string WithoutBanner(const std::string& text) {
    if (text.compare(0, sizeof(kBanner) - 1, kBanner) != 0) return "<no banner>" + text;
    size_t end = text.find("\n\n\n");
    return end == std::string::npos ? "<bad banner>" + text : text.substr(end + 3);
}

int CountBanners(const std::string& text) {
    int count = 0;
    for (size_t at = text.find(kBanner); at != std::string::npos; at = text.find(kBanner, at + 1)) ++count;
    return count;
}

void Dump(CorvelTreeElement* element) {
    std::unique_ptr<CorvelTreeElement> owner(element);
    element->Debug(0);
}

class CorvelDebugDump : public ::testing::Test {
protected:
    // A folder of its own: tests run in parallel, and other builds' tests
    // share the temporary folder.
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "corvel_dump_XXXXXX";
        ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
        folder = pattern;
        path = folder + "/dump.txt";
        CorvelTreeElement::SetDebugPath(path.c_str());
    }
    void TearDown() override {
        CorvelTreeElement::CloseDebug();
        CorvelTreeElement::SetDebugPath(nullptr);
        std::remove(path.c_str());
        rmdir(folder.c_str());
    }
    std::string Dumped() {
        CorvelTreeElement::CloseDebug();
        return WithoutBanner(ReadFile(path));
    }

    std::string folder;
    std::string path;
};

TEST_F(CorvelDebugDump, AssignmentStatement) {
    Dump(List(Op(CorvelOperator::Assign, Id("x"), new CorvelConstant(1L))));
    EXPECT_EQ(Dumped(),
              "StatementList, entries= 1\n"
              ". CorvelOperator: Symbol: = ArguementType: Binary\n"
              ". . Identifier - name=x\n"
              ". . Constant - value = 1\n");
}

TEST_F(CorvelDebugDump, MissingChildrenShowTheirNullLines) {
    Dump(List(new CorvelIf(Id("a"), new CorvelFunctionCall(Id("b"), nullptr), nullptr)));
    Dump(new CorvelIf(nullptr, nullptr, nullptr));
    Dump(new CorvelFor(nullptr, new CorvelExpressionList(Id("i")), nullptr, nullptr, nullptr));
    Dump(new CorvelWhile(nullptr, nullptr));
    Dump(new CorvelReturn(nullptr));
    Dump(new CorvelStatementBlock(nullptr, true));
    Dump(new CorvelFunctionDefinition(Id("f"), nullptr, new CorvelStatementBlock(nullptr, true)));
    EXPECT_EQ(Dumped(),
              "StatementList, entries= 1\n"
              ". If - (condition, statement, else_statement)\n"
              ". . Identifier - name=a\n"
              ". . FunctionCall - (name, params)\n"
              ". . . Identifier - name=b\n"
              ". . else_statement = NULL; \n"
              "If - (condition, statement, else_statement)\n"
              ". condition = NULL; \n"
              ". statement = NULL; \n"
              ". else_statement = NULL; \n"
              "CorvelFor....  ( init, condition , iterator, statement)\n"
              ". init = NULL; \n"
              ". condition = NULL; \n"
              ". iterator = NULL; \n"
              ". statement = NULL; \n"
              "CorvelWhile....  ( condition , statement)\n"
              ". condition = NULL; \n"
              ". statement = NULL; \n"
              "Return - (value)\n"
              ". No value\n"
              "StatementBlock (statement list)\n"
              ". NULL\n"
              "FunctionDefinition - (name, params, code)\n"
              ". Identifier - name=f\n"
              ". NULL\n"
              ". StatementBlock (statement list)\n"
              ". . NULL\n");
}

TEST_F(CorvelDebugDump, EveryNodeHeader) {
    CorvelStatementList* list = List(new CorvelVar(new CorvelExpressionList(Id("v"))));
    list->AddStatement(new CorvelWith(new CorvelThis, new CorvelBreak));
    list->AddStatement(new CorvelForIn(Id("p"), Id("o"), new CorvelContinue, true));
    list->AddStatement(new CorvelEmptyStatement);
    list->AddStatement(new CorvelWhile(Id("w"), new CorvelReturn(new CorvelConstant("s"))));
    list->AddStatement(new CorvelFor(Id("i"), nullptr, Id("k"), Id("c"), new CorvelStatementBlock(List(Id("b")), true)));
    list->AddStatement(new CorvelConditionalOperator(
        new CorvelMemberSelection(Id("a"), Id("m"), 0), new CorvelMemberSelection(Id("a"), new CorvelConstant(true), 1),
        new CorvelNew(Id("F"), new CorvelExpressionList(Op(CorvelOperator::PostIncrement, Id("n"))))));
    CorvelIdentifierList* parameters = new CorvelIdentifierList(Id("x"));
    parameters->AddIdentifier(Id("y"));
    list->AddStatement(new CorvelFunctionCall(Id("f"), nullptr));
    Dump(list);
    Dump(new CorvelFunctionDefinition(Id("g"), parameters, new CorvelStatementBlock(nullptr, true)));
    Dump(Op(CorvelOperator::Typeof, Id("t")));
    EXPECT_EQ(Dumped(),
              "StatementList, entries= 8\n"
              ". Var\n"
              ". . CorvelExpressionList - entries: 1\n"
              ". . . Identifier - name=v\n"
              ". CorvelWith - (object, statement)\n"
              ". . This\n"
              ". . Break\n"
              ". ForIn - (variable, expression, statement)\n"
              ". . Identifier - name=p\n"
              ". . Identifier - name=o\n"
              ". . Continue\n"
              ". Empty Statement\n"
              ". CorvelWhile....  ( condition , statement)\n"
              ". . Identifier - name=w\n"
              ". . Return - (value)\n"
              ". . . Constant - value = s\n"
              ". CorvelFor....  ( init, condition , iterator, statement)\n"
              ". . Identifier - name=i\n"
              ". . Identifier - name=c\n"
              ". . Identifier - name=k\n"
              ". . StatementBlock (statement list)\n"
              ". . . StatementList, entries= 1\n"
              ". . . . Identifier - name=b\n"
              ". ConditionalOperator - (condition, true value, false value)\n"
              ". . MemberSelection - (object, member) Dot\n"
              ". . . Identifier - name=a\n"
              ". . . Identifier - name=m\n"
              ". . MemberSelection - (object, member) Brackets\n"
              ". . . Identifier - name=a\n"
              ". . . Constant - value = true\n"
              ". . New - (object, arguments)\n"
              ". . . Identifier - name=F\n"
              ". . . CorvelExpressionList - entries: 1\n"
              ". . . . CorvelOperator: Symbol: ++ ArguementType: Unary Postfix\n"
              ". . . . . Identifier - name=n\n"
              ". FunctionCall - (name, params)\n"
              ". . Identifier - name=f\n"
              "FunctionDefinition - (name, params, code)\n"
              ". Identifier - name=g\n"
              ". CorvelIdentifierList, entries= 2\n"
              ". . Identifier - name=x\n"
              ". . Identifier - name=y\n"
              ". StatementBlock (statement list)\n"
              ". . NULL\n"
              "CorvelOperator: Symbol: typeof ArguementType: Unary Prefix\n"
              ". Identifier - name=t\n");
}

TEST_F(CorvelDebugDump, NodeTextIsNeverAFormat) {
    Dump(Id("%s%n%d"));
    Dump(new CorvelConstant("50%"));
    EXPECT_EQ(Dumped(), "Identifier - name=%s%n%d\nConstant - value = 50%\n");
}

TEST_F(CorvelDebugDump, OneBannerUntilClosedThenANewFile) {
    Dump(Id("first"));
    Dump(Id("second"));
    CorvelTreeElement::CloseDebug();
    std::string text = ReadFile(path);
    EXPECT_EQ(CountBanners(text), 1);
    EXPECT_EQ(WithoutBanner(text), "Identifier - name=first\nIdentifier - name=second\n");

    Dump(new CorvelBreak);
    CorvelTreeElement::CloseDebug();
    text = ReadFile(path);
    EXPECT_EQ(CountBanners(text), 1);
    EXPECT_EQ(WithoutBanner(text), "Break\n");
}

TEST_F(CorvelDebugDump, AnUnopenablePathWritesNothing) {
    std::string missing = folder + "/no-such-directory/dump.txt";
    CorvelTreeElement::SetDebugPath(missing.c_str());
    Dump(List(new CorvelBreak));
    CorvelTreeElement::CloseDebug();
    EXPECT_FALSE(std::ifstream(missing).good());

    // A usable path afterwards works again.
    CorvelTreeElement::SetDebugPath(path.c_str());
    Dump(new CorvelThis);
    EXPECT_EQ(Dumped(), "This\n");
}

TEST_F(CorvelDebugDump, AHostStreamIsWrittenButNotClosed) {
    FILE* stream = tmpfile();
    ASSERT_NE(stream, nullptr);
    CorvelTreeElement::SetDebugStream(stream);
    Dump(new CorvelThis);
    CorvelTreeElement::CloseDebug();
    Dump(new CorvelBreak);
    CorvelTreeElement::SetDebugStream(nullptr);

    // Still open: the dump did not close it.
    ASSERT_GE(fputs("end\n", stream), 0);
    rewind(stream);
    std::string text;
    char chunk[256];
    size_t got;
    while ((got = fread(chunk, 1, sizeof(chunk), stream)) > 0) text.append(chunk, got);
    fclose(stream);
    EXPECT_EQ(CountBanners(text), 2);
    EXPECT_NE(text.find("This\n"), std::string::npos);
    EXPECT_NE(text.find("Break\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "end\n");
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST_F(CorvelDebugDump, DefaultsToScriptDebugTxtInTheCurrentDirectory) {
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    std::remove("ScriptDebug.txt");
    CorvelTreeElement::SetDebugPath(nullptr);
    Dump(new CorvelEmptyStatement);
    CorvelTreeElement::CloseDebug();
    std::string text = ReadFile("ScriptDebug.txt");
    std::remove("ScriptDebug.txt");
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(WithoutBanner(text), "Empty Statement\n");
}

}  // namespace
