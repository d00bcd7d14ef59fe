#include "Workbench.h"

#include "EscapeKeyFeed.h"
#include "LineNumbers.h"
#include "OutputPanes.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QStringDecoder>
#include <QStyle>
#include <QToolBar>
#include <QHBoxLayout>

namespace {

const unsigned int kEditorId = 100;

const unsigned long kEditorStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN;

bool IsUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool FitsLatin1(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

}  // namespace

Workbench::Workbench(QWidget* parent)
    : QMainWindow(parent),
      m_output(new OutputPanes),
      m_console(m_output),
      m_runner(&m_console),
      m_frame(this),
      m_escape(std::make_unique<EscapeKeyFeed>()) {
    auto* editorArea = new QFrame;
    editorArea->setFrameShape(QFrame::StyledPanel);
    auto* editorLayout = new QHBoxLayout(editorArea);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->setSpacing(0);
    m_frame.SubclassWindow(editorArea);
    m_editor.Create(kEditorStyle, CRect(), &m_frame, kEditorId);
    editorLayout->addWidget(new LineNumbers(m_editor));
    editorLayout->addWidget(m_editor.GetWidget());

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(editorArea);
    splitter->addWidget(m_output);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);

    m_stateLabel = new QLabel;
    m_caretLabel = new QLabel;
    statusBar()->addWidget(m_stateLabel, 1);
    statusBar()->addPermanentWidget(m_caretLabel);

    MakeActions();
    MakeMenus();

    connect(static_cast<QPlainTextEdit*>(m_editor.GetWidget()), &QPlainTextEdit::cursorPositionChanged, this,
            &Workbench::ShowCaret);
    connect(&m_runner, &ScriptRunner::StateChanged, this, &Workbench::ShowRunState);
    connect(&m_runner, &ScriptRunner::Ended, this, &Workbench::ShowOutcome);
    connect(m_output, &OutputPanes::LineActivated, this, &Workbench::GoToLine);

    resize(900, 640);
    ShowRunState(ScriptRunner::Idle);
    ShowCaret();
    ShowTitle();
    m_editor.SetFocus();
}

Workbench::~Workbench() {
    // The script stops before the output area it writes to goes.
    m_runner.Stop();
}

void Workbench::MakeActions() {
    QStyle* look = style();
    m_open = new QAction(look->standardIcon(QStyle::SP_DialogOpenButton), tr("&Open..."), this);
    m_open->setShortcut(QKeySequence::Open);
    connect(m_open, &QAction::triggered, this, &Workbench::OpenFile);

    m_save = new QAction(look->standardIcon(QStyle::SP_DialogSaveButton), tr("&Save"), this);
    m_save->setShortcut(QKeySequence::Save);
    connect(m_save, &QAction::triggered, this, &Workbench::SaveFile);

    m_run = new QAction(look->standardIcon(QStyle::SP_MediaPlay), tr("&Run"), this);
    m_run->setShortcut(Qt::Key_F5);
    m_run->setToolTip(tr("Run the script (F5); Escape interrupts a long loop"));
    connect(m_run, &QAction::triggered, this, &Workbench::Run);

    m_stop = new QAction(look->standardIcon(QStyle::SP_MediaStop), tr("S&top"), this);
    m_stop->setShortcut(Qt::SHIFT | Qt::Key_F5);
    connect(m_stop, &QAction::triggered, this, &Workbench::Stop);

    QToolBar* tools = addToolBar(tr("Script"));
    tools->setObjectName("Script");
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addAction(m_open);
    tools->addAction(m_save);
    tools->addSeparator();
    tools->addAction(m_run);
    tools->addAction(m_stop);
}

