// The modal dialog: the order of its calls, OK writing every entry, Cancel
// writing nothing, and greying ahead of the handling of each command.
#include "VorpaneModal.h"
#include "VorpaneTestSupport.h"
#include "VpdButton.h"
#include "VpdIntEdit.h"
#include "VpdStringEdit.h"
#include "VpdVarEntry.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

enum { kTemplate = 8201, kBoxTemplate = 8202, kBox = 100, kCount = 101, kName = 102 };

struct Record {
    int32_t on;
    int32_t count;
    QelString name;
};

// Logs the dialog's map operations as they reach the virtual slots.
class LoggingModal : public VorpaneModal {
public:
    using VorpaneModal::VorpaneModal;
    std::vector<std::string> log;
    std::function<void()> atGreying;

    void InitControls(Vorpane::Map* map) override { log.push_back("init"); VorpaneModal::InitControls(map); }
    void ObjectToDialog(void* record, Vorpane::Map* map, bool first) override
    {
        log.push_back(first ? "show first" : "show further");
        VorpaneModal::ObjectToDialog(record, map, first);
    }
    void UpdateGreying(Vorpane::Map* map, bool enable) override
    {
        log.push_back("grey");
        VorpaneModal::UpdateGreying(map, enable);
        if (atGreying)
            atGreying();
    }
    void DialogToObject(void* record, Vorpane::Map* map) override { log.push_back("write"); VorpaneModal::DialogToObject(record, map); }
    void DestroyControls(Vorpane::Map* map) override { log.push_back("destroy"); VorpaneModal::DestroyControls(map); }
};

Vorpane::Map* BuildMap()
{
    auto* map = new Vorpane::Map;
    auto* count = new VpdIntEdit(kCount, new VpdVarEntry(offsetof(Record, count), 4), new IntValue(-1), 0, 0, 100,
                                 1.0f, 0, -1, false);
    map->Add(new VpdCheckBox(kBox, new VpdVarEntry(offsetof(Record, on), 4), new IntValue(1), new IntValue(0), count));
    map->Add(new VpdStringEdit(kName, new VpdVarEntry(offsetof(Record, name), sizeof(QelString)), nullptr));
    return map;
}

const std::vector<UiControl> kControls = {
    {"QCheckBox", "box", kBox, "<property name=\"text\"><string>On</string></property>"},
    {"QLineEdit", "count", kCount, ""},
    {"QLineEdit", "name", kName, ""},
};

// Runs `dialog` modally; `user` plays the user once it is up.
int RunModal(VorpaneModal& dialog, void* record, std::function<void(CDialog*)> user)
{
    CDialog::SetModalHook(std::move(user));
    const int result = dialog.DoModal(record);
    CDialog::SetModalHook(nullptr);
    return result;
}

QWidget* Control(CDialog* dialog, unsigned int id)
{
    return dialog->GetDlgItem(id)->GetWidget();
}

class Modal : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterTemplate(kTemplate, kControls);
        map = BuildMap();
    }
    void TearDown() override { delete map; }
    Vorpane::Map* map = nullptr;
};

}  // namespace

TEST_F(Modal, OkWritesEveryEntryAndCancelNone)
{
    Record record{1, 7, "Ada"};
    LoggingModal cancelled(kTemplate, map);
    EXPECT_EQ(RunModal(cancelled, &record, [](CDialog* dialog) {
                  TypeOver(Control(dialog, kCount), "42");
                  TypeOver(Control(dialog, kName), "Grace");
                  Click(Control(dialog, IDCANCEL));
              }),
              IDCANCEL);
    EXPECT_EQ(record.count, 7);
    EXPECT_EQ(record.name, "Ada");

    LoggingModal accepted(kTemplate, map);
    EXPECT_EQ(RunModal(accepted, &record, [](CDialog* dialog) {
                  TypeOver(Control(dialog, kCount), "42");
                  TypeOver(Control(dialog, kName), "Grace");
                  Click(Control(dialog, IDOK));
              }),
              IDOK);
    EXPECT_EQ(record.count, 42);
    EXPECT_EQ(record.name, "Grace");

    // Unchecking the box makes the count inactive: OK writes its inactive value.
    LoggingModal unchecked(kTemplate, map);
    EXPECT_EQ(RunModal(unchecked, &record, [](CDialog* dialog) {
                  Click(Control(dialog, kBox));
                  Click(Control(dialog, IDOK));
              }),
              IDOK);
    EXPECT_EQ(record.on, 0);
    EXPECT_EQ(record.count, -1);
}

