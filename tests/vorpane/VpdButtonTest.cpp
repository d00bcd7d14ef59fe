// Check boxes and radio buttons: the state they show, what they write, and
// the greying chain through their dependants, on real widgets.
#include "QelCheckBox.h"
#include "VorpaneTestSupport.h"
#include "VpdAttach.h"
#include "VpdButton.h"
#include "VpdGroup.h"
#include "VpdIntEdit.h"
#include "VpdValEntry.h"
#include "VpdVarEntry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace {

enum {
    kTemplate = 8101,
    kMaster = 100, kValue = 101, kNested = 102, kDeep = 103, kLabel = 104, kMixed = 105, kMixedChild = 106,
    kFast = 107, kSlow = 108, kSlowChild = 109
};

struct Record {
    uint32_t flags;  // bit 0 master, bit 1 nested, bits 2-3 speed
    int32_t value;
    int32_t deep;
    int32_t mixed;
    int32_t mixedChild;
    int32_t slowChild;
};

const std::vector<UiControl> kControls = {
    {"QCheckBox", "master", kMaster, "<property name=\"text\"><string>Master</string></property>"},
    {"QLineEdit", "value", kValue, ""},
    {"QCheckBox", "nested", kNested, "<property name=\"text\"><string>Nested</string></property>"},
    {"QLineEdit", "deep", kDeep, ""},
    {"QLabel", "label", kLabel, "<property name=\"text\"><string>Label</string></property>"},
    {"QCheckBox", "mixed", kMixed,
     "<property name=\"text\"><string>Mixed</string></property><property name=\"tristate\"><bool>true</bool></property>"},
    {"QLineEdit", "mixedChild", kMixedChild, ""},
    {"QRadioButton", "fast", kFast, "<property name=\"text\"><string>Fast</string></property>"},
    {"QRadioButton", "slow", kSlow, "<property name=\"text\"><string>Slow</string></property>"},
    {"QLineEdit", "slowChild", kSlowChild, ""},
};

VpdVarEntry* Field(size_t offset) { return new VpdVarEntry(static_cast<int>(offset), 4); }
VpdVarBitField* Bits(int first, int count) { return new VpdVarBitField(offsetof(Record, flags), 4, first, count); }
QelSuperMapEntry* IntEdit(unsigned int id, size_t offset, int inactive)
{
    return new VpdIntEdit(id, Field(offset), new IntValue(inactive), 0, -1000, 1000, 1.0f, 0, -1, false);
}

// master (bit 0) -> { value, nested (bit 1) -> { deep, label } }
Vorpane::Map* BuildMap()
{
    auto* map = new Vorpane::Map;
    auto* deepGroup = new VpdGroup;
    deepGroup->Add(IntEdit(kDeep, offsetof(Record, deep), -2));
    deepGroup->Add(new VpdStaticGroup(kLabel, 0u));
    auto* masterGroup = new VpdGroup;
    masterGroup->Add(IntEdit(kValue, offsetof(Record, value), -1));
    masterGroup->Add(new VpdCheckBox(kNested, Bits(1, 1), new VpdValBitField(1), new VpdValBitField(0),
                                     new VpdValBitField(0), deepGroup));
    map->Add(new VpdCheckBox(kMaster, Bits(0, 1), new VpdValBitField(1), new VpdValBitField(0), masterGroup));
    map->Add(new VpdCheckBox(kMixed, Field(offsetof(Record, mixed)), new IntValue(1), new IntValue(0),
                             IntEdit(kMixedChild, offsetof(Record, mixedChild), -3)));
    map->Add(new VpdRadioButton(kFast, Bits(2, 2), new VpdValBitField(1), nullptr, nullptr));
    map->Add(new VpdRadioButton(kSlow, Bits(2, 2), new VpdValBitField(2), nullptr,
                                IntEdit(kSlowChild, offsetof(Record, slowChild), -4)));
    return map;
}

class Buttons : public HostDialogTest {
protected:
    void SetUp() override { OpenDialog(kTemplate, kControls, BuildMap()); }
    bool Enabled(unsigned int id) const { return dialog->Control(id)->isEnabled(); }
    unsigned int State(unsigned int id) const { return dialog->IsDlgButtonChecked(id); }
};

}  // namespace

TEST_F(Buttons, StateComesFromTheCheckedValueOrTheNegatedUncheckedValue)
{
    Record record{0b0101, 5, 6, 1, 7, 8};
    dialog->Show({&record});
    EXPECT_EQ(State(kMaster), 1u);
    EXPECT_EQ(State(kNested), 0u);
    EXPECT_EQ(State(kMixed), 1u);
    EXPECT_EQ(State(kFast), 1u);
    EXPECT_EQ(State(kSlow), 0u);
}

TEST(ButtonWithOnlyAnUncheckedValue, ShowsCheckedExactlyWhenTheFieldDiffersFromIt)
{
    RegisterTemplate(kTemplate + 1, {kControls[0]});
    Vorpane::Map map;
    map.Add(new VpdCheckBox(kMaster, new VpdVarEntry(0, 4), nullptr, new IntValue(3), nullptr));
    HostDialog dialog(kTemplate + 1, &map);
    ASSERT_TRUE(dialog.Open());
    for (int32_t value : {3, 0, 4, -3}) {
        int32_t record = value;
        dialog.Show({&record});
        EXPECT_EQ(dialog.IsDlgButtonChecked(kMaster), value == 3 ? 0u : 1u) << value;
    }
    // Checked, it has no value to write; unchecked, it writes 3.
    int32_t record = 9;
    dialog.Apply({&record});
    EXPECT_EQ(record, 9);
    Click(dialog.Control(kMaster));
    dialog.Apply({&record});
    EXPECT_EQ(record, 3);
}

