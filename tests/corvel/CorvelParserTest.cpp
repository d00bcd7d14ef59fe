// The script parser: tree shapes, semicolon insertion, error texts and
// counts, recovery without leaks, and the nesting bound.
#include "CorvelParser.h"
#include "CorvelTree.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const kOperatorSymbols[] = {
    "+u", "-u", "+",  "-",   "*",   "/",   "%",   "==",  "!=",  "<",      "<=",   ">",      ">=",  "||",  "&&",
    "!",  "~",  "&",  "^",   "|",   "<<",  ">>",  ">>>", "=",   "+=",     "-=",   "*=",     "/=",  "&=",  "|=",
    "^=", "%=", "<<=", ">>=", ">>>=", "delete", "void", "typeof", ",", "x++", "++x", "x--", "--x"};

std::string Shape(const CorvelTreeElement* e);

std::string ListShape(const CorvelExpressionList* list) {
    std::string text = "[";
    for (int i = 0; i < list->GetNumberOfExpressions(); ++i) text += (i ? " " : "") + Shape(list->GetExpression(i));
    return text + "]";
}

std::string StatementsShape(const CorvelStatementList* list) {
    std::string text;
    for (int i = 0; list && i < list->GetNumberOfStatements(); ++i)
        text += (i ? " | " : "") + Shape(list->GetStatement(i));
    return text;
}

std::string Join(std::initializer_list<std::string> parts) {
    std::string text = "(";
    for (const std::string& part : parts) text += (text.size() > 1 ? " " : "") + part;
    return text + ")";
}

std::string ConstantShape(const CorvelConstant* c) {
    const CorvelValue& v = c->GetValue();
    if (v.GetType() == CorvelValue::String) return std::string("'") + v.GetString() + "'";
    if (v.GetType() == CorvelValue::Number) {
        char buffer[32];
        snprintf(buffer, sizeof buffer, "%g", v.GetNumber());
        return buffer;
    }
    return "#" + std::to_string((int)v.GetType());
}

std::string Shape(const CorvelTreeElement* e) {
    if (!e) return "-";
    if (auto* n = dynamic_cast<const CorvelIdentifier*>(e)) return n->GetName();
    if (auto* n = dynamic_cast<const CorvelConstant*>(e)) return ConstantShape(n);
    if (dynamic_cast<const CorvelThis*>(e)) return "this";
    if (auto* n = dynamic_cast<const CorvelOperator*>(e)) {
        std::string symbol = kOperatorSymbols[n->GetType()];
        if (!n->GetRightOperand()) return Join({symbol, Shape(n->GetLeftOperand())});
        return Join({symbol, Shape(n->GetLeftOperand()), Shape(n->GetRightOperand())});
    }
    if (auto* n = dynamic_cast<const CorvelConditionalOperator*>(e))
        return Join({"?", Shape(n->GetCondition()), Shape(n->GetTrueValue()), Shape(n->GetFalseValue())});
    if (auto* n = dynamic_cast<const CorvelMemberSelection*>(e))
        return Join({n->GetForm() == CorvelMemberSelection::Brackets ? "[]" : ".", Shape(n->GetObject()),
                     Shape(n->GetMember())});
    if (auto* n = dynamic_cast<const CorvelFunctionCall*>(e))
        return n->GetArguments() ? Join({"call", Shape(n->GetFunction()), ListShape(n->GetArguments())})
                                 : Join({"call", Shape(n->GetFunction())});
    if (auto* n = dynamic_cast<const CorvelNew*>(e))
        return n->GetArguments() ? Join({"new", Shape(n->GetConstructor()), ListShape(n->GetArguments())})
                                 : Join({"new", Shape(n->GetConstructor())});
    if (auto* n = dynamic_cast<const CorvelStatementBlock*>(e)) return "{" + StatementsShape(n->GetStatements()) + "}";
    if (dynamic_cast<const CorvelEmptyStatement*>(e)) return ";";
    if (auto* n = dynamic_cast<const CorvelVar*>(e)) return Join({"var", ListShape(n->GetDeclarations())});
    if (auto* n = dynamic_cast<const CorvelIf*>(e))
        return Join({"if", Shape(n->GetCondition()), Shape(n->GetThenStatement()), Shape(n->GetElseStatement())});
    if (auto* n = dynamic_cast<const CorvelWhile*>(e))
        return Join({"while", Shape(n->GetCondition()), Shape(n->GetBody())});
    if (auto* n = dynamic_cast<const CorvelWith*>(e)) return Join({"with", Shape(n->GetObject()), Shape(n->GetBody())});
    if (auto* n = dynamic_cast<const CorvelFor*>(e))
        return Join({"for", Shape(n->GetInitialiser()), n->GetDeclarations() ? ListShape(n->GetDeclarations()) : "-",
                     Shape(n->GetCondition()), Shape(n->GetIncrement()), Shape(n->GetBody())});
    if (auto* n = dynamic_cast<const CorvelForIn*>(e))
        return Join({n->DeclaresVariable() ? "forvar" : "forin", Shape(n->GetVariable()), Shape(n->GetObject()),
                     Shape(n->GetBody())});
    if (auto* n = dynamic_cast<const CorvelReturn*>(e))
        return n->GetExpression() ? Join({"return", Shape(n->GetExpression())}) : "(return)";
    if (dynamic_cast<const CorvelBreak*>(e)) return "break";
    if (dynamic_cast<const CorvelContinue*>(e)) return "continue";
    return "?";
}

