// Notifications from controls to their dialog, objects of ours taking
// controls over (and giving them back), and the layer's temporary wrappers.
#include "WindowTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A control object that records what reaches it.
class RecordingControl : public CWnd {
public:
    std::vector<std::string> log;
    bool swallowNotifications = false;
    int consumeKey = 0;
    QWidget* widgetInPreSubclass = nullptr;
    bool forwardMenu = false;

    void PreSubclassWindow() override { widgetInPreSubclass = GetWidget(); }
    bool OnChildNotify(int code) override {
        log.push_back("reflected " + std::to_string(code));
        return swallowNotifications;
    }
    bool PreTranslateMessage(QEvent* event) override {
        auto* key = static_cast<QKeyEvent*>(event);
        log.push_back("key " + key->text().toStdString());
        return key->key() == consumeKey;
    }
    void OnContextMenu(CWnd* window, CPoint point) override {
        log.push_back("menu");
        if (forwardMenu)
            CWnd::OnContextMenu(window, point);
    }
};

int Count(const std::vector<std::string>& log, const std::string& prefix) {
    int count = 0;
    for (const std::string& line : log)
        count += line.compare(0, prefix.size(), prefix) == 0;
    return count;
}

class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestTemplates();
        ASSERT_TRUE(dialog.Create(kTestTemplate));
    }
    QWidget* Widget(unsigned int id) { return dialog.GetDlgItem(id)->GetWidget(); }

    RecordingDialog dialog;
};

TEST_F(RoutingTest, ClickReachesTheDialogWithTheNewStateAlreadySet) {
    unsigned int stateSeen = 99;
    dialog.onCommand = [&](RecordingDialog* d, unsigned int id, int) {
        if (id == kEnabled)
            stateSeen = d->IsDlgButtonChecked(kEnabled);
    };
    Click(Widget(kEnabled));
    EXPECT_EQ(stateSeen, static_cast<unsigned>(BST_CHECKED));
    Click(Widget(kEnabled));
    EXPECT_EQ(stateSeen, static_cast<unsigned>(BST_UNCHECKED));
    // A three-state box passes through its third state.
    Click(Widget(kMixed));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kMixed), static_cast<unsigned>(BST_INDETERMINATE));
    Click(Widget(kMixed));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kMixed), static_cast<unsigned>(BST_CHECKED));
    std::vector<std::string> expected = {"command 102 0", "command 102 0", "command 103 0", "command 103 0"};
    EXPECT_EQ(dialog.Lines("command"), expected);
    // The program's own changes are not clicks.
    dialog.CheckDlgButton(kEnabled, BST_CHECKED);
    EXPECT_EQ(dialog.Lines("command").size(), 4u);
}

TEST_F(RoutingTest, EditsSelectionsAndStepsReachTheDialog) {
    QTest::keyClicks(Widget(kName), "xy");
    EXPECT_EQ(dialog.Lines("command 101"), (std::vector<std::string>{"command 101 768", "command 101 768"}));

    QTest::keyClick(Widget(kFruit), Qt::Key_Down);  // the user picks the next fruit
    EXPECT_EQ(dialog.Lines("command 106"), std::vector<std::string>{"command 106 1"});
    EXPECT_EQ(dialog.SendDlgItemMessage(kFruit, CB_GETCURSEL), 1);

    auto* town = qobject_cast<QComboBox*>(Widget(kTown));
    QTest::keyClicks(town->lineEdit(), "s");
    EXPECT_EQ(dialog.Lines("command 107"), std::vector<std::string>{"command 107 5"});
    dialog.SetDlgItemText(kTown, "Quito");  // the program's text is no edit
    dialog.SendDlgItemMessage(kTown, CB_SETCURSEL, 1);
    EXPECT_EQ(dialog.Lines("command 107").size(), 1u);
    // A list made editable afterwards reports typing as well.
    auto* fruit = qobject_cast<QComboBox*>(Widget(kFruit));
    fruit->setEditable(true);
    QTest::keyClicks(fruit->lineEdit(), "z");
    EXPECT_EQ(dialog.Lines("command 106 5").size(), 1u);

    QTest::keyClick(Widget(kCount), Qt::Key_Up);
    EXPECT_EQ(qobject_cast<QSpinBox*>(Widget(kCount))->value(), 1);
    EXPECT_EQ(dialog.Lines("notify 111"), std::vector<std::string>{"notify 111 -722"});

    // A rich edit speaks for itself (through its own class); labels never do.
    QTest::keyClicks(Widget(kNotes), "n");
    EXPECT_TRUE(dialog.Lines("command 109").empty());
}

