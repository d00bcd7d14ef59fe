#include "LineNumbers.h"

#include "CorvelEditControl.h"

#include <QPainter>
#include <QPlainTextEdit>

LineNumbers::LineNumbers(CorvelEditControl& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    auto* text = static_cast<QPlainTextEdit*>(editor.GetWidget());
    setFont(text->font());
    connect(text, &QPlainTextEdit::updateRequest, this, [this]() { update(); });
    connect(text, &QPlainTextEdit::blockCountChanged, this, [this]() { updateGeometry(); });
    connect(text, &QPlainTextEdit::cursorPositionChanged, this, [this]() { update(); });
}

QSize LineNumbers::sizeHint() const {
    int digits = QString::number(std::max(m_editor.GetLineCount(), 999)).size();
    return QSize(fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + 16, 0);
}

void LineNumbers::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xF2, 0xF2, 0xF2));
    painter.setPen(QColor(0xDD, 0xDD, 0xDD));
    painter.drawLine(width() - 1, 0, width() - 1, height());
    painter.setFont(font());

    auto* text = static_cast<QPlainTextEdit*>(m_editor.GetWidget());
    QWidget* viewport = text->viewport();
    // Positions in the text area, as the control gives them, to ours.
    const int top = viewport->mapTo(window(), QPoint(0, 0)).y() - mapTo(window(), QPoint(0, 0)).y();
    const int lineHeight = fontMetrics().height();
    const int caretLine = m_editor.LineFromChar(text->textCursor().position());
    for (int line = m_editor.GetFirstVisibleLine(); line < m_editor.GetLineCount(); ++line) {
        int y = top + m_editor.GetCharPos(m_editor.LineIndex(line)).y;
        if (y > height())
            break;
        painter.setPen(line == caretLine ? QColor(0x30, 0x30, 0x30) : QColor(0x99, 0x99, 0x99));
        painter.drawText(QRect(0, y, width() - 8, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(line + 1));
    }
}
