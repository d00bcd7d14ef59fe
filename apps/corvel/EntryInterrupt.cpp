#include "EntryInterrupt.h"

#include "PlatformClock.h"
#include "PlatformKeyboard.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Shared with the signal handler.
volatile sig_atomic_t g_interrupts = 0;
volatile sig_atomic_t g_running = 0;
volatile sig_atomic_t g_terminalChanged = 0;
struct termios g_saved;

struct sigaction g_previousAction;
std::string g_typedAhead;
bool g_escapePressed = false;

void RestoreTerminal() {
    if (!g_terminalChanged) return;
    tcsetattr(STDIN_FILENO, TCSANOW, &g_saved);
    g_terminalChanged = 0;
}

}  // namespace

EntryInterrupt::EntryInterrupt(bool terminal) : m_terminal(terminal) {
    // No SA_RESTART: a read or sleep that Ctrl-C cuts short returns, so the
    // prompt notices at once.
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &g_previousAction);
}

EntryInterrupt::~EntryInterrupt() {
    RestoreTerminal();
    sigaction(SIGINT, &g_previousAction, nullptr);
}

void EntryInterrupt::OnInterrupt(int signalNumber) {
    if (g_running && g_interrupts) {
        // Asked twice: the entry does not stop, so the program does.
        RestoreTerminal();
        signal(signalNumber, SIG_DFL);
        raise(signalNumber);
        return;
    }
    g_interrupts = 1;
}

void EntryInterrupt::BeginEntry() {
    g_interrupts = 0;
    g_escapePressed = false;
    g_running = 1;
    if (!m_terminal || tcgetattr(STDIN_FILENO, &g_saved) != 0) return;
    struct termios raw = g_saved;
    raw.c_lflag &= ~(tcflag_t)(ICANON | ECHO);
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) != 0) return;
    g_terminalChanged = 1;
    PlatformSetKeySource(KeySource);
}

void EntryInterrupt::EndEntry() {
    if (g_terminalChanged) {
        PlatformSetKeySource(nullptr);
        RestoreTerminal();
    }
    g_running = 0;
    g_interrupts = 0;
}

bool EntryInterrupt::IsInterrupted() const { return g_interrupts || g_escapePressed; }

bool EntryInterrupt::TakePromptInterrupt() {
    bool interrupted = g_interrupts != 0;
    g_interrupts = 0;
    return interrupted;
}

std::string EntryInterrupt::TakeTypedAhead() {
    std::string typed;
    typed.swap(g_typedAhead);
    return typed;
}

// Waits on the terminal, so that Escape is seen while a script waits; a
// Ctrl-C cuts the wait short by itself.
void EntryInterrupt::Sleep(uint32_t milliseconds) {
    uint32_t start = PlatformTickCount();
    for (;;) {
        uint32_t elapsed = PlatformTickCount() - start;
        if (elapsed >= milliseconds || IsInterrupted()) return;
        struct pollfd input = {STDIN_FILENO, POLLIN, 0};
        int ready = poll(&input, g_terminalChanged ? 1 : 0, (int)(milliseconds - elapsed));
        if (ready > 0) ReadTypedKeys();
        if (ready < 0 && errno != EINTR) return;
    }
}

bool EntryInterrupt::KeySource(int virtualKey) {
    if (virtualKey != PlatformKeyEscape) return false;
    ReadTypedKeys();
    return g_escapePressed;
}

// An Escape byte on its own is the Escape key; one followed at once by '['
// or 'O' starts the sequence of a cursor or function key, which is kept
// with the rest of what was typed.
void EntryInterrupt::ReadTypedKeys() {
    char buffer[256];
    ssize_t count;
    while ((count = read(STDIN_FILENO, buffer, sizeof buffer)) > 0) {
        for (ssize_t i = 0; i < count; ++i) {
            bool sequence = buffer[i] == 27 && i + 1 < count && (buffer[i + 1] == '[' || buffer[i + 1] == 'O');
            if (buffer[i] == 27 && !sequence) {
                g_escapePressed = true;
                g_typedAhead.clear();
            } else {
                g_typedAhead += buffer[i];
            }
        }
    }
}
