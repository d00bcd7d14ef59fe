#include "CorvelConstant.h"
#include "CorvelIdentifier.h"
#include "CorvelTokenColour.h"
#include "CorvelTokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Runs = std::vector<CorvelTokenColour::Run>;

// Runs as letters with the text they cover: "K[if]D[ x]".
std::string Show(const std::string& text, const Runs& runs) {
    static const char kLetters[] = "DKSCRU";
    std::string shown;
    for (const auto& run : runs) {
        shown += kLetters[run.colour];
        shown += "[" + text.substr(run.start, run.end - run.start) + "]";
    }
    return shown;
}

// Colours `line`, starting and ending in `inComment`.
std::string Colour(const std::string& line, bool& inComment) {
    return Show(line, CorvelTokenColour::ColourLine(line, inComment));
}

std::string Colour(const std::string& line) {
    bool inComment = false;
    return Colour(line, inComment);
}

TEST(CorvelTokenColour, ColoursAreTheControlsBlueGreenRedValues) {
    EXPECT_EQ(CorvelTokenColour::GetColour(CorvelTokenColour::Default), 0x000000u);
    EXPECT_EQ(CorvelTokenColour::GetColour(CorvelTokenColour::Keyword), 0xFF0000u);
    EXPECT_EQ(CorvelTokenColour::GetColour(CorvelTokenColour::String), 0x008080u);
    EXPECT_EQ(CorvelTokenColour::GetColour(CorvelTokenColour::Comment), 0x008000u);
    EXPECT_EQ(CorvelTokenColour::GetColour(CorvelTokenColour::Reserved), 0xFF00FFu);
    EXPECT_EQ(CorvelTokenColour::GetColour(CorvelTokenColour::Unrecognised), 0x0000FFu);
}

TEST(CorvelTokenColour, TokensOutsideTheColouredRangesAreDefault) {
    CorvelIdentifier identifier("x");
    CorvelConstant number(2.5);
    for (int token : {0, 256, 273, 274, 319, 321, 999, 1040, 2000, 2004})
        EXPECT_EQ(CorvelTokenColour::Classify(token, nullptr), CorvelTokenColour::Default) << token;
    EXPECT_EQ(CorvelTokenColour::Classify(CorvelTokens::Literal, nullptr), CorvelTokenColour::Default);
    EXPECT_EQ(CorvelTokenColour::Classify(CorvelTokens::Literal, &identifier), CorvelTokenColour::Default);
    EXPECT_EQ(CorvelTokenColour::Classify(CorvelTokens::Literal, &number), CorvelTokenColour::Default);
    EXPECT_EQ(CorvelTokenColour::GetTokenColour(257, nullptr), 0xFF0000u);
    EXPECT_EQ(CorvelTokenColour::GetTokenColour(1039, nullptr), 0xFF00FFu);
}

TEST(CorvelTokenColour, StringKeywordAndNumberGiveThreeRuns) {
    // The blank between "in" and 42 is default text, like the number.
    EXPECT_EQ(Colour("'s'in 42"), "S['s']K[in]D[ 42]");
    EXPECT_EQ(Colour("var s = \"a\\\"b\" + 0x1F;\n"), "K[var]D[ s = ]S[\"a\\\"b\"]D[ + 0x1F;\n]");
    EXPECT_EQ(Colour("while (this) return;"), "K[while]D[ (]K[this]D[) ]K[return]D[;]");
}

TEST(CorvelTokenColour, NullAndBooleansAreKeywordsNumbersAreNot) {
    EXPECT_EQ(Colour("null true false 1.5e3 017"), "K[null]D[ ]K[true]D[ ]K[false]D[ 1.5e3 017]");
    // Case matters, and a longer word is an identifier.
    EXPECT_EQ(Colour("True nullx iff"), "D[True nullx iff]");
}

