#include "TerminalEscapeKey.h"

#include "PlatformKeyboard.h"

#include <csignal>
#include <cstdlib>
#include <termios.h>
#include <unistd.h>

namespace {

const int kTerminatingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

struct termios g_saved;
volatile sig_atomic_t g_changed = 0;

}  // namespace

TerminalEscapeKey::TerminalEscapeKey() {
    if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &g_saved) != 0) return;
    struct termios raw = g_saved;
    raw.c_lflag &= ~(tcflag_t)(ICANON | ECHO);
    // Reads return at once with whatever has arrived, possibly nothing.
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    static bool exitHookInstalled = false;
    if (!exitHookInstalled) exitHookInstalled = atexit(Restore) == 0;
    for (int signalNumber : kTerminatingSignals) signal(signalNumber, RestoreOnSignal);
    if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) != 0) return;
    g_changed = 1;
    m_active = true;
    PlatformSetKeySource(KeySource);
}

TerminalEscapeKey::~TerminalEscapeKey() {
    if (!m_active) return;
    PlatformSetKeySource(nullptr);
    Restore();
    for (int signalNumber : kTerminatingSignals) signal(signalNumber, SIG_DFL);
}

// Everything typed since the last look is consumed; Escape anywhere in it
// counts as a press.
bool TerminalEscapeKey::KeySource(int virtualKey) {
    if (virtualKey != PlatformKeyEscape) return false;
    bool pressed = false;
    unsigned char buffer[64];
    ssize_t count;
    while ((count = read(STDIN_FILENO, buffer, sizeof buffer)) > 0)
        for (ssize_t i = 0; i < count; ++i) pressed = pressed || buffer[i] == 27;
    return pressed;
}

void TerminalEscapeKey::Restore() {
    if (!g_changed) return;
    tcsetattr(STDIN_FILENO, TCSANOW, &g_saved);
    g_changed = 0;
}

void TerminalEscapeKey::RestoreOnSignal(int signalNumber) {
    Restore();
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}
