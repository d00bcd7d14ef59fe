// Where the prompt's lines come from: a line editor with history on a
// terminal (when the build has libedit), otherwise plain lines read from
// standard input with the prompt written to standard error.
#pragma once

#include <memory>
#include <string>

class LineReader {
public:
    enum Result { Line, Interrupted, EndOfInput };

    virtual ~LineReader() = default;

    // Shows `prompt` and reads one line, without its line break.
    // Interrupted: Ctrl-C was pressed while reading.
    virtual Result Read(const char* prompt, std::string& line) = 0;
    // Remembers a line for recall, also in later sittings where supported.
    virtual void AddHistory(const std::string& line) { (void)line; }
    // Text to be read before anything typed from now on.
    virtual void PushBack(const std::string& text) = 0;

    // The line editor when `terminal` and the build has one.
    static std::unique_ptr<LineReader> Open(bool terminal);
    // Whether this build edits lines and keeps history.
    static bool HasLineEditing();
};
