#include "ScriptHost.h"

#include "CommandSession.h"
#include "PlatformClock.h"
#include "QelString.h"

#include <algorithm>
#include <cstdio>

bool ScriptHost::Parse(const std::string& text) {
    QelString errors;
    bool accepted = m_program.Parse(text.c_str(), errors);
    fputs(errors.GetText(), stderr);
    return accepted;
}

void ScriptHost::Prepare(uint32_t timeLimitMilliseconds) {
    m_program.Prepare();
    m_session = new CommandSession(m_program.GetTree(), m_program.GetGlobalObject(), &m_console,
                                   timeLimitMilliseconds);
    m_program.SetSession(m_session);
}

// Between slices the host sleeps for what is left of a wait, but never past
// the time limit.
ScriptHost::ExitStatus ScriptHost::RunPaced() {
    while (!m_session->RunNextStatement()) {
        if (m_session->TimeIsUp()) break;
        int remaining = m_session->GetWaitRemaining();
        if (remaining <= 0) continue;
        fflush(stdout);
        PlatformSleep(std::min((uint32_t)remaining, m_session->TimeLeft()));
    }
    return Outcome();
}

ScriptHost::ExitStatus ScriptHost::RunOnce() {
    m_session->Run();
    return Outcome();
}

ScriptHost::ExitStatus ScriptHost::Outcome() {
    if (m_session->TimeLimitReached()) {
        fflush(stdout);
        fputs("corvel: time limit reached\n", stderr);
        return ScriptFailed;
    }
    return m_session->HadError() ? ScriptFailed : Success;
}
