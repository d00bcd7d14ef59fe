// The window vocabulary on the controls of a real dialog: lookup by id,
// enabling and showing, window text, check states, integer text, and the
// combo-box and slider messages.
#include "CComboBox.h"
#include "CSliderCtrl.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestTemplates();
        ASSERT_TRUE(dialog.Create(kTestTemplate));
    }

    QelString Text(unsigned int id) {
        QelString text;
        dialog.GetDlgItemText(id, text);
        return text;
    }

    RecordingDialog dialog;
};

TEST_F(ControlsTest, FindsControlsByIdAtAnyDepth) {
    CWnd* name = dialog.GetDlgItem(kName);
    ASSERT_NE(name, nullptr);
    EXPECT_NE(qobject_cast<QLineEdit*>(name->GetWidget()), nullptr);
    EXPECT_EQ(name->GetDlgCtrlID(), static_cast<unsigned>(kName));
    // Inside the group box, yet the dialog is its parent, as in the framework.
    CWnd* enabled = dialog.GetDlgItem(kEnabled);
    ASSERT_NE(enabled, nullptr);
    EXPECT_NE(qobject_cast<QCheckBox*>(enabled->GetWidget()), nullptr);
    EXPECT_EQ(enabled->GetParent(), &dialog);
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
    // The same wrapper each time, of the class that fits the widget.
    EXPECT_EQ(dialog.GetDlgItem(kName), name);
    EXPECT_NE(dynamic_cast<CComboBox*>(dialog.GetDlgItem(kFruit)), nullptr);
    EXPECT_NE(dynamic_cast<CSliderCtrl*>(dialog.GetDlgItem(kVolume)), nullptr);
    EXPECT_EQ(dialog.GetDlgCtrlID(), 0u);
    EXPECT_EQ(CWnd::FromWidget(nullptr), nullptr);
}

TEST_F(ControlsTest, EnableAndShowReportThePreviousState) {
    CWnd* name = dialog.GetDlgItem(kName);
    EXPECT_TRUE(name->IsWindowEnabled());
    EXPECT_FALSE(name->EnableWindow(false));  // was enabled
    EXPECT_FALSE(name->IsWindowEnabled());
    EXPECT_FALSE(name->GetWidget()->isEnabled());
    EXPECT_TRUE(name->EnableWindow(true));  // was disabled
    EXPECT_TRUE(name->IsWindowEnabled());

    EXPECT_TRUE(name->IsWindowVisible());
    EXPECT_TRUE(name->ShowWindow(SW_HIDE));
    EXPECT_FALSE(name->IsWindowVisible());
    EXPECT_FALSE(name->ShowWindow(SW_SHOW));
    EXPECT_TRUE(name->IsWindowVisible());

    // A control's own state stays its own when its group is greyed or its
    // dialog hidden; what is on screen follows the ancestors.
    CWnd* group = dialog.GetDlgItem(kOptions);
    group->EnableWindow(false);
    EXPECT_TRUE(dialog.GetDlgItem(kEnabled)->IsWindowEnabled());
    EXPECT_FALSE(dialog.GetDlgItem(kEnabled)->GetWidget()->isEnabled());
    group->EnableWindow(true);
    dialog.ShowWindow(SW_HIDE);
    EXPECT_FALSE(name->IsWindowVisible());
    EXPECT_TRUE(name->ShowWindow(SW_SHOW));  // it was shown, only its dialog was not
}

TEST_F(ControlsTest, WindowTextOfEachKind) {
    EXPECT_STREQ(Text(kLabel).GetText(), "Name:");
    EXPECT_STREQ(Text(kName).GetText(), "Ada");
    EXPECT_STREQ(Text(kEnabled).GetText(), "Enabled");
    EXPECT_STREQ(Text(kOptions).GetText(), "Options");
    EXPECT_STREQ(Text(kFruit).GetText(), "Apple");  // a drop-down list: the selected item
    EXPECT_STREQ(Text(kTown).GetText(), "Oslo");
    QelString title;
    dialog.GetWindowText(title);
    EXPECT_STREQ(title.GetText(), "Settings");

    dialog.SetDlgItemText(kName, "Grüße");
    EXPECT_STREQ(Text(kName).GetText(), "Grüße");
    EXPECT_EQ(dialog.GetDlgItem(kName)->GetWindowTextLength(), 7);  // UTF-8 bytes
    dialog.SetDlgItemText(kTown, "Bergen");
    EXPECT_STREQ(Text(kTown).GetText(), "Bergen");
    EXPECT_EQ(qobject_cast<QComboBox*>(dialog.GetDlgItem(kTown)->GetWidget())->currentText(), "Bergen");
    dialog.SetDlgItemText(kFruit, "Cherry");  // a list has no text to set
    EXPECT_STREQ(Text(kFruit).GetText(), "Apple");
    dialog.SetDlgItemText(kNotes, "one\ntwo");
    EXPECT_EQ(qobject_cast<QTextEdit*>(dialog.GetDlgItem(kNotes)->GetWidget())->document()->blockCount(), 2);
    EXPECT_STREQ(Text(kNotes).GetText(), "one\ntwo");
    dialog.SetDlgItemText(kLabel, nullptr);
    EXPECT_TRUE(Text(kLabel).IsEmpty());
    dialog.SetWindowText("Preferences");
    EXPECT_EQ(dialog.GetWidget()->windowTitle(), "Preferences");
    EXPECT_TRUE(Text(4242).IsEmpty());
}

