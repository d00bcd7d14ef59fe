#include "LexgenAutomaton.h"
#include "LexgenError.h"
#include "LexgenRules.h"
#include "LexgenTables.h"
#include "LexgenWriter.h"
#include "yymlex.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Generates tables from rules text and runs the engine over them. The action
// text of a rule is read as a tiny script: "skip" returns no token, "begin N"
// switches to start condition N; unless skipping, the rule's number is
// returned as its token.
class Scanner {
public:
    explicit Scanner(const std::string& rulesText) {
        m_rules.Read("%class L\n" + rulesText, "test.rules");
        m_automaton = std::make_unique<LexgenAutomaton>(m_rules);
        m_tables = std::make_unique<LexgenTables>(m_rules, *m_automaton);
    }

    // One "rule:text" per token ("rule:EOF" for end-of-input rules), plus
    // "line N" after each token when asked.
    std::vector<std::string> Scan(const std::string& input, const std::function<void(yymlex&)>& adjust = nullptr,
                                  bool withLines = false) {
        yymlex lexTemplate = m_tables->MakeTemplate();
        lexTemplate.action = Action;
        lexTemplate.getChar = GetChar;
        lexTemplate.output = Echo;
        lexTemplate.textOverflow = Overflow;
        lexTemplate.unputOverflow = Overflow;
        if (adjust) adjust(lexTemplate);
        m_input = input;
        m_position = 0;
        m_echoed.clear();
        m_overflow.clear();
        yymlex lex;
        yymlexcreate(&lex, &lexTemplate);
        lex.data = this;
        std::vector<std::string> tokens;
        for (int guard = 0; guard < 1000; ++guard) {
            int rule = yymlexscan(&lex);
            if (rule == 0) break;
            bool atEnd = m_rules.GetRules()[(size_t)rule - 1].pattern < 0;
            tokens.push_back(std::to_string(rule) + ":" + (atEnd ? std::string("EOF") : std::string(lex.text)));
            if (withLines) tokens.push_back("line " + std::to_string(lex.lineNumber));
        }
        m_failed = lex.failed != 0;
        m_finalCondition = lex.start;
        yymlexdestroy(&lex);
        return tokens;
    }

    const LexgenRules& GetRules() const { return m_rules; }
    const LexgenTables& GetTables() const { return *m_tables; }

    std::string m_echoed;
    std::string m_overflow;
    bool m_failed = false;
    int m_finalCondition = 0;

private:
    static Scanner& Of(yymlex* lex) { return *static_cast<Scanner*>(lex->data); }

    static int GetChar(yymlex* lex) {
        Scanner& self = Of(lex);
        if (self.m_position >= self.m_input.size()) return -1;
        return (unsigned char)self.m_input[self.m_position++];
    }

    static void Echo(yymlex* lex, int c) { Of(lex).m_echoed += (char)c; }

    static void Overflow(yymlex* lex, const char* message) { Of(lex).m_overflow += message; }

    static int Action(yymlex* lex, int rule) {
        const std::string& code = Of(lex).m_rules.GetRules()[(size_t)rule - 1].action;
        size_t begin = code.find("begin ");
        if (begin != std::string::npos) lex->start = code[begin + 6] - '0';
        if (code.find("skip") != std::string::npos) {
            lex->returned = 0;
            return 0;
        }
        return rule;
    }

    LexgenRules m_rules;
    std::unique_ptr<LexgenAutomaton> m_automaton;
    std::unique_ptr<LexgenTables> m_tables;
    std::string m_input;
    size_t m_position = 0;
};

using Tokens = std::vector<std::string>;

// The text rule 1 matches at the start of `input`, or "" when it does not.
std::string Longest(const std::string& definitions, const std::string& pattern, const std::string& input) {
    Scanner scanner(definitions + "%%\n" + pattern + " {}\n.|\\n {}\n");
    Tokens tokens = scanner.Scan(input);
    return !tokens.empty() && tokens[0].compare(0, 2, "1:") == 0 ? tokens[0].substr(2) : "";
}

std::string ReadError(const std::string& rulesText) {
    try {
        LexgenRules rules;
        rules.Read(rulesText, "bad.rules");
    } catch (const LexgenError& error) {
        return error.what();
    }
    return "";
}

}  // namespace

TEST(Lexgen, LongestMatchThenEarlierRule) {
    Scanner scanner("%%\n\"if\" {}\n[a-z]+ {}\n\" \"+ { skip }\n");
    EXPECT_EQ(scanner.Scan("if iff ifx i"), (Tokens{"1:if", "2:iff", "2:ifx", "2:i"}));
}

