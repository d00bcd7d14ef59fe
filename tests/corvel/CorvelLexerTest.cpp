#include "CorvelConstant.h"
#include "CorvelIdentifier.h"
#include "CorvelLexer.h"
#include "CorvelTokens.h"
#include "QelYACCParser.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const yymparsetables kNoGrammar = {};

// A parser that only collects what the lexer reports.
class ReportCollector : public QelYACCParser {
public:
    ReportCollector() : QelYACCParser(kNoGrammar) {}
    // The reports so far; forgets them.
    std::string TakeErrors() {
        std::string errors = m_errors.GetText();
        m_errors.Empty();
        m_errorCount = 0;
        return errors;
    }
};

// What a token carries: "273:name", "320:1.5", "320:'text'", "320:null", or
// just the number for tokens without a value.
std::string Describe(int token, CorvelTreeElement* value) {
    std::ostringstream out;
    out << token;
    if (auto* identifier = dynamic_cast<CorvelIdentifier*>(value)) out << ":" << identifier->GetName();
    if (auto* constant = dynamic_cast<CorvelConstant*>(value)) {
        const CorvelValue& v = constant->GetValue();
        switch (v.GetType()) {
        case CorvelValue::Null: out << ":null"; break;
        case CorvelValue::Boolean: out << (v.GetBool() ? ":true" : ":false"); break;
        case CorvelValue::Number: out << ":" << v.GetNumber(); break;
        case CorvelValue::String: out << ":'" << v.GetString() << "'"; break;
        default: out << ":?"; break;
        }
    }
    return out.str();
}

using Tokens = std::vector<std::string>;

class CorvelLexerTest : public ::testing::Test {
protected:
    CorvelLexerTest() { m_parser.LinkToLEX(m_lexer); }

    CorvelTreeElement* TakeValue() {
        void** slot = m_parser.GetYlvaluePtr();
        auto* value = static_cast<CorvelTreeElement*>(*slot);
        *slot = nullptr;
        return value;
    }

    // Every token of `text` up to the end of input, which is not listed.
    Tokens Lex(const char* text) {
        m_lexer.SetBuffer(text);
        Tokens tokens;
        for (int token = m_lexer.GetToken(); token != 0; token = m_lexer.GetToken()) {
            std::unique_ptr<CorvelTreeElement> value(TakeValue());
            tokens.push_back(Describe(token, value.get()));
        }
        return tokens;
    }

    std::string Errors() { return m_parser.TakeErrors(); }

    CorvelLexer m_lexer;
    ReportCollector m_parser;
};

Tokens Numbers(int first, int last) {
    Tokens tokens;
    for (int token = first; token <= last; ++token) tokens.push_back(std::to_string(token));
    return tokens;
}

}  // namespace

