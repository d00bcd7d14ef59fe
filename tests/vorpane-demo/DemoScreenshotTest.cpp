// The demo's pictures read back: greyed controls look greyed, undecided
// check boxes and radio buttons look partly checked. The picture comes from
// the demo itself; the controls are found by laying the same dialog out here.
#include "DemoDialog.h"
#include "DemoMap.h"
#include "DemoSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Runs the demo with `arguments` and answers its picture.
QImage Picture(const QStringList& arguments)
{
    QTemporaryDir work;
    const QString path = work.filePath("shot.png");
    QProcess demo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", work.filePath("config"));
    demo.setProcessEnvironment(environment);
    demo.start(VORPANE_DEMO, arguments + QStringList{"--screenshot", path});
    EXPECT_TRUE(demo.waitForFinished(60000));
    EXPECT_EQ(demo.exitCode(), 0) << demo.readAllStandardError().toStdString();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// The same dialog as the demo shows for `count` records, laid out at `size`.
class Layout {
public:
    Layout(int count, QSize size) : m_records(SampleRecords(count)), m_map(BuildDemoMap())
    {
        // The history combo reads its lists from a directory of our own.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QApplication::setStyle("Fusion");
        EXPECT_TRUE(RegisterDemoTemplate());
        m_dialog = std::make_unique<DemoDialog>(DemoTemplateId, m_map.get(), &m_records);
        EXPECT_TRUE(m_dialog->Create(DemoTemplateId));
        m_dialog->GetWidget()->resize(size);
        QApplication::processEvents();
    }
    QWidget* Window() const { return m_dialog->GetWidget(); }
    // A control's rectangle in the picture.
    QRect Rect(const char* name) const
    {
        QWidget* widget = Window()->findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget ? QRect(widget->mapTo(Window(), QPoint(0, 0)), widget->size()) : QRect();
    }
    // The check indicator of a check box or radio button, in the picture.
    QRect Indicator(const char* name) const
    {
        auto* button = Window()->findChild<QAbstractButton*>(name);
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        QRect indicator = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator,
                                                          &option, button);
        return indicator.translated(button->mapTo(Window(), QPoint(0, 0)));
    }

private:
    QTemporaryDir m_config;
    std::vector<DemoSettings> m_records;
    std::unique_ptr<Vorpane::Map> m_map;
    std::unique_ptr<DemoDialog> m_dialog;
};

// The darkest grey level inside `rect` (text is the darkest thing in a box).
int Darkest(const QImage& image, const QRect& rect)
{
    int darkest = 255;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

// Mean grey level of the middle third of `rect`: where a mark sits.
int MiddleGrey(const QImage& image, const QRect& rect)
{
    const QRect middle(rect.left() + rect.width() / 3, rect.top() + rect.height() / 3, std::max(1, rect.width() / 3),
                       std::max(1, rect.height() / 3));
    long sum = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return static_cast<int>(sum / (middle.width() * middle.height()));
}

// How many pixels two equally large crops differ in, noticeably.
int Difference(const QImage& a, const QRect& ra, const QImage& b, const QRect& rb)
{
    int count = 0;
    for (int y = 0; y < std::min(ra.height(), rb.height()); ++y)
        for (int x = 0; x < std::min(ra.width(), rb.width()); ++x)
            if (std::abs(qGray(a.pixel(ra.left() + x, ra.top() + y)) - qGray(b.pixel(rb.left() + x, rb.top() + y))) > 40)
                ++count;
    return count;
}

}  // namespace

TEST(DemoScreenshot, GreyedControlsLookGreyed)
{
    // One record: the grid is shown, snapping is off, so the snap distance
    // and its label are greyed while the grid size is not.
    const QImage shot = Picture({});
    ASSERT_FALSE(shot.isNull());
    Layout layout(1, shot.size());
    ASSERT_EQ(layout.Window()->size(), shot.size());
    const int enabledText = Darkest(shot, layout.Rect("gridSize"));
    const int greyedText = Darkest(shot, layout.Rect("snapDistance"));
    EXPECT_LT(enabledText, 80) << "black text in an enabled box";
    EXPECT_GT(greyedText, enabledText + 60) << "grey text in a greyed box";
    EXPECT_GT(Darkest(shot, layout.Rect("snapLabel")), Darkest(shot, layout.Rect("gridSizeLabel")) + 60)
        << "the static group greys the label too";
    // A greyed box has no white field.
    EXPECT_LT(qGray(shot.pixel(layout.Rect("snapDistance").center())), qGray(shot.pixel(layout.Rect("gridSize").topRight() + QPoint(-4, 4))));
}

TEST(DemoScreenshot, UndecidedButtonsLookPartlyChecked)
{
    const QImage one = Picture({});
    const QImage three = Picture({"--records", "3"});
    ASSERT_FALSE(one.isNull());
    ASSERT_FALSE(three.isNull());
    Layout layoutOne(1, one.size());
    Layout layoutThree(3, three.size());

    // Show grid: checked for one record, undecided for three; snap to grid
    // unchecked for one record.
    const QRect checked = layoutOne.Indicator("showGrid");
    const QRect unchecked = layoutOne.Indicator("snap");
    const QRect undecided = layoutThree.Indicator("showGrid");
    EXPECT_LT(MiddleGrey(three, undecided), MiddleGrey(one, unchecked) - 60) << "a mark fills the middle";
    EXPECT_GT(Difference(three, undecided, one, checked), 10) << "and it is not the check mark";

    // Radio buttons: the undecided one carries a dash, a decided unchecked
    // one is empty.
    EXPECT_LT(MiddleGrey(three, layoutThree.Indicator("modeAutomatic")), MiddleGrey(three, layoutThree.Indicator("modeOff")) - 60);
    // Undecided edit boxes are empty: no dark text in them.
    EXPECT_GT(Darkest(three, layoutThree.Rect("volume")), Darkest(one, layoutOne.Rect("volume")) + 40);
}
