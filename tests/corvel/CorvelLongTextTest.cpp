// Long texts take the parser's faster ways: nodes made in the parser's
// arena, one shared copy of each name, blanks and line breaks passed over
// without the engine. Each must give what the plain ways give.
#include "CorvelConstant.h"
#include "CorvelExecutionHarness.h"
#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"
#include "CorvelNodeArena.h"
#include "CorvelParser.h"
#include "CorvelPropertyStore.h"
#include "CorvelTree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <vector>

namespace {

// Enough statements to make any text long.
std::string Filler(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "filler;\n";
    return text;
}

struct Parsed {
    explicit Parsed(const std::string& text) : parser("long.js") {
        accepted = parser.Parse(text.c_str(), errors);
    }
    const CorvelIdentifier* Name(int statement) {
        return dynamic_cast<const CorvelIdentifier*>(parser.GetTree()->GetStatement(statement));
    }
    int Count() { return parser.GetTree() ? parser.GetTree()->GetNumberOfStatements() : 0; }
    CorvelParser parser;
    QelString errors;
    bool accepted = false;
};

TEST(CorvelLongText, IdentifiersOfOneNameShareItsTextAndHashes) {
    std::vector<std::string> names;
    std::string text;
    // Enough names to make the table grow several times, some of them
    // prefixes of others.
    for (int i = 0; i < 600; ++i) {
        names.push_back("n" + std::to_string(i));
        names.push_back("n" + std::to_string(i) + "x");
    }
    for (const std::string& name : names) text += name + ";\n";
    for (const std::string& name : names) text += name + ";\n";
    Parsed parsed(text);
    ASSERT_TRUE(parsed.accepted);
    ASSERT_EQ(parsed.Count(), (int)names.size() * 2);
    for (size_t i = 0; i < names.size(); ++i) {
        const CorvelIdentifier* first = parsed.Name((int)i);
        const CorvelIdentifier* again = parsed.Name((int)(i + names.size()));
        ASSERT_TRUE(first && again);
        EXPECT_STREQ(first->GetName(), names[i].c_str());
        EXPECT_EQ(first->GetName(), again->GetName()) << names[i];
        CorvelPropertyStore::Name fresh(names[i].c_str());
        EXPECT_EQ(first->GetHashedName().length, fresh.length);
        EXPECT_EQ(first->GetHashedName().bucket, fresh.bucket);
        EXPECT_EQ(first->GetHashedName().indexHash, fresh.indexHash);
    }
    EXPECT_NE(parsed.Name(0)->GetName(), parsed.Name(1)->GetName());
}

TEST(CorvelLongText, SharedNamesOutliveTheParseThatMadeThem) {
    std::string text = Filler(400) + "shared;\nshared;\n";
    std::unique_ptr<CorvelIdentifier> copy;
    {
        Parsed parsed(text);
        ASSERT_TRUE(parsed.accepted);
        copy.reset(new CorvelIdentifier(*parsed.Name(parsed.Count() - 1)));
        // A second parse by the same parser starts with no names.
        Parsed second(Filler(300) + "other;\n");
        ASSERT_TRUE(second.accepted);
        EXPECT_STREQ(second.Name(second.Count() - 1)->GetName(), "other");
    }
    EXPECT_STREQ(copy->GetName(), "shared");
}

// Error lines and automatic semicolons depend on the line breaks passed
// over: only line feeds count, and a long text counts as a short one does.
TEST(CorvelLongText, LayoutIsCountedAsTheRulesCountIt) {
    struct Case {
        const char* tail;
        int line;  // of the error, 0: none reported
    };
    const Case cases[] = {
        {"var a = 1;\r\n \t\v\f\nvar = 2;\n", 3},
        {"a = 1\r b = 2 +;\n", 1},  // a CR alone ends no line
        {"\n\n\t\t  \n  x = ;", 4},
        {"\r\r\r\n\r\nq = ;\n", 3},
        {"y = 1 \v\f z = 2\n", 0},  // no line break, no semicolon: not accepted
    };
    for (const Case& c : cases) {
        for (int filler : {0, 300}) {
            Parsed parsed(Filler(filler) + c.tail);
            EXPECT_FALSE(parsed.accepted && parsed.parser.GetErrorCount() == 0) << c.tail;
            std::string expected = c.line ? "(" + std::to_string(c.line + filler) + ") : Syntax Error\n" : "";
            EXPECT_EQ(std::string(parsed.errors.GetText()), expected) << c.tail;
        }
    }
    // A line break passed over still lets a statement end without ";".
    Parsed broken(Filler(300) + "p = 1\r\n\t q = 2\n");
    EXPECT_TRUE(broken.accepted);
    EXPECT_EQ(broken.parser.GetErrorCount(), 0);
    EXPECT_EQ(broken.Count(), 302);
    Parsed joined(Filler(300) + "p = 1 \t\v\f q = 2\n");
    EXPECT_FALSE(joined.accepted);
}

TEST(CorvelLongText, NodesPositionsMatchTheirLines) {
    std::string text = Filler(300) + "\r\n\n  late;\n";
    Parsed parsed(text);
    ASSERT_TRUE(parsed.accepted);
    const CorvelCodePosition& position = parsed.Name(parsed.Count() - 1)->GetCodePosition();
    EXPECT_STREQ(position.source.GetText(), "long.js");
    // A node takes the line the lexer has reached, the lookahead's.
    Parsed shortText("\r\n\n  late;\n");
    EXPECT_EQ(position.line, shortText.Name(0)->GetCodePosition().line + 300);
}

// The nodes of a long text share their source name through their chunks:
// two trees alive at once keep their own, a parser that parses again keeps
// its own, and a copy keeps the name after the tree is gone.
TEST(CorvelLongText, NodesKeepTheirTextsSourceName) {
    auto lastName = [](CorvelParser& parser) {
        CorvelStatementList* tree = parser.GetTree();
        return dynamic_cast<const CorvelIdentifier*>(tree->GetStatement(tree->GetNumberOfStatements() - 1));
    };
    std::unique_ptr<Parsed> first(new Parsed(Filler(6000) + "last;\n"));
    CorvelParser second("second.js");
    QelString errors;
    ASSERT_TRUE(second.Parse((Filler(6000) + "other;\n").c_str(), errors));
    ASSERT_TRUE(first->accepted);
    // Only texts of tens of kilobytes take chunks of their own.
    Parsed shorter(Filler(300) + "x;\n");
    EXPECT_FALSE(CorvelNodeArena::InChunk(lastName(shorter.parser)));
    EXPECT_EQ(CorvelNodeArena::InChunk(lastName(first->parser)), CORVEL_SMALL_BLOCKS == 1);
    EXPECT_STREQ(lastName(first->parser)->GetCodePosition().source.GetText(), "long.js");
    EXPECT_STREQ(lastName(second)->GetCodePosition().source.GetText(), "second.js");
    EXPECT_STREQ(second.GetTree()->GetStatement(5)->GetCodePosition().source.GetText(), "second.js");

    CorvelIdentifier copy(*lastName(first->parser));
    ASSERT_TRUE(first->parser.Parse((Filler(5000) + "again;\n").c_str(), errors));
    EXPECT_STREQ(lastName(first->parser)->GetCodePosition().source.GetText(), "long.js");
    first.reset();
    EXPECT_STREQ(copy.GetCodePosition().source.GetText(), "long.js");
    EXPECT_EQ(copy.GetCodePosition().line, 6001);
}

// Errors raised in a long script name its source and line whichever node
// stamps them: a statement, an if's condition, a call.
class CorvelLongScript : public CorvelExecutionHarness {
protected:
    std::string Failure(const std::string& tail) {
        std::string text;
        for (int i = 0; i < 5000; ++i) text += "x = 1;\n";
        harness.console.errors.clear();
        Run((text + tail).c_str());
        return Errors();
    }
};

TEST_F(CorvelLongScript, ErrorsNameTheSourceAndLine) {
    EXPECT_EQ(Failure("u = null;\nr = u.p;\n"), "test.js (5002, -1) : Can't convert undefined, or null, to object\n");
    EXPECT_EQ(Failure("if (null.p) x = 2;\n"), "test.js (5003, -1) : Can't convert undefined, or null, to object\n");
    EXPECT_EQ(Failure("x();\n"), "test.js (5001, -1) : Called object not a function\n");
}

TEST(CorvelLongText, TreesMayBeDestroyedOnAnotherThread) {
    std::unique_ptr<Parsed> parsed(new Parsed(Filler(2000) + "function f(a) { return a + 1 }\n"));
    ASSERT_TRUE(parsed->accepted);
    std::thread([&parsed] { parsed.reset(); }).join();
    EXPECT_FALSE(parsed);
}

// A text with many kinds of expressions in many places: enough remembered
// unit chains to make the thread's table grow in the middle of a parse.
std::string VariedText() {
    const char* const forms[] = {"a[i] = b.c(d, e) + -f * (g - h) / 2 % 3;", "if (!x && y || z != w) v = typeof u;",
                                 "for (k in o) { p += q << 1 >> 2 >>> 3 & 4 | 5 ^ 6; }",
                                 "while (n <= m && n >= 0) n = n ? n - 1 : new F(n, 'a', 0x1f, 017, .5e3);",
                                 "with (M) { r = max(r, ~s, void 0, this.t, null, true, false); }"};
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "function f" + std::to_string(i) + "(a, b) {\n";
        for (const char* form : forms) text += std::string("    ") + form + "\n";
        text += "    return a" + std::to_string(i % 7) + " * b;\n}\n";
        for (const char* form : forms) text += std::string(form) + "\n";
    }
    return text;
}

