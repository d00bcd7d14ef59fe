// Lets the user press Escape to make a long-running script yield. When
// standard input is a terminal, it is switched to non-canonical input
// without echo and read without blocking whenever the engine asks for the
// Escape key; the terminal's settings come back when this object goes, at
// exit, and on the usual terminating signals.
#pragma once

class TerminalEscapeKey {
public:
    TerminalEscapeKey();
    ~TerminalEscapeKey();

    TerminalEscapeKey(const TerminalEscapeKey&) = delete;
    TerminalEscapeKey& operator=(const TerminalEscapeKey&) = delete;

private:
    static bool KeySource(int virtualKey);
    static void Restore();
    static void RestoreOnSignal(int signalNumber);

    bool m_active = false;
};
