// The script edit control on real widgets: colouring as text is typed, the
// comment state rippling over following lines, keyboard handling, Delete and
// Paste, notifications to the parent, and how much an edit re-colours.
#include "CorvelEditControl.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const COLORREF kBlack = 0x000000, kBlue = 0xFF0000, kOlive = 0x008080, kGreen = 0x008000, kMagenta = 0xFF00FF,
               kRed = 0x0000FF;
const unsigned int kEditId = 1234;

// The parent window: records what its control tells it.
class ParentWindow : public CWnd {
public:
    std::vector<int> changes;  // codes from the control kEditId
    std::vector<unsigned int> senders;
    int menus = 0;
    CWnd* menuWindow = nullptr;

    bool OnCommand(unsigned int id, int code) override {
        senders.push_back(id);
        if (id == kEditId)
            changes.push_back(code);
        return true;
    }
    void OnContextMenu(CWnd* window, CPoint) override {
        ++menus;
        menuWindow = window;
    }
};

class EditControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        top = std::make_unique<QWidget>();
        top->resize(640, 480);
        ASSERT_TRUE(parent.SubclassWindow(top.get()));
        ASSERT_TRUE(edit.Create(CRect(0, 0, 640, 480), &parent, kEditId));
        edit.ShowWindow(SW_SHOW);
        top->show();
    }
    void TearDown() override { QApplication::clipboard()->clear(); }

    QWidget* Widget() const { return edit.GetWidget(); }

    std::string Text() const {
        QelString text;
        edit.GetWindowText(text);
        return text.GetText();
    }

    // The colour of each character of a line (the line break left out).
    std::vector<COLORREF> LineColours(int line) {
        long selectionStart, selectionEnd;
        edit.GetSel(selectionStart, selectionEnd);
        std::vector<COLORREF> colours;
        long start = edit.LineIndex(line);
        int length = edit.LineLength((int)start);
        for (long at = start; at < start + length; ++at) {
            edit.SetSel(at, at + 1);
            CHARFORMAT format;
            edit.GetSelectionCharFormat(format);
            colours.push_back(format.crTextColor);
        }
        edit.SetSel(selectionStart, selectionEnd);
        return colours;
    }
    COLORREF ColourAt(int line, int column) { return LineColours(line).at((size_t)column); }
    bool LineIs(int line, COLORREF colour) {
        for (COLORREF c : LineColours(line))
            if (c != colour)
                return false;
        return true;
    }

    void Type(const char* keys) { QTest::keyClicks(Widget(), QString::fromUtf8(keys)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Widget(), key, modifiers);
    }
    void Caret(long position) { edit.SetSel(position, position); }
    long Coloured() const { return edit.GetColouredLineCount(); }

    std::unique_ptr<QWidget> top;
    ParentWindow parent;
    CorvelEditControl edit;
};

TEST_F(EditControlTest, EachTokenClassShowsItsColour) {
    edit.SetScript("if (s == \"abc\") x = null; // note\nclass @ 42\n", true, true);
    std::vector<COLORREF> line = LineColours(0);
    EXPECT_EQ(kBlue, line[0]);    // if
    EXPECT_EQ(kBlack, line[4]);   // s
    EXPECT_EQ(kOlive, line[9]);   // "abc"
    EXPECT_EQ(kBlue, line[20]);   // null
    EXPECT_EQ(kGreen, line[26]);  // the comment
    EXPECT_EQ(kGreen, line.back());
    line = LineColours(1);
    EXPECT_EQ(kMagenta, line[0]);  // a future reserved word
    EXPECT_EQ(kRed, line[6]);      // an unrecognised character
    EXPECT_EQ(kBlack, line[8]);    // a number
}

TEST_F(EditControlTest, StringKeywordAndNumberShowThreeColours) {
    edit.SetScript("\"go\" in 42", true, true);
    std::vector<COLORREF> expected = {kOlive, kOlive, kOlive, kOlive, kBlack, kBlue, kBlue, kBlack, kBlack, kBlack};
    EXPECT_EQ(expected, LineColours(0));
}

TEST_F(EditControlTest, NonAsciiTextIsColouredByCharacter) {
    edit.SetScript("s = \"\xC3\xA9t\xC3\xA9\"; if (x) y;", true, true);
    std::vector<COLORREF> line = LineColours(0);
    ASSERT_EQ(20u, line.size());
    EXPECT_EQ(kOlive, line[4]);
    EXPECT_EQ(kOlive, line[8]);
    EXPECT_EQ(kBlack, line[9]);  // ;
    EXPECT_EQ(kBlue, line[11]);  // if
    EXPECT_EQ(kBlue, line[12]);
    EXPECT_EQ(kBlack, line[13]);
}

