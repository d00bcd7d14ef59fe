// Control entries: each shows its field and stores what the user set, by
// its reading rule and formula, on real widgets.
#include "CorvelEditControl.h"
#include "QelColourSelector.h"
#include "QelFloatEditBox.h"
#include "QelHistoryEditCombo.h"
#include "QelIntegerEditBox.h"
#include "QelSpinButton.h"
#include "QelTimeEditBox.h"
#include "QelControl.h"
#include "VorpaneTestSupport.h"
#include "VpdAngle.h"
#include "VpdAttach.h"
#include "VpdBrowseButton.h"
#include "VpdColourSelector.h"
#include "VpdComboSelect.h"
#include "VpdFloatEdit.h"
#include "VpdIntEdit.h"
#include "VpdScriptEdit.h"
#include "VpdSlider.h"
#include "VpdStringEdit.h"
#include "VpdTimeEdit.h"
#include "VpdVarEntry.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDial>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace {

enum {
    kTemplate = 8301,
    kScaled = 100, kOffset, kPercent, kInverted, kSingle, kHundredths, kMillis, kMinSec, kChoice, kFormat,
    kLevel, kCaption, kAngle, kColour, kName, kRecent, kScript, kBrowse, kFolder, kAlternate, kTinted, kEmpty
};

struct Record {
    int32_t scaled = 0, offset = 0, percent = 0, inverted = 0;
    float single = 0;
    uint32_t hundredths = 0, millis = 0, minsec = 0;
    int32_t choice = 0;
    QelString format;
    int16_t level = 0;
    QelString caption;
    int32_t angle = 0;
    uint32_t colour = 0;
    QelString name, recent, script;
    double alternate = 0;
    uint32_t tinted = 0;
    uint8_t tolerance = 0;
    int32_t empty = 0;
};

std::string Items(std::initializer_list<const char*> texts)
{
    std::string xml;
    for (const char* text : texts)
        xml += std::string("<item><property name=\"text\"><string>") + text + "</string></property></item>";
    return xml;
}

const std::vector<UiControl> kControls = {
    {"QLineEdit", "scaled", kScaled, ""},
    {"QLineEdit", "offset", kOffset, ""},
    {"QLineEdit", "percent", kPercent, ""},
    {"QLineEdit", "inverted", kInverted, ""},
    {"QLineEdit", "single", kSingle, ""},
    {"QLineEdit", "hundredths", kHundredths, ""},
    {"QLineEdit", "millis", kMillis, ""},
    {"QLineEdit", "minsec", kMinSec, ""},
    {"QComboBox", "choice", kChoice, Items({"Low", "Medium", "High", "Best"})},
    {"QComboBox", "format", kFormat, Items({"Wave", "Ogg Vorbis", "FLAC"})},
    {"QSlider", "level", kLevel, "<property name=\"orientation\"><enum>Qt::Horizontal</enum></property>"},
    {"QLabel", "caption", kCaption, ""},
    {"QDial", "angle", kAngle, ""},
    {"QPushButton", "colour", kColour, ""},
    {"QLineEdit", "name", kName, ""},
    {"QComboBox", "recent", kRecent, "<property name=\"editable\"><bool>true</bool></property>"},
    {"QTextEdit", "script", kScript, ""},
    {"QPushButton", "browse", kBrowse, "<property name=\"text\"><string>Browse</string></property>"},
    {"QPushButton", "folder", kFolder, "<property name=\"text\"><string>Folder</string></property>"},
    {"QLineEdit", "alternate", kAlternate, ""},
    {"QPushButton", "tinted", kTinted, ""},
    {"QLineEdit", "empty", kEmpty, ""},
};

template <class T>
VpdVarEntry* Field(T Record::*member, size_t offset)
{
    (void)member;
    return new VpdVarEntry(static_cast<int>(offset), static_cast<int>(sizeof(T)));
}
#define FIELD(name) Field(&Record::name, offsetof(Record, name))