std::string WrittenBack(const std::string& text) {
    Parsed parsed(text);
    EXPECT_TRUE(parsed.accepted);
    EXPECT_EQ(parsed.parser.GetErrorCount(), 0);
    CorvelJSOutput output;
    QelPtrList<CorvelFunctionDefinition*>* functions = parsed.parser.GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;) functions->GetNext(at)->WriteECMAScript(&output);
    if (CorvelStatementList* tree = parsed.parser.GetTree()) tree->WriteECMAScript(&output);
    return output.GetOutput();
}

// The parser remembers how chains of reductions end, per thread: a thread
// that starts afresh, one whose table grows on the way and one that has
// seen it all must build the same trees.
TEST(CorvelLongText, RememberedReductionsChangeNoTree) {
    const std::string text = VariedText();
    std::string fresh, warm, again;
    std::thread([&] { fresh = WrittenBack(text); }).join();
    std::thread([&] {
        WrittenBack(Filler(400) + "x = 1 + 2 * 3;\n");
        warm = WrittenBack(text);
        again = WrittenBack(text);
    }).join();
    EXPECT_GT(fresh.size(), text.size());
    EXPECT_EQ(warm, fresh);
    EXPECT_EQ(again, fresh);
    // Each piece parsed alone, as short texts, comes back the same too.
    std::string pieces;
    const std::string piece = text.substr(0, text.find("function f1("));
    std::thread([&] { pieces = WrittenBack(piece); }).join();
    EXPECT_EQ(fresh.substr(fresh.find("function f0("), 60), pieces.substr(pieces.find("function f0("), 60));
}