TEST_F(ControlsTest, ButtonCheckStates) {
    EXPECT_EQ(dialog.IsDlgButtonChecked(kEnabled), static_cast<unsigned>(BST_UNCHECKED));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kSecond), static_cast<unsigned>(BST_CHECKED));
    dialog.CheckDlgButton(kEnabled, BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kEnabled), static_cast<unsigned>(BST_CHECKED));

    dialog.CheckDlgButton(kMixed, BST_INDETERMINATE);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kMixed), static_cast<unsigned>(BST_INDETERMINATE));
    // A two-state box has no third state: it is checked.
    dialog.CheckDlgButton(kEnabled, BST_UNCHECKED);
    dialog.CheckDlgButton(kEnabled, BST_INDETERMINATE);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kEnabled), static_cast<unsigned>(BST_CHECKED));

    // Radio buttons can all be cleared by the program (records that differ).
    dialog.CheckDlgButton(kSecond, BST_UNCHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kFirst), static_cast<unsigned>(BST_UNCHECKED));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kSecond), static_cast<unsigned>(BST_UNCHECKED));
    dialog.CheckDlgButton(kFirst, BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kFirst), static_cast<unsigned>(BST_CHECKED));
    // ... and the user's clicks are still exclusive afterwards.
    Click(dialog.GetDlgItem(kSecond)->GetWidget());
    EXPECT_EQ(dialog.IsDlgButtonChecked(kFirst), static_cast<unsigned>(BST_UNCHECKED));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kSecond), static_cast<unsigned>(BST_CHECKED));

    EXPECT_EQ(dialog.IsDlgButtonChecked(kName), static_cast<unsigned>(BST_UNCHECKED));  // not a button
    EXPECT_EQ(dialog.IsDlgButtonChecked(4242), static_cast<unsigned>(BST_UNCHECKED));
    dialog.CheckDlgButton(4242, BST_CHECKED);  // nothing to check, nothing breaks
}

TEST_F(ControlsTest, IntegerTextReadsLikeTheFramework) {
    struct Case { const char* text; bool isSigned; bool translated; unsigned int value; };
    const Case cases[] = {
        {"42", true, true, 42u},
        {"  -17", true, true, static_cast<unsigned>(-17)},
        {"+8 apples", true, true, 8u},  // stops at the first non-digit
        {"-2147483648", true, true, 0x80000000u},
        {"2147483648", true, false, 0u},  // beyond a signed int
        {"2147483648", false, true, 2147483648u},
        {"4294967296", false, false, 0u},
        {"-1", false, false, 0u},  // no sign on an unsigned read
        {"abc", true, false, 0u},
        {"", true, false, 0u},
        {"-", true, false, 0u},
    };
    for (const Case& c : cases) {
        dialog.SetDlgItemText(kName, c.text);
        bool translated = !c.translated;
        EXPECT_EQ(dialog.GetDlgItemInt(kName, &translated, c.isSigned), c.value) << c.text;
        EXPECT_EQ(translated, c.translated) << c.text;
    }
    bool translated = true;
    EXPECT_EQ(dialog.GetDlgItemInt(4242, &translated), 0u);
    EXPECT_FALSE(translated);

    dialog.SetDlgItemInt(kName, static_cast<unsigned>(-5));
    EXPECT_STREQ(Text(kName).GetText(), "-5");
    dialog.SetDlgItemInt(kName, static_cast<unsigned>(-5), false);
    EXPECT_STREQ(Text(kName).GetText(), "4294967291");
    dialog.SetDlgItemInt(kLabel, 12);  // any control with text
    EXPECT_EQ(dialog.GetDlgItemInt(kLabel), 12u);
}