void Workbench::MakeMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(m_open);
    file->addAction(m_save);
    file->addAction(tr("Save &As..."), this, [this]() {
        QString path = QFileDialog::getSaveFileName(this, tr("Save script"), m_path, tr("Scripts (*.js);;All files (*)"));
        if (!path.isEmpty())
            Save(path);
    });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    auto* text = static_cast<QPlainTextEdit*>(m_editor.GetWidget());
    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    m_editMenu->addAction(tr("&Undo"), QKeySequence::Undo, this, [this]() { m_editor.Undo(); });
    m_editMenu->addSeparator();
    m_editMenu->addAction(tr("Cu&t"), QKeySequence::Cut, text, &QPlainTextEdit::cut);
    m_editMenu->addAction(tr("&Copy"), QKeySequence::Copy, text, &QPlainTextEdit::copy);
    m_editMenu->addAction(tr("&Paste"), QKeySequence::Paste, this, [this]() { m_editor.Paste(); });
    m_editMenu->addAction(tr("&Delete"), this, [this]() { m_editor.Delete(); });
    m_editMenu->addSeparator();
    m_editMenu->addAction(tr("Select &All"), QKeySequence::SelectAll, this, [this]() { m_editor.SetSel(0, -1); });

    QMenu* script = menuBar()->addMenu(tr("&Script"));
    script->addAction(m_run);
    script->addAction(m_stop);
}

// Files.

