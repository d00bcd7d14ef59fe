#include "OutputPanes.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>

const char* const OutputPanes::kDefaultPane = "Output";
const char* const OutputPanes::kErrorPane = "Errors";

namespace {

const QColor kErrorColour(0xC0, 0x00, 0x00);

}  // namespace

OutputPanes::OutputPanes(QWidget* parent) : QTabWidget(parent) {
    setDocumentMode(true);
    MakePane(kDefaultPane);
}

QPlainTextEdit* OutputPanes::MakePane(const QString& name) {
    auto* pane = new QPlainTextEdit;
    pane->setReadOnly(true);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pane->setObjectName(name);
    int index = addTab(pane, name);
    if (name == kErrorPane) {
        QPalette palette = pane->palette();
        palette.setColor(QPalette::Text, kErrorColour);
        pane->setPalette(palette);
        tabBar()->setTabTextColor(index, kErrorColour);
        pane->viewport()->installEventFilter(this);
        pane->viewport()->setCursor(Qt::PointingHandCursor);
    }
    return pane;
}

QPlainTextEdit* OutputPanes::Pane(const QString& name) const {
    for (int i = 0; i < count(); ++i) {
        if (tabText(i) == name)
            return static_cast<QPlainTextEdit*>(widget(i));
    }
    return nullptr;
}

void OutputPanes::Append(const char* pane, const QString& text) {
    QString name = pane && *pane ? QString::fromUtf8(pane) : QString(kDefaultPane);
    QPlainTextEdit* target = Pane(name);
    if (!target)
        target = MakePane(name);
    // Text arrives in pieces: each goes on where the last one ended.
    QTextCursor end(target->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    target->verticalScrollBar()->setValue(target->verticalScrollBar()->maximum());
}

void OutputPanes::Clear() {
    while (count() > 1) {
        QWidget* pane = widget(count() - 1);
        removeTab(count() - 1);
        delete pane;
    }
    Pane(kDefaultPane)->clear();
}

QString OutputPanes::PaneText(const QString& pane) const {
    QPlainTextEdit* target = Pane(pane);
    return target ? target->toPlainText() : QString();
}

void OutputPanes::ShowPane(const QString& pane) {
    if (QPlainTextEdit* target = Pane(pane))
        setCurrentWidget(target);
}

int OutputPanes::ErrorLine(const QString& line) {
    static const QRegularExpression runtime(QStringLiteral("^.* \\((\\d+), -?\\d+\\) : "));
    static const QRegularExpression syntax(QStringLiteral("^\\((\\d+)\\) : "));
    QRegularExpressionMatch match = runtime.match(line);
    if (!match.hasMatch())
        match = syntax.match(line);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

bool OutputPanes::eventFilter(QObject* watched, QEvent* event) {
    QPlainTextEdit* errors = Pane(kErrorPane);
    if (event->type() != QEvent::MouseButtonRelease || !errors || watched != errors->viewport())
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    QString text = errors->cursorForPosition(mouse->position().toPoint()).block().text();
    if (int line = ErrorLine(text))
        emit LineActivated(line);
    return false;
}
