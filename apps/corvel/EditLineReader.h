// Lines from the terminal through libedit: emacs-style editing, recall of
// earlier lines, and a history kept across sittings in the history file.
#pragma once

#include "LineReader.h"

#include <string>

struct editline;
struct history;

class EditLineReader : public LineReader {
public:
    EditLineReader();
    ~EditLineReader() override;

    EditLineReader(const EditLineReader&) = delete;
    EditLineReader& operator=(const EditLineReader&) = delete;

    Result Read(const char* prompt, std::string& line) override;
    void AddHistory(const std::string& line) override;
    void PushBack(const std::string& text) override;

private:
    static char* PromptText(editline* editor);

    editline* m_editor;
    history* m_history;
    std::string m_historyPath;
    const char* m_prompt = "";
};
