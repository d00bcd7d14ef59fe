// The script edit control: a rich-edit control for script text in host
// dialogs. It shows the script in a fixed-pitch font, colours it token by
// token while it is typed, keeps a line's tab indentation on Enter, indents
// and un-indents selected lines with Tab and Shift+Tab, and forwards its
// context menu and change notifications to its parent.
//
// Colouring goes one line at a time through the lexer's tokenise mode. Each
// line's entry in the line-state array says whether the line starts inside a
// block comment, so an edit re-colours only the lines it touched and, past
// them, only as far as the comment state of the following lines changes.
#pragma once

#include "CRichEditCtrl.h"
#include "QelArray.h"

class CorvelTreeElement;

class CorvelEditControl : public CRichEditCtrl {
public:
    enum LineState : unsigned char {
        InsideComment = 0,   // the line starts inside a block comment
        OutsideComment = 1,  // it starts outside one
        Stale = 2            // an edit touched it: not known until re-coloured
    };

    CorvelEditControl();
    ~CorvelEditControl() override;

    bool Create(unsigned long style, const CRect& rect, CWnd* parent, unsigned int id);
    // A child with both scroll bars, multi-line, keeping its selection shown;
    // not visible, no border.
    bool Create(const CRect& rect, CWnd* parent, unsigned int id);

    // Replaces the text. `reformat` colours all of it; `resetCaret` collapses
    // the selection to where the old one started. The focus stays where it was.
    void SetScript(const char* text, bool reformat, bool resetCaret);

    // The dirty range: lines to re-colour on the next UpdateFormatting.
    void SetModified(long from, long to);
    void Modified();            // from one before the selection start to its end
    void ModifiedEverything();  // the whole text
    void UpdateFormatting();

    // Deletes the selection, or the character after the caret; beeps when
    // there is nothing to delete. Undoable.
    void Delete();
    // The clipboard as plain text, the whole text re-coloured after.
    void Paste();
    // The line shown at client y-coordinate `y`.
    int FindLine(int y);

    bool IsBusy() const { return m_busy; }
    // How many lines have been coloured since the control was made: an edit
    // should add only the lines it needed.
    long GetColouredLineCount() const { return m_colouredLines; }

    bool PreTranslateMessage(QEvent* event) override;
    void PreSubclassWindow() override;
    bool OnChildNotify(int code) override;

protected:
    void Initialise();
    void UpdateFormattingLines(int first, int last);
    static COLORREF GetTokenColour(int token, CorvelTreeElement* value);
    void DoBlockIndent(long start, long end, bool outdent);
    LineState GetLineState(int line) const;
    void SetLineState(int line, LineState state);

private:
    // The change notification, reflected: re-colours what the change touched.
    bool OnChange();
    void ResizeLineStates(int lineCount);
    void ColourLine(int line, const char* text, int length, bool& inComment);
    void InsertLineBreak();
    int CountLeadingTabs(int line) const;

    QelArray<LineState> m_lineStates;
    int m_firstDirtyLine = -1;    // -1: nothing to re-colour
    int m_linesAfterDirty = -1;   // lines after the last dirty one, counted from the end; -1: none
    bool m_busy = false;          // the control is changing its own window, text or formats
    long m_colouredLines = 0;
};
