#include "CommandSession.h"

#include "PlatformClock.h"

#include <cstdint>

namespace {

// Loops ask on every iteration; the clock is read on one call in this many.
const uint32_t kClockCheckInterval = 64;

}  // namespace

CommandSession::CommandSession(CorvelStatementList* statements, CorvelGlobalObject* globalObject,
                               CorvelConsole* console, uint32_t timeLimitMilliseconds)
    : CorvelSession(statements, globalObject, nullptr, console),
      m_timeLimit(timeLimitMilliseconds),
      m_start(PlatformTickCount()) {}

void CommandSession::ReportRuntimeError(CorvelRuntimeException* exception) {
    m_hadError = true;
    CorvelSession::ReportRuntimeError(exception);
}

CorvelSession::AbortStatus CommandSession::GetAbortStatus() {
    AbortStatus status = CorvelSession::GetAbortStatus();
    if (status != AbortNone || m_timeLimit == 0) return status;
    if (++m_abortChecks % kClockCheckInterval != 0 && !m_timeLimitReached) return AbortNone;
    return TimeIsUp() ? AbortScript : AbortNone;
}

bool CommandSession::TimeIsUp() {
    if (m_timeLimit != 0 && PlatformTickCount() - m_start >= m_timeLimit) m_timeLimitReached = true;
    return m_timeLimitReached;
}

uint32_t CommandSession::TimeLeft() {
    if (m_timeLimit == 0) return UINT32_MAX;
    uint32_t elapsed = PlatformTickCount() - m_start;
    return elapsed >= m_timeLimit ? 0 : m_timeLimit - elapsed;
}