TEST_F(Modal, CallsFollowTheFrameworksOrderAndGreyingWaitsForTheFirstCommand)
{
    RegisterTemplate(kBoxTemplate, {kControls[0], kControls[1]});
    Vorpane::Map boxOnly;
    boxOnly.Add(new VpdCheckBox(kBox, new VpdVarEntry(offsetof(Record, on), 4), new IntValue(1), new IntValue(0), nullptr));
    Record record{0, 0, ""};
    LoggingModal dialog(kBoxTemplate, &boxOnly);
    std::vector<std::string> atOpen;
    RunModal(dialog, &record, [&](CDialog*) {
        atOpen = dialog.log;
        Click(Control(&dialog, IDOK));
    });
    EXPECT_EQ(atOpen, (std::vector<std::string>{"init", "show first"}));
    // OK: greying first, then the handling of the click writes the record.
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"init", "show first", "grey", "write", "destroy"}));
    EXPECT_EQ(dialog.GetTemporaryObjectCount(), 0);
    EXPECT_EQ(record.on, 0);
}

TEST_F(Modal, ClickedBoxGreysItsChildBeforeTheClickIsHandledFurther)
{
    Record record{1, 3, ""};
    LoggingModal dialog(kTemplate, map);
    std::vector<bool> countEnabledAtGreying;
    bool countEnabledAfterClick = true;
    RunModal(dialog, &record, [&](CDialog*) {
        dialog.atGreying = [&]() { countEnabledAtGreying.push_back(Control(&dialog, kCount)->isEnabled()); };
        Click(Control(&dialog, kBox));  // unchecks
        countEnabledAfterClick = Control(&dialog, kCount)->isEnabled();
        dialog.atGreying = nullptr;
        Click(Control(&dialog, IDCANCEL));
    });
    ASSERT_FALSE(countEnabledAtGreying.empty());
    EXPECT_FALSE(countEnabledAtGreying.front()) << "greyed by the click's own command";
    EXPECT_FALSE(countEnabledAfterClick);
}

TEST_F(Modal, DestroyingTheWindowDetachesEveryControl)
{
    Record record{1, 3, "x"};
    LoggingModal dialog(kTemplate, map);
    int attached = 0;
    RunModal(dialog, &record, [&](CDialog*) {
        attached = dialog.GetTemporaryObjectCount();
        Click(Control(&dialog, IDCANCEL));
    });
    EXPECT_EQ(attached, 3);
    EXPECT_EQ(dialog.GetTemporaryObjectCount(), 0);
    EXPECT_EQ(CWnd::FromWidgetPermanent(nullptr), nullptr);
}

TEST_F(Modal, UnknownTemplateAnswersMinusOneAndTouchesNothing)
{
    Record record{1, 3, "x"};
    VorpaneModal dialog(8299, map);
    EXPECT_EQ(dialog.DoModal(&record), -1);
    EXPECT_EQ(record.count, 3);
    EXPECT_EQ(dialog.GetTemporaryObjectCount(), 0);
}

TEST_F(Modal, ModelessUseWithoutARecordIsCleanedUpWhenTheDialogObjectGoes)
{
    {
        // Opened without DoModal: no record, which no entry may trip over.
        VorpaneModal dialog(kTemplate, map);
        ASSERT_TRUE(dialog.Create(kTemplate));
        EXPECT_EQ(dialog.GetTemporaryObjectCount(), 3);
        EXPECT_EQ(dialog.IsDlgButtonChecked(kBox), 0u);
        dialog.DialogToObject(nullptr, map);
    }  // the sanitizers report any control object left behind
    SUCCEED();
}
