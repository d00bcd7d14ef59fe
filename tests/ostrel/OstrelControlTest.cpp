// The Ostrel controls on real widgets: the undecided state and how the user
// ends it, the widgets made beside a control and their removal, and the
// displays of the time and angle controls.
#include "QelAngleControl.h"
#include "QelBrowseButton.h"
#include "QelCheckBox.h"
#include "QelColourSelector.h"
#include "QelEditBox.h"
#include "QelHistoryEditCombo.h"
#include "QelIntegerEditBox.h"
#include "QelResource.h"
#include "QelSpinButton.h"
#include "QelTimeEditBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QGridLayout>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window with controls one below the other; ids from 100.
class Window {
public:
    Window() : m_window(std::make_unique<QWidget>()) { new QVBoxLayout(m_window.get()); }

    template <class T>
    T* Add(const char* name)
    {
        auto* widget = new T;
        widget->setObjectName(name);
        widget->setProperty("controlId", 100u + static_cast<unsigned int>(m_window->layout()->count()));
        m_window->layout()->addWidget(widget);
        return widget;
    }
    void Show()
    {
        m_window->resize(400, 300);
        m_window->show();
    }
    QWidget* Get() const { return m_window.get(); }

private:
    std::unique_ptr<QWidget> m_window;
};

void ClickIndicator(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

void TypeOver(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Counts the pixels of `image` inside `rect` darker than `level` (0 ... 255).
int DarkPixels(const QImage& image, const QRect& rect, int level)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < level)
                ++count;
    return count;
}

// Spin buttons below `window` (found by name: they are plain widgets to Qt).
int SpinButtons(const QWidget& window)
{
    int count = 0;
    for (QWidget* child : window.findChildren<QWidget*>())
        if (child->objectName().endsWith("_spin"))
            ++count;
    return count;
}

}  // namespace

TEST(QelCheckBox, MergesRecordsIntoAPartlyCheckedBoxThatAClickDecides)
{
    Window window;
    auto* widget = window.Add<QCheckBox>("box");
    widget->setText("Box");
    window.Show();
    QelCheckBox box;
    ASSERT_TRUE(box.SubclassWindow(widget));
    box.SetCheck(true, true);
    box.SetCheck(true, false);
    EXPECT_FALSE(box.IsMultiSelected());
    EXPECT_EQ(widget->checkState(), Qt::Checked);
    box.SetCheck(false, false);
    EXPECT_TRUE(box.IsMultiSelected());
    EXPECT_EQ(widget->checkState(), Qt::PartiallyChecked);
    box.SetCheck(true, false);
    EXPECT_TRUE(box.IsMultiSelected()) << "once undecided, stays undecided";

    ClickIndicator(widget);
    EXPECT_FALSE(box.IsMultiSelected());
    EXPECT_EQ(widget->checkState(), Qt::Checked);
    EXPECT_FALSE(widget->isTristate());
    ClickIndicator(widget);
    EXPECT_EQ(widget->checkState(), Qt::Unchecked) << "two states again";

    box.SetCheck(true, false);
    EXPECT_TRUE(box.IsMultiSelected());
    box.SetCheck(false, true);
    EXPECT_FALSE(box.IsMultiSelected()) << "a first record decides";
    EXPECT_EQ(widget->checkState(), Qt::Unchecked);
    EXPECT_EQ(box.Release(), widget);
    EXPECT_FALSE(widget->isTristate());
}

TEST(QelRadioButton, UndecidedShowsADashAndOneClickDecidesTheGroup)
{
    Window window;
    auto* first = window.Add<QRadioButton>("first");
    auto* second = window.Add<QRadioButton>("second");
    first->setText("First");
    second->setText("Second");
    window.Show();
    QelRadioButton a, b;
    ASSERT_TRUE(a.SubclassWindow(first));
    ASSERT_TRUE(b.SubclassWindow(second));
    a.SetCheck(true, true);
    b.SetCheck(false, true);
    const QImage decided = second->grab().toImage();
    a.SetCheck(false, false);
    b.SetCheck(true, false);
    ASSERT_TRUE(a.IsMultiSelected() && b.IsMultiSelected());
    const QImage undecided = second->grab().toImage();
    // The indicator of the unchecked button gains the dash.
    const QRect indicator(0, 0, second->height(), second->height());
    EXPECT_GT(DarkPixels(undecided, indicator, 100), DarkPixels(decided, indicator, 100));

    ClickIndicator(second);
    EXPECT_FALSE(a.IsMultiSelected());
    EXPECT_FALSE(b.IsMultiSelected());
    EXPECT_TRUE(b.GetCheck());
    EXPECT_FALSE(a.GetCheck());
    EXPECT_FALSE(first->isChecked());
}

