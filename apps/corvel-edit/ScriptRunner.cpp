#include "ScriptRunner.h"

#include "CorvelConsole.h"
#include "QelString.h"
#include "ScriptProgram.h"
#include "WorkbenchSession.h"

ScriptRunner::ScriptRunner(CorvelConsole* console, QObject* parent) : QObject(parent), m_console(console) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ScriptRunner::RunSlice);
}

ScriptRunner::~ScriptRunner() = default;

bool ScriptRunner::Start(const QByteArray& text, const QByteArray& sourceName) {
    Stop();
    auto program = std::make_unique<ScriptProgram>(sourceName.constData());
    QelString errors;
    if (!program->Parse(text.constData(), errors)) {
        if (m_console && !errors.IsEmpty())
            m_console->Output("Errors", errors.GetText());
        emit Ended(NotStarted);
        return false;
    }
    program->Prepare();
    m_session = new WorkbenchSession(program->GetTree(), program->GetGlobalObject(), m_console);
    program->SetSession(m_session);
    m_program = std::move(program);
    SetState(Running);
    m_timer.start(0);
    return true;
}

void ScriptRunner::Stop() {
    if (!m_program)
        return;
    End(Stopped);
}

void ScriptRunner::Continue() {
    if (m_state != Interrupted)
        return;
    SetState(Running);
    m_timer.start(0);
}

int ScriptRunner::GetWaitRemaining() const {
    return m_session ? m_session->GetWaitRemaining() : 0;
}

// One slice, then the next one as soon as the script may go on: at once
// after a yield (the event loop runs in between), or when its wait is over.
void ScriptRunner::RunSlice() {
    if (!m_session)
        return;
    if (m_session->RunNextStatement()) {
        End(m_session->HadError() ? Failed : Finished);
        return;
    }
    if (m_session->WasInterrupted()) {
        SetState(Interrupted);
        return;
    }
    int remaining = m_session->GetWaitRemaining();
    SetState(remaining > 0 ? Waiting : Running);
    m_timer.start(remaining);
}

void ScriptRunner::SetState(State state) {
    if (state == m_state)
        return;
    m_state = state;
    emit StateChanged(state);
}

void ScriptRunner::End(Outcome outcome) {
    m_timer.stop();
    m_session = nullptr;
    m_program.reset();
    SetState(Idle);
    emit Ended(outcome);
}