TEST_F(RoutingTest, ReflectionComesFirstAndCanSwallow) {
    RecordingControl control;
    ASSERT_TRUE(control.SubclassDlgItem(kEnabled, &dialog));
    EXPECT_EQ(dialog.GetDlgItem(kEnabled), &control);
    EXPECT_EQ(CWnd::FromWidget(control.GetWidget()), &control);

    control.swallowNotifications = true;
    Click(control.GetWidget());
    EXPECT_EQ(control.log, std::vector<std::string>{"reflected 0"});
    EXPECT_TRUE(dialog.Lines("command").empty());

    control.swallowNotifications = false;
    Click(control.GetWidget());
    EXPECT_EQ(control.log.size(), 2u);
    EXPECT_EQ(dialog.Lines("command"), std::vector<std::string>{"command 102 0"});

    // What a control of ours sends itself goes the same way.
    control.NotifyParent(EN_CHANGE);
    control.NotifyParent(UDN_DELTAPOS);
    EXPECT_EQ(dialog.Lines("command 102 768").size(), 1u);
    EXPECT_EQ(dialog.Lines("notify 102 -722").size(), 1u);
}

TEST_F(RoutingTest, SubclassedControlSeesKeysAndContextMenusUntilGivenBack) {
    RecordingControl control;
    control.consumeKey = Qt::Key_X;
    QWidget* edit = Widget(kName);
    ASSERT_TRUE(control.SubclassWindow(edit));
    EXPECT_EQ(control.widgetInPreSubclass, edit);
    // One object per widget, one widget per object.
    RecordingControl rival;
    EXPECT_FALSE(rival.SubclassWindow(edit));
    EXPECT_FALSE(rival.SubclassWindow(nullptr));
    EXPECT_FALSE(rival.SubclassDlgItem(4242, &dialog));
    EXPECT_FALSE(control.SubclassWindow(Widget(kLabel)));

    qobject_cast<QLineEdit*>(edit)->clear();
    control.log.clear();
    QTest::keyClicks(edit, "axb");
    EXPECT_EQ(qobject_cast<QLineEdit*>(edit)->text(), "ab");  // x never reached the edit
    EXPECT_EQ(Count(control.log, "key "), 3);

    // Right button: the object's handler; the default passes the menu on to
    // the dialog, naming the control that was clicked.
    QTest::mouseClick(edit, Qt::RightButton);
    EXPECT_EQ(Count(control.log, "menu"), 1);
    EXPECT_TRUE(dialog.Lines("menu").empty());
    control.forwardMenu = true;
    QTest::mouseClick(edit, Qt::RightButton);
    EXPECT_EQ(dialog.Lines("menu"), std::vector<std::string>{"menu 101"});
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1), edit->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(edit, &menuKey);
    EXPECT_EQ(Count(control.log, "menu"), 3);

    // Given back: the widget is as it was, and the object hears nothing more.
    EXPECT_EQ(control.UnsubclassWindow(), edit);
    EXPECT_EQ(control.GetWidget(), nullptr);
    EXPECT_NE(CWnd::FromWidget(edit), &control);
    control.log.clear();
    dialog.log.clear();
    QTest::keyClicks(edit, "x");
    QTest::mouseClick(edit, Qt::RightButton);
    EXPECT_TRUE(control.log.empty());
    EXPECT_EQ(qobject_cast<QLineEdit*>(edit)->text(), "abx");
    // ... while the dialog still hears the control, once per change.
    EXPECT_EQ(dialog.Lines("command 101"), std::vector<std::string>{"command 101 768"});
    EXPECT_TRUE(dialog.Lines("menu").empty());
    // It can be taken over again, by another object.
    EXPECT_TRUE(rival.SubclassWindow(edit));
    EXPECT_EQ(rival.UnsubclassWindow(), edit);
    EXPECT_EQ(rival.UnsubclassWindow(), nullptr);
}