TEST(CorvelNodeArena, BlocksAreDistinctAlignedAndFreedWithTheirLast) {
    std::vector<std::pair<char*, CorvelNodeArena::Chunk*>> blocks;
    {
        CorvelNodeArena arena;
        // Across many chunks, with sizes that are not multiples of 8.
        for (int i = 0; i < 5000; ++i) {
            size_t size = 9 + (size_t)(i % 13) * 11;
            CorvelNodeArena::Chunk* chunk;
            char* block = static_cast<char*>(arena.Take(size, &chunk));
            ASSERT_EQ((uintptr_t)block % 8, 0u);
            memset(block, i & 0xff, size);
            blocks.push_back({block, chunk});
        }
        for (size_t i = 0; i < blocks.size(); ++i) {
            size_t size = 9 + (i % 13) * 11;
            for (size_t k = 0; k < size; ++k) ASSERT_EQ((unsigned char)blocks[i].first[k], i & 0xff);
        }
        // Half go back while the arena still carves from its last chunk.
        for (size_t i = 0; i < blocks.size(); i += 2) CorvelNodeArena::Give(blocks[i].second);
        // Larger than any chunk so far.
        CorvelNodeArena::Chunk* chunk;
        void* large = arena.Take(200000, &chunk);
        memset(large, 0, 200000);
        CorvelNodeArena::Give(chunk);
    }
    // The rest after the arena is gone, on another thread.
    std::thread([&blocks] {
        for (size_t i = 1; i < blocks.size(); i += 2) CorvelNodeArena::Give(blocks[i].second);
    }).join();
}

