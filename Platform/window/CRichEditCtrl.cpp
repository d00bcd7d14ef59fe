#include "CRichEditCtrl.h"

#include "QelWindowRegistry.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cstring>

namespace {

QColor ColourOf(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// The faces of fixed-pitch fonts that programs ask for by name; where one is
// not installed the machine's fixed-pitch font stands in, so the text stays
// in columns.
bool IsClassicFixedFace(const QString& face) {
    static const char* const kFaces[] = {"Courier", "Courier New", "Lucida Console", "Consolas", "Fixedsys",
                                         "Terminal"};
    for (const char* known : kFaces)
        if (face.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString FaceOf(const CHARFORMAT& format) {
    size_t length = strnlen(format.szFaceName, sizeof format.szFaceName);
    QString face = QString::fromUtf8(format.szFaceName, static_cast<qsizetype>(length));
    if (!QFontDatabase::hasFamily(face) && IsClassicFixedFace(face))
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return face;
}

using Ranges = QList<QTextLayout::FormatRange>;

// Removes [from, to) from sorted, non-overlapping ranges.
Ranges Cut(const Ranges& ranges, int from, int to) {
    Ranges kept;
    for (const QTextLayout::FormatRange& range : ranges) {
        int end = range.start + range.length;
        if (end <= from || range.start >= to) {
            kept.append(range);
            continue;
        }
        if (range.start < from)
            kept.append({range.start, from - range.start, range.format});
        if (end > to)
            kept.append({to, end - to, range.format});
    }
    return kept;
}

// Sorted by start, neighbours of one colour joined.
Ranges Tidy(Ranges ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const QTextLayout::FormatRange& a, const QTextLayout::FormatRange& b) { return a.start < b.start; });
    Ranges tidy;
    for (const QTextLayout::FormatRange& range : ranges) {
        if (range.length <= 0)
            continue;
        if (!tidy.isEmpty()) {
            QTextLayout::FormatRange& last = tidy.last();
            if (last.start + last.length == range.start && last.format == range.format) {
                last.length += range.length;
                continue;
            }
        }
        tidy.append(range);
    }
    return tidy;
}

// The two Qt text widgets a control can run on, behind one face.
class TextBox {
public:
    explicit TextBox(QWidget* widget)
        : m_rich(qobject_cast<QTextEdit*>(widget)), m_plain(qobject_cast<QPlainTextEdit*>(widget)) {}
    explicit operator bool() const { return m_rich || m_plain; }
    bool IsPlain() const { return m_plain != nullptr; }
    QAbstractScrollArea* Area() const {
        return m_rich ? static_cast<QAbstractScrollArea*>(m_rich) : static_cast<QAbstractScrollArea*>(m_plain);
    }
    QTextDocument* Document() const { return m_rich ? m_rich->document() : m_plain->document(); }
    QTextCursor Cursor() const { return m_rich ? m_rich->textCursor() : m_plain->textCursor(); }
    void SetCursor(const QTextCursor& cursor) const {
        if (m_rich)
            m_rich->setTextCursor(cursor);
        else
            m_plain->setTextCursor(cursor);
    }
    QRect CursorRect(const QTextCursor& cursor) const {
        return m_rich ? m_rich->cursorRect(cursor) : m_plain->cursorRect(cursor);
    }
    QTextCursor CursorAt(const QPoint& point) const {
        return m_rich ? m_rich->cursorForPosition(point) : m_plain->cursorForPosition(point);
    }
    bool IsReadOnly() const { return m_rich ? m_rich->isReadOnly() : m_plain->isReadOnly(); }
    void Undo() const {
        if (m_rich)
            m_rich->undo();
        else
            m_plain->undo();
    }

private:
    QTextEdit* m_rich;
    QPlainTextEdit* m_plain;
};

}  // namespace

// The control's connections to its widget and the filter on the text area;
// deleting it undoes both.
class CRichEditCtrl::Private : public QObject {
public:
    Private(CRichEditCtrl* control, QWidget* widget)
        : m_control(control), m_widget(widget), m_viewport(TextBox(widget).Area()->viewport()) {
        TextBox box(widget);
        connect(box.Document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
            if (m_control->GetWidget() == m_widget)
                m_control->OnContentsChange(position, removed, added);
        });
        auto changed = [this]() {
            if (m_control->GetWidget() == m_widget)
                m_control->OnTextChanged();
        };
        if (auto* rich = qobject_cast<QTextEdit*>(widget))
            connect(rich, &QTextEdit::textChanged, this, changed);
        else
            connect(static_cast<QPlainTextEdit*>(widget), &QPlainTextEdit::textChanged, this, changed);
        m_viewport->installEventFilter(this);
    }