struct Parsed {
    // A nesting limit of 0 keeps the parser's own.
    explicit Parsed(const std::string& text, int maximumNesting = 0) {
        if (maximumNesting) parser.SetMaximumNesting(maximumNesting);
        ok = parser.Parse(text.c_str(), errors);
    }
    std::string Tree() { return StatementsShape(parser.GetTree()); }
    std::string Errors() const { return errors.GetText(); }

    CorvelParser parser{"test"};
    QelString errors;
    bool ok = false;
};

// Parses one clean statement and gives its shape.
std::string ShapeOf(const std::string& text) {
    Parsed p(text);
    EXPECT_TRUE(p.ok) << text;
    EXPECT_EQ(p.Errors(), "") << text;
    return p.Tree();
}

TEST(CorvelParser, InsertsSemicolonsAtLineBreaksBracesAndTheEnd) {
    EXPECT_EQ(ShapeOf("x = 1"), "(= x 1)");
    EXPECT_EQ(ShapeOf("a = 1\nb = 2"), "(= a 1) | (= b 2)");
    EXPECT_EQ(ShapeOf("{ x = 1 }"), "{(= x 1)}");
    EXPECT_EQ(ShapeOf("return\nx"), "(return) | x");
    EXPECT_EQ(ShapeOf("return x\n"), "(return x)");
    EXPECT_EQ(ShapeOf("while (a) { continue }\nbreak"), "(while a {continue}) | break");
    EXPECT_EQ(ShapeOf("var a = 1, b\nvar c"), "(var [(= a 1) b]) | (var [c])");
    EXPECT_EQ(ShapeOf("x = 1 /* \n */ y = 2 // c\nz"), "(= x 1) | (= y 2) | z");
    EXPECT_EQ(ShapeOf("x\n++\ny"), "(x++ x) | y");
    EXPECT_EQ(ShapeOf("f\n(1)"), "(call f [1])");
}

TEST(CorvelParser, MissingSemicolonOnOneLineIsASilentFailure) {
    for (const char* text : {"a = 1 b = 2", "x\n++y"}) {
        Parsed p(text);
        EXPECT_FALSE(p.ok) << text;
        EXPECT_EQ(p.Errors(), "") << text;
        EXPECT_EQ(p.parser.GetErrorCount(), 0) << text;
        EXPECT_EQ(p.parser.GetTree(), nullptr) << text;
    }
}