TEST_F(Buttons, GreyingEnablesDependantsOnlyBelowEnabledCheckedButtons)
{
    Record record{0b0001, 1, 2, 0, 0, 0};  // master on, nested off
    dialog->Show({&record});
    dialog->Grey();
    EXPECT_TRUE(Enabled(kValue));
    EXPECT_TRUE(Enabled(kNested));
    EXPECT_FALSE(Enabled(kDeep));
    EXPECT_FALSE(Enabled(kLabel)) << "a static group follows the greying";
    EXPECT_FALSE(Enabled(kMixedChild));
    EXPECT_FALSE(Enabled(kSlowChild));

    // The user's clicks re-evaluate the greying at once, two levels deep.
    Click(dialog->Control(kNested));
    EXPECT_TRUE(Enabled(kDeep));
    EXPECT_TRUE(Enabled(kLabel));
    Click(dialog->Control(kMaster));
    EXPECT_FALSE(Enabled(kValue));
    EXPECT_FALSE(Enabled(kNested));
    EXPECT_FALSE(Enabled(kDeep)) << "nested is still checked, but its button is greyed";
    Click(dialog->Control(kSlow));
    EXPECT_TRUE(Enabled(kSlowChild));
}

TEST_F(Buttons, UncheckedBoxMakesItsWholeSubtreeWriteInactiveValues)
{
    Record record{0b0011, 1, 2, 0, 0, 0};
    dialog->Show({&record});
    Click(dialog->Control(kMaster));  // off: value and nested (with deep) inactive
    EXPECT_FALSE(Enabled(kValue));
    EXPECT_FALSE(Enabled(kDeep));
    dialog->Apply({&record});
    EXPECT_EQ(record.flags & 1u, 0u);
    EXPECT_EQ(record.flags & 2u, 0u) << "the nested box writes its inactive value";
    EXPECT_EQ(record.value, -1);
    EXPECT_EQ(record.deep, -2);
    EXPECT_EQ(record.mixedChild, -3);
    EXPECT_EQ(record.slowChild, -4);
}

TEST_F(Buttons, IndeterminateBoxWritesNothingYetActivatesItsChildWhileGreyingIt)
{
    Record record{0, 0, 0, 55, 10, 0};  // mixed neither 1 nor 0: shown unchecked
    dialog->Show({&record});
    dialog->CheckDlgButton(kMixed, BST_INDETERMINATE);
    ASSERT_EQ(State(kMixed), static_cast<unsigned int>(BST_INDETERMINATE));
    dialog->Grey();
    EXPECT_FALSE(Enabled(kMixedChild)) << "greying asks for state 1";
    dialog->Apply({&record});
    EXPECT_EQ(record.mixed, 55) << "indeterminate writes nothing";
    EXPECT_EQ(record.mixedChild, 10) << "the child is active and writes its control's value";
}

TEST_F(Buttons, InactiveRadioButtonWritesNothingAndACheckedOneItsValue)
{
    Record record{0b0100, 0, 0, 0, 0, 33};  // fast
    dialog->Show({&record});
    dialog->Apply({&record});
    EXPECT_EQ(record.flags, 0b0100u);
    EXPECT_EQ(record.slowChild, -4) << "slow is unchecked: its child is inactive";
    Click(dialog->Control(kSlow));
    dialog->Apply({&record});
    EXPECT_EQ((record.flags >> 2) & 3u, 2u);
    // An inactive radio button (nothing above it is checked) writes nothing.
    auto* radio = new VpdRadioButton(kFast, new VpdVarEntry(offsetof(Record, value), 4), new IntValue(9), new IntValue(8), nullptr);
    radio->DialogToData(dialog, reinterpret_cast<unsigned char*>(&record), false);
    EXPECT_EQ(record.value, -1);
    delete radio;
}

TEST_F(Buttons, ShowControlsHidesEveryEntrysControlButNotStaticLabels)
{
    Record record{0b0011, 1, 2, 1, 0, 0};
    dialog->Show({&record});
    dialog->ShowControls(map, SW_HIDE);
    for (unsigned int id : {kMaster, kValue, kNested, kDeep, kMixed, kMixedChild, kFast, kSlow, kSlowChild})
        EXPECT_TRUE(dialog->Control(id)->isHidden()) << id;
    EXPECT_FALSE(dialog->Control(kLabel)->isHidden());
    dialog->ShowControls(map, SW_SHOW);
    EXPECT_FALSE(dialog->Control(kDeep)->isHidden());
}

TEST_F(Buttons, UndecidedButtonsWriteNothingUntilTheUserClicks)
{
    Record a{0b0101, 0, 0, 1, 0, 0}, b{0b1000, 0, 0, 1, 0, 0};  // master and speed differ
    dialog->Show({&a, &b});
    auto* master = VpdAttach::Find<QelCheckBox>(dialog, kMaster);
    ASSERT_NE(master, nullptr);
    EXPECT_TRUE(master->IsMultiSelected());
    EXPECT_EQ(qobject_cast<QCheckBox*>(dialog->Control(kMaster))->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(State(kMixed), 1u) << "equal in both records";
    dialog->Apply({&a, &b});
    EXPECT_EQ(a.flags & 0b1101u, 0b0101u);
    EXPECT_EQ(b.flags & 0b1101u, 0b1000u);

    // One click decides the box (checked) for every record, and one click
    // decides the radio group.
    Click(dialog->Control(kMaster));
    EXPECT_EQ(State(kMaster), 1u);
    EXPECT_FALSE(master->IsMultiSelected());
    Click(dialog->Control(kSlow));
    dialog->Apply({&a, &b});
    EXPECT_EQ(a.flags & 0b1101u, 0b1001u);
    EXPECT_EQ(b.flags & 0b1101u, 0b1001u);
}