    ~Private() override {
        if (m_viewport)
            m_viewport->removeEventFilter(this);
    }

    // The selection while it is hidden: the control's own, given to the
    // widget when it is shown again. The widget's cursor is left alone
    // meanwhile, which matters when colouring runs from inside one of the
    // widget's own edits. Plain positions: placing a text cursor lays its
    // line out, which colouring would otherwise pay for on every run.
    int hiddenAnchor = 0, hiddenPosition = 0;
    // The stretch whose colours changed and whose lines are not laid out
    // again yet: colouring many runs lays each line out once.
    int dirtyFrom = -1, dirtyTo = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_viewport || m_control->GetWidget() != m_widget)
            return false;
        return m_control->ViewportEvent(event);
    }

private:
    CRichEditCtrl* m_control;
    QWidget* m_widget;
    QPointer<QWidget> m_viewport;
};

CRichEditCtrl::CRichEditCtrl() = default;

CRichEditCtrl::~CRichEditCtrl() {
    // The connections go before the widget can report anything more.
    m_private.reset();
}

bool CRichEditCtrl::Create(unsigned long style, const CRect& rect, CWnd* parent, unsigned int id) {
    auto* edit = new QPlainTextEdit;
    edit->setLineWrapMode(style & (WS_HSCROLL | ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap
                                                                : QPlainTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy(style & WS_VSCROLL ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(style & WS_HSCROLL ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setReadOnly((style & ES_READONLY) != 0);
    if (!(style & WS_BORDER))
        edit->setFrameShape(QFrame::NoFrame);
    if (!CreateControl(edit, style, rect, parent, id))
        return false;
    Connect(edit);
    return true;
}

bool CRichEditCtrl::SubclassWindow(QWidget* widget) {
    if (!TextBox(widget))
        return false;
    return CWnd::SubclassWindow(widget);
}

void CRichEditCtrl::PreSubclassWindow() {
    Connect(GetWidget());
}

QTextDocument* CRichEditCtrl::GetDocument() const {
    TextBox box(GetWidget());
    return box ? box.Document() : nullptr;
}

void CRichEditCtrl::Connect(QWidget* widget) {
    m_private.reset();
    if (!TextBox(widget))
        return;
    if (auto* rich = qobject_cast<QTextEdit*>(widget))
        rich->setAcceptRichText(false);
    m_private = std::make_unique<Private>(this, widget);
}

// Selection.

void CRichEditCtrl::GetSelection(int& anchor, int& position) const {
    if (m_selectionHidden) {
        anchor = m_private->hiddenAnchor;
        position = m_private->hiddenPosition;
        return;
    }
    TextBox box(GetWidget());
    QTextCursor cursor = box ? box.Cursor() : QTextCursor();
    anchor = cursor.anchor();
    position = cursor.position();
}

QTextCursor CRichEditCtrl::Selection() const {
    TextBox box(GetWidget());
    if (!box)
        return QTextCursor();
    if (!m_selectionHidden)
        return box.Cursor();
    QTextCursor cursor(box.Document());
    int length = (int)GetTextLength();
    cursor.setPosition(std::min(m_private->hiddenAnchor, length));
    cursor.setPosition(std::min(m_private->hiddenPosition, length), QTextCursor::KeepAnchor);
    return cursor;
}

void CRichEditCtrl::SetSelection(const QTextCursor& cursor) {
    if (m_selectionHidden) {
        m_private->hiddenAnchor = cursor.anchor();
        m_private->hiddenPosition = cursor.position();
    } else if (TextBox box{GetWidget()}) {
        box.SetCursor(cursor);
    }
}

int CRichEditCtrl::SelectionStart() const {
    int anchor, position;
    GetSelection(anchor, position);
    return std::min(anchor, position);
}

void CRichEditCtrl::GetSel(long& start, long& end) const {
    int anchor, position;
    GetSelection(anchor, position);
    start = std::min(anchor, position);
    end = std::max(anchor, position);
}

void CRichEditCtrl::SetSel(long start, long end) {
    QTextDocument* document = GetDocument();
    if (!document)
        return;
    long length = GetTextLength();
    int anchor, position;
    if (start < 0) {
        GetSelection(anchor, position);
        anchor = position;
    } else {
        if (end < 0 || end > length)
            end = length;
        start = std::min(start, length);
        // Never between the two halves of a character.
        auto whole = [document](long at) {
            return at > 0 && document->characterAt((int)at).isLowSurrogate() ? at + 1 : at;
        };
        anchor = (int)whole(start);
        position = (int)whole(end);
    }
    if (m_selectionHidden) {
        m_private->hiddenAnchor = anchor;
        m_private->hiddenPosition = position;
        return;
    }
    QTextCursor cursor(document);
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    TextBox(GetWidget()).SetCursor(cursor);
}

void CRichEditCtrl::HideSelection(bool hide, bool) {
    TextBox box(GetWidget());
    if (hide == m_selectionHidden || !box || !m_private)
        return;
    if (hide) {
        QTextCursor cursor = box.Cursor();
        m_private->hiddenAnchor = cursor.anchor();
        m_private->hiddenPosition = cursor.position();
        m_selectionHidden = true;
        return;
    }
    m_selectionHidden = false;
    LayOutColours();
    QTextCursor shown = box.Cursor();
    int anchor = std::min(m_private->hiddenAnchor, (int)GetTextLength());
    int position = std::min(m_private->hiddenPosition, (int)GetTextLength());
    if (std::min(anchor, position) != shown.selectionStart() || std::max(anchor, position) != shown.selectionEnd())
        SetSel(anchor, position);
}

// Lines.

int CRichEditCtrl::GetLineCount() const {
    QTextDocument* document = GetDocument();
    return document ? document->blockCount() : 0;
}

QTextBlock CRichEditCtrl::BlockAt(long position) const {
    QTextDocument* document = GetDocument();
    if (!document)
        return QTextBlock();
    if (position < 0)
        position = SelectionStart();
    return document->findBlock((int)std::min(position, GetTextLength()));
}

int CRichEditCtrl::LineFromChar(long position) const {
    if (!GetDocument())
        return 0;
    QTextBlock block = BlockAt(position);
    return block.isValid() ? block.blockNumber() : GetLineCount() - 1;
}

int CRichEditCtrl::LineIndex(int line) const {
    QTextDocument* document = GetDocument();
    if (!document)
        return -1;
    QTextBlock block;
    if (line < 0) {
        int anchor, caret;
        GetSelection(anchor, caret);
        block = document->findBlock(caret);
    } else {
        block = document->findBlockByNumber(line);
    }
    return block.isValid() ? block.position() : -1;
}

int CRichEditCtrl::LineLength(int position) const {
    QTextBlock block = BlockAt(position);
    return block.isValid() ? block.length() - 1 : 0;
}

int CRichEditCtrl::GetLine(int line, char* buffer, int maxBytes) const {
    QTextDocument* document = GetDocument();
    if (!document || !buffer || maxBytes <= 0 || line < 0)
        return 0;
    QTextBlock block = document->findBlockByNumber(line);
    if (!block.isValid())
        return 0;
    QByteArray bytes = block.text().toUtf8();
    if (block.next().isValid())
        bytes.append('\n');
    int count = (int)std::min<qsizetype>(bytes.size(), maxBytes);
    // Whole characters only: back off from a cut inside one.
    while (count > 0 && count < bytes.size() && (static_cast<unsigned char>(bytes[count]) & 0xC0) == 0x80)
        --count;
    memcpy(buffer, bytes.constData(), (size_t)count);
    return count;
}

long CRichEditCtrl::GetTextLength() const {
    QTextDocument* document = GetDocument();
    return document ? document->characterCount() - 1 : 0;
}

// Formats.

bool CRichEditCtrl::SetSelectionCharFormat(const CHARFORMAT& format) {
    if (!GetDocument())
        return false;
    long start, end;
    GetSel(start, end);
    if (format.dwMask & CFM_COLOR)
        ApplyColour((int)start, (int)end, format.crTextColor);
    if (!(format.dwMask & (CFM_FACE | CFM_SIZE | CFM_BOLD)) || start == end)
        return true;
    QTextCursor cursor = Selection();
    QTextCharFormat charFormat;
    if (format.dwMask & CFM_FACE)
        charFormat.setFontFamilies({FaceOf(format)});
    if (format.dwMask & CFM_SIZE)
        charFormat.setFontPointSize(format.yHeight / 20.0);
    if (format.dwMask & CFM_BOLD)
        charFormat.setFontWeight(format.dwEffects & CFE_BOLD ? QFont::Bold : QFont::Normal);
    ++m_formatting;
    cursor.mergeCharFormat(charFormat);
    --m_formatting;
    return true;
}

void CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& format) const {
    format = CHARFORMAT();
    TextBox box(GetWidget());
    if (!box)
        return;
    long selectionStart, selectionEnd;
    GetSel(selectionStart, selectionEnd);
    int start = (int)selectionStart;
    int end = std::max((int)selectionEnd, start + 1);
    QTextCursor at(box.Document());
    at.setPosition(std::min(start + 1, (int)GetTextLength()));
    QFont font = at.charFormat().font().resolve(box.Document()->defaultFont());
    QByteArray face = font.family().toUtf8().left(sizeof format.szFaceName - 1);
    memcpy(format.szFaceName, face.constData(), (size_t)face.size());
    format.yHeight = qRound(font.pointSizeF() * 20);
    format.dwEffects = font.bold() ? (unsigned long)CFE_BOLD : 0UL;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD;

    QColor colour = ColourAt(start);
    for (int position = start + 1; position < end && position < GetTextLength(); ++position) {
        if (ColourAt(position) != colour)
            return;
    }
    format.crTextColor = RGB(colour.red(), colour.green(), colour.blue());
    format.dwMask |= CFM_COLOR;
}

// The colour a character is shown in.
QColor CRichEditCtrl::ColourAt(int position) const {
    QTextBlock block = GetDocument()->findBlock(position);
    if (block.isValid()) {
        int offset = position - block.position();
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            if (offset >= range.start && offset < range.start + range.length &&
                range.format.hasProperty(QTextFormat::ForegroundBrush))
                return range.format.foreground().color();
        }
    }
    return GetWidget()->palette().color(QPalette::Text);
}

bool CRichEditCtrl::SetDefaultCharFormat(const CHARFORMAT& format) {
    TextBox box(GetWidget());
    if (!box)
        return false;
    QWidget* widget = GetWidget();
    ++m_formatting;
    QFont font = box.Document()->defaultFont();
    if (format.dwMask & CFM_FACE) {
        QString face = FaceOf(format);
        font.setFamilies({face});
        font.setFixedPitch(QFontDatabase::isFixedPitch(face));
    }
    if ((format.dwMask & CFM_SIZE) && format.yHeight > 0)
        font.setPointSizeF(format.yHeight / 20.0);
    if (format.dwMask & CFM_BOLD)
        font.setBold(format.dwEffects & CFE_BOLD);
    widget->setFont(font);
    box.Document()->setDefaultFont(font);
    if (format.dwMask & CFM_COLOR) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Text, ColourOf(format.crTextColor));
        widget->setPalette(palette);
    }
    --m_formatting;
    return true;
}