TEST(CorvelParser, PrecedenceAndAssociativity) {
    EXPECT_EQ(ShapeOf("a - b - c"), "(- (- a b) c)");
    EXPECT_EQ(ShapeOf("a = b = c"), "(= a (= b c))");
    EXPECT_EQ(ShapeOf("a += b -= c"), "(+= a (-= b c))");
    EXPECT_EQ(ShapeOf("a ? b : c = d"), "(? a b (= c d))");
    EXPECT_EQ(ShapeOf("a ? b ? c : d : e ? f : g"), "(? a (? b c d) (? e f g))");
    EXPECT_EQ(ShapeOf("a || b && c | d ^ e & f == g < h << i + j * k"),
              "(|| a (&& b (| c (^ d (& e (== f (< g (<< h (+ i (* j k))))))))))");
    EXPECT_EQ(ShapeOf("a * b + c << d > e != f & g ^ h | i && j || k"),
              "(|| (&& (| (^ (& (!= (> (<< (+ (* a b) c) d) e) f) g) h) i) j) k)");
    EXPECT_EQ(ShapeOf("a, b = c, d"), "(, (, a (= b c)) d)");
    EXPECT_EQ(ShapeOf("x = (1 + 2) * 3"), "(= x (* (+ 1 2) 3))");
    EXPECT_EQ(ShapeOf("-a * !b++ - typeof void delete c.d"), "(- (* (-u a) (! (x++ b))) (typeof (void (delete (. c d)))))");
    EXPECT_EQ(ShapeOf("++a + --b - c--"), "(- (+ (++x a) (--x b)) (x-- c))");
    EXPECT_EQ(ShapeOf("x = this.y + 'two' + 0x1F"), "(= x (+ (+ (. this y) 'two') 31))");
}

TEST(CorvelParser, EveryOperatorKind) {
    const struct {
        const char* text;
        int kind;
    } cases[] = {
        {"+a", 0},      {"-a", 1},       {"a + b", 2},    {"a - b", 3},     {"a * b", 4},     {"a / b", 5},
        {"a % b", 6},   {"a == b", 7},   {"a != b", 8},   {"a < b", 9},     {"a <= b", 10},   {"a > b", 11},
        {"a >= b", 12}, {"a || b", 13},  {"a && b", 14},  {"!a", 15},       {"~a", 16},       {"a & b", 17},
        {"a ^ b", 18},  {"a | b", 19},   {"a << b", 20},  {"a >> b", 21},   {"a >>> b", 22},  {"a = b", 23},
        {"a += b", 24}, {"a -= b", 25},  {"a *= b", 26},  {"a /= b", 27},   {"a &= b", 28},   {"a |= b", 29},
        {"a ^= b", 30}, {"a %= b", 31},  {"a <<= b", 32}, {"a >>= b", 33},  {"a >>>= b", 34}, {"delete a", 35},
        {"void a", 36}, {"typeof a", 37}, {"a, b", 38},   {"a++", 39},      {"++a", 40},      {"a--", 41},
        {"--a", 42},
    };
    for (const auto& c : cases) {
        Parsed p(c.text);
        ASSERT_TRUE(p.ok && p.parser.GetTree()) << c.text;
        auto* op = dynamic_cast<CorvelOperator*>(p.parser.GetTree()->GetStatement(0));
        ASSERT_NE(op, nullptr) << c.text;
        EXPECT_EQ((int)op->GetType(), c.kind) << c.text;
    }
}

TEST(CorvelParser, NewCallAndMemberForms) {
    EXPECT_EQ(ShapeOf("new f"), "(new f)");
    EXPECT_EQ(ShapeOf("new f()"), "(new f)");
    EXPECT_EQ(ShapeOf("new f(1)"), "(new f [1])");
    EXPECT_EQ(ShapeOf("f()()"), "(call (call f))");
    EXPECT_EQ(ShapeOf("f(a, b = 1)"), "(call f [a (= b 1)])");
    EXPECT_EQ(ShapeOf("new a.b(1).c"), "(. (new (. a b) [1]) c)");
    EXPECT_EQ(ShapeOf("new new f()()"), "(new (new f))");
    EXPECT_EQ(ShapeOf("new new f"), "(new (new f))");
    EXPECT_EQ(ShapeOf("a.b[c](d).e[f]"), "([] (. (call ([] (. a b) c) [d]) e) f)");
    EXPECT_EQ(ShapeOf("f(1)[2].g(3)"), "(call (. ([] (call f [1]) 2) g) [3])");
}