TEST_F(CorvelLexerTest, TokenSequences) {
    EXPECT_EQ(Lex("x=1;"), (Tokens{"273:x", "274", "320:1", "319"}));
    EXPECT_EQ(Lex("a>>>=b"), (Tokens{"273:a", "312", "273:b"}));
    EXPECT_EQ(Lex("a!==b"), (Tokens{"273:a", "280", "274", "273:b"}));
    EXPECT_EQ(Lex("a===b"), (Tokens{"273:a", "277", "274", "273:b"}));
    EXPECT_EQ(Lex("If iff ifx if_ $a _9"), (Tokens{"273:If", "273:iff", "273:ifx", "273:if_", "273:$a", "273:_9"}));
    EXPECT_EQ(Lex("null true false nullx"), (Tokens{"320:null", "320:true", "320:false", "273:nullx"}));
    EXPECT_EQ(Lex(""), (Tokens{}));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(CorvelLexerTest, EveryKeywordReservedWordAndPunctuator) {
    EXPECT_EQ(Lex("break continue delete else for function if in new return this typeof var void while with"),
              Numbers(257, 272));
    EXPECT_EQ(Lex("abstract boolean byte case catch char class const debugger default do double enum export extends "
                  "final finally float goto implements import instanceof int interface long native package private "
                  "protected public short static super switch synchronized throw throws transient try volatile"),
              Numbers(1000, 1039));
    EXPECT_EQ(Lex("= > < == <= >= != , ! ~ ? : . && || ++ -- + - * / & | ^ % << >> >>> += -= *= /= &= |= ^= %= "
                  "<<= >>= >>>= ( ) { } [ ] ;"),
              Numbers(274, 319));
}

TEST_F(CorvelLexerTest, Numbers) {
    EXPECT_EQ(Lex("0x1F 0XaB 017 1e3 .5 1. 1.e5 .5e3 0e5 2E-2 12.25"),
              (Tokens{"320:31", "320:171", "320:15", "320:1000", "320:0.5", "320:1", "320:100000", "320:500", "320:0",
                      "320:0.02", "320:12.25"}));
    EXPECT_EQ(Lex("1e"), (Tokens{"320:1", "273:e"}));
    EXPECT_EQ(Lex("1e+"), (Tokens{"320:1", "273:e", "291"}));
    EXPECT_EQ(Lex("09"), (Tokens{"320:0", "320:9"}));
    EXPECT_EQ(Lex("1.2.3"), (Tokens{"320:1.2", "320:0.3"}));
    EXPECT_EQ(Lex("0x"), (Tokens{"320:0", "273:x"}));
    EXPECT_EQ(Lex("0779"), (Tokens{"320:63", "320:9"}));
    EXPECT_EQ(Lex("00.5"), (Tokens{"320:0", "320:0.5"}));
    EXPECT_EQ(Lex("a.b"), (Tokens{"273:a", "286", "273:b"}));
    // Hexadecimal values never overflow; precision beyond 2^53 is lost.
    EXPECT_EQ(Lex("0x10000000000000000000"), (Tokens{"320:7.55579e+22"}));
    EXPECT_EQ(Lex("1e400"), (Tokens{"320:inf"}));
}

TEST_F(CorvelLexerTest, StringValues) {
    EXPECT_EQ(Lex("'\\x41B' '\\101' '\\q' '\\400' '\\u0141' '\\377'"),
              (Tokens{"320:'AB'", "320:'A'", "320:'q'", "320:' 0'", "320:'A'", "320:'\xff'"}));
    EXPECT_EQ(Lex("\"\\b\\t\\n\\f\\r\\v\\\\\""), (Tokens{"320:'\b\t\n\f\rv\\'"}));
    EXPECT_EQ(Lex("'it\\'s' \"say 'hi'\" '\"' ''"), (Tokens{"320:'it's'", "320:'say 'hi''", "320:'\"'", "320:''"}));
    EXPECT_EQ(Lex("'\\18' '\\7a'"), (Tokens{"320:'\x01" "8'", "320:'\x07" "a'"}));
    // A zero byte ends the value.
    EXPECT_EQ(Lex("'a\\0b' 'c\\x00d'"), (Tokens{"320:'a'", "320:'c'"}));
    // An escaped line break stays in the string and is counted.
    EXPECT_EQ(Lex("'a\\\nb' x"), (Tokens{"320:'a\nb'", "273:x"}));
    EXPECT_EQ(m_lexer.GetLineNumber(), 2);
    // \x and \u need all their digits, or the quote is an unrecognised byte.
    EXPECT_EQ(Lex("'\\x4'"), (Tokens{"273:x4"}));
    EXPECT_EQ(Errors(), "(1) : Unrecognised characters ''\\' found\n(1) : Unrecognised characters ''' found\n");
}

TEST_F(CorvelLexerTest, UnclosedStringIsAnUnrecognisedQuote) {
    EXPECT_EQ(Lex("'a\nb'"), (Tokens{"273:a", "273:b"}));
    EXPECT_EQ(Errors(), "(1) : Unrecognised characters ''' found\n(2) : Unrecognised characters ''' found\n");
}

TEST_F(CorvelLexerTest, CommentsDoNotNest) {
    EXPECT_EQ(Lex("/* a /* b */ c */"), (Tokens{"273:c", "293", "294"}));
    EXPECT_EQ(Lex("a/**/b/***/c/*/*/d*/e"), (Tokens{"273:a", "273:b", "273:c", "273:e"}));
    EXPECT_EQ(Lex("x // a \r b\ny"), (Tokens{"273:x", "273:y"}));
    EXPECT_EQ(Lex("a / b /= c"), (Tokens{"273:a", "294", "273:b", "305", "273:c"}));
    EXPECT_EQ(Lex("x // no line break at the end"), (Tokens{"273:x"}));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(CorvelLexerTest, LineBreaksBeforeTokens) {
    m_lexer.SetBuffer("// c\nx y\r\nz /* \n */ w /* */ v");
    const struct {
        int token;
        bool eol;
        int line;
    } expected[] = {{273, true, 2}, {273, false, 2}, {273, true, 3}, {273, true, 4}, {273, false, 4}, {0, false, 4}};
    for (const auto& e : expected) {
        std::unique_ptr<CorvelTreeElement> value;
        EXPECT_EQ(m_lexer.GetToken(), e.token);
        value.reset(TakeValue());
        EXPECT_EQ(m_lexer.GetEOL(), e.eol);
        EXPECT_EQ(m_lexer.GetLineNumber(), e.line);
    }
}

TEST_F(CorvelLexerTest, PendingTokensComeBackLastFirstWithoutTouchingState) {
    m_lexer.SetBuffer("a\nb c");
    EXPECT_EQ(m_lexer.GetToken(), 273);
    std::unique_ptr<CorvelTreeElement> a(TakeValue());
    EXPECT_EQ(m_lexer.SnoopNextToken(), 273);
    std::unique_ptr<CorvelTreeElement> b(TakeValue());
    EXPECT_EQ(Describe(273, b.get()), "273:b");
    EXPECT_TRUE(m_lexer.GetEOL());
    m_lexer.InsertNextToken(319);
    void* marker = &marker;
    *m_parser.GetYlvaluePtr() = marker;
    EXPECT_EQ(m_lexer.GetToken(), 319);
    EXPECT_EQ(m_lexer.GetToken(), 273);
    EXPECT_TRUE(m_lexer.GetEOL());
    EXPECT_EQ(*m_parser.GetYlvaluePtr(), marker);
    // A fresh scan clears the slot, so a token without a value carries none.
    m_lexer.SetBuffer("c;");
    EXPECT_EQ(m_lexer.GetToken(), 273);
    std::unique_ptr<CorvelTreeElement> c(TakeValue());
    *m_parser.GetYlvaluePtr() = marker;
    EXPECT_EQ(m_lexer.GetToken(), 319);
    EXPECT_EQ(*m_parser.GetYlvaluePtr(), nullptr);
    EXPECT_FALSE(m_lexer.GetEOL());
}

TEST_F(CorvelLexerTest, UnrecognisedRunsAreReportedOncePerToken) {
    EXPECT_EQ(Lex("############ x"), (Tokens{"273:x"}));
    EXPECT_EQ(Errors(), "(1) : Unrecognised characters '##########...' found\n");
    EXPECT_EQ(Lex("######### x"), (Tokens{"273:x"}));
    EXPECT_EQ(Errors(), "(1) : Unrecognised characters '######### ...' found\n");
    EXPECT_EQ(Lex("#########x"), (Tokens{"273:x"}));
    EXPECT_EQ(Errors(), "(1) : Unrecognised characters '#########' found\n");
    EXPECT_EQ(Lex("a = 1 # b = 2;"), (Tokens{"273:a", "274", "320:1", "273:b", "274", "320:2", "319"}));
    EXPECT_EQ(Errors(), "(1) : Unrecognised characters '# ' found\n");
    // The line is that of the next good token.
    EXPECT_EQ(Lex("@ a\n`\n\nb \x01\xff c"), (Tokens{"273:a", "273:b", "273:c"}));
    EXPECT_EQ(Errors(),
              "(1) : Unrecognised characters '@ ' found\n(4) : Unrecognised characters '`\n\n' found\n"
              "(4) : Unrecognised characters '\x01\xff ' found\n");
}

TEST_F(CorvelLexerTest, UnrecognisedRunAtTheEndOfInput) {
    // The run stops before the final line break, which is the last match.
    EXPECT_EQ(Lex("a #\n"), (Tokens{"273:a"}));
    EXPECT_EQ(Errors(), "(2) : Unrecognised characters '#' found\n");
    EXPECT_EQ(Lex("a # \n"), (Tokens{"273:a"}));
    EXPECT_EQ(Errors(), "(2) : Unrecognised characters '# ' found\n");
    // Without one, the bad bytes themselves were the last match.
    EXPECT_EQ(Lex("a ##"), (Tokens{"273:a"}));
    EXPECT_EQ(Errors(), "(1) : Unrecognised characters '##' found\n");
}

TEST_F(CorvelLexerTest, BlockCommentWithoutEnd) {
    EXPECT_EQ(Lex("x /* abc\n"), (Tokens{"273:x"}));
    EXPECT_EQ(Errors(), "(2) : Comment has no end\n");
    EXPECT_EQ(m_parser.GetErrorCount(), 0);  // TakeErrors reset it
    // The next text starts outside the comment, on line 1.
    EXPECT_EQ(Lex("*/ y"), (Tokens{"293", "294", "273:y"}));
    EXPECT_EQ(m_lexer.GetLineNumber(), 1);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(CorvelLexerTest, TokeniseAnEditorLine) {
    QelArray<int> tokens, ends;
    QelArray<CorvelTreeElement*> values;
    auto describe = [&] {
        Tokens result;
        for (int i = 0; i < tokens.GetSize(); ++i) {
            std::unique_ptr<CorvelTreeElement> value(values[i]);
            result.push_back(Describe(tokens[i], value.get()) + "@" + std::to_string(ends[i]));
        }
        return result;
    };
    bool inComment = false;
    EXPECT_TRUE(m_lexer.Tokenise("  x = 1 // note", tokens, ends, values, inComment));
    EXPECT_EQ(describe(), (Tokens{"2000@2", "273:x@3", "2000@4", "274@5", "2000@6", "320:1@7", "2000@8"}));
    EXPECT_FALSE(inComment);

    m_lexer.Tokenise("a /* b", tokens, ends, values, inComment);
    EXPECT_EQ(describe(), (Tokens{"273:a@1", "2000@2", "2002@6"}));
    EXPECT_TRUE(inComment);

    m_lexer.Tokenise("c */ d", tokens, ends, values, inComment);
    EXPECT_EQ(describe(), (Tokens{"2001@4", "2000@5", "273:d@6"}));
    EXPECT_FALSE(inComment);

    m_lexer.Tokenise("'a #\"s\"// x\ny", tokens, ends, values, inComment);
    EXPECT_EQ(describe(), (Tokens{"2003@1", "273:a@2", "2000@3", "2003@4", "320:'s'@7", "2001@12", "273:y@13"}));

    m_lexer.Tokenise("", tokens, ends, values, inComment);
    EXPECT_EQ(describe(), (Tokens{}));
    EXPECT_FALSE(inComment);

    // Tokenising reports nothing and leaves the parser's value slot linked.
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(Lex("z"), (Tokens{"273:z"}));
}

TEST(CorvelLexerAlone, WorksWithoutAParser) {
    CorvelLexer lexer;
    EXPECT_EQ(lexer.GetToken(), 0);
    lexer.SetBuffer("# x 'q' /* open");
    EXPECT_EQ(lexer.GetToken(), 273);
    EXPECT_STREQ(lexer.GetYYText(), "x");
    EXPECT_EQ(lexer.GetToken(), 320);
    EXPECT_EQ(lexer.GetToken(), 0);
    EXPECT_EQ(lexer.GetToken(), 0);
    EXPECT_FALSE(lexer.HasFailed());
}

TEST(CorvelLexerOverflow, FixedTextBufferFailsTheLexerInsteadOfTheProcess) {
    yymlex fixed = *CorvelLexer::GetLexTemplate();
    fixed.textGrows = 0;
    CorvelLexer lexer(&fixed);
    ReportCollector parser;
    parser.LinkToLEX(lexer);
    std::string text = "a\n" + std::string(150, 'b') + " c";
    lexer.SetBuffer(text.c_str());
    EXPECT_EQ(lexer.GetToken(), 273);
    delete static_cast<CorvelTreeElement*>(*parser.GetYlvaluePtr());
    EXPECT_EQ(lexer.GetToken(), 0);
    EXPECT_TRUE(lexer.HasFailed());
    EXPECT_EQ(lexer.GetToken(), 0);
    EXPECT_EQ(parser.GetErrorCount(), 1);
    EXPECT_EQ(parser.TakeErrors(), "(2) : lex text buffer overflow (100)\n");

    // A new text starts over.
    lexer.SetBuffer("d");
    EXPECT_FALSE(lexer.HasFailed());
    EXPECT_EQ(lexer.GetToken(), 273);
    delete static_cast<CorvelTreeElement*>(*parser.GetYlvaluePtr());
    EXPECT_EQ(lexer.GetToken(), 0);
}

TEST_F(CorvelLexerTest, MegabyteOfScript) {
    const std::string chunk =
        "var x1 = 'str\\n' + 12.5e3; // comment\n"
        "if (a >>>= 0x1F) { c(\"q\", null); }\n"
        "/* block\n   comment */ y = .5;\n";
    const size_t perChunk = Lex(chunk.c_str()).size();
    std::string text;
    while (text.size() < (1u << 20)) text += chunk;
    Tokens tokens = Lex(text.c_str());
    ASSERT_EQ(tokens.size(), text.size() / chunk.size() * perChunk);
    EXPECT_EQ(tokens[0], "269");
    EXPECT_EQ(tokens[3], "320:'str\n'");
    EXPECT_EQ(m_lexer.GetLineNumber(), (int)(text.size() / chunk.size() * 4 + 1));
    EXPECT_TRUE(Errors().empty());
}