TEST_F(EditControlTest, OpeningAndClosingACommentRipplesLineByLine) {
    edit.SetScript("a = 1;\nb = 2;\nc = 3;\nd = 4; /* x */\ne = 5;\nf = 6;", true, true);
    Caret(edit.LineIndex(1));
    long before = Coloured();
    Type("/");
    EXPECT_EQ(before + 1, Coloured());  // nothing opened yet: this line only
    before = Coloured();
    Type("*");
    // The comment runs on to the "*/" of line 3; line 4 starts outside as it did.
    EXPECT_EQ(before + 3, Coloured());
    EXPECT_TRUE(LineIs(1, kGreen));
    EXPECT_TRUE(LineIs(2, kGreen));
    EXPECT_TRUE(LineIs(3, kGreen));
    EXPECT_EQ(kBlack, ColourAt(4, 0));

    Caret(edit.LineIndex(2) + edit.LineLength(edit.LineIndex(2)));
    Type("*");
    before = Coloured();
    Type("/");
    EXPECT_EQ(before + 2, Coloured());  // this line and the next, whose state changed back
    EXPECT_TRUE(LineIs(2, kGreen));
    EXPECT_EQ(kBlack, ColourAt(3, 0));
    EXPECT_EQ(kGreen, ColourAt(3, 7));
    EXPECT_EQ(kBlack, ColourAt(4, 0));
}

TEST_F(EditControlTest, AnEditReColoursOnlyTheLinesItTouched) {
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "var v" + std::to_string(i) + " = " + std::to_string(i) + "; // line\n";
    edit.SetScript(text.c_str(), true, true);
    EXPECT_EQ(kGreen, ColourAt(1999, 20));

    Caret(edit.LineIndex(1000) + 3);
    long before = Coloured();
    Type("x");  // "var" becomes the name "varx"
    EXPECT_EQ(before + 1, Coloured());
    EXPECT_EQ(kBlack, ColourAt(1000, 0));

    before = Coloured();
    Key(Qt::Key_Backspace);
    EXPECT_EQ(before + 1, Coloured());
    EXPECT_EQ(kBlue, ColourAt(1000, 0));

    before = Coloured();
    Key(Qt::Key_Return);
    EXPECT_EQ(before + 2, Coloured());  // the line split in two
    EXPECT_EQ(kBlue, ColourAt(1000, 0));
    EXPECT_EQ(kBlack, ColourAt(1001, 1));
    EXPECT_EQ(kGreen, ColourAt(1001, 18));
    EXPECT_EQ(2002, edit.GetLineCount());
}

TEST_F(EditControlTest, TextPastedByKeyboardIsColouredWhereItLands) {
    edit.SetScript("a = 1;\nb = 2;\n", true, true);
    QApplication::clipboard()->setText("if (x)\r\n\ty = \"s\";\n// done\n");
    Caret(edit.LineIndex(1));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ("a = 1;\nif (x)\n\ty = \"s\";\n// done\nb = 2;\n", Text());
    EXPECT_EQ(kBlue, ColourAt(1, 0));
    EXPECT_EQ(kOlive, ColourAt(2, 5));
    EXPECT_TRUE(LineIs(3, kGreen));
    EXPECT_EQ(kBlack, ColourAt(4, 0));
}

TEST_F(EditControlTest, PasteTakesPlainTextAndReColoursEverything) {
    edit.SetScript("x = 1;\n", true, true);
    auto* mime = new QMimeData;
    mime->setHtml("<b>while</b>");
    mime->setText("while /*");
    QApplication::clipboard()->setMimeData(mime);
    Caret(0);
    edit.Paste();
    EXPECT_EQ("while /*x = 1;\n", Text());
    EXPECT_EQ(kBlue, ColourAt(0, 0));
    EXPECT_EQ(kGreen, ColourAt(0, 8));
}

TEST_F(EditControlTest, TabAndShiftTabIndentAndOutdentSelectedLines) {
    edit.SetScript("a;\nb;\nc;\nd;", true, true);
    edit.SetSel(1, edit.LineIndex(2) + 1);  // from inside line 0 into line 2
    Key(Qt::Key_Tab);
    EXPECT_EQ("\ta;\n\tb;\n\tc;\nd;", Text());
    long start, end;
    edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(edit.LineIndex(3), end);  // whole lines, the last line break included

    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ("a;\nb;\nc;\nd;", Text());
    Key(Qt::Key_Backtab, Qt::ShiftModifier);  // nothing left to take away
    EXPECT_EQ("a;\nb;\nc;\nd;", Text());

    edit.SetScript("\ta;\nb;\n\t\tc;", true, true);
    edit.SetSel(0, -1);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ("a;\nb;\n\tc;", Text());
    EXPECT_FALSE(edit.IsBusy());
}

