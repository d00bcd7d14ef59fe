#include "CommandConsole.h"

#include <cstdio>
#include <cstring>

void CommandConsole::Output(const char* pane, const char* text) {
    if (!text || !*text) return;
    if (pane && strcmp(pane, "Errors") == 0) {
        // Keeps the order of the two streams on a terminal.
        fflush(stdout);
        fputs(text, stderr);
        return;
    }
    if (!pane) {
        fputs(text, stdout);
        m_lastPane.clear();
    } else {
        OutputToPane(pane, text);
    }
    m_atLineStart = text[strlen(text) - 1] == '\n';
}

void CommandConsole::OutputToPane(const char* pane, const char* text) {
    bool prefix = m_atLineStart || m_lastPane != pane;
    m_lastPane = pane;
    while (*text) {
        if (prefix) printf("[%s] ", pane);
        const char* end = strchr(text, '\n');
        size_t length = end ? (size_t)(end - text) + 1 : strlen(text);
        fwrite(text, 1, length, stdout);
        text += length;
        prefix = true;
    }
}
