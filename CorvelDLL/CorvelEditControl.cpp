#include "CorvelEditControl.h"

#include "CorvelTokenColour.h"

#include <QKeyEvent>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Lines are coloured, and their leading tabs counted, from at most this many
// bytes.
const int kLineBytes = CorvelTokenColour::kMaxLineLength;

const int kTabStopCount = 32;
const int kTabStopTwips = 480;  // a third of an inch

// Character offsets of the byte offsets of a line of UTF-8: entry b is the
// number of characters (UTF-16 units, as the control counts them) that start
// before byte b.
std::vector<int> CharacterOffsets(const char* text, int length) {
    std::vector<int> offsets((size_t)length + 1);
    int characters = 0;
    for (int b = 0; b < length; ++b) {
        offsets[(size_t)b] = characters;
        unsigned char byte = static_cast<unsigned char>(text[b]);
        if ((byte & 0xC0) != 0x80)
            characters += byte >= 0xF0 ? 2 : 1;
    }
    offsets[(size_t)length] = characters;
    return offsets;
}

// The bytes of the UTF-8 character that starts with `lead`.
int Utf8Length(char lead) {
    unsigned char byte = static_cast<unsigned char>(lead);
    return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
}

}  // namespace

CorvelEditControl::CorvelEditControl() {
    m_lineStates.Add(OutsideComment);
}

CorvelEditControl::~CorvelEditControl() = default;

bool CorvelEditControl::Create(unsigned long style, const CRect& rect, CWnd* parent, unsigned int id) {
    m_busy = true;
    bool created = CRichEditCtrl::Create(style, rect, parent, id);
    if (created)
        Initialise();
    m_busy = false;
    return created;
}

bool CorvelEditControl::Create(const CRect& rect, CWnd* parent, unsigned int id) {
    return Create(WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                  rect, parent, id);
}

void CorvelEditControl::PreSubclassWindow() {
    CRichEditCtrl::PreSubclassWindow();
    // Create initialises a window it makes itself.
    if (!m_busy)
        Initialise();
}

void CorvelEditControl::Initialise() {
    SetEventMask(GetEventMask() | ENM_CHANGE | ENM_MOUSEEVENTS);

    CHARFORMAT format;
    format.dwMask = CFM_BOLD | CFM_FACE | CFM_SIZE | CFM_CHARSET;
    format.dwEffects = 0;
    format.yHeight = 200;  // 10 point
    format.crTextColor = 0;
    format.bCharSet = 0;
    strcpy(format.szFaceName, "Courier");
    SetDefaultCharFormat(format);

    SetSel(0, -1);
    int tabStops[kTabStopCount];
    for (int i = 0; i < kTabStopCount; ++i)
        tabStops[i] = i * kTabStopTwips;
    SetTabStops(tabStops, kTabStopCount);
    SetSel(0, 0);
}

void CorvelEditControl::SetScript(const char* text, bool reformat, bool resetCaret) {
    QWidget* focus = nullptr;
    if (CWnd* window = GetFocus())
        focus = window->GetWidget();
    long start, end;
    GetSel(start, end);

    // The control's own change: the parent is not told.
    m_busy = true;
    SetWindowText(text);
    m_busy = false;

    if (reformat) {
        ModifiedEverything();
        UpdateFormatting();
    }
    if (resetCaret)
        SetSel(start, start);
    if (focus && focus != GetWidget()) {
        if (CWnd* window = CWnd::FromWidget(focus))
            window->SetFocus();
    }
}

// The dirty range and the line states.

void CorvelEditControl::SetModified(long from, long to) {
    if (m_busy)
        return;
    if (from > to)
        std::swap(from, to);
    int lineCount = GetLineCount();
    int firstLine = LineFromChar(std::max(0L, from));
    int lastLine = LineFromChar(std::max(0L, to));

    m_firstDirtyLine = m_firstDirtyLine < 0 ? firstLine : std::min(m_firstDirtyLine, firstLine);
    int after = lineCount - lastLine - 1;
    m_linesAfterDirty = m_linesAfterDirty < 0 ? after : std::min(m_linesAfterDirty, after);

    ResizeLineStates(lineCount);
    for (int line = m_firstDirtyLine + 1; line <= lineCount - m_linesAfterDirty - 1; ++line)
        m_lineStates[line] = Stale;
}