Vorpane::Map* BuildMap()
{
    auto* map = new Vorpane::Map;
    map->Add(new VpdIntEdit(kScaled, FIELD(scaled), nullptr, 0, -100, 100, 10.0f, 0, -1, false));
    map->Add(new VpdIntEdit(kOffset, FIELD(offset), nullptr, 1, 0, 10, 1.0f, -1, -1, false));
    map->Add(new VpdPercentIntEdit(kPercent, FIELD(percent), nullptr, 0, 200, false));
    map->Add(new VpdPercentIntEdit(kInverted, FIELD(inverted), nullptr, 0, 200, true));
    map->Add(new VpdFloatEdit(kSingle, FIELD(single), nullptr, 0.0, 0.0, 5.0, 1.0f));
    map->Add(new VpdTimeEdit(kHundredths, FIELD(hundredths), nullptr, 2, 5000, -1, -1));
    map->Add(new VpdTimeEdit(kMillis, FIELD(millis), nullptr, 0, 2000, -1, 1000));
    map->Add(new VpdMinSecEdit(kMinSec, FIELD(minsec), nullptr));
    map->Add(new VpdComboSelect(kChoice, FIELD(choice), nullptr));
    map->Add(new VpdComboString(kFormat, FIELD(format)));
    map->Add(new VpdSlider(kLevel, FIELD(level), nullptr, -10, 10));
    map->Add(new VpdStatic(kCaption, FIELD(caption)));
    map->Add(new VpdAngle(kAngle, FIELD(angle), nullptr, QelAngleControl::Signed, 0));
    map->Add(new VpdColourSelector(kColour, FIELD(colour), nullptr));
    map->Add(new VpdStringEdit(kName, FIELD(name), nullptr));
    map->Add(new VpdHistoryCombo(kRecent, FIELD(recent), nullptr, "test/recent"));
    map->Add(new VpdScriptEdit(kScript, FIELD(script), nullptr));
    map->Add(new VpdBrowseButton(kBrowse, kName, QelMediaType::Script, false));
    map->Add(new VpdDirectoryBrowseButton(kFolder, kName));
    map->Add(new VpdIntEdit(kAlternate, FIELD(alternate), nullptr, 0, 0, 100, 1.0f, 0, -1, true));
    map->Add(new VpdColourSelectorTolerance(kTinted, FIELD(tinted), FIELD(tolerance), nullptr, nullptr));
    map->Add(new VpdPercentIntEdit(kEmpty, FIELD(empty), nullptr, 40, 40, false));
    return map;
}

class Entries : public HostDialogTest {
protected:
    void SetUp() override
    {
        // Histories go to a directory of the test's own.
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        OpenDialog(kTemplate, kControls, BuildMap());
    }
    void TearDown() override
    {
        HostDialogTest::TearDown();
        qunsetenv("XDG_CONFIG_HOME");
    }
    QString Text(unsigned int id) const
    {
        QelString text;
        dialog->GetDlgItemText(id, text);
        return QString::fromUtf8(text.GetText());
    }
    void Show(Record& record) { dialog->Show({&record}); }
    void Apply(Record& record) { dialog->Apply({&record}); }
    QWidget* Control(unsigned int id) const { return dialog->Control(id); }

    QTemporaryDir config;
};

// Plays the user in the modal dialog that `action` opens: `answer` runs
// once the dialog is up.
template <class Dialog>
void AnswerDialog(std::function<void()> action, std::function<void(Dialog*)> answer)
{
    QTimer::singleShot(0, [answer]() {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(dialog);
    });
    action();
}

}  // namespace

TEST_F(Entries, IntegerScaleAndOffsetRoundTrip)
{
    Record record;
    record.scaled = 25;
    record.offset = 1;
    Show(record);
    EXPECT_EQ(Text(kScaled), "3") << "25 / 10 + 0.5 = 3.0";
    EXPECT_EQ(Text(kOffset), "0");
    TypeOver(Control(kScaled), "3");
    TypeOver(Control(kOffset), "5");
    Apply(record);
    EXPECT_EQ(record.scaled, 30);
    EXPECT_EQ(record.offset, 6);
    // Rounding adds 0.5 and truncates toward zero: -27 / 10 shows -2.
    record.scaled = -27;
    Show(record);
    EXPECT_EQ(Text(kScaled), "-2");
}

