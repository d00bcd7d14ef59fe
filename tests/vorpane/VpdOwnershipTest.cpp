// Who destroys what: the map its entries, groups and buttons their children,
// entries their field and value descriptors, each exactly once.
#include "VorpaneTestSupport.h"
#include "VpdAngle.h"
#include "VpdBrowseButton.h"
#include "VpdButton.h"
#include "VpdColourSelector.h"
#include "VpdComboSelect.h"
#include "VpdFloatEdit.h"
#include "VpdGroup.h"
#include "VpdIntEdit.h"
#include "VpdScriptEdit.h"
#include "VpdSlider.h"
#include "VpdStringEdit.h"
#include "VpdTimeEdit.h"
#include "VpdVarEntry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<int> g_destroyed;
int g_liveVars = 0;

struct CountedVar : VpdVarEntry {
    CountedVar() : VpdVarEntry(0, 4) { ++g_liveVars; }
    ~CountedVar() override { --g_liveVars; }
};

struct Probe : QelSuperMapEntry {
    explicit Probe(int number) : QelSuperMapEntry(0), number(number) {}
    ~Probe() override { g_destroyed.push_back(number); }
    int number;
};

class Ownership : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_destroyed.clear();
        g_liveVars = 0;
        IntValue::live = 0;
    }
};

}  // namespace

TEST_F(Ownership, MapDestroysItsEntriesFromFirstToLast)
{
    {
        Vorpane::Map map;
        for (int i = 1; i <= 3; ++i)
            map.Add(new Probe(i));
        map.Add(nullptr);
        EXPECT_EQ(map.GetCount(), 3);
    }
    EXPECT_EQ(g_destroyed, (std::vector<int>{1, 2, 3}));
}

TEST_F(Ownership, NestedGroupsAndButtonsReleaseEverythingOnce)
{
    {
        Vorpane::Map map;
        auto* inner = new VpdGroup;
        inner->Add(new Probe(3));
        inner->Add(new VpdIntEdit(20, new CountedVar, new IntValue(0), 0, 0, 10, 1.0f, 0, -1, false));
        auto* nested = new VpdCheckBox(11, new CountedVar, new IntValue(1), new IntValue(0), new IntValue(0), inner);
        auto* outer = new VpdGroup;
        outer->Add(new Probe(2));
        outer->Add(nested);
        outer->Add(new VpdRadioButton(12, new CountedVar, new IntValue(1), nullptr, new Probe(4)));
        map.Add(new Probe(1));
        map.Add(new VpdCheckBox(10, new CountedVar, new IntValue(1), new IntValue(0), outer));
        map.Add(new VpdCheckBox(13, new Probe(5)));
        map.Add(new VpdStaticGroup(30, 31, 32, 0u));
        map.Add(new VpdColourSelectorTolerance(40, new CountedVar, new CountedVar, new IntValue(0), new IntValue(0)));
        map.Add(new VpdPercentIntEdit(41, new CountedVar, new IntValue(0), 0, 100, false));
        map.Add(new VpdFloatEdit(42, new CountedVar, new IntValue(0), 0.0, 0.0, 1.0, 1.0f));
        map.Add(new VpdMinSecEdit(43, new CountedVar, new IntValue(0)));
        map.Add(new VpdAngle(44, new CountedVar, new IntValue(0), QelAngleControl::FullCircle, 0));
        map.Add(new VpdStringEdit(45, new CountedVar, new IntValue(0)));
        map.Add(new VpdHistoryCombo(46, new CountedVar, new IntValue(0), nullptr));
        map.Add(new VpdScriptEdit(47, new CountedVar, new IntValue(0)));
        map.Add(new VpdComboSelect(48, new CountedVar, new IntValue(0)));
        map.Add(new VpdComboString(49, new CountedVar));
        map.Add(new VpdSlider(50, new CountedVar, new IntValue(0), 0, 10));
        map.Add(new VpdStatic(51, new CountedVar));
        QelList<unsigned long> ids;
        ids.AddTail(1);
        map.Add(new VpdBrowseButton(52, 45, &ids, nullptr, false));
        map.Add(new VpdDirectoryBrowseButton(53, 45));
        EXPECT_GT(g_liveVars, 0);
        EXPECT_GT(IntValue::live, 0);
    }
    EXPECT_EQ(g_liveVars, 0);
    EXPECT_EQ(IntValue::live, 0);
    std::vector<int> probes = g_destroyed;
    std::sort(probes.begin(), probes.end());
    EXPECT_EQ(probes, (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(Ownership, EmptyMapAndGroupDoNothing)
{
    Vorpane::Map map;
    VpdGroup group;
    unsigned char record[4] = {1, 2, 3, 4};
    group.DataToDialog(nullptr, record, true, true);
    group.DialogToData(nullptr, record, true);
    group.UpdateGreying(nullptr, true);
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(group.GetCount(), 0);
    EXPECT_EQ(record[3], 4);
}

TEST(VpdStaticGroup, KeepsItsIdsInOrderUpToTheZero)
{
    VpdStaticGroup group(5, 3, 9, 0u, 7u);
    std::vector<unsigned int> ids;
    for (QELPOSITION position = group.GetIds().GetHeadPosition(); position;)
        ids.push_back(group.GetIds().GetNext(position));
    EXPECT_EQ(ids, (std::vector<unsigned int>{5, 3, 9}));
    EXPECT_EQ(group.id, 0u);
    EXPECT_EQ(VpdStaticGroup(0u).GetIds().GetCount(), 0);
}

TEST(VpdBrowseButton, KeepsItsOwnCopyOfTheTypeIdsInReverseOrder)
{
    QelList<unsigned long> ids;
    for (unsigned long id : {10ul, 20ul, 30ul})
        ids.AddTail(id);
    VpdBrowseButton entry(1, 2, &ids, nullptr, true);
    ids.RemoveAll();
    std::vector<unsigned long> copy;
    for (QELPOSITION position = entry.typeIds.GetHeadPosition(); position;)
        copy.push_back(entry.typeIds.GetNext(position));
    EXPECT_EQ(copy, (std::vector<unsigned long>{30, 20, 10}));
    EXPECT_EQ(entry.type, QelMediaType::FromTypeIds);
}