bool CRichEditCtrl::SetTabStops(const int* twips, int count) {
    QTextDocument* document = GetDocument();
    if (!document || count < 0 || (count > 0 && !twips))
        return false;
    const qreal pixelsPerTwip = GetWidget()->logicalDpiX() / 1440.0;
    QList<QTextOption::Tab> tabs;
    for (int i = 0; i < count; ++i)
        tabs.append(QTextOption::Tab(twips[i] * pixelsPerTwip, QTextOption::LeftTab));
    QTextOption option = document->defaultTextOption();
    option.setTabs(tabs);
    // Past the last stop, tabs go on at the last interval.
    if (count >= 2)
        option.setTabStopDistance((twips[count - 1] - twips[count - 2]) * pixelsPerTwip);
    ++m_formatting;
    document->setDefaultTextOption(option);
    --m_formatting;
    return true;
}

unsigned long CRichEditCtrl::SetEventMask(unsigned long mask) {
    unsigned long previous = m_eventMask;
    m_eventMask = mask;
    return previous;
}

// Colour is kept in the layouts of the blocks, as display formats.
void CRichEditCtrl::ApplyColour(int start, int end, COLORREF colour) {
    QTextDocument* document = GetDocument();
    if (!document || end <= start)
        return;
    QTextCharFormat format;
    format.setForeground(ColourOf(colour));
    for (QTextBlock block = document->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        int blockStart = block.position();
        int from = std::max(start, blockStart) - blockStart;
        int to = std::min(end, blockStart + block.length() - 1) - blockStart;
        if (to <= from)
            continue;
        QTextLayout* layout = block.layout();
        Ranges ranges = Cut(layout->formats(), from, to);
        ranges.append({from, to - from, format});
        layout->setFormats(Tidy(ranges));
        int& dirtyFrom = m_private->dirtyFrom;
        int& dirtyTo = m_private->dirtyTo;
        dirtyFrom = dirtyFrom < 0 ? blockStart : std::min(dirtyFrom, blockStart);
        dirtyTo = std::max(dirtyTo, blockStart + block.length());
    }
    if (!m_selectionHidden)
        LayOutColours();
}