TEST_F(Entries, IntegerSpinButtonAndSliderKeepInStepWithTheBox)
{
    Record record;
    record.scaled = 20;
    Show(record);
    auto* box = VpdAttach::Find<QelIntegerEditBox>(dialog, kScaled);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->GetSpinButton(), nullptr);
    ASSERT_NE(box->GetSlider(), nullptr) << "0, -1 stands for the spin range";
    EXPECT_EQ(box->GetSlider()->minimum(), -100);
    EXPECT_EQ(box->GetSlider()->value(), 2);
    QTest::mouseClick(box->GetSpinButton()->GetUpButton(), Qt::LeftButton);
    EXPECT_EQ(Text(kScaled), "3");
    EXPECT_EQ(box->GetSlider()->value(), 3);
    box->GetSlider()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Text(kScaled), QString::number(box->GetSlider()->value()));
    TypeOver(Control(kScaled), "-7");
    EXPECT_EQ(box->GetSlider()->value(), -7);
    QTest::keyClick(Control(kScaled), Qt::Key_Down);
    EXPECT_EQ(Text(kScaled), "-8");
    // The offset entry asked for no slider (-1, -1).
    EXPECT_EQ(VpdAttach::Find<QelIntegerEditBox>(dialog, kOffset)->GetSlider(), nullptr);
    // Greying the box greys what was made beside it.
    dialog->GetDlgItem(kScaled)->EnableWindow(false);
    EXPECT_FALSE(box->GetSpinButton()->isEnabled());
    EXPECT_FALSE(box->GetSlider()->isEnabled());
}

TEST_F(Entries, PercentageOfTheRangeClampedOnTheWayBack)
{
    Record record;
    record.percent = 50;
    record.inverted = 50;
    Show(record);
    EXPECT_EQ(Text(kPercent), "25");
    EXPECT_EQ(Text(kInverted), "75");
    TypeOver(Control(kPercent), "100");
    Apply(record);
    EXPECT_EQ(record.percent, 200);
    TypeOver(Control(kPercent), "150");
    TypeOver(Control(kInverted), "100");
    Apply(record);
    EXPECT_EQ(record.percent, 200) << "clamped to max";
    EXPECT_EQ(record.inverted, 0);
}

TEST_F(Entries, PercentageOfAnEmptyRangeShowsZeroAndStoresMin)
{
    Record record;
    record.empty = 40;
    Show(record);
    EXPECT_EQ(Text(kEmpty), "0");
    TypeOver(Control(kEmpty), "70");
    record.empty = 12345;
    Apply(record);
    EXPECT_EQ(record.empty, 40);
}

TEST_F(Entries, FloatInASingleField)
{
    Record record;
    record.single = 1.5f;
    Show(record);
    EXPECT_EQ(Text(kSingle), "1.5");
    TypeOver(Control(kSingle), "2.25");
    Apply(record);
    EXPECT_EQ(record.single, 2.25f);
    // Spin steps of 0.1 stay clean decimals.
    record.single = 0.1f;
    Show(record);
    EXPECT_EQ(Text(kSingle), "0.1");
    auto* box = VpdAttach::Find<QelFloatEditBox>(dialog, kSingle);
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(box->GetSpinButton()->GetUpButton(), Qt::LeftButton);
    EXPECT_EQ(Text(kSingle), "0.3");
    Apply(record);
    EXPECT_EQ(record.single, 0.3f);
}

TEST_F(Entries, TimeModesUnitsAndRanges)
{
    auto* hundredths = VpdAttach::Find<QelTimeEditBox>(dialog, kHundredths);
    auto* millis = VpdAttach::Find<QelTimeEditBox>(dialog, kMillis);
    auto* minsec = VpdAttach::Find<QelTimeEditBox>(dialog, kMinSec);
    ASSERT_TRUE(hundredths && millis && minsec);
    EXPECT_EQ(hundredths->GetMode(), QelTimeEditBox::Seconds);
    EXPECT_EQ(hundredths->GetUnit(), 100);
    EXPECT_EQ(millis->GetMode(), QelTimeEditBox::Milliseconds);
    EXPECT_EQ(millis->GetUnit(), 1000);
    EXPECT_EQ(minsec->GetMode(), QelTimeEditBox::MinutesSeconds);
    EXPECT_EQ(millis->GetSlider()->maximum(), 1000) << "the slider's own maximum";
    // Minutes and seconds: 0 ... 10000 ms on spin button and slider.
    EXPECT_EQ(minsec->GetSlider()->maximum() * minsec->GetStep(), 10000);

    Record record;
    record.hundredths = 1250;
    record.millis = 1250;
    record.minsec = 65250;
    Show(record);
    EXPECT_EQ(Text(kHundredths), "1.25 s");
    EXPECT_EQ(Text(kMillis), "1250 ms");
    EXPECT_EQ(Text(kMinSec), "1:05");
    Apply(record);
    EXPECT_EQ(record.minsec, 65250u) << "a rounded display never changes the stored time";

    TypeOver(Control(kHundredths), "2.5");
    TypeOver(Control(kMinSec), "0:07");
    TypeOver(Control(kMillis), "1.5 s");
    Apply(record);
    EXPECT_EQ(record.hundredths, 2500u);
    EXPECT_EQ(record.minsec, 7000u);
    EXPECT_EQ(record.millis, 1500u);
    QTest::mouseClick(minsec->GetSpinButton()->GetUpButton(), Qt::LeftButton);
    EXPECT_EQ(Text(kMinSec), "0:08");
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(minsec->GetSpinButton()->GetUpButton(), Qt::LeftButton);
    EXPECT_EQ(minsec->GetMilliseconds(), 10000) << "the spin button stops at its maximum";
}