TEST(Lexgen, BacktracksToTheLastAcceptingPrefix) {
    Scanner scanner("%%\n\"ab\" {}\n\"abcd\" {}\n. {}\n");
    EXPECT_EQ(scanner.Scan("abcx"), (Tokens{"1:ab", "3:c", "3:x"}));
    EXPECT_EQ(scanner.Scan("abcdab"), (Tokens{"2:abcd", "1:ab"}));
    EXPECT_EQ(scanner.Scan("abc"), (Tokens{"1:ab", "3:c"}));
}

TEST(Lexgen, LineNumbersSurviveBacktrackingOverLineBreaks) {
    Scanner scanner("%%\n\"a\\n\\nb\" {}\n\"a\" {}\n\\n {}\n. {}\n");
    EXPECT_EQ(scanner.Scan("a\n\nx", nullptr, true),
              (Tokens{"2:a", "line 1", "3:\n", "line 2", "3:\n", "line 3", "4:x", "line 3"}));
    EXPECT_EQ(scanner.Scan("a\n\nb", nullptr, true), (Tokens{"1:a\n\nb", "line 3"}));
}

// An in-memory source is read without callbacks and backtracks by moving
// its cursor, and unpacked rows step in one index; what comes out must not
// differ from the callback's way over the packed transitions.
TEST(Lexgen, InMemorySourceAndUnpackedRowsScanLikeTheCallback) {
    Scanner scanner("%x C\n%%\n\"a\\n\\nb\" {}\n\"a\" {}\n\"abcd\" {}\n\\n {}\n\" \" { skip }\n"
                    "\"<\" { begin 1 }\n<C>[^>]+ {}\n<C>\">\" { begin 0 }\n[0-9]+(\\.[0-9]+)? {}\n. {}\n");
    for (std::string input : {"a\n\nx", "a\n\nb", "abcx abcd a\n", "abc", "", "a\n\n", "1.5 2. <ab\ncd> 3 <x"}) {
        auto packed = [](yymlex& lex) { lex.rows = nullptr; };
        auto inMemory = [&input](yymlex& lex) { lex.cursor = reinterpret_cast<const unsigned char*>(input.c_str()); };
        Tokens expected = scanner.Scan(input, packed, true);
        EXPECT_EQ(scanner.Scan(input, nullptr, true), expected) << input;
        EXPECT_EQ(scanner.Scan(input, inMemory, true), expected) << input;
    }
    // A small fixed push-back buffer is never needed: the cursor moves back.
    std::string input = "abcx";
    auto fixed = [&input](yymlex& lex) {
        lex.cursor = reinterpret_cast<const unsigned char*>(input.c_str());
        lex.unputGrows = 0;
        lex.unputSize = 1;
    };
    EXPECT_EQ(scanner.Scan(input, fixed), (Tokens{"2:a", "10:b", "10:c", "10:x"}));
    EXPECT_FALSE(scanner.m_failed);
}

TEST(Lexgen, ExclusiveStartConditions) {
    Scanner scanner(
        "%x C\n%%\n"
        "\"<\" { begin 1 skip }\n"
        "<C>\">\" { begin 0 skip }\n"
        "<C>[^>]+ {}\n"
        "[a-z]+ {}\n");
    EXPECT_EQ(scanner.Scan("ab<cd ef>gh"), (Tokens{"4:ab", "3:cd ef", "4:gh"}));
    // Rules of INITIAL do not apply inside C, and ">" means nothing outside it.
    EXPECT_EQ(scanner.Scan(">x"), (Tokens{"4:x"}));
    EXPECT_EQ(scanner.m_echoed, ">");
}

TEST(Lexgen, ConditionListsAndStar) {
    Scanner scanner(
        "%x A B\n%%\n"
        "<*>\"!\" { skip }\n"
        "\"a\" { begin 1 skip }\n"
        "\"b\" { begin 2 skip }\n"
        "<A,B>[0-9] {}\n"
        "<A,B>\";\" { begin 0 skip }\n");
    EXPECT_EQ(scanner.Scan("a1!2;b3!;7"), (Tokens{"4:1", "4:2", "4:3"}));
    EXPECT_EQ(scanner.m_echoed, "7");
}