// Lines whose colours changed are laid out again (and so repainted).
void CRichEditCtrl::LayOutColours() {
    QTextDocument* document = GetDocument();
    if (!document || !m_private || m_private->dirtyFrom < 0)
        return;
    int from = m_private->dirtyFrom;
    int to = std::min(m_private->dirtyTo, document->characterCount());
    m_private->dirtyFrom = m_private->dirtyTo = -1;
    document->markContentsDirty(from, to - from);
}

void CRichEditCtrl::OnContentsChange(int position, int removed, int added) {
    if (m_formatting)
        return;
    RecordChange(position, removed, added);
    MoveColours(position, removed, added);
}

void CRichEditCtrl::RecordChange(int position, int removed, int added) {
    const long delta = added - removed;
    if (m_changeStart >= 0) {
        // Where the earlier stretch lies now.
        auto move = [&](long at) { return at <= position ? at : std::max<long>(position, at + delta); };
        m_changeStart = std::min<long>(move(m_changeStart), position);
        m_changeEnd = std::max<long>(move(m_changeEnd), position + added);
    } else {
        m_changeStart = position;
        m_changeEnd = position + added;
    }
}

bool CRichEditCtrl::TakeChangedRange(long& start, long& end) {
    if (m_changeStart < 0)
        return false;
    long length = GetTextLength();
    start = std::min(m_changeStart, length);
    end = std::min(m_changeEnd, length);
    m_changeStart = m_changeEnd = -1;
    return true;
}

