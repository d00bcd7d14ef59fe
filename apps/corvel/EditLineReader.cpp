#include "EditLineReader.h"

#include "HistoryFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <histedit.h>
#include <unistd.h>

namespace {

const int kHistorySize = 1000;

}  // namespace

EditLineReader::EditLineReader()
    : m_editor(el_init("corvel", stdin, stdout, stderr)), m_history(history_init()),
      m_historyPath(HistoryFile::Locate()) {
    HistEvent event;
    history(m_history, &event, H_SETSIZE, kHistorySize);
    // The same line entered twice in a row is kept once.
    history(m_history, &event, H_SETUNIQUE, 1);
    if (!m_historyPath.empty()) history(m_history, &event, H_LOAD, m_historyPath.c_str());

    el_set(m_editor, EL_EDITOR, "emacs");
    // The editor puts the terminal right again around signals (Ctrl-C
    // included, which it then passes on) and follows window size changes.
    el_set(m_editor, EL_SIGNAL, 1);
    el_set(m_editor, EL_CLIENTDATA, this);
    el_set(m_editor, EL_PROMPT, PromptText);
    el_set(m_editor, EL_HIST, history, m_history);
    // The user's own ~/.editrc, as other programs built on the editor read.
    el_source(m_editor, nullptr);
}

EditLineReader::~EditLineReader() {
    el_end(m_editor);
    history_end(m_history);
}

char* EditLineReader::PromptText(editline* editor) {
    EditLineReader* reader = nullptr;
    el_get(editor, EL_CLIENTDATA, &reader);
    return const_cast<char*>(reader ? reader->m_prompt : "");
}

LineReader::Result EditLineReader::Read(const char* prompt, std::string& line) {
    m_prompt = prompt;
    int count = 0;
    errno = 0;
    const char* text = el_gets(m_editor, &count);
    if (!text) {
        if (count < 0 && errno == EINTR) {
            // The editor keeps a line cut short; the next one starts empty.
            el_reset(m_editor);
            fputc('\n', stdout);
            fflush(stdout);
            return Interrupted;
        }
        return EndOfInput;
    }
    line.assign(text, (size_t)count);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return Line;
}

// Saved at once, so that no line is lost if the program is ended.
void EditLineReader::AddHistory(const std::string& line) {
    HistEvent event;
    history(m_history, &event, H_ENTER, line.c_str());
    if (m_historyPath.empty()) return;
    // Created private to the user: the history may hold anything typed.
    int file = open(m_historyPath.c_str(), O_WRONLY | O_CREAT, 0600);
    if (file >= 0) close(file);
    history(m_history, &event, H_SAVE, m_historyPath.c_str());
}

void EditLineReader::PushBack(const std::string& text) {
    if (!text.empty()) el_push(m_editor, text.c_str());
}
