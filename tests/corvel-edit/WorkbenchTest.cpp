// The script workbench on real widgets: loading and saving, running a script
// in the window's event loop while the window keeps handling events,
// stopping and interrupting it, error lines that lead to their line, and
// screenshots whose pixels show the script's colours.
#include "OutputPanes.h"
#include "Workbench.h"

#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const COLORREF kBlue = 0xFF0000, kGreen = 0x008000;

QString Example(const char* name) {
    return QStringLiteral(CORVEL_SOURCE_DIR "/examples/") + name;
}

// Counts the event loop's turns while a test waits.
class Heartbeat {
public:
    Heartbeat() {
        QObject::connect(&m_timer, &QTimer::timeout, [this]() { ++beats; });
        m_timer.start(10);
    }
    int beats = 0;

private:
    QTimer m_timer;
};

class WorkbenchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(directory.isValid());
        workbench = std::make_unique<Workbench>();
        workbench->show();
    }

    QString Write(const char* name, const QByteArray& bytes) {
        QString path = directory.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    void LoadScript(const QByteArray& text) { ASSERT_TRUE(workbench->Load(Write("script.js", text))); }

    QString Output(const char* pane = OutputPanes::kDefaultPane) { return workbench->Output()->PaneText(pane); }
    bool WaitUntilIdle(int milliseconds = 10000) {
        return QTest::qWaitFor([this]() { return !workbench->Runner()->IsActive(); }, milliseconds);
    }
    COLORREF ColourAt(long position) {
        CorvelEditControl& editor = workbench->Editor();
        editor.SetSel(position, position + 1);
        CHARFORMAT format;
        editor.GetSelectionCharFormat(format);
        return format.crTextColor;
    }

    QTemporaryDir directory;
    std::unique_ptr<Workbench> workbench;
};

