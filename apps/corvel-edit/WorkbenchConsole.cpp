#include "WorkbenchConsole.h"

#include "OutputPanes.h"

void WorkbenchConsole::Output(const char* pane, const char* text) {
    if (!text || !*text)
        return;
    // Script text is bytes; it is shown as UTF-8.
    m_panes->Append(pane, QString::fromUtf8(text));
}