bool Workbench::Load(const QString& path, QString* problem) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = tr("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    QByteArray bytes = file.readAll();
    if (bytes.contains('\0')) {
        // Script text ends at its first zero byte: the rest would be lost.
        if (problem)
            *problem = tr("%1 holds a zero byte; it is not a script").arg(path);
        return false;
    }
    m_runner.Stop();
    m_latin1 = !IsUtf8(bytes);
    QString text = m_latin1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    m_crlf = text.contains(QLatin1String("\r\n"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_editor.SetScript(text.toUtf8().constData(), true, false);
    m_editor.SetSel(0, 0);
    m_path = path;
    m_modified = false;
    m_outcome.clear();
    m_output->Clear();
    ShowRunState(m_runner.GetState());
    ShowTitle();
    if (m_latin1)
        statusBar()->showMessage(tr("Not UTF-8: read as Latin-1, and saved so"), 5000);
    return true;
}

bool Workbench::Save(const QString& path, QString* problem) {
    QString text = ScriptText();
    if (m_crlf)
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    bool latin1 = m_latin1 && FitsLatin1(text);
    QByteArray bytes = latin1 ? text.toLatin1() : text.toUtf8();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        QString reason = tr("cannot write %1: %2").arg(path, file.errorString());
        if (problem)
            *problem = reason;
        else
            QMessageBox::warning(this, tr("Save"), reason);
        return false;
    }
    if (m_latin1 && !latin1)
        statusBar()->showMessage(tr("Saved as UTF-8: the text no longer fits Latin-1"), 5000);
    m_latin1 = latin1;
    m_path = path;
    m_modified = false;
    ShowTitle();
    return true;
}

void Workbench::OpenFile() {
    if (!ConfirmDiscard())
        return;
    QString path = QFileDialog::getOpenFileName(this, tr("Open script"), QFileInfo(m_path).path(),
                                                tr("Scripts (*.js);;All files (*)"));
    if (path.isEmpty())
        return;
    QString problem;
    if (!Load(path, &problem))
        QMessageBox::warning(this, tr("Open"), problem);
}

bool Workbench::SaveFile() {
    QString path = m_path;
    if (path.isEmpty())
        path = QFileDialog::getSaveFileName(this, tr("Save script"), QString(), tr("Scripts (*.js);;All files (*)"));
    return !path.isEmpty() && Save(path);
}

bool Workbench::ConfirmDiscard() {
    if (!m_modified)
        return true;
    auto answer = QMessageBox::question(this, tr("Unsaved changes"), tr("Save the changes to the script?"),
                                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return SaveFile();
    return answer == QMessageBox::Discard;
}

void Workbench::closeEvent(QCloseEvent* event) {
    if (!ConfirmDiscard()) {
        event->ignore();
        return;
    }
    m_runner.Stop();
    event->accept();
}

QString Workbench::ScriptText() const {
    QelString text;
    m_editor.GetWindowText(text);
    return QString::fromUtf8(text.GetText(), text.GetLength());
}

// The script as the interpreter reads it: UTF-8, or Latin-1 bytes for a file
// that was read so.
QByteArray Workbench::ScriptBytes() const {
    QString text = ScriptText();
    return m_latin1 && FitsLatin1(text) ? text.toLatin1() : text.toUtf8();
}

// Running.

bool Workbench::Run() {
    if (m_runner.GetState() == ScriptRunner::Interrupted) {
        m_runner.Continue();
        return true;
    }
    if (m_runner.IsActive())
        return false;
    m_output->Clear();
    m_outcome.clear();
    QString name = m_path.isEmpty() ? QStringLiteral("untitled.js") : QFileInfo(m_path).fileName();
    return m_runner.Start(ScriptBytes(), name.toUtf8());
}

void Workbench::Stop() {
    m_runner.Stop();
}

void Workbench::ShowRunState(ScriptRunner::State state) {
    bool active = state != ScriptRunner::Idle;
    m_run->setEnabled(!active || state == ScriptRunner::Interrupted);
    m_run->setText(state == ScriptRunner::Interrupted ? tr("Continue") : tr("&Run"));
    m_stop->setEnabled(active);
    m_open->setEnabled(!active);
    m_stateLabel->setText(StateText());
}

void Workbench::ShowOutcome(ScriptRunner::Outcome outcome) {
    switch (outcome) {
    case ScriptRunner::Finished: m_outcome = tr("Finished"); break;
    case ScriptRunner::Stopped: m_outcome = tr("Stopped"); break;
    case ScriptRunner::Failed: m_outcome = tr("Failed: see Errors (click a line to go there)"); break;
    case ScriptRunner::NotStarted: m_outcome = tr("Not run: syntax errors (click a line to go there)"); break;
    }
    if (outcome == ScriptRunner::Failed || outcome == ScriptRunner::NotStarted)
        m_output->ShowPane(OutputPanes::kErrorPane);
    m_stateLabel->setText(StateText());
}

QString Workbench::StateText() const {
    switch (m_runner.GetState()) {
    case ScriptRunner::Running: return tr("Running");
    case ScriptRunner::Waiting: return tr("Running (waiting)");
    case ScriptRunner::Interrupted: return tr("Interrupted by Escape: Continue (F5) or Stop (Shift+F5)");
    case ScriptRunner::Idle: break;
    }
    return m_outcome.isEmpty() ? tr("Ready") : m_outcome;
}

// The caret.

void Workbench::GoToLine(int line) {
    long start = m_editor.LineIndex(line - 1);
    if (start < 0)
        return;
    m_editor.SetSel(start, start);
    m_editor.SetFocus();
}

QString Workbench::CaretText() const {
    long start, end;
    m_editor.GetSel(start, end);
    int line = m_editor.LineFromChar(end);
    return tr("Line %1, Column %2").arg(line + 1).arg(end - m_editor.LineIndex(line) + 1);
}

void Workbench::ShowCaret() {
    m_caretLabel->setText(CaretText());
}

void Workbench::ShowTitle() {
    QString name = m_path.isEmpty() ? tr("untitled") : QFileInfo(m_path).fileName();
    setWindowTitle(tr("%1[*] - corvel-edit").arg(name));
    setWindowModified(m_modified);
}

bool Workbench::SaveScreenshot(const QString& path) {
    return grab().save(path, "PNG");
}

// The editor's notifications.

bool Workbench::EditorFrame::OnCommand(unsigned int id, int code) {
    if (id == kEditorId && code == EN_CHANGE && !m_workbench->m_modified) {
        m_workbench->m_modified = true;
        m_workbench->ShowTitle();
    }
    return true;
}

void Workbench::EditorFrame::OnContextMenu(CWnd*, CPoint screenPoint) {
    m_workbench->m_editMenu->popup(QPoint(screenPoint.x, screenPoint.y));
}