// Keeps colours with their text: the block where the change happened has its
// colour ranges moved; inserted text takes the colour of the character
// before it (at a line start, of the one after it).
void CRichEditCtrl::MoveColours(int position, int removed, int added) {
    QTextBlock block = GetDocument()->findBlock(position);
    if (!block.isValid())
        return;
    QTextLayout* layout = block.layout();
    const Ranges ranges = layout->formats();
    if (ranges.isEmpty())
        return;
    const int at = position - block.position();
    const int removedEnd = at + removed;
    const int delta = added - removed;
    const int blockLength = block.length() - 1;
    auto mapStart = [&](int start) { return start < at ? start : start >= removedEnd ? start + delta : at + added; };
    auto mapEnd = [&](int end) { return end <= at ? end : end >= removedEnd ? end + delta : at; };
    Ranges moved;
    for (const QTextLayout::FormatRange& range : ranges) {
        int end = range.start + range.length;
        int newStart = mapStart(range.start);
        int newEnd = mapEnd(end);
        if (added > 0 && at > 0 && range.start < at && end >= at)
            newEnd = std::max(newEnd, at + added);
        if (added > 0 && at == 0 && range.start <= removed && end > removed)
            newStart = 0;
        newEnd = std::min(newEnd, blockLength);
        if (newEnd > newStart)
            moved.append({newStart, newEnd - newStart, range.format});
    }
    layout->setFormats(Tidy(moved));
}

