#include "CorvelMemoryBudget.h"
#include "CorvelRunHarness.h"

#include <gtest/gtest.h>

#include <new>

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
