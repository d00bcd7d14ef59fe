#include "PlainLineReader.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

bool PlainLineReader::TakePendingLine(std::string& line) {
    size_t end = m_pending.find('\n');
    if (end == std::string::npos) return false;
    line.assign(m_pending, 0, end);
    m_pending.erase(0, end + 1);
    return true;
}

// Reads with read(2) rather than stdio so that a Ctrl-C, which interrupts
// the read, leaves nothing half-buffered behind.
LineReader::Result PlainLineReader::Read(const char* prompt, std::string& line) {
    fflush(stdout);
    fputs(prompt, stderr);
    for (;;) {
        if (TakePendingLine(line)) return Line;
        char buffer[4096];
        ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            m_pending.clear();
            fputc('\n', stderr);
            return Interrupted;
        }
        if (count <= 0) {
            // A last line without a line break still counts.
            if (m_pending.empty()) return EndOfInput;
            line.swap(m_pending);
            m_pending.clear();
            return Line;
        }
        m_pending.append(buffer, (size_t)count);
    }
}
