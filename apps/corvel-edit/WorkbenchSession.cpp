#include "WorkbenchSession.h"

#include "PlatformClock.h"

namespace {

// Loops ask on every iteration; the clock is read on one call in this many.
const uint32_t kClockCheckInterval = 64;

}  // namespace

WorkbenchSession::WorkbenchSession(CorvelStatementList* statements, CorvelGlobalObject* globalObject,
                                   CorvelConsole* console)
    : CorvelSession(statements, globalObject, nullptr, console) {}

bool WorkbenchSession::RunNextStatement() {
    m_sliceStart = PlatformTickCount();
    m_interrupted = false;
    return CorvelSession::RunNextStatement();
}

void WorkbenchSession::ReportRuntimeError(CorvelRuntimeException* exception) {
    m_hadError = true;
    CorvelSession::ReportRuntimeError(exception);
}

CorvelSession::AbortStatus WorkbenchSession::GetAbortStatus() {
    AbortStatus status = CorvelSession::GetAbortStatus();
    if (status == AbortYield) {
        m_interrupted = true;
        return status;
    }
    if (status != AbortNone || ++m_abortChecks % kClockCheckInterval != 0)
        return status;
    return PlatformTickCount() - m_sliceStart >= kSliceMilliseconds ? AbortYield : AbortNone;
}
