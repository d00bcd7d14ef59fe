// The parsing engine run over the toy grammar: shifting and reducing,
// recovery, destructors on every path out, and stack limits.
#include "ToyParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

int ToyNode::live = 0;

ToyNode::ToyNode(char k, ToyNode* a, ToyNode* b, ToyNode* c) : kind(k), children{a, b, c}, depth(1) {
    for (ToyNode* child : children)
        if (child && child->depth + 1 > depth) depth = child->depth + 1;
    ++live;
}

ToyNode::~ToyNode() {
    for (ToyNode* child : children) delete child;
    --live;
}

std::string ToyNode::Text() const {
    if (!children[0]) return std::string(1, kind);
    std::string text = "(" + std::string(1, kind);
    for (ToyNode* child : children)
        if (child) text += " " + child->Text();
    return text + ")";
}

ToyContext::~ToyContext() {
    for (ToyNode* node : statements) delete node;
}

ToyContext* ToyContextOf(yymparse* p) { return static_cast<ToyContext*>(p->userData); }

void ToyCheckDepth(yymparse* p, void*& value) {
    ToyNode* node = static_cast<ToyNode*>(value);
    if (!node || node->depth <= ToyContextOf(p)->depthLimit) return;
    ToyContextOf(p)->messages.push_back("too deep");
    delete node;
    value = nullptr;
    yymparseabort(p);
}

namespace {

// Feeds one character per token: digits are numbers, i e r are the keywords.
struct ToyRun : ToyContext {
    explicit ToyRun(std::string text, int stackSize = 100, bool mayGrow = true) : input(std::move(text)) {
        yymparse templ = yymparsetemplate(&ToyTables);
        templ.stackSize = stackSize;
        templ.stackMayGrow = mayGrow;
        templ.userData = static_cast<ToyContext*>(this);
        templ.getToken = [](yymparse* p) { return static_cast<ToyRun*>(ToyContextOf(p))->Next(p); };
        templ.syntaxError = [](yymparse* p) { ToyContextOf(p)->messages.push_back("syntax"); };
        templ.error = [](yymparse* p, const char* text) { ToyContextOf(p)->messages.push_back(text); };
        yymparsecreate(&engine, &templ);
    }
    ~ToyRun() { yymparsedestroy(&engine); }

    int Next(yymparse* p) {
        p->tokenValue = nullptr;
        while (pos < input.size() && input[pos] == ' ') ++pos;
        if (pos >= input.size()) return 0;
        char c = input[pos++];
        if (c >= '0' && c <= '9') {
            p->tokenValue = new ToyNode(c);
            return 1;
        }
        const std::string tokens = "+*();ier";
        size_t index = tokens.find(c);
        return index == std::string::npos ? 99 : (int)index + 2;
    }

    int Run() { return yymparserun(&engine); }

    std::string Tree() const {
        std::string text;
        for (ToyNode* node : statements) text += (text.empty() ? "" : " ") + node->Text();
        return text;
    }

    std::string Messages() const {
        std::string text;
        for (const std::string& m : messages) text += (text.empty() ? "" : ",") + m;
        return text;
    }

    std::string input;
    size_t pos = 0;
    yymparse engine;
};

class Yymparse : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(ToyNode::live, 0) << "nodes leaked"; }
};

TEST_F(Yymparse, BuildsTreesWithPrecedenceAndNearestElse) {
    ToyRun run("1+2*3; (1+2)*3; i(1) i(2) 3; e 4;");
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.Tree(), "(+ 1 (* 2 3)) (* (+ 1 2) 3) (i 1 (e 2 3 4))");
    EXPECT_EQ(run.Messages(), "");
    EXPECT_EQ(run.engine.syntaxErrorCount, 0);
}

TEST_F(Yymparse, LoneReductionReadsNoLookahead) {
    ToyRun run("r; 1+2; r;");
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.autoHadLookahead, (std::vector<bool>{false, false}));
}

TEST_F(Yymparse, RecoversAtTheNextSemicolonAndFreesWhatItDrops) {
    ToyRun run("1+2 3 4*5; 6; 7 + + 8; 9;");
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.Tree(), "x 6 x 9");
    EXPECT_EQ(run.Messages(), "syntax,statement,syntax,statement");
    EXPECT_EQ(run.engine.syntaxErrorCount, 2);
}

TEST_F(Yymparse, ErrorsWithinThreeTokensOfRecoveryAreNotReportedAgain) {
    ToyRun run("1 2; + 3;");
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.Tree(), "x x");
    EXPECT_EQ(run.engine.syntaxErrorCount, 1);
}

TEST_F(Yymparse, ForcedErrorPassesOverOneRecoveryState) {
    {
        ToyRun run("1; (2+3;");
        EXPECT_EQ(run.Run(), 0);
        EXPECT_EQ(run.Messages(), "syntax,bracket,statement");
        EXPECT_EQ(run.Tree(), "1 x");
    }
    {
        ToyRun run("(2+3;");
        EXPECT_EQ(run.Run(), 1);
        EXPECT_EQ(run.Messages(), "syntax,bracket");
    }
    {
        ToyRun run("1; (2 3;");  // the number read ahead is dropped, not leaked
        EXPECT_EQ(run.Run(), 0);
        EXPECT_EQ(run.Messages(), "syntax,bracket,statement");
    }
    {
        ToyRun run("(2 3");  // abort while the number is still the lookahead
        EXPECT_EQ(run.Run(), 1);
    }
}