TEST(CorvelParser, StatementForms) {
    EXPECT_EQ(ShapeOf("if (a) if (b) c; else d;"), "(if a (if b c d) -)");
    EXPECT_EQ(ShapeOf("if (a) { if (b) c; } else d;"), "(if a {(if b c -)} d)");
    EXPECT_EQ(ShapeOf("with (o) x;"), "(with o x)");
    EXPECT_EQ(ShapeOf(";{}"), "; | {}");
    EXPECT_EQ(ShapeOf("for (;;) ;"), "(for - - - - ;)");
    EXPECT_EQ(ShapeOf("for (i;;) ;"), "(for i - - - ;)");
    EXPECT_EQ(ShapeOf("for (;c;) ;"), "(for - - c - ;)");
    EXPECT_EQ(ShapeOf("for (;;n) ;"), "(for - - - n ;)");
    EXPECT_EQ(ShapeOf("for (i; c;) ;"), "(for i - c - ;)");
    EXPECT_EQ(ShapeOf("for (i;; n) ;"), "(for i - - n ;)");
    EXPECT_EQ(ShapeOf("for (; c; n) ;"), "(for - - c n ;)");
    EXPECT_EQ(ShapeOf("for (i = 0; i < 3; i++) x"), "(for (= i 0) - (< i 3) (x++ i) x)");
    EXPECT_EQ(ShapeOf("for (var i = 0, j; i < 3; i++) ;"), "(for - [(= i 0) j] (< i 3) (x++ i) ;)");
    EXPECT_EQ(ShapeOf("for (var i;;) ;"), "(for - [i] - - ;)");
    EXPECT_EQ(ShapeOf("for (var i; c;) ;"), "(for - [i] c - ;)");
    EXPECT_EQ(ShapeOf("for (var i;; n) ;"), "(for - [i] - n ;)");
    EXPECT_EQ(ShapeOf("for (x in o) ;"), "(forin x o ;)");
    EXPECT_EQ(ShapeOf("for (a.b in o) ;"), "(forin (. a b) o ;)");
    EXPECT_EQ(ShapeOf("for (var x in o) ;"), "(forvar x o ;)");
    EXPECT_EQ(ShapeOf("for (var x = 1 in o) ;"), "(forvar (= x 1) o ;)");
}

TEST(CorvelParser, FunctionDeclarationsOnlyAtTopLevel) {
    Parsed p("function f() {}\nx = 1\nfunction g(a, b) { return a }");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.Tree(), "(= x 1)");
    QelPtrList<CorvelFunctionDefinition*>* functions = p.parser.GetFunctionList();
    ASSERT_EQ(functions->GetCount(), 2);
    __QelPOSITION* position = functions->GetHeadPosition();
    CorvelFunctionDefinition* f = functions->GetNext(position);
    CorvelFunctionDefinition* g = functions->GetNext(position);
    EXPECT_STREQ(f->GetName(), "f");
    EXPECT_EQ(f->GetParameters(), nullptr);
    EXPECT_STREQ(g->GetName(), "g");
    ASSERT_NE(g->GetParameters(), nullptr);
    EXPECT_EQ(g->GetParameters()->GetNumber(), 2);
    EXPECT_EQ(Shape(g->GetCodeBlock()), "{(return a)}");

    Parsed onlyFunction("function f() {}");
    EXPECT_TRUE(onlyFunction.ok);
    EXPECT_EQ(onlyFunction.parser.GetTree(), nullptr);

    for (const char* nested : {"{ function f() {} }", "function g() { function f() {} }"}) {
        Parsed bad(nested);
        EXPECT_EQ(bad.Errors(), "(1) : Syntax Error\n") << nested;
    }
}