void CRichEditCtrl::OnTextChanged() {
    if (m_formatting || !(m_eventMask & ENM_CHANGE) || QelWindowRegistry::Get().IsQuiet(GetWidget()))
        return;
    NotifyParent(EN_CHANGE);
}

// Editing.

void CRichEditCtrl::ReplaceSel(const char* text, bool canUndo) {
    TextBox box(GetWidget());
    if (!box)
        return;
    LayOutColours();
    QTextDocument* document = box.Document();
    QTextCursor cursor = Selection();
    bool undo = document->isUndoRedoEnabled();
    if (!canUndo)
        document->setUndoRedoEnabled(false);
    cursor.insertText(QString::fromUtf8(text ? text : ""));
    if (!canUndo)
        document->setUndoRedoEnabled(undo);
    SetSelection(cursor);
}

void CRichEditCtrl::PastePlainText() {
    TextBox box(GetWidget());
    if (!box || box.IsReadOnly())
        return;
    QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    LayOutColours();
    QTextCursor cursor = Selection();
    cursor.insertText(text);
    SetSelection(cursor);
}

// View. Client coordinates are those of the text area.

int CRichEditCtrl::GetFirstVisibleLine() const {
    TextBox box(GetWidget());
    if (!box)
        return 0;
    // The line at the top of the view (below the page's margin).
    int margin = box.IsPlain() ? 0 : qCeil(box.Document()->documentMargin());
    return box.CursorAt(QPoint(0, margin + 1)).blockNumber();
}

void CRichEditCtrl::LineScroll(int lines, int chars) {
    TextBox box(GetWidget());
    if (!box)
        return;
    QTextDocument* document = box.Document();
    if (lines != 0) {
        QScrollBar* bar = box.Area()->verticalScrollBar();
        if (box.IsPlain()) {
            // The plain widget scrolls by lines.
            bar->setValue(bar->value() + lines);
        } else {
            int first = GetFirstVisibleLine();
            int target = std::clamp(first + lines, 0, std::max(0, GetLineCount() - 1));
            QAbstractTextDocumentLayout* layout = document->documentLayout();
            qreal distance = layout->blockBoundingRect(document->findBlockByNumber(target)).top() -
                             layout->blockBoundingRect(document->findBlockByNumber(first)).top();
            bar->setValue(bar->value() + qRound(distance));
        }
    }
    if (chars != 0) {
        QScrollBar* bar = box.Area()->horizontalScrollBar();
        bar->setValue(bar->value() + chars * GetWidget()->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    }
}

CPoint CRichEditCtrl::GetCharPos(long position) const {
    TextBox box(GetWidget());
    if (!box)
        return CPoint();
    QTextCursor cursor(box.Document());
    cursor.setPosition((int)std::clamp<long>(position, 0, GetTextLength()));
    QRect rect = box.CursorRect(cursor);
    return CPoint(rect.left(), rect.top());
}

bool CRichEditCtrl::Undo() {
    TextBox box(GetWidget());
    if (!box || !CanUndo())
        return false;
    box.Undo();
    return true;
}

bool CRichEditCtrl::CanUndo() const {
    QTextDocument* document = GetDocument();
    return document && document->isUndoAvailable();
}

bool CRichEditCtrl::ViewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        QPoint global = mouse->globalPosition().toPoint();
        OnContextMenu(this, CPoint(global.x(), global.y()));
        return true;
    }
    case QEvent::ContextMenu:
        // Answered on the button's release; the widget's own menu never shows.
        return true;
    default:
        return false;
    }
}