TEST_F(EditControlTest, TabWithoutSelectionInsertsOneUndoably) {
    edit.SetScript("x;", true, true);
    Caret(1);
    Key(Qt::Key_Tab);
    EXPECT_EQ("x\t;", Text());
    ASSERT_TRUE(edit.CanUndo());
    edit.Undo();
    EXPECT_EQ("x;", Text());
}

// Enter and block indents must not empty the undo history: the text typed
// before them stays recoverable.
TEST_F(EditControlTest, EnterAndBlockIndentKeepEarlierUndoSteps) {
    edit.SetScript("a;", true, true);
    Caret(2);
    Type("b");
    Key(Qt::Key_Return);
    EXPECT_EQ("a;b\n", Text());
    ASSERT_TRUE(edit.CanUndo());
    while (edit.CanUndo() && Text() != "a;b")
        edit.Undo();
    EXPECT_EQ("a;b", Text());
    edit.Undo();
    EXPECT_EQ("a;", Text());

    edit.SetScript("x;\ny;", true, true);
    Caret(2);
    Type("z");
    edit.SetSel(0, edit.GetTextLength());
    Key(Qt::Key_Tab);
    EXPECT_EQ("\tx;z\n\ty;", Text());
    while (edit.CanUndo() && Text() != "x;z\ny;")
        edit.Undo();
    EXPECT_EQ("x;z\ny;", Text());
    edit.Undo();
    EXPECT_EQ("x;\ny;", Text());
}

TEST_F(EditControlTest, EnterKeepsTheLeadingTabs) {
    edit.SetScript("\t\tif (x)", true, true);
    Caret(edit.GetTextLength());
    Key(Qt::Key_Return);
    EXPECT_EQ("\t\tif (x)\n\t\t", Text());
    long start, end;
    edit.GetSel(start, end);
    EXPECT_EQ(edit.GetTextLength(), start);
    Type("y");
    EXPECT_EQ("\t\tif (x)\n\t\ty", Text());

    Caret(2);  // inside the leading tabs of line 0: the line's tabs still count
    Key(Qt::Key_Enter);
    EXPECT_EQ("\t\t\n\t\tif (x)\n\t\ty", Text());
}

TEST_F(EditControlTest, DeleteRemovesTheNextCharacterOrBeeps) {
    edit.SetScript("ab\ncd", true, true);
    Caret(1);
    edit.Delete();
    EXPECT_EQ("a\ncd", Text());
    edit.Delete();  // the line break
    EXPECT_EQ("acd", Text());
    edit.SetSel(0, 2);
    edit.Delete();
    EXPECT_EQ("d", Text());
    edit.Undo();
    EXPECT_EQ("acd", Text());

    Caret(edit.GetTextLength());
    int beeps = CWnd::GetBeepCount();
    edit.Delete();
    EXPECT_EQ(beeps + 1, CWnd::GetBeepCount());
    EXPECT_EQ("acd", Text());
}

TEST_F(EditControlTest, LinesAreColouredUpToTheirFirst1024Bytes) {
    // "é" is two bytes: 3 + 510 * 2 bytes fit, the 511th "é" would not.
    std::string line = "/* ";
    for (int i = 0; i < 600; ++i)
        line += "\xC3\xA9";
    line += " */ if\nx;";
    edit.SetScript(line.c_str(), true, true);
    std::vector<COLORREF> colours = LineColours(0);
    ASSERT_EQ(3u + 600 + 6, colours.size());
    EXPECT_EQ(kGreen, colours[512]);
    EXPECT_EQ(kBlack, colours[513]);   // past the cut: the colour it had
    EXPECT_EQ(kBlack, colours.back());  // even "if"
    // The cut line ends inside the comment, so the next line starts in it.
    EXPECT_TRUE(LineIs(1, kGreen));
}

TEST_F(EditControlTest, ColouringIsNeitherAChangeNorAnUndoStep) {
    edit.SetScript("a = 1;", true, true);
    parent.changes.clear();
    Caret(0);
    Type("/*");
    EXPECT_EQ((std::vector<int>{EN_CHANGE, EN_CHANGE}), parent.changes);
    EXPECT_EQ(kGreen, ColourAt(0, 3));
    edit.Undo();  // the typing, in one step
    EXPECT_EQ("a = 1;", Text());
    EXPECT_FALSE(edit.CanUndo());
    EXPECT_EQ(kBlack, ColourAt(0, 0));  // the comment is gone again
}

