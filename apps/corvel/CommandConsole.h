// The console of the corvel command: the default pane is standard output,
// "Errors" is standard error, and every other pane goes to standard output
// with its name in brackets before each of its lines. A pane that continues
// its own unfinished line gets no second prefix.
#pragma once

#include "CorvelConsole.h"

#include <string>

class CommandConsole : public CorvelConsole {
public:
    void Output(const char* pane, const char* text) override;
    // Whether standard output, as far as this console wrote it, stands at
    // the start of a line.
    bool AtLineStart() const { return m_atLineStart; }

private:
    void OutputToPane(const char* pane, const char* text);

    // Where standard output stands: at a line start or not, and which named
    // pane wrote last (empty for the default pane), so that a pane's line
    // written in several pieces carries one prefix.
    bool m_atLineStart = true;
    std::string m_lastPane;
};
