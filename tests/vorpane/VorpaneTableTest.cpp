// The table of temporary objects: 11 buckets, at most one node per id.
#include "CWnd.h"
#include "QelResource.h"
#include "Vorpane.h"
#include "VorpaneLibrary.h"

#include <gtest/gtest.h>

TEST(VorpaneTable, BucketIsAWeightedSumOfTheIdsBytesModulo11)
{
    EXPECT_EQ(Vorpane::BucketOf(1), 8);
    EXPECT_EQ(Vorpane::BucketOf(256), 4);
    EXPECT_EQ(Vorpane::BucketOf(0), 0);
    EXPECT_EQ(Vorpane::BucketOf(0x01000000), 1);
    EXPECT_EQ(Vorpane::BucketOf(0x00010000), 2);
    EXPECT_EQ(Vorpane::BucketOf(0xFFFFFFFFu), (255 * 15) % 11);
}

TEST(VorpaneTable, ObjectsLandInTheirBucketsAndCollidingIdsAreAllFound)
{
    Vorpane table;
    CWnd a, b, c;
    table.AddTemporaryObject(1, &a);
    table.AddTemporaryObject(256, &b);
    // 1 and 12 (8 * 12 = 96 = 8 mod 11) share bucket 8.
    ASSERT_EQ(Vorpane::BucketOf(12), 8);
    table.AddTemporaryObject(12, &c);
    EXPECT_EQ(table.GetTemporaryObjectCount(), 3);
    EXPECT_EQ(table.GetBucketSize(8), 2);
    EXPECT_EQ(table.GetBucketSize(4), 1);
    EXPECT_EQ(table.FindTemporaryObject(1), &a);
    EXPECT_EQ(table.FindTemporaryObject(12), &c);
    EXPECT_EQ(table.FindTemporaryObject(256), &b);
    EXPECT_EQ(table.FindTemporaryObject(23), nullptr) << "same bucket, never added";
    EXPECT_EQ(table.RemoveTemporaryObject(1), &a);
    EXPECT_EQ(table.FindTemporaryObject(12), &c);
    EXPECT_EQ(table.GetBucketSize(8), 1);
}

TEST(VorpaneTable, SecondAddReplacesAndRemoveAnswersOnce)
{
    Vorpane table;
    CWnd first, second;
    table.AddTemporaryObject(300, &first);
    table.AddTemporaryObject(300, &second);
    EXPECT_EQ(table.GetTemporaryObjectCount(), 1);
    EXPECT_EQ(table.GetBucketSize(Vorpane::BucketOf(300)), 1);
    EXPECT_EQ(table.RemoveTemporaryObject(300), &second);
    EXPECT_EQ(table.RemoveTemporaryObject(300), nullptr);
    EXPECT_EQ(table.GetTemporaryObjectCount(), 0);
    EXPECT_EQ(table.RemoveTemporaryObject(77), nullptr) << "never added";
}

TEST(VorpaneTable, OperationsWithoutADialogOrMapDoNothing)
{
    // A Vorpane that is no dialog has no window to work on.
    Vorpane alone;
    Vorpane::Map map;
    alone.ObjectToDialog(nullptr, &map, true);
    alone.DialogToObject(nullptr, nullptr);
    alone.UpdateGreying(&map, true);
    alone.ShowControls(nullptr, 0);
    EXPECT_EQ(alone.GetTemporaryObjectCount(), 0);
}

TEST(VorpaneLibrary, ItsResourcesAreRegisteredWhileItIsLoaded)
{
    QelResource* module = QelResource::Find("VORPANE");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module, VorpaneGetResource());
    EXPECT_STREQ(module->FindString(1), "Vorpane");
}