TEST(CorvelParser, ErrorTextsAndCounts) {
    {
        Parsed p("x = (1;");
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.Errors(), "(1) : Missing right bracker ')'\n");
        EXPECT_EQ(p.parser.GetErrorCount(), 1);
    }
    {
        Parsed p("x = 1; (1 + 2;");
        EXPECT_TRUE(p.ok);
        EXPECT_EQ(p.Errors(), "(1) : Missing right bracker ')'\n(1) : Syntax Error\n");
        EXPECT_EQ(p.parser.GetErrorCount(), 2);
        EXPECT_EQ(p.Tree(), "(= x 1) | {}");
    }
    {
        Parsed p("(1 + 2;");
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.Errors(), "(1) : Missing right bracker ')'\n");
    }
    {
        Parsed p("x = 1;\ny = (a, );\nz = 2;");  // recovery popped: no bracket message
        EXPECT_TRUE(p.ok);
        EXPECT_EQ(p.Errors(), "(2) : Syntax Error\n");
        EXPECT_EQ(p.Tree(), "(= x 1) | {} | (= z 2)");
    }
    {
        Parsed p("a = 1 # b = 2;");
        EXPECT_TRUE(p.ok);
        EXPECT_EQ(p.Errors(), "(1) : Unrecognised characters '# ' found\n(1) : Syntax Error\n");
        EXPECT_EQ(p.parser.GetErrorCount(), 2);
    }
    {
        Parsed p("x = 1;\n{ y = ; }\nclass = 2;\n");
        EXPECT_TRUE(p.ok);
        EXPECT_EQ(p.Errors(), "(2) : Syntax Error\n(3) : Syntax Error\n");
        EXPECT_EQ(p.Tree(), "(= x 1) | {{}} | {}");
    }
    {
        Parsed p("x = 1;\n/* open");
        EXPECT_NE(p.Errors().find(") : Comment has no end\n"), std::string::npos) << p.Errors();
        EXPECT_EQ(p.parser.GetErrorCount(), 1);
    }
    for (const char* empty : {"", "  \n // nothing\n /* at all */"}) {
        Parsed p(empty);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.Errors(), "");
        EXPECT_EQ(p.parser.GetErrorCount(), 0);
    }
}

TEST(CorvelParser, SecondParseStartsAfresh) {
    CorvelParser parser("again");
    QelString errors;
    EXPECT_TRUE(parser.Parse("x = 1;\ny = ;", errors));
    EXPECT_STREQ(errors.GetText(), "(2) : Syntax Error\n");
    EXPECT_TRUE(parser.Parse("function f() {}\nz = 2\n", errors));
    EXPECT_STREQ(errors.GetText(), "");
    EXPECT_EQ(parser.GetErrorCount(), 0);
    EXPECT_EQ(StatementsShape(parser.GetTree()), "(= z 2)");
    EXPECT_EQ(parser.GetFunctionList()->GetCount(), 1);
    EXPECT_FALSE(parser.Parse("q = (1", errors));
    EXPECT_STREQ(errors.GetText(), "(2) : Missing right bracker ')'\n");
    EXPECT_EQ(parser.GetTree(), nullptr);
    EXPECT_EQ(parser.GetFunctionList()->GetCount(), 0);
}

TEST(CorvelParser, NodesRecordSourceAndLine) {
    Parsed p("x = 1;\n\ny = 2;");
    ASSERT_TRUE(p.ok);
    const CorvelCodePosition& second = p.parser.GetTree()->GetStatement(1)->GetCodePosition();
    EXPECT_STREQ(second.source.GetText(), "test");
    EXPECT_EQ(second.line, 3);
    CorvelIdentifier outside("x");
    EXPECT_EQ(outside.GetCodePosition().line, -1);
}

TEST(CorvelParser, BracketsNestWithoutLimit) {
    std::string text = std::string(100000, '(') + "1" + std::string(100000, ')');
    Parsed p(text);
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.Tree(), "1");
}