TEST_F(EditControlTest, SetScriptTellsTheParentNothingAndKeepsTheFocus) {
    QLineEdit* other = new QLineEdit(top.get());
    other->show();
    QApplication::setActiveWindow(top.get());
    other->setFocus();
    ASSERT_EQ(other, QApplication::focusWidget());
    parent.changes.clear();
    edit.SetScript("var a;\nvar b;", true, true);
    EXPECT_TRUE(parent.changes.empty());
    EXPECT_EQ(other, QApplication::focusWidget());
    EXPECT_EQ(kBlue, ColourAt(1, 0));

    edit.SetSel(5, 5);
    edit.SetScript("x", false, true);  // the old caret, cut to the new text
    long start, end;
    edit.GetSel(start, end);
    EXPECT_EQ(1, start);
    EXPECT_EQ(1, end);
}

TEST_F(EditControlTest, BlockIndentReportsOneChange) {
    edit.SetScript("a;\nb;", true, true);
    parent.changes.clear();
    edit.SetSel(0, -1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(std::vector<int>{EN_CHANGE}, parent.changes);
}

TEST_F(EditControlTest, RightClickGoesToTheParentsContextMenu) {
    edit.SetScript("x", true, true);
    QWidget* viewport = static_cast<QAbstractScrollArea*>(Widget())->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(1, parent.menus);
    EXPECT_EQ(&edit, parent.menuWindow);
}

TEST_F(EditControlTest, FindLineCountsLinesDownFromTheTopOfTheView) {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "line;\n";
    edit.SetScript(text.c_str(), true, true);
    int height = edit.GetCharPos(edit.LineIndex(1)).y - edit.GetCharPos(edit.LineIndex(0)).y;
    ASSERT_GT(height, 0);
    EXPECT_EQ(0, edit.FindLine(0));
    EXPECT_EQ(3, edit.FindLine(3 * height + height / 2));
    EXPECT_EQ(100, edit.FindLine(1000 * height));  // clamped to the last line
    edit.LineScroll(10);
    EXPECT_EQ(10, edit.GetFirstVisibleLine());
    EXPECT_EQ(12, edit.FindLine(2 * height + 1));

    edit.SetScript("one line", true, true);
    EXPECT_EQ(0, edit.FindLine(500));
}

TEST_F(EditControlTest, FixedPitchTenPointWithTabsEveryThirdOfAnInch) {
    QFontInfo font(edit.GetDocument()->defaultFont());
    EXPECT_TRUE(font.fixedPitch());
    EXPECT_EQ(10, font.pointSize());
    edit.SetScript("\tx\n\t\ty", true, true);
    int third = Widget()->logicalDpiX() / 3;
    int lineStart = edit.GetCharPos(edit.LineIndex(0)).x;
    EXPECT_NEAR(third, edit.GetCharPos(1).x - lineStart, 1);
    EXPECT_NEAR(2 * third, edit.GetCharPos(edit.LineIndex(1) + 2).x - lineStart, 1);
}

// A control that takes over the text box of a dialog is initialised then.
TEST(EditControlSubclassTest, TakingOverATextBoxInitialisesIt) {
    QWidget dialog;
    auto* box = new QTextEdit(&dialog);
    box->setProperty("controlId", 77u);
    ParentWindow parent;
    ASSERT_TRUE(parent.SubclassWindow(&dialog));
    CorvelEditControl edit;
    ASSERT_TRUE(edit.SubclassDlgItem(77, &parent));
    EXPECT_TRUE(QFontInfo(box->document()->defaultFont()).fixedPitch());
    edit.SetScript("while (x) {}", true, true);
    CHARFORMAT format;
    edit.SetSel(0, 5);
    edit.GetSelectionCharFormat(format);
    EXPECT_EQ(kBlue, format.crTextColor);

    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(std::vector<unsigned int>{77}, parent.senders);
    EXPECT_EQ(box, edit.UnsubclassWindow());
}

// How long re-colouring takes after a keystroke in a long script.
TEST_F(EditControlTest, AKeystrokeInTenThousandLinesReColoursWithinAFrame) {
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += "\tif (count" + std::to_string(i) + " > 10) Debug.trace(\"line " + std::to_string(i) + "\"); // note\n";
    QElapsedTimer timer;
    timer.start();
    edit.SetScript(text.c_str(), true, true);
    printf("colouring 10000 lines: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    Widget()->setFocus();
    QApplication::processEvents();

    qint64 slowest = 0, total = 0;
    const int keystrokes = 50;
    for (int i = 0; i < keystrokes; ++i) {
        Caret(edit.LineIndex(5000 + i) + 5);
        timer.start();
        Type("x");
        qint64 elapsed = timer.nsecsElapsed();
        slowest = std::max(slowest, elapsed);
        total += elapsed;
    }
    double average = total / 1e6 / keystrokes;
    printf("re-colouring after a keystroke in 10000 lines: average %.3f ms, slowest %.3f ms\n", average,
           slowest / 1e6);
    EXPECT_LT(average, 16.0);
}

}  // namespace