TEST(QelEditBox, UndecidedBoxIsEmptyWithAPlaceholderUntilTheUserTypes)
{
    Window window;
    auto* widget = window.Add<QLineEdit>("edit");
    widget->setPlaceholderText("own");
    QelEditBox box;
    ASSERT_TRUE(box.SubclassWindow(widget));
    box.SetText("alpha", true, false);
    box.SetText("alpha", false, false);
    EXPECT_FALSE(box.IsMultiSelected());
    box.SetText("beta", false, false);
    EXPECT_TRUE(box.IsMultiSelected());
    EXPECT_TRUE(widget->text().isEmpty());
    EXPECT_EQ(widget->placeholderText(), "(several values)");
    EXPECT_TRUE(widget->font().italic());

    QTest::keyClicks(widget, "g");
    EXPECT_FALSE(box.IsMultiSelected());
    EXPECT_EQ(widget->text(), "g");
    EXPECT_EQ(widget->placeholderText(), "own");
    EXPECT_FALSE(widget->font().italic());
}

TEST(QelControl, OnlyTheRightKindOfWidgetIsTakenOver)
{
    Window window;
    auto* edit = window.Add<QLineEdit>("edit");
    auto* check = window.Add<QCheckBox>("check");
    QelCheckBox box;
    EXPECT_FALSE(box.SubclassWindow(edit));
    EXPECT_FALSE(box.SubclassWindow(nullptr));
    EXPECT_TRUE(box.SubclassWindow(check));
    QelCheckBox second;
    EXPECT_FALSE(second.SubclassWindow(check)) << "already taken over";
    QelAngleControl angle(27, QelAngleControl::FullCircle, 0, 0);
    EXPECT_FALSE(angle.SubclassWindow(edit));
}

TEST(QelIntegerEditBox, WidgetsBesideTheBoxLeaveWithItAndTheBoxGoesBackInPlace)
{
    // In a grid cell.
    QWidget window;
    auto* grid = new QGridLayout(&window);
    auto* label = new QWidget;
    auto* edit = new QLineEdit;
    edit->setObjectName("count");
    grid->addWidget(label, 0, 0);
    grid->addWidget(edit, 0, 1);
    window.show();
    {
        QelIntegerEditBox box;
        ASSERT_TRUE(box.SubclassWindow(edit));
        box.CreateSpinButton(0, 10, false);
        box.CreateSlider(0, 10);
        ASSERT_NE(box.GetSlider(), nullptr);
        EXPECT_NE(edit->parentWidget(), &window) << "the box sits in a row now";
        EXPECT_EQ(window.findChildren<QSlider*>().size(), 1);
        box.SetValue(4, true);
        EXPECT_EQ(box.GetSlider()->value(), 4);
        EXPECT_EQ(box.Release(), edit);
        EXPECT_EQ(window.findChildren<QSlider*>().size(), 0);
        EXPECT_EQ(SpinButtons(window), 0);
        EXPECT_EQ(edit->parentWidget(), &window);
        EXPECT_EQ(grid->itemAtPosition(0, 1)->widget(), edit);
        EXPECT_TRUE(edit->isVisible());
    }
    // Without a layout: the row takes the box's place and gives it back.
    auto* loose = new QLineEdit(&window);
    loose->setGeometry(10, 200, 120, 24);
    {
        QelIntegerEditBox box;
        ASSERT_TRUE(box.SubclassWindow(loose));
        box.CreateSpinButton(0, 10, true);
        QTest::mouseClick(box.GetSpinButton()->GetDownButton(), Qt::LeftButton);
        EXPECT_EQ(loose->text(), "10") << "wraps from 0 to the top";
    }  // destroyed while attached: released all the same
    EXPECT_EQ(loose->parentWidget(), &window);
    EXPECT_EQ(loose->geometry(), QRect(10, 200, 120, 24));
    EXPECT_EQ(SpinButtons(window), 0);
}

