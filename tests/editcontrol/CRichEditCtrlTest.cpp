// The rich-edit control under the script editor, over both text widgets it
// runs on: colour that stays with its text, lines as UTF-8, selection,
// change notifications and undo.
#include "CRichEditCtrl.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const COLORREF kRed = 0x0000FF, kBlue = 0xFF0000;

class Parent : public CWnd {
public:
    int changes = 0;
    bool OnCommand(unsigned int, int code) override {
        changes += code == EN_CHANGE;
        return true;
    }
};

// Each case runs over a widget the control made (a QPlainTextEdit) and over
// a QTextEdit it took over.
class RichEditTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        top = std::make_unique<QWidget>();
        ASSERT_TRUE(parent.SubclassWindow(top.get()));
        if (GetParam()) {
            auto* box = new QTextEdit(top.get());
            box->setProperty("controlId", 5u);
            ASSERT_TRUE(edit.SubclassDlgItem(5, &parent));
        } else {
            ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, 300, 200), &parent, 5));
        }
        edit.SetEventMask(ENM_CHANGE);
        top->resize(300, 200);
        top->show();
    }

    void Colour(long from, long to, COLORREF colour) {
        edit.SetSel(from, to);
        CHARFORMAT format;
        format.dwMask = CFM_COLOR;
        format.crTextColor = colour;
        edit.SetSelectionCharFormat(format);
    }
    COLORREF ColourAt(long position) {
        edit.SetSel(position, position + 1);
        CHARFORMAT format;
        edit.GetSelectionCharFormat(format);
        return format.crTextColor;
    }
    std::string Line(int line, int maxBytes = 100) {
        char buffer[100];
        return std::string(buffer, (size_t)edit.GetLine(line, buffer, maxBytes));
    }

    std::unique_ptr<QWidget> top;
    Parent parent;
    CRichEditCtrl edit;
};

TEST_P(RichEditTest, ColourStaysWithItsText) {
    edit.SetWindowText("abc def\nxyz");
    Colour(4, 7, kRed);   // def
    Colour(8, 11, kBlue); // xyz
    edit.SetSel(0, 0);
    edit.ReplaceSel("12", true);  // before the colour: it moves along
    EXPECT_EQ(0u, ColourAt(5));
    EXPECT_EQ(kRed, ColourAt(6));
    EXPECT_EQ(kRed, ColourAt(8));
    EXPECT_EQ(0u, ColourAt(9));
    edit.SetSel(7, 7);
    edit.ReplaceSel("Q", true);  // inside it: the typed text takes its colour
    EXPECT_EQ(kRed, ColourAt(7));
    EXPECT_EQ(kRed, ColourAt(9));
    edit.SetSel(edit.LineIndex(1), edit.LineIndex(1));
    edit.ReplaceSel("w", true);  // at a line start: the colour of what follows
    EXPECT_EQ(kBlue, ColourAt(edit.LineIndex(1)));
    edit.SetSel(5, 7);
    edit.ReplaceSel("", true);  // deleting part of it
    EXPECT_EQ(kRed, ColourAt(6));
    EXPECT_EQ(0u, ColourAt(4));
}

TEST_P(RichEditTest, LinesComeAsUtf8WithTheirLineBreak) {
    edit.SetWindowText("\xC3\xA9t\xC3\xA9\nlast");
    EXPECT_EQ(2, edit.GetLineCount());
    EXPECT_EQ("\xC3\xA9t\xC3\xA9\n", Line(0));
    EXPECT_EQ("last", Line(1));
    EXPECT_EQ("\xC3\xA9t", Line(0, 4));  // never half a character
    EXPECT_EQ("\xC3\xA9", Line(0, 2));
    EXPECT_EQ("", Line(0, 1));
    EXPECT_EQ("", Line(2));
    EXPECT_EQ(4, edit.LineIndex(1));
    EXPECT_EQ(-1, edit.LineIndex(2));
    EXPECT_EQ(0, edit.LineFromChar(3));  // the line break belongs to its line
    EXPECT_EQ(1, edit.LineFromChar(4));
    EXPECT_EQ(1, edit.LineFromChar(500));
    EXPECT_EQ(3, edit.LineLength(2));
    EXPECT_EQ(8, edit.GetTextLength());
}

TEST_P(RichEditTest, SelectionIsClampedAndHiddenSelectionLeavesTheWidgetAlone) {
    edit.SetWindowText("hello\nworld");
    long start, end;
    edit.SetSel(0, -1);
    edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(11, end);
    edit.SetSel(3, 100);
    edit.GetSel(start, end);
    EXPECT_EQ(3, start);
    EXPECT_EQ(11, end);
    edit.SetSel(-1, 0);  // no selection, the caret stays
    edit.GetSel(start, end);
    EXPECT_EQ(11, start);
    EXPECT_EQ(11, end);

    edit.SetSel(2, 2);
    edit.HideSelection(true, false);
    edit.SetSel(6, 11);
    edit.GetSel(start, end);
    EXPECT_EQ(6, start);
    EXPECT_EQ(1, edit.LineFromChar(-1));
    QWidget* widget = edit.GetWidget();
    auto caret = [widget]() {
        if (auto* rich = qobject_cast<QTextEdit*>(widget))
            return rich->textCursor().position();
        return static_cast<QPlainTextEdit*>(widget)->textCursor().position();
    };
    EXPECT_EQ(2, caret());
    edit.HideSelection(false, false);
    EXPECT_EQ(11, caret());
}

TEST_P(RichEditTest, OnlyTextChangesAreReportedAndOnlyWhenAsked) {
    edit.SetWindowText("abc");
    parent.changes = 0;
    Colour(0, 2, kRed);
    EXPECT_EQ(0, parent.changes);
    edit.SetSel(3, 3);
    edit.ReplaceSel("d", true);
    EXPECT_EQ(1, parent.changes);
    edit.SetEventMask(0);
    edit.ReplaceSel("e", true);
    EXPECT_EQ(1, parent.changes);
}

TEST_P(RichEditTest, AChangeThatCannotBeUndoneEmptiesTheUndoHistory) {
    edit.SetWindowText("abc");
    EXPECT_FALSE(edit.CanUndo());
    edit.SetSel(3, 3);
    edit.ReplaceSel("d", true);
    EXPECT_TRUE(edit.CanUndo());
    edit.ReplaceSel("e", false);
    EXPECT_FALSE(edit.CanUndo());
    EXPECT_FALSE(edit.Undo());
    edit.ReplaceSel("f", true);
    EXPECT_TRUE(edit.Undo());
    QelString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("abcde", text.GetText());
}

TEST_P(RichEditTest, ScrollingByLines) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line " + std::to_string(i) + "\n";
    edit.SetWindowText(text.c_str());
    EXPECT_EQ(0, edit.GetFirstVisibleLine());
    edit.LineScroll(25);
    EXPECT_EQ(25, edit.GetFirstVisibleLine());
    edit.LineScroll(-5);
    EXPECT_EQ(20, edit.GetFirstVisibleLine());
    EXPECT_EQ(0, edit.GetCharPos(edit.LineIndex(20)).y / 100);  // at the top of the view
}

INSTANTIATE_TEST_SUITE_P(Widgets, RichEditTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "TakenOverTextEdit" : "Created";
                         });

TEST(RichEditSubclassTest, RefusesWidgetsThatAreNoTextBoxes) {
    QWidget widget;
    CRichEditCtrl edit;
    EXPECT_FALSE(edit.SubclassWindow(&widget));
    EXPECT_EQ(nullptr, edit.GetWidget());
}

}  // namespace
