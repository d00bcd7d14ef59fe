#include "CorvelMemoryBudget.h"
#include "CorvelRunHarness.h"
#include "CorvelSmallBlocks.h"

#include <gtest/gtest.h>

#include <new>
#include <thread>

namespace {

const char kGrowingList[] =
    "var list = null; var i = 0;\n"
    "while (true) { var node = new Object(); node.next = list; node.text = 'item ' + i; list = node; i++; }\n";

const char kDoublingString[] = "var s = 'abcdefgh';\nwhile (true) s = s + s;\n";

TEST(MemoryBudgetTest, ScriptsPastTheBudgetEndWithOutOfMemoryAndTheNextScriptRuns) {
    for (const char* growing : {kGrowingList, kDoublingString}) {
        CorvelRunHarness harness;
        harness.environment.SetMemoryLimit(4 << 20);
        {
            CorvelRunHarness::Script script(harness, growing);
            script.RunToEnd();
            EXPECT_EQ(harness.console.errors, "test.js (2, -1) : Out of memory\n");
            EXPECT_LE(harness.environment.GetMemoryBudget().GetBytesHeld(), (size_t)4 << 20);
        }
        harness.console.errors.clear();
        EXPECT_EQ(harness.Run("var o = new Object(); o.a = 'x' + 1; Debug.trace(o.a);"), "x1");
        EXPECT_EQ(harness.console.errors, "");
    }
}

TEST(MemoryBudgetTest, HeldBytesFollowWhatScriptsKeep) {
    CorvelRunHarness harness;
    harness.environment.SetMemoryLimit(64 << 20);
    CorvelMemoryBudget& budget = harness.environment.GetMemoryBudget();
    size_t before = budget.GetBytesHeld();
    {
        CorvelRunHarness::Script script(harness,
                                        "var keep = new Array(); var i = 0;\n"
                                        "while (i < 1000) { keep[i] = 'text of some length ' + i; i++; }\n");
        script.RunToEnd();
        // A thousand strings of about 25 bytes, their properties and the array.
        EXPECT_GT(budget.GetBytesHeld(), before + 25000);
    }
    harness.environment.GetObjectTable()->ResetTable();
    EXPECT_LE(budget.GetBytesHeld(), before);
}

TEST(MemoryBudgetTest, ChargesPastTheLimitFailWithoutCounting) {
    CorvelRunHarness harness;
    CorvelMemoryBudget& budget = harness.environment.GetMemoryBudget();
    // Without a limit nothing is counted.
    CorvelMemoryBudget::Charge(1000);
    EXPECT_EQ(budget.GetBytesHeld(), 0u);

    budget.SetLimit(1000);
    CorvelMemoryBudget::Charge(600);
    EXPECT_THROW(CorvelMemoryBudget::Charge(401), std::bad_alloc);
    EXPECT_EQ(budget.GetBytesHeld(), 600u);
    CorvelMemoryBudget::Charge(400);
    EXPECT_EQ(budget.GetBytesHeld(), 1000u);
    // Releasing more than was counted (memory taken before the limit) stops at 0.
    CorvelMemoryBudget::Release(5000);
    EXPECT_EQ(budget.GetBytesHeld(), 0u);
    budget.SetLimit(0);
}

}  // namespace

// Freed blocks are kept by size for the next allocation of that size (not
// in sanitized builds, which keep none); blocks of other sizes, and blocks
// freed on a thread that ends, go back to the heap.
TEST(SmallBlocksTest, FreedBlocksServeTheNextAllocationOfTheirSizeOnTheirThread) {
    CorvelSmallBlocks::Trim();
    void* first = CorvelSmallBlocks::Take(40);
    CorvelSmallBlocks::Give(first, 40);
    void* again = CorvelSmallBlocks::Take(48);  // the same size of block
    EXPECT_EQ(again == first, CORVEL_SMALL_BLOCKS == 1);
    void* large = CorvelSmallBlocks::Take(100000);
    CorvelSmallBlocks::Give(large, 100000);
    CorvelSmallBlocks::Give(again, 48);

    // A thread that keeps blocks and ends, and one that frees a block taken
    // here: neither loses or corrupts memory (checked by the sanitizers
    // where pooling is off, and by the heap's own checks where it is on).
    std::thread worker([] {
        void* blocks[300];
        for (void*& block : blocks) block = CorvelSmallBlocks::Take(24);
        for (void* block : blocks) CorvelSmallBlocks::Give(block, 24);
    });
    worker.join();
    void* crossing = CorvelSmallBlocks::Take(24);
    std::thread freer([crossing] { CorvelSmallBlocks::Give(crossing, 24); });
    freer.join();
    CorvelSmallBlocks::Trim();
}
