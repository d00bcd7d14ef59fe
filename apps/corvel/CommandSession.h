// The session of the corvel command: it notes whether any run-time error was
// reported (the silent ones included) and can stop a script whose time is up.
#pragma once

#include "CorvelSession.h"

#include <cstdint>

class CommandSession : public CorvelSession {
public:
    // A time limit of 0 means none.
    CommandSession(CorvelStatementList* statements, CorvelGlobalObject* globalObject, CorvelConsole* console,
                   uint32_t timeLimitMilliseconds);

    void ReportRuntimeError(CorvelRuntimeException* exception) override;
    AbortStatus GetAbortStatus() override;

    bool HadError() const { return m_hadError; }
    // True once the time limit has passed (checked now).
    bool TimeIsUp();
    bool TimeLimitReached() const { return m_timeLimitReached; }
    // Milliseconds until the limit, or UINT32_MAX without one.
    uint32_t TimeLeft();

private:
    uint32_t m_timeLimit;
    uint32_t m_start;
    uint32_t m_abortChecks = 0;
    bool m_hadError = false;
    bool m_timeLimitReached = false;
};