TEST_F(Entries, ComboSelectSelectsTheIndexAndClearsItForDifferingRecords)
{
    Record a, b;
    a.choice = 2;
    b.choice = 3;
    dialog->Show({&a, &b});
    EXPECT_EQ(dialog->SendDlgItemMessage(kChoice, CB_GETCURSEL), -1);
    dialog->Apply({&a, &b});
    EXPECT_EQ(a.choice, 2);
    EXPECT_EQ(b.choice, 3);
    b.choice = 2;
    dialog->Show({&a, &b});
    EXPECT_EQ(dialog->SendDlgItemMessage(kChoice, CB_GETCURSEL), 2);
    a.choice = b.choice = 0;
    dialog->Apply({&a, &b});
    EXPECT_EQ(a.choice, 2);
    EXPECT_EQ(b.choice, 2);
}

TEST_F(Entries, ComboStringSelectsByPrefixAndWritesOnlyANonEmptyText)
{
    Record a, b;
    a.format = "ogg";
    b.format = "Ogg Vorbis";
    dialog->Show({&a, &b});
    EXPECT_EQ(Text(kFormat), "Ogg Vorbis") << "the same item for both records";
    b.format = "FLAC";
    dialog->Show({&a, &b});
    EXPECT_EQ(dialog->SendDlgItemMessage(kFormat, CB_GETCURSEL), -1);
    dialog->Apply({&a, &b});
    EXPECT_EQ(a.format, "ogg") << "nothing shown: nothing written";
    EXPECT_EQ(b.format, "FLAC");
    dialog->Show({&a});
    dialog->Apply({&b});
    EXPECT_EQ(b.format, "Ogg Vorbis");
}

TEST_F(Entries, SliderRangeAndPosition)
{
    Record record;
    record.level = -4;
    Show(record);
    auto* slider = qobject_cast<QSlider*>(Control(kLevel));
    EXPECT_EQ(slider->minimum(), -10);
    EXPECT_EQ(slider->maximum(), 10);
    EXPECT_EQ(slider->value(), -4);
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Apply(record);
    EXPECT_EQ(record.level, -3);
}

TEST_F(Entries, StaticShowsTheTextAndStringEditStoresTheBox)
{
    Record record;
    record.caption = "Caption";
    record.name = "Ada";
    Show(record);
    EXPECT_EQ(qobject_cast<QLabel*>(Control(kCaption))->text(), "Caption");
    EXPECT_EQ(Text(kName), "Ada");
    TypeOver(Control(kName), "Grace Hopper");
    Apply(record);
    EXPECT_EQ(record.name, "Grace Hopper");
    EXPECT_EQ(record.caption, "Caption");
}

TEST_F(Entries, AngleOnTheDialAndInTheDegreeBox)
{
    Record record;
    record.angle = 90;
    Show(record);
    auto* angle = VpdAttach::Find<QelAngleControl>(dialog, kAngle);
    ASSERT_NE(angle, nullptr);
    ASSERT_NE(angle->GetDegreeBox(), nullptr);
    EXPECT_EQ(angle->GetDegreeBox()->text(), QString::fromUtf8("90°"));
    // Compass dial: 90 degrees points right, a quarter turn on from the top.
    auto* dial = qobject_cast<QDial*>(Control(kAngle));
    EXPECT_EQ(dial->value(), 270);
    TypeOver(angle->GetDegreeBox(), "-45");
    EXPECT_EQ(dial->value(), 135);
    Apply(record);
    EXPECT_EQ(record.angle, -45);
    dial->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(angle->GetDegreeBox()->text(), QString::fromUtf8("-44°"));
    record.angle = 270;
    Show(record);
    EXPECT_EQ(angle->GetDegreeBox()->text(), QString::fromUtf8("-90°")) << "signed mode";
    Apply(record);
    EXPECT_EQ(record.angle, 270) << "the angle set is written back as it was";
}

