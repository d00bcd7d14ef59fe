// The session of the workbench: a script runs in time slices of the window's
// event loop, so besides the Escape key a slice that has run for long enough
// makes the script's loops yield, and the window stays responsive.
#pragma once

#include "CorvelSession.h"

#include <cstdint>

class WorkbenchSession : public CorvelSession {
public:
    WorkbenchSession(CorvelStatementList* statements, CorvelGlobalObject* globalObject, CorvelConsole* console);

    bool RunNextStatement() override;
    void ReportRuntimeError(CorvelRuntimeException* exception) override;
    AbortStatus GetAbortStatus() override;

    bool HadError() const { return m_hadError; }
    // Whether the last slice ended because the user pressed Escape.
    bool WasInterrupted() const { return m_interrupted; }

    // How long one slice may run before the script's loops yield.
    static const uint32_t kSliceMilliseconds = 20;

private:
    uint32_t m_sliceStart = 0;
    uint32_t m_abortChecks = 0;
    bool m_hadError = false;
    bool m_interrupted = false;
};
