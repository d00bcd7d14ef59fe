// CRichEditCtrl: a rich-edit control -- plain text with per-range colour --
// over one of Qt's text widgets. Create makes a QPlainTextEdit, which lays
// out only the lines an edit touches, so a long text stays quick to edit; a
// QTextEdit (as dialog templates hold them) may be taken over as well.
//
// Positions are character indexes into the text with "\n" line breaks (one
// position per line break; a character outside the Basic Multilingual Plane
// takes two); lines are the document's blocks. Text crosses this interface
// as UTF-8 bytes.
//
// Colour set on a range is display colour: it is kept with the text it was
// given to (it moves with insertions and deletions before it, and typed text
// takes the colour of the character before it) but it is not part of the
// document's contents, so colouring is neither an undoable step nor a change
// the control reports.
#pragma once

#include "CWnd.h"

#include <memory>

class QColor;
class QObject;
class QTextBlock;
class QTextCursor;
class QTextDocument;

struct CHARFORMAT {
    unsigned long dwMask = 0;
    unsigned long dwEffects = 0;
    long yHeight = 0;  // twips
    COLORREF crTextColor = 0;
    unsigned char bCharSet = 0;
    char szFaceName[32] = {};
};
enum : unsigned long {
    CFM_BOLD = 1, CFM_COLOR = 0x40000000UL, CFM_FACE = 0x20000000UL, CFM_SIZE = 0x80000000UL,
    CFM_CHARSET = 0x08000000UL
};
enum : unsigned long { CFE_BOLD = 1 };
enum : unsigned long { ENM_CHANGE = 1, ENM_MOUSEEVENTS = 0x20000UL };
// Edit styles for Create: kept for the caller's reference; a multi-line
// control without ES_... wrapping never wraps its lines.
enum : unsigned long {
    ES_MULTILINE = 0x0004UL, ES_AUTOVSCROLL = 0x0040UL, ES_AUTOHSCROLL = 0x0080UL, ES_NOHIDESEL = 0x0100UL,
    ES_READONLY = 0x0800UL, ES_WANTRETURN = 0x1000UL
};

class CRichEditCtrl : public CWnd {
public:
    CRichEditCtrl();
    ~CRichEditCtrl() override;

    // Makes the text widget; with WS_HSCROLL or ES_AUTOHSCROLL its lines
    // never wrap.
    bool Create(unsigned long style, const CRect& rect, CWnd* parent, unsigned int id);
    // Taking over an existing QTextEdit or QPlainTextEdit (of a dialog
    // template) makes it a plain-text control; other widgets are refused.
    bool SubclassWindow(QWidget* widget) override;
    void PreSubclassWindow() override;
    QTextDocument* GetDocument() const;

    // Selection. SetSel(0, -1) selects everything; a start of -1 removes the
    // selection (the caret stays). Positions beyond the text are clamped.
    void GetSel(long& start, long& end) const;
    void SetSel(long start, long end);
    // While the selection is hidden, selecting and replacing work on the
    // control's own selection and leave the widget's caret, selection and
    // view alone; showing it again gives the widget that selection.
    void HideSelection(bool hide, bool permanent);

    int GetLineCount() const;
    int LineFromChar(long position) const;  // -1: the line of the selection start
    int LineIndex(int line) const;          // first char of line; -1: caret line; -1 when beyond
    int LineLength(int position) const;     // of the line holding the character; -1: caret line
    // UTF-8 bytes of the line with its "\n" (none on the last line), whole
    // characters only, at most maxBytes; not terminated. The count copied.
    int GetLine(int line, char* buffer, int maxBytes) const;
    long GetTextLength() const;

    // Only the masked attributes: colour, face, size, bold.
    bool SetSelectionCharFormat(const CHARFORMAT& format);
    // The format of the selection (of the character after the caret when
    // none); CFM_COLOR is left out of the mask when its colour varies.
    void GetSelectionCharFormat(CHARFORMAT& format) const;
    bool SetDefaultCharFormat(const CHARFORMAT& format);
    // Tab stops for every paragraph, in twips from the line start.
    bool SetTabStops(const int* twips, int count);
    unsigned long GetEventMask() const { return m_eventMask; }
    unsigned long SetEventMask(unsigned long mask);

    // Replaces the selection. A change that cannot be undone empties the
    // undo history, which would no longer match the text.
    void ReplaceSel(const char* text, bool canUndo = false);
    void PastePlainText();  // the clipboard as plain text, undoable

    int GetFirstVisibleLine() const;
    void LineScroll(int lines, int chars = 0);
    CPoint GetCharPos(long position) const;  // client coordinates of the character's top-left
    bool Undo();
    bool CanUndo() const;

    // The text widget sends EN_CHANGE through NotifyParent when its text
    // changes (not its colours or formats) if ENM_CHANGE is in the event mask.

protected:
    // The stretch of the text that changes since the last call touched, in
    // positions of the text as it is now (colouring and formats are no
    // change); false when nothing changed.
    bool TakeChangedRange(long& start, long& end);
    // The context-menu events of the text area (they reach the viewport,
    // not the control) go to OnContextMenu.
    bool ViewportEvent(QEvent* event);

private:
    class Private;
    friend class Private;
    void Connect(QWidget* widget);
    void OnContentsChange(int position, int removed, int added);
    void RecordChange(int position, int removed, int added);
    void MoveColours(int position, int removed, int added);
    void OnTextChanged();
    void ApplyColour(int start, int end, COLORREF colour);
    void LayOutColours();
    QColor ColourAt(int position) const;
    void GetSelection(int& anchor, int& position) const;
    int SelectionStart() const;
    // The line holding `position` (negative: the selection's start), past
    // the end the last; invalid without a document.
    QTextBlock BlockAt(long position) const;
    QTextCursor Selection() const;
    void SetSelection(const QTextCursor& cursor);

    unsigned long m_eventMask = 0;
    bool m_selectionHidden = false;
    int m_formatting = 0;  // > 0 while we change formats ourselves
    long m_changeStart = -1, m_changeEnd = -1;  // -1: no change since taken
    std::unique_ptr<Private> m_private;  // signal connections, viewport filter
};