TEST_F(Entries, ColourFromTheDialogAndToleranceBeside)
{
    Record record;
    record.colour = RGB(255, 128, 0);
    record.tinted = RGB(1, 2, 3);
    record.tolerance = 12;
    Show(record);
    auto* colour = VpdAttach::Find<QelColourSelector>(dialog, kColour);
    auto* tinted = VpdAttach::Find<QelColourSelector>(dialog, kTinted);
    ASSERT_TRUE(colour && tinted);
    EXPECT_EQ(Text(kColour), "#FF8000");
    EXPECT_EQ(colour->GetToleranceBox(), nullptr);
    ASSERT_NE(tinted->GetToleranceBox(), nullptr);
    EXPECT_EQ(tinted->GetToleranceBox()->value(), 12);

    AnswerDialog<QColorDialog>([&]() { Click(Control(kColour)); },
                               [](QColorDialog* chooser) {
                                   chooser->setCurrentColor(QColor(0, 0x40, 0x80));
                                   chooser->accept();
                               });
    EXPECT_EQ(Text(kColour), "#004080");
    tinted->GetToleranceBox()->stepUp();
    Apply(record);
    EXPECT_EQ(record.colour, RGB(0, 0x40, 0x80));
    EXPECT_EQ(record.tolerance, 13);

    // Cancelled: nothing changes.
    AnswerDialog<QColorDialog>([&]() { Click(Control(kColour)); }, [](QColorDialog* chooser) { chooser->reject(); });
    Apply(record);
    EXPECT_EQ(record.colour, RGB(0, 0x40, 0x80));

    // Without a record the colours are left as they are.
    dialog->Show({nullptr});
    EXPECT_EQ(Text(kColour), "#004080");
}

TEST_F(Entries, HistoryComboRemembersCommittedTextsAcrossRestarts)
{
    Record record;
    record.recent = "first";
    Show(record);
    Apply(record);
    TypeOver(Control(kRecent), "second");
    Apply(record);
    EXPECT_EQ(record.recent, "second");
    EXPECT_EQ(QelHistoryEditCombo::LoadHistory("test/recent"), (QStringList{"second", "first"}));
    EXPECT_TRUE(QelHistoryEditCombo::HistoryFile().startsWith(config.path()));

    // A new dialog finds the history in its drop-down list.
    delete dialog;
    dialog = new HostDialog(kTemplate, map);
    ASSERT_TRUE(dialog->Open());
    auto* combo = qobject_cast<QComboBox*>(Control(kRecent));
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "second");
    EXPECT_TRUE(QelHistoryEditCombo::LoadHistory("another key").isEmpty());
}

TEST_F(Entries, ScriptEntryFillsTheEditControlAndStoresItsText)
{
    Record record;
    record.script = "var x = 1;\nwait(2);";
    Show(record);
    auto* edit = VpdAttach::Find<CorvelEditControl>(dialog, kScript);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(qobject_cast<QTextEdit*>(Control(kScript))->toPlainText(), "var x = 1;\nwait(2);");
    EXPECT_TRUE(Control(kScript)->isEnabled());
    QTextEdit* text = qobject_cast<QTextEdit*>(Control(kScript));
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, " x++;");
    Apply(record);
    EXPECT_EQ(record.script, "var x = 1;\nwait(2); x++;");
}

TEST_F(Entries, AlternateStorageIsADoubleForSize8)
{
    Record record;
    record.alternate = -2.7;
    Show(record);
    EXPECT_EQ(Text(kAlternate), "-2");
    TypeOver(Control(kAlternate), "41");
    Apply(record);
    EXPECT_EQ(record.alternate, 41.0);
}

