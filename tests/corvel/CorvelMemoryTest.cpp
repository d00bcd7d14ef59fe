// Running out of memory: a script that exhausts it ends with "Out of
// memory", and the host goes on. The allocations are made to fail by the
// test support's replacement of the allocation functions.
#include "CorvelAllocationLimit.h"
#include "CorvelExecutionHarness.h"
#include "CorvelParser.h"
#include "CorvelSmallBlocks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class MemoryTest : public CorvelExecutionHarness {
protected:
    void TearDown() override {
        CorvelAllocationLimit::SetLimit(0);
        CorvelExecutionHarness::TearDown();
    }

    // Runs the loaded script with memory running out at the `count`-th
    // allocation from the start of the run.
    void RunFailingFrom(size_t count) {
        CorvelAllocationLimit::FailFrom(count);
        while (!script->session->RunNextStatement()) Now() += 100000;
        CorvelAllocationLimit::SetLimit(0);
    }

    static int CountLines(const std::string& text) {
        int lines = 0;
        for (char c : text) lines += c == '\n';
        return lines;
    }
};

// A script that fills memory with a list it keeps: exactly what the host's
// clean-up then has to free.
const char kLinkedList[] = "var o = new Object(); while (true) { var n = new Object(); n.next = o; o = n; }";

// Parts of the language that allocate in their own ways: strings,
// properties, arrays, calls and their records, arguments, conversions that
// call script functions, eval, the Function constructor, for-in, with,
// sorting and joining, a suspension.
const char kEverything[] =
    "function Point(x, y) { this.x = x; this.y = y; }\n"
    "function describe() { return 'P(' + this.x + ',' + this.y + ')'; }\n"
    "function byX(a, b) { return a.x - b.x; }\n"
    "function total() { var sum = 0; for (var i = 0; i < arguments.length; i++) sum += arguments[i]; "
    "return sum; }\n"
    "Point.prototype.toString = describe;\n"
    "var points = new Array();\n"
    "for (var i = 0; i < 12; i++) points[i] = new Point((i * 7) % 12, i);\n"
    "points.sort(byX);\n"
    "var text = points.join(';') + ' ' + total(1, 2, 3, 4, 5);\n"
    "var words = 'the quick brown fox jumps'.split(' ');\n"
    "var names = '';\n"
    "for (var k in points[3]) names = names + k;\n"
    "with (points[2]) { text = text + x + y; }\n"
    "var twice = new Function('a', 'return a + a;');\n"
    "text = text + twice('ab') + eval('1 + 2 * 3') + words.reverse().join('-');\n"
    "wait(0);\n"
    "var d = new Date(2020, 1, 29); text = text + d.getDate() + Math.max(3, 9);\n"
    "log(text + names);\n";

}  // namespace

// The host test of the Done-when: one error line, the clean-up frees what the
// script built, and the next script in the same process runs as usual.
TEST_F(MemoryTest, AScriptThatExhaustsMemoryEndsAndTheNextRuns) {
    size_t before = CorvelAllocationLimit::GetBytesInUse();
    Load(kLinkedList);
    CorvelAllocationLimit::SetLimit(CorvelAllocationLimit::GetBytesInUse() + 32 * 1024 * 1024);
    while (!script->session->RunNextStatement()) {
    }
    CorvelAllocationLimit::SetLimit(0);
    EXPECT_EQ(Errors(), "test.js (1, -1) : Out of memory\n");
    script.reset();
    harness.environment.GetObjectTable()->ResetTable();
    // Only the standard objects are left; what is still in use beyond the
    // start is the object table's grown capacity.
    EXPECT_EQ(harness.environment.GetObjectTable()->GetCount(), 16);
    EXPECT_LT(CorvelAllocationLimit::GetBytesInUse(), before + 8 * 1024 * 1024);

    harness.console.errors.clear();
    EXPECT_EQ(Run("var s = 'next'; for (var i = 0; i < 3; i++) s = s + i; log(s);"), 0);
    EXPECT_EQ(Journal(), "next012;");
    EXPECT_EQ(Errors(), "");
}

// Memory runs out at every allocation of a run in turn: each time the run
// ends with one "Out of memory" line (or, past its last allocation, runs to
// its end), nothing crashes, and under the leak checker nothing is lost.
// Blocks kept from an earlier run would serve allocations without the heap,
// so each run starts with none kept.
TEST_F(MemoryTest, RunningOutAtAnyAllocationOfARunEndsItCleanly) {
    CorvelSmallBlocks::Trim();
    Load(kEverything);
    size_t start = CorvelAllocationLimit::GetAllocationCount();
    while (!script->session->RunNextStatement()) Now() += 100000;
    ASSERT_EQ(Errors(), "");
    std::string expected = Journal();
    size_t allocations = CorvelAllocationLimit::GetAllocationCount() - start;
    ASSERT_GT(allocations, 100u);

    size_t failed = 0;
    for (size_t count = 1; count <= allocations + 1; ++count) {
        script.reset();
        CorvelSmallBlocks::Trim();
        Load(kEverything);
        harness.console.errors.clear();
        RunFailingFrom(count);
        if (Journal() == expected && Errors().empty()) continue;
        ++failed;
        ASSERT_EQ(CountLines(Errors()), 1) << "failing from allocation " << count << ":\n" << Errors();
        ASSERT_NE(Errors().find("Out of memory\n"), std::string::npos)
            << "failing from allocation " << count << ": " << Errors();
    }
    EXPECT_GE(failed, allocations / 2);
    script.reset();
    harness.environment.GetObjectTable()->ResetTable();

    // And the same script runs in full afterwards.
    Load(kEverything);
    harness.console.errors.clear();
    while (!script->session->RunNextStatement()) Now() += 100000;
    EXPECT_EQ(Journal(), expected);
    EXPECT_EQ(Errors(), "");
}

// A parse that runs out of memory reports it as its one error and frees
// every node it had built.
TEST_F(MemoryTest, RunningOutAtAnyAllocationOfAParseFailsItCleanly) {
    size_t start = CorvelAllocationLimit::GetAllocationCount();
    {
        CorvelParser parser("test.js");
        QelString errors;
        ASSERT_TRUE(parser.Parse(kEverything, errors));
        ASSERT_EQ(parser.GetErrorCount(), 0);
    }
    size_t allocations = CorvelAllocationLimit::GetAllocationCount() - start;
    for (size_t count = 1; count <= allocations; ++count) {
        CorvelParser parser("test.js");
        QelString errors;
        CorvelAllocationLimit::FailFrom(count);
        bool accepted = parser.Parse(kEverything, errors);
        CorvelAllocationLimit::SetLimit(0);
        if (!parser.RanOutOfMemory()) continue;
        EXPECT_FALSE(accepted && parser.GetErrorCount() == 0) << count;
        std::string text = errors.GetText() ? errors.GetText() : "";
        if (!text.empty()) {
            EXPECT_NE(text.find("Out of memory"), std::string::npos) << count << ": " << text;
        }
    }
}
