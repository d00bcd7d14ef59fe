// Lines from standard input, the prompt on standard error (so standard
// output carries only what the scripts write).
#pragma once

#include "LineReader.h"

class PlainLineReader : public LineReader {
public:
    Result Read(const char* prompt, std::string& line) override;
    void PushBack(const std::string& text) override { m_pending.insert(0, text); }

private:
    bool TakePendingLine(std::string& line);

    std::string m_pending;
};