TEST_F(Entries, BrowseButtonsWriteTheChosenPathIntoTheirTarget)
{
    QTemporaryDir folder;
    const QString script = folder.filePath("start.js");
    QFile(script).open(QIODevice::WriteOnly);
    Record a, b;
    a.name = "one";
    b.name = "two";
    dialog->Show({&a, &b});
    auto* box = VpdAttach::Find<QelEditBox>(dialog, kName);
    ASSERT_TRUE(box->IsMultiSelected());
    AnswerDialog<QFileDialog>([&]() { Click(Control(kBrowse)); },
                              [&](QFileDialog* chooser) {
                                  EXPECT_TRUE(chooser->nameFilters().first().contains("*.js"));
                                  chooser->selectFile(script);
                                  static_cast<QDialog*>(chooser)->accept();
                              });
    EXPECT_FALSE(box->IsMultiSelected()) << "the chosen path decides the target";
    EXPECT_EQ(Text(kName), script);
    AnswerDialog<QFileDialog>([&]() { Click(Control(kFolder)); },
                              [&](QFileDialog* chooser) {
                                  EXPECT_EQ(chooser->fileMode(), QFileDialog::Directory);
                                  chooser->selectFile(folder.path());
                                  static_cast<QDialog*>(chooser)->accept();
                              });
    EXPECT_EQ(Text(kName), folder.path());
    dialog->Apply({&a, &b});
    EXPECT_EQ(a.name, folder.path().toUtf8().constData());
    EXPECT_EQ(b.name, a.name);
}

TEST_F(Entries, SeveralRecordsEqualFieldsWrittenToAllUndecidedLeftAlone)
{
    Record a, b, c;
    for (Record* r : {&a, &b, &c}) {
        r->scaled = 40;       // equal everywhere
        r->single = 1.5f;
        r->name = "same";
        r->tolerance = 9;
    }
    a.percent = 20, b.percent = 40, c.percent = 20;
    a.hundredths = 100, b.hundredths = 100, c.hundredths = 300;
    a.angle = 10, b.angle = 20, c.angle = 10;
    a.recent = "x", b.recent = "y", c.recent = "x";
    a.offset = 1, b.offset = 2, c.offset = 3;
    dialog->Show({&a, &b, &c});

    for (unsigned int id : {kPercent, kHundredths, kOffset, kName}) {
        auto* control = dynamic_cast<QelControl*>(VpdAttach::Find(dialog, id));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->IsMultiSelected(), id != kName) << id;
    }
    EXPECT_TRUE(VpdAttach::Find<QelAngleControl>(dialog, kAngle)->IsMultiSelected());
    EXPECT_TRUE(VpdAttach::Find<QelHistoryEditCombo>(dialog, kRecent)->IsMultiSelected());
    EXPECT_EQ(Text(kPercent), "") << "undecided boxes are empty";
    EXPECT_EQ(qobject_cast<QLineEdit*>(Control(kPercent))->placeholderText(), "(several values)");

    // The user changes two fields; everything else equal is written to all,
    // the undecided rest stays as each record had it.
    TypeOver(Control(kScaled), "5");
    TypeOver(Control(kOffset), "8");
    dialog->Apply({&a, &b, &c});
    for (Record* r : {&a, &b, &c}) {
        EXPECT_EQ(r->scaled, 50);
        EXPECT_EQ(r->offset, 9);
        EXPECT_EQ(r->single, 1.5f);
        EXPECT_EQ(r->name, "same");
        EXPECT_EQ(r->tolerance, 9);
    }
    EXPECT_EQ(a.percent, 20);
    EXPECT_EQ(b.percent, 40);
    EXPECT_EQ(c.hundredths, 300u);
    EXPECT_EQ(b.angle, 20);
    EXPECT_EQ(b.recent, "y");
    EXPECT_EQ(a.recent, "x");
}

TEST_F(Entries, ShowingOneRecordAgainEndsTheUndecidedState)
{
    Record a, b;
    a.percent = 20, b.percent = 40;
    dialog->Show({&a, &b});
    auto* box = VpdAttach::Find<QelIntegerEditBox>(dialog, kPercent);
    ASSERT_TRUE(box->IsMultiSelected());
    dialog->Show({&b});
    EXPECT_FALSE(box->IsMultiSelected());
    EXPECT_EQ(Text(kPercent), "20");
    EXPECT_TRUE(qobject_cast<QLineEdit*>(Control(kPercent))->placeholderText().isEmpty());
}