// The lines after the dirty range keep their states: they move down (or up)
// with the lines inserted (or deleted) above them.
void CorvelEditControl::ResizeLineStates(int lineCount) {
    const int oldCount = m_lineStates.GetSize();
    const int growth = lineCount - oldCount;
    const int firstAfter = lineCount - m_linesAfterDirty;  // first line after the dirty range
    if (growth > 0) {
        m_lineStates.SetSize(lineCount);
        for (int line = lineCount - 1; line >= firstAfter; --line) {
            int from = line - growth;
            m_lineStates[line] = from >= 0 ? m_lineStates[from] : Stale;
        }
        for (int line = oldCount; line < firstAfter; ++line)
            m_lineStates[line] = Stale;
    } else if (growth < 0) {
        for (int line = firstAfter; line < lineCount; ++line)
            m_lineStates[line] = m_lineStates[line - growth];
        m_lineStates.SetSize(std::max(1, lineCount));
    }
}

void CorvelEditControl::Modified() {
    long start, end;
    GetSel(start, end);
    SetModified(start - 1, end);
}

void CorvelEditControl::ModifiedEverything() {
    SetModified(0, GetTextLength());
}

CorvelEditControl::LineState CorvelEditControl::GetLineState(int line) const {
    return line >= 0 && line < m_lineStates.GetSize() ? m_lineStates[line] : Stale;
}

void CorvelEditControl::SetLineState(int line, LineState state) {
    if (line < 0)
        return;
    while (m_lineStates.GetSize() <= line)
        m_lineStates.Add(Stale);
    m_lineStates[line] = state;
}

// Colouring.

void CorvelEditControl::UpdateFormatting() {
    if (m_firstDirtyLine < 0 || m_busy)
        return;
    m_busy = true;
    long start, end;
    GetSel(start, end);
    int firstVisible = GetFirstVisibleLine();
    // Qt paints only from the event loop, after this returns, so no
    // half-coloured state is ever shown; selecting does not scroll while the
    // selection is hidden.
    HideSelection(true, false);

    UpdateFormattingLines(m_firstDirtyLine, GetLineCount() - m_linesAfterDirty - 1);
    m_firstDirtyLine = -1;
    m_linesAfterDirty = -1;

    SetFocus();
    SetSel(start, end);
    int nowVisible = GetFirstVisibleLine();
    if (nowVisible != firstVisible)
        LineScroll(firstVisible - nowVisible);
    HideSelection(false, false);
    m_busy = false;
}

void CorvelEditControl::UpdateFormattingLines(int first, int last) {
    bool inComment = GetLineState(first) == InsideComment;
    const int lineCount = GetLineCount();
    char text[kLineBytes + 1];
    for (int line = first; line <= last && line < lineCount; ++line) {
        int length = GetLine(line, text, kLineBytes);
        if (length == 0)
            continue;
        text[length] = 0;
        ColourLine(line, text, length, inComment);
        bool nextExists = line + 1 < lineCount;
        // The comment state ripples on while it differs from what the next
        // line had.
        LineState next = inComment ? InsideComment : OutsideComment;
        if (line == last && nextExists && GetLineState(line + 1) != next)
            ++last;
        if (nextExists)
            SetLineState(line + 1, next);
    }
}

// Colours one line in runs of one colour; text after the last token keeps
// the colour it had.
void CorvelEditControl::ColourLine(int line, const char* text, int length, bool& inComment) {
    ++m_colouredLines;
    std::vector<CorvelTokenColour::Run> runs = CorvelTokenColour::ColourLine(std::string_view(text, length), inComment);
    if (runs.empty())
        return;
    std::vector<int> characters = CharacterOffsets(text, length);
    const long lineStart = LineIndex(line);
    CHARFORMAT format;
    format.dwMask = CFM_COLOR;
    for (const CorvelTokenColour::Run& run : runs) {
        SetSel(lineStart + characters[(size_t)run.start], lineStart + characters[(size_t)run.end]);
        format.crTextColor = CorvelTokenColour::GetColour(run.colour);
        SetSelectionCharFormat(format);
    }
}

COLORREF CorvelEditControl::GetTokenColour(int token, CorvelTreeElement* value) {
    return CorvelTokenColour::GetTokenColour(token, value);
}