TEST_F(Yymparse, BracketMessageOnlyWhenNothingWasPopped) {
    ToyRun run("1; (2+;");
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.Messages(), "syntax,statement");
}

TEST_F(Yymparse, AbortsWhenInputEndsDuringRecovery) {
    ToyRun run("1; 2 + 3 4 5");
    EXPECT_EQ(run.Run(), 1);
    EXPECT_EQ(run.Tree(), "1");
}

TEST_F(Yymparse, EmptyInputAborts) {
    ToyRun run("");
    EXPECT_EQ(run.Run(), 1);
    EXPECT_EQ(run.engine.syntaxErrorCount, 1);
}

TEST_F(Yymparse, StacksGrowOnTheHeap) {
    std::string text = std::string(20000, '(') + "1" + std::string(20000, ')') + ";";
    ToyRun run(text, 1);
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.Tree(), "1");
    EXPECT_GE(run.engine.stackSize, 20000);
}

TEST_F(Yymparse, FixedStackOverflowAbortsAndFreesTheStack) {
    ToyRun run("1+2*(3+(4+(5+(6+(7+8))))) ;", 8, false);
    EXPECT_EQ(run.Run(), 1);
    EXPECT_EQ(run.Messages(), "yacc stack overflow");
}

TEST_F(Yymparse, ActionCanAbortWithoutLeaking) {
    std::string text = "1;";
    for (int i = 0; i < 200; ++i) text += "1+";
    text += "1;";
    ToyRun run(text);
    run.depthLimit = 50;
    EXPECT_EQ(run.Run(), 1);
    EXPECT_EQ(run.Messages(), "too deep");
    EXPECT_EQ(run.Tree(), "1");
}

// The engine remembers where chains of unit reductions ended; what it
// remembered from earlier texts, broken ones included, must not change how a
// later text parses.
TEST_F(Yymparse, RememberedUnitChainsChangeNoParse) {
    std::vector<std::string> texts = {"1*2+3; (4+5)*6; 7 8; i(1) 2*3; e 4;", "(1+; 2*(3+4); 5;", "1+2*3+4*5*6;"};
    const std::string alphabet = "1+*();ierx";
    unsigned seed = 777;
    for (int i = 0; i < 300; ++i) {
        std::string text;
        for (int j = (int)(seed % 30); j > 0; --j) {
            seed = seed * 1103515245 + 12345;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        texts.push_back(text);
    }
    yymunitchain remembered[YYM_UNIT_CHAINS] = {};
    yymunitchain freshChains[YYM_UNIT_CHAINS];
    yymunitchain warmChains[YYM_UNIT_CHAINS];
    for (const std::string& text : texts) {
        ToyRun fresh(text);
        ToyRun warm(text);
        std::fill(std::begin(freshChains), std::end(freshChains), yymunitchain{});
        fresh.engine.unitChains = freshChains;
        std::copy(std::begin(remembered), std::end(remembered), warmChains);
        warm.engine.unitChains = warmChains;
        EXPECT_EQ(warm.Run(), fresh.Run()) << text;
        EXPECT_EQ(warm.Tree(), fresh.Tree()) << text;
        EXPECT_EQ(warm.Messages(), fresh.Messages()) << text;
        std::copy(std::begin(warmChains), std::end(warmChains), remembered);
    }
    int kept = 0;
    for (const yymunitchain& chain : remembered) kept += chain.state != 0;
    EXPECT_GT(kept, 3);

    // One chain in every slot: only its own top state, state below and
    // lookahead may take it.
    for (const yymunitchain& chain : remembered) {
        if (chain.state == 0) continue;
        for (size_t i = 0; i < 40; ++i) {
            ToyRun fresh(texts[i]);
            ToyRun warm(texts[i]);
            std::fill(std::begin(freshChains), std::end(freshChains), yymunitchain{});
            fresh.engine.unitChains = freshChains;
            std::fill(std::begin(warmChains), std::end(warmChains), chain);
            warm.engine.unitChains = warmChains;
            EXPECT_EQ(warm.Run(), fresh.Run()) << texts[i];
            EXPECT_EQ(warm.Tree(), fresh.Tree()) << texts[i];
        }
    }
}

// A chain that starts right after a shift reads its lookahead on the way;
// it is remembered from there, and the next operand takes it.
TEST_F(Yymparse, ChainsThatReadTheirLookaheadAreRemembered) {
    std::vector<yymunitchain> chains(YYM_UNIT_CHAINS);
    ToyRun first("1;");
    first.engine.unitChains = chains.data();
    EXPECT_EQ(first.Run(), 0);
    int kept = 0;
    for (const yymunitchain& chain : chains) kept += chain.state != 0;
    EXPECT_GT(kept, 0);
    std::vector<yymunitchain> before = chains;
    ToyRun second("2;");
    second.engine.unitChains = chains.data();
    EXPECT_EQ(second.Run(), 0);
    EXPECT_EQ(second.Tree(), "2");
    // Nothing new to remember: the same chains served the second text.
    for (size_t i = 0; i < chains.size(); ++i) {
        EXPECT_EQ(chains[i].top, before[i].top);
        EXPECT_EQ(chains[i].state, before[i].state);
    }
}

TEST_F(Yymparse, SurvivesGarbage) {
    const std::string alphabet = "1+*();ierx";
    unsigned seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        int length = (int)(seed % 40);
        for (int j = 0; j < length; ++j) {
            seed = seed * 1103515245 + 12345;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        ToyRun run(text, 4);
        int result = run.Run();
        EXPECT_TRUE(result == 0 || result == 1);
    }
}

}  // namespace
