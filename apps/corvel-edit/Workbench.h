// The script workbench: the script edit control, Open, Save, Run and Stop,
// the output area with a tab per console pane, and a status bar with the
// run's state and the caret's line. Scripts run in paced time slices of the
// window's event loop, so the window stays responsive while a script waits
// or loops.
#pragma once

#include "CorvelEditControl.h"
#include "ScriptRunner.h"
#include "WorkbenchConsole.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class EscapeKeyFeed;
class OutputPanes;
class QAction;
class QLabel;
class QMenu;

class Workbench : public QMainWindow {
    Q_OBJECT

public:
    explicit Workbench(QWidget* parent = nullptr);
    ~Workbench() override;

    // Reads a script file; false (with the reason in `problem`) when it
    // cannot be read.
    bool Load(const QString& path, QString* problem = nullptr);
    // Writes the script, in the encoding and line breaks it was read with.
    bool Save(const QString& path, QString* problem = nullptr);
    // Starts the script (or continues one that Escape interrupted); false
    // when it did not start.
    bool Run();
    void Stop();
    // Renders the window to a PNG file.
    bool SaveScreenshot(const QString& path);
    // Puts the caret at the start of a line (1 for the first).
    void GoToLine(int line);

    CorvelEditControl& Editor() { return m_editor; }
    OutputPanes* Output() const { return m_output; }
    ScriptRunner* Runner() { return &m_runner; }
    QString StateText() const;
    QString CaretText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The editor's parent window: hears the control's change notifications
    // and its context menu.
    class EditorFrame : public CWnd {
    public:
        explicit EditorFrame(Workbench* workbench) : m_workbench(workbench) {}
        bool OnCommand(unsigned int id, int code) override;
        void OnContextMenu(CWnd* window, CPoint screenPoint) override;

    private:
        Workbench* m_workbench;
    };

    void MakeActions();
    void MakeMenus();
    void ShowRunState(ScriptRunner::State state);
    void ShowOutcome(ScriptRunner::Outcome outcome);
    void ShowCaret();
    void ShowTitle();
    void OpenFile();
    bool SaveFile();
    QString ScriptText() const;
    QByteArray ScriptBytes() const;
    bool ConfirmDiscard();

    OutputPanes* m_output;  // before the console and the runner, which use it
    WorkbenchConsole m_console;
    ScriptRunner m_runner;
    EditorFrame m_frame;
    CorvelEditControl m_editor;
    std::unique_ptr<EscapeKeyFeed> m_escape;

    QString m_path;
    bool m_latin1 = false;      // the file was not UTF-8: read and written as Latin-1
    bool m_crlf = false;        // the file had "\r\n" line breaks
    bool m_modified = false;
    QString m_outcome;          // how the last run ended

    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_run = nullptr;
    QAction* m_stop = nullptr;
    QMenu* m_editMenu = nullptr;
    QLabel* m_stateLabel = nullptr;
    QLabel* m_caretLabel = nullptr;
};