TEST_F(RoutingTest, ObjectsLetGoOfWidgetsThatGoAway) {
    // The object does not delete a widget it did not create ...
    {
        RecordingControl control;
        ASSERT_TRUE(control.SubclassDlgItem(kEnabled, &dialog));
    }
    QPointer<QWidget> enabled = Widget(kEnabled);
    ASSERT_FALSE(enabled.isNull());
    Click(enabled);  // and nothing points at the dead object
    EXPECT_EQ(dialog.Lines("command 102").size(), 1u);

    // ... and a widget destroyed under an object leaves the object detached.
    RecordingControl control;
    auto* standalone = new QCheckBox;
    ASSERT_TRUE(control.SubclassWindow(standalone));
    delete standalone;
    EXPECT_EQ(control.GetWidget(), nullptr);
    EXPECT_EQ(control.UnsubclassWindow(), nullptr);
    EXPECT_FALSE(control.EnableWindow(true));
    QelString text;
    control.GetWindowText(text);
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(RoutingTest, CreatedControlsBelongToTheirObject) {
    QPointer<QWidget> made;
    {
        RecordingControl control;
        made = new QLineEdit;
        ASSERT_TRUE(control.CreateControl(made, WS_CHILD | WS_VISIBLE, CRect(5, 6, 105, 26), &dialog, 300));
        EXPECT_EQ(dialog.GetDlgItem(300), &control);
        EXPECT_EQ(made->parentWidget(), dialog.GetWidget());
        EXPECT_EQ(made->geometry(), QRect(5, 6, 100, 20));
        EXPECT_TRUE(control.IsWindowVisible());
        QTest::keyClicks(made, "q");
        EXPECT_EQ(Count(control.log, "reflected 768"), 1);
        EXPECT_EQ(dialog.Lines("command 300"), std::vector<std::string>{"command 300 768"});
        // A second widget is refused (and not leaked).
        EXPECT_FALSE(control.CreateControl(new QLineEdit, 0, CRect(), &dialog, 301));
        EXPECT_EQ(dialog.GetDlgItem(301), nullptr);
    }
    EXPECT_TRUE(made.isNull());  // deleted with its object

    RecordingControl hidden;
    ASSERT_TRUE(hidden.CreateControl(new QLineEdit, WS_CHILD, CRect(), &dialog, 302));
    EXPECT_FALSE(hidden.IsWindowVisible());
    EXPECT_TRUE(hidden.DestroyWindow());
    EXPECT_EQ(dialog.GetDlgItem(302), nullptr);
    EXPECT_FALSE(hidden.DestroyWindow());
}

TEST(TemporaryWrappers, AreFreedWithTheirWidgets) {
    RegisterTestTemplates();
    int before = CWnd::GetTemporaryCount();
    {
        RecordingDialog dialog;
        ASSERT_TRUE(dialog.Create(kTestTemplate));
        CWnd* name = dialog.GetDlgItem(kName);
        dialog.GetDlgItem(kFruit);
        dialog.GetDlgItem(kName);
        EXPECT_EQ(CWnd::GetTemporaryCount(), before + 2);
        EXPECT_FALSE(name->IsPermanent());
        // The user's click makes a wrapper for the routing; it too is kept once.
        Click(dialog.GetDlgItem(kEnabled)->GetWidget());
        EXPECT_EQ(CWnd::GetTemporaryCount(), before + 3);
        // Taking a wrapped widget over is fine; the wrapper stays usable.
        CWnd owner;
        ASSERT_TRUE(owner.SubclassWindow(name->GetWidget()));
        EXPECT_EQ(dialog.GetDlgItem(kName), &owner);
        QelString text;
        name->GetWindowText(text);
        EXPECT_STREQ(text.GetText(), "Ada");
        owner.UnsubclassWindow();
    }
    EXPECT_EQ(CWnd::GetTemporaryCount(), before);
}

}  // namespace
