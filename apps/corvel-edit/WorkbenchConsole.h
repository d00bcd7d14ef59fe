// The console the workbench hands to its scripts: every pane's text goes to
// the output area, the default pane to "Output".
#pragma once

#include "CorvelConsole.h"

class OutputPanes;

class WorkbenchConsole : public CorvelConsole {
public:
    explicit WorkbenchConsole(OutputPanes* panes) : m_panes(panes) {}
    void Output(const char* pane, const char* text) override;

private:
    OutputPanes* m_panes;
};