TEST(QelTimeEditBox, DisplaysByModeAndReadsAnyNotation)
{
    Window window;
    auto* widget = window.Add<QLineEdit>("time");
    QelTimeEditBox box;
    ASSERT_TRUE(box.SubclassWindow(widget));
    struct Case {
        int mode, unit, digits, ms;
        const char* shown;
    };
    for (const Case& c : {Case{2, 1000, 0, 1250, "1250 ms"}, Case{3, 100, 2, 1250, "1.25 s"}, Case{3, 10, 1, 1250, "1.3 s"},
                          Case{6, 1000, 0, 65250, "1:05"}, Case{6, 100, 2, 59999, "1:00.00"}, Case{6, 1000, 0, -61000, "-1:01"},
                          Case{3, 1000, 0, 0, "0 s"}}) {
        box.SetTimeMode(c.mode, c.unit, c.digits);
        box.SetMilliseconds(c.ms, true);
        EXPECT_EQ(widget->text(), c.shown);
        EXPECT_EQ(box.GetMilliseconds(), c.ms) << "the time set is kept exactly";
    }
    box.SetTimeMode(QelTimeEditBox::Seconds, 100, 2);
    for (auto [typed, ms] : {std::pair<const char*, int>{"2", 2000}, {"2.5 s", 2500}, {"750 ms", 750}, {"1:02.5", 62500},
                             {"0.123", 120}}) {
        TypeOver(widget, typed);
        EXPECT_EQ(box.GetMilliseconds(), ms) << typed;
    }
    box.SetMilliseconds(800, true);
    TypeOver(widget, "soon");
    EXPECT_EQ(box.GetMilliseconds(), 800) << "no time typed: the one set";
}

TEST(QelAngleControl, DirectionsFollowTheStyleAndAnglesTheMode)
{
    Window window;
    auto* dial = window.Add<QDial>("dial");
    {
        QelAngleControl compass(QelAngleControl::DegreeBox | QelAngleControl::ZeroUp | QelAngleControl::Clockwise,
                                QelAngleControl::FullCircle, 5, 0);
        ASSERT_TRUE(compass.SubclassWindow(dial));
        compass.SetAngle(0, true);
        EXPECT_EQ(dial->value(), 180) << "0 points up";
        compass.SetAngle(370, true);
        EXPECT_EQ(compass.GetDegreeBox()->text(), QString::fromUtf8("10°"));
        TypeOver(compass.GetDegreeBox(), "47");
        EXPECT_EQ(compass.GetAngle(), 45) << "snapped to 5 degrees";
        compass.SetAngle(20, false);
        EXPECT_TRUE(compass.IsMultiSelected());
        EXPECT_TRUE(compass.GetDegreeBox()->text().isEmpty());
        dial->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_FALSE(compass.IsMultiSelected());
        compass.Release();
    }
    EXPECT_EQ(dial->maximum(), 99) << "the dial's own range comes back";
    QelAngleControl maths(0, QelAngleControl::Signed, 0, 0);
    ASSERT_TRUE(maths.SubclassWindow(dial));
    EXPECT_EQ(maths.GetDegreeBox(), nullptr);
    maths.SetAngle(0, true);
    EXPECT_EQ(dial->value(), 270) << "0 points right";
    maths.SetAngle(90, true);
    EXPECT_EQ(dial->value(), 180) << "anticlockwise: 90 points up";
    EXPECT_EQ(maths.Normalise(190), -170);
}

TEST(QelColourSelector, DifferentColoursLeaveNoColourToReport)
{
    Window window;
    auto* button = window.Add<QPushButton>("colour");
    QelColourSelector selector(23);
    ASSERT_TRUE(selector.SubclassWindow(button));
    unsigned long colour = 77;
    EXPECT_FALSE(selector.GetColour(colour)) << "nothing set yet";
    selector.SetColour(RGB(10, 20, 30), true);
    selector.SetColour(RGB(10, 20, 31), false);
    EXPECT_FALSE(selector.GetColour(colour));
    EXPECT_EQ(colour, 77ul);
    EXPECT_EQ(button->text(), "(several)");
    selector.SetColour(RGB(10, 20, 30), true);
    ASSERT_TRUE(selector.GetColour(colour));
    EXPECT_EQ(colour, RGB(10, 20, 30));
    EXPECT_EQ(button->text(), "#0A141E");

    unsigned char tolerance = 0;
    EXPECT_FALSE(selector.GetTolerance(tolerance)) << "no tolerance box";
    selector.UseTolerance(true);
    selector.SetTolerance(5, true);
    selector.SetTolerance(6, false);
    EXPECT_FALSE(selector.GetTolerance(tolerance));
    EXPECT_EQ(selector.GetToleranceBox()->text(), "(several)");
    selector.GetToleranceBox()->stepUp();
    ASSERT_TRUE(selector.GetTolerance(tolerance));
    EXPECT_EQ(tolerance, 0) << "stepping up from undecided starts at 0";
    selector.UseTolerance(false);
    EXPECT_EQ(selector.GetToleranceBox(), nullptr);
}

