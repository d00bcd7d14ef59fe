// The generator on small grammars: what it accepts, the conflicts it refuses,
// and the shape of the tables it emits.
#include "LalrAutomaton.h"
#include "LalrGrammarReader.h"
#include "LalrTableWriter.h"

#include <gtest/gtest.h>

namespace {

struct Generated {
    bool read = false;
    bool built = false;
    bool written = false;
    std::string error;
    std::string output;
    int preferredShifts = 0;
    std::vector<LalrAutomaton::State> states;
};

Generated Generate(const std::string& text) {
    Generated result;
    LalrGrammar grammar;
    result.read = LalrGrammarReader::Read(text, "test.grammar", grammar, result.error);
    if (!result.read) return result;
    LalrAutomaton automaton(grammar);
    result.built = automaton.Build(result.error);
    result.preferredShifts = automaton.GetPreferredShifts();
    result.states = automaton.GetStates();
    if (!result.built) return result;
    LalrTableWriter writer(grammar, automaton);
    result.written = writer.Write(result.output, result.error);
    return result;
}

const char* kIfElse =
    "%token IF 1 \"if\" ELSE 2 \"else\" X 3 \"x\"\n"
    "%%\n"
    "s : \"if\" s | \"if\" s \"else\" s | \"x\" ;\n";

TEST(Lalrgen, RefusesConflictsAndNamesThem) {
    Generated ambiguous = Generate("%token N 1 PLUS 2 \"+\"\n%%\ne : e \"+\" e | N ;\n");
    EXPECT_TRUE(ambiguous.read);
    EXPECT_FALSE(ambiguous.built);
    EXPECT_NE(ambiguous.error.find("shift/reduce conflict"), std::string::npos);
    EXPECT_NE(ambiguous.error.find("reduce  e : e \"+\" e ."), std::string::npos) << ambiguous.error;

    Generated twoWays = Generate("%token X 1\n%%\ns : a | b ;\na : X ;\nb : X ;\n");
    EXPECT_FALSE(twoWays.built);
    EXPECT_NE(twoWays.error.find("reduce/reduce conflict"), std::string::npos);

    // LR(1) but not LALR(1): merging the states of E and F clashes.
    Generated notLalr = Generate(
        "%token A 1 B 2 C 3 D 4 E 5\n%%\n"
        "s : A e C | A f D | B f C | B e D ;\ne : E ;\nf : E ;\n");
    EXPECT_FALSE(notLalr.built);
    EXPECT_NE(notLalr.error.find("reduce/reduce"), std::string::npos);
}

TEST(Lalrgen, PreferShiftSettlesOnlyTheDeclaredToken) {
    Generated plain = Generate(kIfElse);
    EXPECT_FALSE(plain.built);
    EXPECT_NE(plain.error.find("on \"else\""), std::string::npos);

    Generated preferred = Generate(std::string("%prefer-shift \"else\"\n") + kIfElse);
    EXPECT_TRUE(preferred.built) << preferred.error;
    EXPECT_EQ(preferred.preferredShifts, 1);

    Generated unrelated = Generate(std::string("%prefer-shift \"x\"\n") + kIfElse);
    EXPECT_FALSE(unrelated.built);
}

TEST(Lalrgen, AcceptsGrammarsThatNeedPropagatedLookaheads) {
    // Not SLR(1): FOLLOW(r) holds "=", yet no state has to choose on it.
    Generated g = Generate(
        "%token ID 1 STAR 2 \"*\" EQ 3 \"=\"\n%%\n"
        "s : l \"=\" r | r ;\nl : \"*\" r | ID ;\nr : l ;\n");
    EXPECT_TRUE(g.built) << g.error;
    EXPECT_TRUE(g.written) << g.error;
}

TEST(Lalrgen, DefaultReductionsAndLookaheadNeeds) {
    Generated g = Generate(
        "%token RET 1 SEMI 2 \";\" X 3\n%%\n"
        "s : RET m \";\" | RET m X m \";\" ;\nm : ;\n");
    ASSERT_TRUE(g.built) << g.error;
    int silent = 0;
    for (const LalrAutomaton::State& state : g.states) {
        bool onlyReduces = state.actions.empty() && state.defaultAction.type == LalrAutomaton::Reduce;
        if (!state.needsLookahead) {
            EXPECT_TRUE(onlyReduces);
            ++silent;
        }
        for (const auto& action : state.actions) EXPECT_FALSE(action.second == state.defaultAction);
    }
    // After RET, and after RET m X, the empty m is reduced without reading.
    EXPECT_GE(silent, 2);
}

TEST(Lalrgen, ReportsMalformedGrammars) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"%token A 1\n%%\ns : B ;\n", "undefined symbol B"},
        {"%token A 1 B 1\n%%\ns : A ;\n", "already used"},
        {"%token A 1\n%type <int*> s\n%%\ns : A A ;\n", "needs an action"},
        {"%token <int*> A 1\n%%\ns : A { use($2); } ;\n", "$n names no symbol"},
        {"%token A 1\n%%\ns : A { use($1); } ;\n", "$n names no symbol"},
        {"%token A 1\n%destructor { delete $$; } A\n%%\ns : A ;\n", "no <type>"},
        {"%token A 1\n%%\ns : A { unclosed ;\n", "expected"},
        {"%bogus\n%%\ns : ;\n", "unknown declaration"},
    };
    for (const Case& c : cases) {
        Generated g = Generate(c.text);
        EXPECT_FALSE(g.written) << c.text;
        EXPECT_NE(g.error.find(c.message), std::string::npos) << c.text << " gave: " << g.error;
        EXPECT_EQ(g.error.rfind("test.grammar:", 0), 0u) << g.error;
    }
}

TEST(Lalrgen, EmitsActionsWithTypedValues) {
    Generated g = Generate(
        "%name Calc\n%token-namespace Tok\n%token <Num*> N 1 PLUS 2 \"+\"\n%type <Num*> e\n"
        "%destructor { delete $$; } N e\n%after-action { check($$); }\n%%\n"
        "e : e \"+\" N { $$ = add($1, $3); /* $9 stays */ } | N ;\n");
    ASSERT_TRUE(g.written) << g.error;
    EXPECT_NE(g.output.find("extern const yymparsetables CalcTables"), std::string::npos);
    EXPECT_NE(g.output.find("static_assert(Tok::N == 1"), std::string::npos);
    EXPECT_NE(g.output.find("yyp->ruleValue = add(static_cast<Num*>(yyp->valueStack[yyp->top - 2]), "
                            "static_cast<Num*>(yyp->valueStack[yyp->top]));"),
              std::string::npos)
        << g.output;
    EXPECT_NE(g.output.find("/* $9 stays */"), std::string::npos);
    EXPECT_NE(g.output.find("check(yyp->ruleValue);"), std::string::npos);
    EXPECT_NE(g.output.find("delete static_cast<Num*>(yyvalue);"), std::string::npos);
    EXPECT_EQ(g.output, Generate(
        "%name Calc\n%token-namespace Tok\n%token <Num*> N 1 PLUS 2 \"+\"\n%type <Num*> e\n"
        "%destructor { delete $$; } N e\n%after-action { check($$); }\n%%\n"
        "e : e \"+\" N { $$ = add($1, $3); /* $9 stays */ } | N ;\n").output);
}

}  // namespace