TEST(Lexgen, EndOfInputRulesPerCondition) {
    Scanner scanner(
        "%x C D\n%%\n"
        "\"c\" { begin 1 skip }\n"
        "\"d\" { begin 2 skip }\n"
        "<C,D>. { skip }\n"
        "<C><<EOF>> { begin 0 }\n"
        "<D><<EOF>> { skip }\n"
        "<<EOF>> { skip }\n");
    // The rule of C returns a token once and leaves C, so input then ends.
    EXPECT_EQ(scanner.Scan("xcab"), (Tokens{"4:EOF"}));
    EXPECT_EQ(scanner.m_echoed, "x");
    // A rule that returns nothing lets the input end and resets the condition.
    EXPECT_EQ(scanner.Scan("dab"), (Tokens{}));
    EXPECT_EQ(scanner.m_finalCondition, 0);
    EXPECT_EQ(scanner.Scan(""), (Tokens{}));
}

TEST(Lexgen, UnmatchedBytesAreEchoedAndSkipped) {
    Scanner scanner("%%\n[0-9]+ {}\n");
    EXPECT_EQ(scanner.Scan("a12b3c"), (Tokens{"1:12", "1:3"}));
    EXPECT_EQ(scanner.m_echoed, "abc");
}

TEST(Lexgen, ConditionWithoutPatternsEchoesEverything) {
    Scanner scanner("%x Empty\n%%\n\"go\" { begin 1 skip }\n");
    EXPECT_EQ(scanner.Scan("go\nabc"), (Tokens{}));
    EXPECT_EQ(scanner.m_echoed, "\nabc");
}

TEST(Lexgen, PatternSyntax) {
    EXPECT_EQ(Longest("", "[a-c]+", "abcabd"), "abcab");
    EXPECT_EQ(Longest("", "[^a-c\\n]+", "xyz\nq"), "xyz");
    EXPECT_EQ(Longest("", "[-a]+", "-a-b"), "-a-");
    EXPECT_EQ(Longest("", "[\\]\\\\]+", "]\\]x"), "]\\]");
    EXPECT_EQ(Longest("", ".+", "ab\xff\ncd"), "ab\xff");
    EXPECT_EQ(Longest("", "ab?c", "acx"), "ac");
    EXPECT_EQ(Longest("", "ab?c", "abcx"), "abc");
    EXPECT_EQ(Longest("", "a(bc|d)*e", "abcdbce"), "abcdbce");
    EXPECT_EQ(Longest("", "x{3}", "xxxxx"), "xxx");
    EXPECT_EQ(Longest("", "x{2,3}", "xxxxx"), "xxx");
    EXPECT_EQ(Longest("", "x{2,3}", "xy"), "");
    EXPECT_EQ(Longest("", "x{2,}", "xxxxxy"), "xxxxx");
    EXPECT_EQ(Longest("", "(ab){2}", "ababab"), "abab");
    EXPECT_EQ(Longest("", "\"a b\\t\"", "a b\t!"), "a b\t");
    EXPECT_EQ(Longest("", "\\x41\\102\\.", "AB.C"), "AB.");
    EXPECT_EQ(Longest("", "\"*/\"|\"/\"", "*/"), "*/");
    EXPECT_EQ(Longest("D [0-9]\nH {D}|[a-f]\n", "0x{H}+", "0x1fg"), "0x1f");
    EXPECT_EQ(Longest("D [0-9]\n", "{D}+(\".\"{D}*)?([eE][+-]?{D}+)?", "1.e5x"), "1.e5");
    EXPECT_EQ(Longest("D [0-9]\n", "{D}+(\".\"{D}*)?([eE][+-]?{D}+)?", "1e+x"), "1");
}

