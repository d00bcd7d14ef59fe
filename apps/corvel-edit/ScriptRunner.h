// Runs one script in paced time slices driven by the window's event loop: a
// timer calls the session's next-statement step; while the script waits the
// timer sleeps for what is left of the wait, so nothing blocks.
#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class CorvelConsole;
class ScriptProgram;
class WorkbenchSession;

class ScriptRunner : public QObject {
    Q_OBJECT

public:
    enum State { Idle, Running, Waiting, Interrupted };
    enum Outcome { Finished, Failed, Stopped, NotStarted };

    // Output and errors go to `console`, which outlives the runner.
    explicit ScriptRunner(CorvelConsole* console, QObject* parent = nullptr);
    ~ScriptRunner() override;

    // Parses `text` (UTF-8) under `sourceName` and starts it. Syntax errors
    // go to the console's "Errors" pane; false when the script did not start.
    bool Start(const QByteArray& text, const QByteArray& sourceName);
    // Ends the script now.
    void Stop();
    // Continues a script that Escape interrupted.
    void Continue();

    State GetState() const { return m_state; }
    bool IsActive() const { return m_state != Idle; }
    // Milliseconds left of the script's current wait.
    int GetWaitRemaining() const;

signals:
    void StateChanged(ScriptRunner::State state);
    void Ended(ScriptRunner::Outcome outcome);

private:
    void RunSlice();
    void SetState(State state);
    void End(Outcome outcome);

    CorvelConsole* m_console;
    std::unique_ptr<ScriptProgram> m_program;
    WorkbenchSession* m_session = nullptr;  // owned by the program
    QTimer m_timer;
    State m_state = Idle;
};