// A long text's tree: megabytes of nodes in the largest chunks, each block
// keeping its bytes until its chunk's last block goes, in any order.
TEST(CorvelNodeArena, MegabytesOfBlocksStayWholeUntilGivenBack) {
    std::vector<std::pair<uint32_t*, CorvelNodeArena::Chunk*>> blocks;
    CorvelNodeArena arena;
    const size_t kBlock = 120;
    for (uint32_t i = 0; i < 100000; ++i) {
        CorvelNodeArena::Chunk* chunk;
        uint32_t* block = static_cast<uint32_t*>(arena.Take(kBlock, &chunk));
        for (size_t k = 0; k < kBlock / 4; ++k) block[k] = i;
        blocks.push_back({block, chunk});
    }
    // The largest block, more than what is left of a chunk; larger ones
    // are refused.
    const size_t kHuge = CorvelNodeArena::kLargestBlock;
    CorvelNodeArena::Chunk* hugeChunk;
    char* huge = static_cast<char*>(arena.Take(kHuge, &hugeChunk));
    memset(huge, 1, kHuge);
    CorvelNodeArena::Chunk* unused;
    EXPECT_THROW(arena.Take(kHuge + 1, &unused), std::bad_alloc);
    // Every block lies in its chunk, which answers for any of its bytes.
    EXPECT_EQ(CorvelNodeArena::ChunkOf(huge + kHuge - 1), hugeChunk);
    EXPECT_TRUE(CorvelNodeArena::InChunk(huge + kHuge - 1));
    for (size_t i = 0; i < blocks.size(); i += 999) {
        EXPECT_EQ(CorvelNodeArena::ChunkOf(blocks[i].first), blocks[i].second);
        EXPECT_TRUE(CorvelNodeArena::InChunk(blocks[i].first + kBlock / 4 - 1));
    }
    int onTheStack = 0;
    std::unique_ptr<int> onTheHeap(new int(0));
    EXPECT_FALSE(CorvelNodeArena::InChunk(&onTheStack));
    EXPECT_FALSE(CorvelNodeArena::InChunk(onTheHeap.get()));
    // Every other block back from the front, then the arena closes, then
    // the rest from the back on another thread.
    for (size_t i = 0; i < blocks.size(); i += 2) {
        ASSERT_EQ(blocks[i].first[kBlock / 4 - 1], i);
        CorvelNodeArena::Give(blocks[i].second);
    }
    arena.Close();
    EXPECT_EQ(huge[kHuge - 1], 1);
    CorvelNodeArena::Give(hugeChunk);
    std::thread([&blocks] {
        for (size_t i = blocks.size() - 1; i < blocks.size(); i -= 2) {
            ASSERT_EQ(blocks[i].first[0], i);
            CorvelNodeArena::Give(blocks[i].second);
        }
    }).join();
    // Freed with their last blocks.
    EXPECT_FALSE(CorvelNodeArena::InChunk(blocks.front().first));
    EXPECT_FALSE(CorvelNodeArena::InChunk(blocks.back().first));
}

TEST(CorvelNodeArena, AClosedArenaStartsAfresh) {
    CorvelNodeArena arena;
    CorvelNodeArena::Chunk* first;
    arena.Take(16, &first);
    arena.Close();
    CorvelNodeArena::Chunk* second;
    arena.Take(16, &second);
    EXPECT_NE(first, second);
    CorvelNodeArena::Give(first);
    CorvelNodeArena::Give(second);
    // Closing with every block given back frees the chunk there and then.
    arena.Close();
    arena.Close();
}

// Writing back.

std::string WrittenConstant(CorvelConstant* constant) {
    std::unique_ptr<CorvelConstant> owner(constant);
    CorvelJSOutput output;
    constant->WriteECMAScript(&output);
    return output.GetOutput();
}

TEST(CorvelLongText, NumbersAreWrittenAsTheyConvertToText) {
    const double numbers[] = {0.0,  -0.0, 1.0, -5.0, 0.1,    1e21,  1e-7,   123456789.0, 999999.0, 1000000.0,
                              -1.5, 3.25, 1e300, -1e-300, 0.0 / 0.0, 1.0 / 0.0, -1.0 / 0.0};
    for (double number : numbers) {
        CorvelValue text(number);
        text.ToString();
        EXPECT_EQ(WrittenConstant(new CorvelConstant(number)), text.GetString()) << number;
    }
}

// A literal comes back in pieces; read again, it must be the same string.
TEST(CorvelLongText, LongLiteralsReadBackAsTheSameString) {
    std::string value;
    for (int i = 0; i < 700; ++i) value += (char)(1 + (i * 37) % 255);
    value += std::string(300, '\\') + std::string(300, '"') + "'end";
    std::string written = WrittenConstant(new CorvelConstant(value.c_str()));
    Parsed parsed(written + ";\n");
    ASSERT_TRUE(parsed.accepted);
    ASSERT_EQ(parsed.Count(), 1);
    auto* constant = dynamic_cast<const CorvelConstant*>(parsed.parser.GetTree()->GetStatement(0));
    ASSERT_TRUE(constant);
    EXPECT_EQ(std::string(constant->GetValue().GetString()), value);
}

TEST(CorvelLongText, OutputKeepsEveryPieceAndEachNameOnce) {
    CorvelJSOutput output;
    std::string expected;
    // Pieces of every length around the buffer's growth points.
    for (int i = 0; i < 3000; ++i) {
        std::string piece((size_t)(i % 41), (char)('a' + i % 26));
        output.WriteText(piece.c_str());
        expected += piece;
    }
    EXPECT_EQ(std::string(output.GetOutput()), expected);
    EXPECT_EQ(output.GetLength(), (int)expected.size());

    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 500; ++i) output.AddReferencedVariable(("v" + std::to_string(i)).c_str());
    output.AddReferencedVariable("");
    output.AddReferencedVariable(nullptr);
    std::vector<std::string> names;
    for (__QelPOSITION* at = output.GetFirstReferencedVariablePosition(); at;)
        names.push_back(output.GetNextReferencedVariable(at));
    ASSERT_EQ(names.size(), 501u);
    EXPECT_EQ(names.front(), "");
    EXPECT_EQ(names[1], "v499");
    EXPECT_EQ(names.back(), "v0");
}

}  // namespace