TEST(Lexgen, ReportsFaultsWithTheirLine) {
    EXPECT_EQ(ReadError("%class L\n%%\na* {}\n"), "bad.rules:3: pattern a* matches the empty text");
    EXPECT_EQ(ReadError("%class L\n%%\n{nope} {}\n"), "bad.rules:3: pattern {nope}: undefined name {nope}");
    EXPECT_EQ(ReadError("%class L\n%%\n<X>a {}\n"), "bad.rules:3: undeclared start condition X");
    EXPECT_EQ(ReadError("%class L\n%%\na { {\n}\n"), "bad.rules:4: unbalanced braces in the action");
    EXPECT_EQ(ReadError("%class L\n%%\na\n"), "bad.rules:3: action expected");
    EXPECT_EQ(ReadError("%class L\n%%\n(a {}\n"), "bad.rules:3: pattern (a: ')' expected");
    EXPECT_EQ(ReadError("%class L\n%%\na) {}\n"), "bad.rules:3: pattern a): unbalanced ')'");
    EXPECT_EQ(ReadError("%class L\n%%\n[b-a] {}\n"), "bad.rules:3: pattern [b-a]: class range runs backwards");
    EXPECT_EQ(ReadError("%class L\n%x A A\n%%\n"), "bad.rules:2: start condition A declared twice");
    EXPECT_EQ(ReadError("%class L\n%%\n  a {}\n"), "bad.rules:3: rules start in the first column");
    EXPECT_EQ(ReadError("%%\na {}\n"), "bad.rules:0: %class is missing");
    EXPECT_EQ(ReadError("%class L\n"), "bad.rules:1: %% expected before the rules");
}

TEST(Lexgen, ActionsMaySpanLinesAndHoldBracesInLiterals) {
    LexgenRules rules;
    rules.Read(
        "%class L\n%%\n"
        "a    { if (x) { f(\"}\", '{'); } /* } */\n"
        "       g(); }  // }\n"
        "b    return 2;\n"
        "%%\n"
        "int tail;\n",
        "ok.rules");
    ASSERT_EQ(rules.GetRules().size(), 2u);
    EXPECT_EQ(rules.GetRules()[0].action, "{ if (x) { f(\"}\", '{'); } /* } */\n       g(); }  // }");
    EXPECT_EQ(rules.GetRules()[1].action, "return 2;");
    EXPECT_EQ(rules.GetRules()[1].line, 5);
    EXPECT_EQ(rules.GetEpilogue(), "int tail;\n");
}

TEST(Lexgen, EngineReportsTextOverflowInsteadOfGrowing) {
    Scanner scanner("%%\n[a-z]+ {}\n\" \" { skip }\n");
    auto fixed = [](yymlex& lex) {
        lex.textGrows = 0;
        lex.textSize = 8;
    };
    EXPECT_EQ(scanner.Scan("short abcdefghijkl more", fixed), (Tokens{"1:short"}));
    EXPECT_EQ(scanner.m_overflow, "lex text buffer overflow (8)\n");
    EXPECT_TRUE(scanner.m_failed);
    // Growing buffers take tokens far beyond their first size.
    std::string longWord(5000, 'q');
    EXPECT_EQ(scanner.Scan(longWord + " x", [](yymlex& lex) { lex.textSize = 0; }),
              (Tokens{"1:" + longWord, "1:x"}));
    EXPECT_FALSE(scanner.m_failed);
}

TEST(Lexgen, EngineReportsUnputOverflowInsteadOfGrowing) {
    Scanner scanner("%%\n\"a\" {}\n\"abcde\" {}\n. {}\n");
    auto fixed = [](yymlex& lex) {
        lex.unputGrows = 0;
        lex.unputSize = 2;
    };
    EXPECT_EQ(scanner.Scan("abx", fixed), (Tokens{"1:a", "3:b", "3:x"}));
    EXPECT_FALSE(scanner.m_failed);
    EXPECT_EQ(scanner.Scan("abcdx", fixed), (Tokens{}));
    EXPECT_EQ(scanner.m_overflow, "lex unput buffer overflow (2)\n");
    EXPECT_TRUE(scanner.m_failed);
}

TEST(Lexgen, OutputIsDeterministicAndCarriesTheActions) {
    const std::string text =
        "%{\n#include \"L.h\"\n%}\n%class L\n%x Deep\nW [a-z]\n%%\n"
        "{W}+ { return 1; }\n<Deep>. { Leave(); }\n<Deep><<EOF>> { return 2; }\n";
    std::string first, second;
    for (std::string* out : {&first, &second}) {
        LexgenRules rules;
        rules.Read(text, "/some/where/L.rules");
        LexgenAutomaton automaton(rules);
        LexgenTables tables(rules, automaton);
        *out = LexgenWriter::Write(rules, tables);
    }
    EXPECT_EQ(first, second);
    EXPECT_NE(first.find("#include \"L.h\"\n"), std::string::npos);
    EXPECT_NE(first.find("static_assert(L::Deep == 1"), std::string::npos);
    EXPECT_NE(first.find("case 2:  // L.rules:9\n        { Leave(); }\n        break;\n"), std::string::npos);
    EXPECT_EQ(first.find("/some/where"), std::string::npos);
}