TEST_F(ControlsTest, ComboBoxMessages) {
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_GETCOUNT), 4);
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_GETCURSEL), 0);
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_SETCURSEL, 2), 2);
    EXPECT_STREQ(Text(kFruit).GetText(), "Cherry");
    // -1 and indexes past the end clear the selection and answer CB_ERR.
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_SETCURSEL, static_cast<unsigned long>(-1)), CB_ERR);
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_GETCURSEL), -1);
    EXPECT_TRUE(Text(kFruit).IsEmpty());
    dialog.SendDlgItemMessage(kFruit, CB_SETCURSEL, 1);
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_SETCURSEL, 9), CB_ERR);
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_GETCURSEL), -1);

    // Prefix match ignoring case, searching after startAfter and wrapping.
    auto select = [&](int startAfter, const char* text) {
        return dialog.SendDlgItemMessage(kFruit, CB_SELECTSTRING, static_cast<unsigned long>(startAfter),
                                         reinterpret_cast<long>(text));
    };
    EXPECT_EQ(select(-1, "AP"), 0);
    EXPECT_EQ(select(0, "ap"), 3);
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_GETCURSEL), 3);
    EXPECT_EQ(select(3, "ap"), 0);  // wrapped round
    EXPECT_EQ(select(-1, "cherry"), 2);
    EXPECT_EQ(select(-1, "kiwi"), CB_ERR);
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_GETCURSEL), 2);  // unchanged when nothing matches

    auto* fruit = static_cast<CComboBox*>(dialog.GetDlgItem(kFruit));
    EXPECT_EQ(fruit->AddString("Date"), 4);
    EXPECT_EQ(fruit->FindStringExact(-1, "DATE"), 4);
    EXPECT_EQ(fruit->FindStringExact(-1, "Dat"), CB_ERR);
    EXPECT_EQ(fruit->InsertString(0, "Fig"), 0);
    QelString item;
    fruit->GetLBText(5, item);
    EXPECT_STREQ(item.GetText(), "Date");
    fruit->GetLBText(99, item);
    EXPECT_TRUE(item.IsEmpty());
    EXPECT_EQ(fruit->GetLBTextLen(0), 3);
    EXPECT_EQ(fruit->DeleteString(0), 5);
    EXPECT_EQ(fruit->DeleteString(7), CB_ERR);
    fruit->ResetContent();
    EXPECT_EQ(fruit->GetCount(), 0);
    EXPECT_EQ(fruit->GetCurSel(), -1);
    EXPECT_EQ(fruit->SelectString(-1, "a"), CB_ERR);

    // An editable combo's text goes with a cleared selection.
    auto* town = static_cast<CComboBox*>(dialog.GetDlgItem(kTown));
    EXPECT_EQ(town->SetCurSel(1), 1);
    EXPECT_STREQ(Text(kTown).GetText(), "Lima");
    EXPECT_EQ(town->SetCurSel(-1), CB_ERR);
    EXPECT_TRUE(Text(kTown).IsEmpty());

    // None of this was the user's doing: the dialog heard nothing.
    EXPECT_TRUE(dialog.Lines("command 106").empty());
    EXPECT_TRUE(dialog.Lines("command 107").empty());
    // Combo messages mean nothing to other controls.
    EXPECT_EQ(dialog.SendDlgItemMessage(kName, CB_GETCOUNT), 0);
    EXPECT_EQ(dialog.SendDlgItemMessage(4242, CB_GETCOUNT), 0);
}

TEST_F(ControlsTest, SliderMessages) {
    EXPECT_EQ(dialog.SendDlgItemMessage(kVolume, TBM_SETRANGE, 1, MAKELONG(10, 50)), 0);
    auto* volume = static_cast<CSliderCtrl*>(dialog.GetDlgItem(kVolume));
    EXPECT_EQ(volume->GetRangeMin(), 10);
    EXPECT_EQ(volume->GetRangeMax(), 50);
    dialog.SendDlgItemMessage(kVolume, TBM_SETPOS, 1, 30);
    EXPECT_EQ(dialog.SendDlgItemMessage(kVolume, TBM_GETPOS), 30);
    dialog.SendDlgItemMessage(kVolume, TBM_SETPOS, 1, 70);
    EXPECT_EQ(dialog.SendDlgItemMessage(kVolume, TBM_GETPOS), 50);  // clamped
    // The class sets each bound in full, negative ones included.
    volume->SetRange(-20, -5);
    int min = 0, max = 0;
    volume->GetRange(min, max);
    EXPECT_EQ(min, -20);
    EXPECT_EQ(max, -5);
    EXPECT_EQ(volume->GetPos(), -5);
    volume->SetPos(-12);
    EXPECT_EQ(volume->GetPos(), -12);
    EXPECT_TRUE(dialog.Lines("notify").empty());  // the program's moves are not notified

    // The user's are.
    QTest::keyClick(volume->GetWidget(), Qt::Key_Right);
    EXPECT_EQ(volume->GetPos(), -11);
    ASSERT_EQ(dialog.Lines("notify").size(), 1u);
    EXPECT_EQ(dialog.Lines("notify")[0], "notify 108 -1502");
}

TEST_F(ControlsTest, FocusMovesBetweenControls) {
    dialog.GetWidget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.GetWidget()));
    CWnd* name = dialog.GetDlgItem(kName);
    CWnd* town = dialog.GetDlgItem(kTown);
    name->SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), name);
    EXPECT_EQ(town->SetFocus(), name);
    // An editable combo keeps the focus in its own line edit.
    EXPECT_TRUE(town->GetWidget()->hasFocus());
}

TEST(WindowBeep, BeepsAreCounted) {
    int before = CWnd::GetBeepCount();
    CWnd::MessageBeep();
    CWnd::MessageBeep(0);
    EXPECT_EQ(CWnd::GetBeepCount(), before + 2);
}

}  // namespace