TEST(CorvelParser, DeepTreesFailCleanly) {
    std::string calls;
    for (int i = 0; i < 100000; ++i) calls += "f(";
    calls += std::string(100000, ')');
    std::string sum;
    for (int i = 1; i < 100000; ++i) sum += "1+(";
    sum += "1" + std::string(99999, ')');
    std::string blocks = std::string(100000, '{') + std::string(100000, '}');
    for (const std::string* text : {&calls, &sum, &blocks}) {
        Parsed p("x = 1;\n" + *text);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.Errors(), "(2) : Script nested too deeply\n");
        EXPECT_EQ(p.parser.GetErrorCount(), 1);
    }
}

TEST(CorvelParser, NestingBoundIsTheHosts) {
    Parsed shallow("a + (b + c)", 3);
    Parsed deep("return\na + (b + (c + d));", 3);
    // The return node is one too deep while "q" waits, pushed back behind
    // the inserted ";", with its node.
    Parsed waiting("return a + (b + c)\nq", 3);
    EXPECT_FALSE(waiting.ok);
    EXPECT_EQ(waiting.Errors(), "(2) : Script nested too deeply\n");
    EXPECT_TRUE(shallow.ok);
    EXPECT_EQ(shallow.Errors(), "");
    EXPECT_FALSE(deep.ok);
    EXPECT_EQ(deep.Errors(), "(2) : Script nested too deeply\n");
}

// A chain of one binary operator is walked in a loop wherever the tree is
// walked, so it is one level of nesting however long it is.
TEST(CorvelParser, LongChainsOfOneOperatorParse) {
    for (const char* op : {"+", "||", "<", ","}) {
        std::string chain = "x = 1";
        for (int i = 1; i < 100000; ++i) chain += std::string(op) + "1";
        Parsed p(chain + ";");
        ASSERT_TRUE(p.ok) << op << ": " << p.Errors();
        EXPECT_LE(p.parser.GetTree()->GetDepth(), 4) << op;
    }
    // Mixed operators of one precedence chain too.
    std::string mixed = "1";
    for (int i = 1; i < 100000; ++i) mixed += i % 2 ? "+2" : "-1";
    Parsed p(mixed);
    EXPECT_TRUE(p.ok);
}

// Valid scripts with tokens dropped, repeated and swapped: whatever the
// parser makes of them, it must not crash or leak (the sanitizer build checks).
TEST(CorvelParser, SurvivesMutatedScripts) {
    const char* const scripts[] = {
        "function f ( a , b ) { var c = a + b * 2 ; return c }",
        "for ( var i = 0 , j ; i < 10 ; i ++ ) { if ( i % 2 ) continue ; else x [ i ] = new F ( i ) . g }",
        "while ( a && ! b ) { with ( o ) { p . q ( 1 , 'two' ) ; break } }",
        "x = ( 1 + 2 ) ; y = a ? b : c = d ; for ( k in o ) delete o [ k ]",
        "return\n x ++ \n -- y ; z = typeof void this . w >>>= 3",
    };
    unsigned seed = 2024;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::string> tokens;
        std::string script = scripts[round % 5];
        size_t start = 0;
        while (start < script.size()) {
            size_t end = script.find(' ', start);
            if (end == std::string::npos) end = script.size();
            if (end > start) tokens.push_back(script.substr(start, end - start));
            start = end + 1;
        }
        int edits = 1 + (int)(next() % 4);
        for (int e = 0; e < edits && !tokens.empty(); ++e) {
            size_t at = next() % tokens.size();
            switch (next() % 3) {
            case 0: tokens.erase(tokens.begin() + (long)at); break;
            case 1: tokens.insert(tokens.begin() + (long)at, tokens[at]); break;
            default: std::swap(tokens[at], tokens[next() % tokens.size()]); break;
            }
        }
        std::string text;
        for (const std::string& token : tokens) text += token + " ";
        Parsed p(text);
        if (p.ok) ++accepted;
        EXPECT_GE(p.parser.GetErrorCount(), 0);
    }
    EXPECT_GT(accepted, 0);
}

}  // namespace