TEST(CorvelTokenColour, FutureReservedWords) {
    EXPECT_EQ(Colour("class A extends B"), "R[class]D[ A ]R[extends]D[ B]");
    EXPECT_EQ(Colour("abstract volatile Switch"), "R[abstract]D[ ]R[volatile]D[ Switch]");
}

TEST(CorvelTokenColour, UnrecognisedCharacters) {
    EXPECT_EQ(Colour("a # b"), "D[a ]U[#]D[ b]");
    // An unclosed string: its quote is unrecognised, the rest ordinary text.
    EXPECT_EQ(Colour("x = 'it\n"), "D[x = ]U[']D[it\n]");
    // Bytes of one multi-byte character stay in one run.
    EXPECT_EQ(Colour("\xC3\xA9t\xC3\xA9"), "U[\xC3\xA9]D[t]U[\xC3\xA9]");
}

TEST(CorvelTokenColour, BlockCommentCarriesToTheFollowingLines) {
    bool inComment = false;
    EXPECT_EQ(Colour("x = 1; /* open\n", inComment), "D[x = 1; ]C[/* open\n]");
    EXPECT_TRUE(inComment);
    EXPECT_EQ(Colour("if 'still'\n", inComment), "C[if 'still'\n]");
    EXPECT_TRUE(inComment);
    // An empty line (the end of the text) changes nothing.
    EXPECT_EQ(Colour("", inComment), "");
    EXPECT_TRUE(inComment);
    EXPECT_EQ(Colour("end */ y\n", inComment), "C[end */]D[ y\n]");
    EXPECT_FALSE(inComment);
    EXPECT_EQ(Colour("*/ z\n", inComment), "D[*/ z\n]");
    EXPECT_FALSE(inComment);
}

TEST(CorvelTokenColour, LineCommentIsColouredUpToItsLineBreak) {
    bool inComment = false;
    EXPECT_EQ(Colour("x // if 'a' /*\n", inComment), "D[x ]C[// if 'a' /*\n]");
    EXPECT_FALSE(inComment);
    // Without a line break the comment gives no token: its text is left out.
    EXPECT_EQ(Colour("x // note", inComment), "D[x ]");
}

TEST(CorvelTokenColour, LinesAreCutAt1024Bytes) {
    const std::string pad(1020, ' ');
    bool inComment = false;
    // "if" ends at byte 1022 and is coloured; "for" is cut to "f", a name.
    Runs runs = CorvelTokenColour::ColourLine(pad + "if for", inComment);
    EXPECT_EQ(runs, (Runs{{0, 1020, CorvelTokenColour::Default},
                          {1020, 1022, CorvelTokenColour::Keyword},
                          {1022, 1024, CorvelTokenColour::Default}}));
    // A comment opened past the cut does not reach the next line.
    CorvelTokenColour::ColourLine(pad + "    /* x\n", inComment);
    EXPECT_FALSE(inComment);
    CorvelTokenColour::ColourLine(pad + "/* x\n", inComment);
    EXPECT_TRUE(inComment);
}

TEST(CorvelTokenColour, ColourTextCoversEveryLineWhole) {
    const std::string longLine = std::string(1030, 'q') + "\n";
    std::vector<std::string> lines;
    CorvelTokenColour::ColourText("/* a\nb */ if\n\n" + longLine + "new // end",
                                  [&](std::string_view line, const Runs& runs) {
                                      int at = 0;
                                      for (const auto& run : runs) {
                                          EXPECT_EQ(run.start, at);
                                          at = run.end;
                                      }
                                      EXPECT_EQ(at, (int)line.size());
                                      lines.push_back(Show(std::string(line), runs));
                                  });
    EXPECT_EQ(lines, (std::vector<std::string>{"C[/* a\n]", "C[b */]D[ ]K[if]D[\n]", "D[\n]", "D[" + longLine + "]",
                                               "K[new]D[ // end]"}));
    CorvelTokenColour::ColourText("", [](std::string_view, const Runs&) { ADD_FAILURE() << "no lines"; });
}

}  // namespace