TEST(QelHistoryEditCombo, HistoryPerKeyMostRecentFirstAndBounded)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    Window window;
    auto* widget = window.Add<QComboBox>("combo");
    {
        QelHistoryEditCombo combo("a/b\\c");
        ASSERT_TRUE(combo.SubclassWindow(widget));
        EXPECT_TRUE(widget->isEditable());
        for (int i = 0; i < QelHistoryEditCombo::MaxEntries + 3; ++i) {
            combo.SetWindowTextA(QByteArray::number(i).constData(), true);
            combo.Commit();
        }
        combo.SetWindowTextA("5", true);
        combo.Commit();
        combo.SetWindowTextA("", true);
        combo.Commit();
        combo.SetWindowTextA("x", false);
        EXPECT_TRUE(combo.IsMultiSelected());
        QelString text("unchanged");
        combo.GetWindowTextA(text);
        EXPECT_TRUE(text.IsEmpty()) << "undecided: no text";
        widget->setCurrentIndex(1);
        emit widget->activated(1);
        EXPECT_FALSE(combo.IsMultiSelected()) << "picking from the list decides";
    }
    const QStringList history = QelHistoryEditCombo::LoadHistory("a/b\\c");
    ASSERT_EQ(history.size(), QelHistoryEditCombo::MaxEntries);
    EXPECT_EQ(history.first(), "5");
    EXPECT_EQ(history.at(1), "18");
    EXPECT_FALSE(history.contains("0")) << "the oldest fell off";
    EXPECT_EQ(history.count("5"), 1);
    EXPECT_TRUE(QelHistoryEditCombo::LoadHistory("a").isEmpty());
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(QelBrowseButton, FiltersComeFromTheMediaTypeOrTheResourceStrings)
{
    QelResource module("OSTREL-TEST");
    module.AddString(7, "Scripts (*.js)");
    module.AddString(8, "Sounds (*.wav)");
    QelList<unsigned long> ids;
    ids.AddTail(8);
    ids.AddTail(99);  // no such string
    ids.AddTail(7);
    QelBrowseButton button;
    button.SetTypeIDs(&ids, &module);
    button.SetType(QelMediaType::FromTypeIds);
    EXPECT_EQ(button.GetFilter(), "Sounds (*.wav);;Scripts (*.js);;All files (*)");
    button.SetType(QelMediaType::Image);
    EXPECT_TRUE(button.GetFilter().startsWith("Images ("));
    EXPECT_EQ(QelMediaType::Filter(QelMediaType::AnyFile), "All files (*)");
}

TEST(QelControl, DestroyedWhileUndecidedGivesTheWidgetBackInItsOwnLook)
{
    Window window;
    auto* edit = window.Add<QLineEdit>("edit");
    auto* radio = window.Add<QRadioButton>("radio");
    auto* check = window.Add<QCheckBox>("check");
    {
        QelEditBox box;
        QelRadioButton option;
        QelCheckBox tick;
        ASSERT_TRUE(box.SubclassWindow(edit) && option.SubclassWindow(radio) && tick.SubclassWindow(check));
        box.SetText("a", true, false);
        box.SetText("b", false, false);
        option.SetCheck(true, true);
        option.SetCheck(false, false);
        tick.SetCheck(true, true);
        tick.SetCheck(false, false);
        ASSERT_TRUE(box.IsMultiSelected() && option.IsMultiSelected() && tick.IsMultiSelected());
    }  // no Release: the destructors give everything back (the sanitizers see a leak otherwise)
    EXPECT_FALSE(edit->font().italic());
    EXPECT_TRUE(edit->placeholderText().isEmpty());
    EXPECT_FALSE(check->isTristate());
    EXPECT_EQ(CWnd::FromWidgetPermanent(edit), nullptr);
}