TEST_F(WorkbenchTest, LoadingShowsTheScriptInItsColours) {
    ASSERT_TRUE(workbench->Load(Example("countdown.js")));
    QFile file(Example("countdown.js"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QelString text;
    workbench->Editor().GetWindowText(text);
    EXPECT_EQ(file.readAll().toStdString(), text.GetText());
    EXPECT_EQ(kGreen, ColourAt(3));                                    // the opening comment
    EXPECT_EQ(kBlue, ColourAt(workbench->Editor().LineIndex(4)));      // function
    EXPECT_TRUE(workbench->windowTitle().startsWith("countdown.js"));
    workbench->Editor().SetSel(0, 0);
    EXPECT_EQ("Line 1, Column 1", workbench->CaretText());

    QString problem;
    EXPECT_FALSE(workbench->Load(directory.filePath("missing.js"), &problem));
    EXPECT_TRUE(problem.contains("missing.js"));
}

TEST_F(WorkbenchTest, TheCountdownPrintsLineByLineWhileTheWindowKeepsWorking) {
    ASSERT_TRUE(workbench->Load(Example("countdown.js")));
    Heartbeat heartbeat;
    ASSERT_TRUE(workbench->Run());
    EXPECT_EQ("Running", workbench->StateText());

    const char* const lines[] = {"Counting down.\n3...\n", "2...\n", "1...\n", "Lift-off!\n"};
    QString expected;
    int beatsBefore = heartbeat.beats;
    for (const char* line : lines) {
        expected += line;
        ASSERT_TRUE(QTest::qWaitFor([&]() { return Output() == expected; }, 5000)) << Output().toStdString();
        // Between two lines the script waited a second, and the window went
        // on handling events all the while.
        if (line != lines[0]) {
            EXPECT_GT(heartbeat.beats - beatsBefore, 20);
        }
        beatsBefore = heartbeat.beats;
    }
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ("Finished", workbench->StateText());
    EXPECT_EQ(expected, Output());
}

TEST_F(WorkbenchTest, StopEndsAScriptThatNeverFinishes) {
    LoadScript("var i = 0;\nwhile (true) { i++; }\n");
    Heartbeat heartbeat;
    ASSERT_TRUE(workbench->Run());
    // The loop yields to the window: its timers keep firing (waited for,
    // not timed, so a loaded machine only makes the test slower).
    EXPECT_TRUE(QTest::qWaitFor([&heartbeat]() { return heartbeat.beats > 10; }, 10000));
    EXPECT_TRUE(workbench->Runner()->IsActive());
    workbench->Stop();
    EXPECT_FALSE(workbench->Runner()->IsActive());
    EXPECT_EQ("Stopped", workbench->StateText());
}

TEST_F(WorkbenchTest, EscapeInterruptsALongLoopAndRunContinuesIt) {
    LoadScript("var i = 0;\nwhile (i >= 0) { i++; }\n");
    ASSERT_TRUE(workbench->Run());
    QTest::qWait(50);
    QWidget* editor = workbench->Editor().GetWidget();
    QTest::keyPress(editor, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor(
        [this]() { return workbench->Runner()->GetState() == ScriptRunner::Interrupted; }, 5000));
    QTest::keyRelease(editor, Qt::Key_Escape);
    EXPECT_TRUE(workbench->StateText().startsWith("Interrupted"));
    ASSERT_TRUE(workbench->Run());
    EXPECT_EQ(ScriptRunner::Running, workbench->Runner()->GetState());
    QTest::qWait(50);
    EXPECT_TRUE(workbench->Runner()->IsActive());
    workbench->Stop();
}

TEST_F(WorkbenchTest, ClickingARunTimeErrorPutsTheCaretOnItsLine) {
    LoadScript("var a = 1;\nDebug.trace(\"before\\n\");\n\nnoSuchFunction(a);\nDebug.trace(\"after\\n\");\n");
    ASSERT_TRUE(workbench->Run());
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ("before\n", Output());
    QString errors = Output(OutputPanes::kErrorPane);
    EXPECT_TRUE(errors.startsWith("script.js (4, -1) : ")) << errors.toStdString();
    EXPECT_EQ(workbench->Output()->Pane(OutputPanes::kErrorPane), workbench->Output()->currentWidget());
    EXPECT_TRUE(workbench->StateText().startsWith("Failed"));

    QPlainTextEdit* pane = workbench->Output()->Pane(OutputPanes::kErrorPane);
    QRect line = pane->cursorRect(QTextCursor(pane->document()->firstBlock()));
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, Qt::NoModifier, line.center() + QPoint(20, 0));
    EXPECT_EQ("Line 4, Column 1", workbench->CaretText());
}

TEST_F(WorkbenchTest, ASyntaxErrorStopsTheRunBeforeItStarts) {
    LoadScript("var a = 1;\nb = ;\n");
    EXPECT_FALSE(workbench->Run());
    EXPECT_FALSE(workbench->Runner()->IsActive());
    QString errors = Output(OutputPanes::kErrorPane);
    EXPECT_TRUE(errors.startsWith("(2) : ")) << errors.toStdString();
    EXPECT_EQ(2, OutputPanes::ErrorLine(errors.section('\n', 0, 0)));
    EXPECT_TRUE(workbench->StateText().startsWith("Not run"));
}

TEST_F(WorkbenchTest, EachConsolePaneGetsATab) {
    LoadScript("Debug.tracePane(\"Results\", \"total 3\\n\");\nDebug.trace(\"done\\n\");\n");
    ASSERT_TRUE(workbench->Run());
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ("total 3\n", Output("Results"));
    EXPECT_EQ("done\n", Output());
    EXPECT_EQ(2, workbench->Output()->count());

    ASSERT_TRUE(workbench->Run());  // a new run starts with empty panes
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ("done\n", Output());
    EXPECT_EQ(2, workbench->Output()->count());
}

TEST_F(WorkbenchTest, SavingWritesTheScriptAsItWasRead) {
    const QByteArray latin1 = "s = \"caf\xE9\";\r\nDebug.trace(s);\r\n";
    QString path = Write("latin1.js", latin1);
    ASSERT_TRUE(workbench->Load(path));
    QString copy = directory.filePath("copy.js");
    ASSERT_TRUE(workbench->Save(copy));
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(latin1, saved.readAll());

    const QByteArray utf8 = "// \xC3\xA9t\xC3\xA9\nx = 1;\n";
    ASSERT_TRUE(workbench->Load(Write("utf8.js", utf8)));
    workbench->Editor().SetSel(workbench->Editor().GetTextLength(), -1);
    workbench->Editor().ReplaceSel("y = 2;\n", true);
    EXPECT_TRUE(workbench->windowTitle().contains("[*]") || workbench->isWindowModified());
    ASSERT_TRUE(workbench->Save(copy));
    QFile again(copy);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(utf8 + "y = 2;\n", again.readAll());
    EXPECT_FALSE(workbench->isWindowModified());

    EXPECT_FALSE(workbench->Load(Write("binary.js", QByteArray("a\0b", 3))));
}

// The pixels of a screenshot: a keyword is blue, a comment green.
TEST_F(WorkbenchTest, AScreenshotShowsTheScriptsColours) {
    LoadScript("while (x) y(); // a comment\n");
    QString path = directory.filePath("shot.png");
    ASSERT_TRUE(workbench->SaveScreenshot(path));
    QImage shot(path);
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(workbench->size() * workbench->devicePixelRatio(), shot.size());

    CorvelEditControl& editor = workbench->Editor();
    QWidget* viewport = static_cast<QPlainTextEdit*>(editor.GetWidget())->viewport();
    auto area = [&](long from, long to) {
        CPoint start = editor.GetCharPos(from), end = editor.GetCharPos(to);
        int height = editor.GetCharPos(editor.LineIndex(1)).y - start.y;
        QPoint topLeft = viewport->mapTo(workbench.get(), QPoint(start.x, start.y));
        return QRect(topLeft, QSize(end.x - start.x, height));
    };
    auto count = [&](const QRect& rect, auto isColour) {
        int pixels = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                pixels += isColour(QColor(shot.pixel(x, y)));
        return pixels;
    };
    auto blue = [](const QColor& c) { return c.blue() > 150 && c.red() < 110 && c.green() < 110; };
    auto green = [](const QColor& c) { return c.green() > 80 && c.red() < 90 && c.blue() < 90 && c.green() > c.red() + 40; };

    QRect keyword = area(0, 5);
    QRect comment = area(15, 27);
    EXPECT_GT(count(keyword, blue), 10);
    EXPECT_EQ(0, count(keyword, green));
    EXPECT_GT(count(comment, green), 10);
    EXPECT_EQ(0, count(comment, blue));
}

// The command itself: --screenshot renders without a display and exits.
TEST(WorkbenchCommandTest, ScreenshotAfterRunningForAWhile) {
    QTemporaryDir directory;
    QString path = directory.filePath("countdown.png");
    QProcess command;
    command.start(CORVEL_EDIT_PATH, {"--screenshot", path, "--run-for", "300", Example("countdown.js")});
    ASSERT_TRUE(command.waitForFinished(60000));
    EXPECT_EQ(0, command.exitCode()) << command.readAllStandardError().toStdString();
    QImage shot(path);
    ASSERT_FALSE(shot.isNull());
    EXPECT_GE(shot.width(), 600);

    command.start(CORVEL_EDIT_PATH, {"--run-for", "300", Example("countdown.js")});
    ASSERT_TRUE(command.waitForFinished(60000));
    EXPECT_EQ(2, command.exitCode());
    EXPECT_TRUE(command.readAllStandardError().startsWith("corvel-edit: usage:"));
}

}  // namespace