// Notifications.

bool CorvelEditControl::OnChildNotify(int code) {
    if (code != EN_CHANGE)
        return false;
    return OnChange();
}

bool CorvelEditControl::OnChange() {
    long changeStart = 0, changeEnd = 0;
    bool changed = TakeChangedRange(changeStart, changeEnd);
    if (m_busy)
        return true;
    long start, end;
    GetSel(start, end);
    long from = start - 1, to = end;
    // A change away from the caret (a paste by keyboard, an undo, text
    // dragged in) is re-coloured where it happened as well.
    if (changed) {
        from = std::min(from, changeStart);
        to = std::max(to, changeEnd);
    }
    SetModified(from, to);
    UpdateFormatting();
    return false;
}

// Keyboard.

bool CorvelEditControl::PreTranslateMessage(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (key->modifiers() & Qt::ControlModifier)
            return false;
        long start, end;
        GetSel(start, end);
        if (start != end)
            DoBlockIndent(start, end, key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier));
        else
            ReplaceSel("\t", true);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        InsertLineBreak();
        return true;
    default:
        return false;
    }
}

// A line break, and the tabs the line of the selection start begins with.
// Undoable: a replacement that cannot be undone would empty the whole undo
// history, so one Enter would cost the user every earlier undo step.
void CorvelEditControl::InsertLineBreak() {
    int tabs = CountLeadingTabs(LineFromChar(-1));
    std::string text = "\n" + std::string((size_t)tabs, '\t');
    ReplaceSel(text.c_str(), true);
}

int CorvelEditControl::CountLeadingTabs(int line) const {
    char text[kLineBytes];
    int length = GetLine(line, text, kLineBytes);
    int tabs = 0;
    while (tabs < length && text[tabs] == '\t')
        ++tabs;
    return tabs;
}

void CorvelEditControl::DoBlockIndent(long start, long end, bool outdent) {
    const int firstLine = LineFromChar(start);
    const int lastLine = std::max(firstLine, LineFromChar(end - 1));
    HideSelection(true, false);
    m_busy = true;
    bool changed = false;
    for (int line = firstLine; line <= lastLine; ++line) {
        long lineStart = LineIndex(line);
        if (!outdent) {
            SetSel(lineStart, lineStart);
            ReplaceSel("\t", true);
            changed = true;
        } else if (LineLength((int)lineStart) > 0) {
            char first;
            if (GetLine(line, &first, 1) == 1 && first == '\t') {
                SetSel(lineStart, lineStart + 1);
                ReplaceSel("", true);
                changed = true;
            }
        }
    }
    m_busy = false;
    HideSelection(false, false);
    if (changed) {
        // One change the control reports itself, so re-colouring runs.
        char first[5] = {};
        int length = GetLine(0, first, 4);
        first[std::min(length, Utf8Length(first[0]))] = 0;
        SetSel(0, 1);
        ReplaceSel(first, true);
    }
    // Whole lines, the last one's line break included, so the next Tab or
    // Shift+Tab takes the same lines.
    long lastEnd = LineIndex(lastLine) + LineLength((int)LineIndex(lastLine)) + 1;
    SetSel(LineIndex(firstLine), std::min(lastEnd, GetTextLength()));
}

// Editing commands.

void CorvelEditControl::Delete() {
    long start, end;
    GetSel(start, end);
    if (start == end) {
        SetSel(start, start + 1);
        GetSel(start, end);
        // (A control with two-character line breaks needs two here; ours
        // selects the "\n" as one character.)
        if (start == end) {
            SetSel(start, start + 2);
            GetSel(start, end);
        }
        if (start == end) {
            MessageBeep(-1);
            return;
        }
    }
    ReplaceSel("", true);
}

void CorvelEditControl::Paste() {
    ModifiedEverything();
    PastePlainText();
}

int CorvelEditControl::FindLine(int y) {
    int lineCount = GetLineCount();
    if (lineCount < 2)
        return 0;
    int height = GetCharPos(LineIndex(1)).y - GetCharPos(LineIndex(0)).y;
    if (height == 0)
        return 0;
    return std::clamp(GetFirstVisibleLine() + y / height, 0, lineCount - 1);
}
