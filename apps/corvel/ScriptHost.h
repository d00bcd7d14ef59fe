// The run mode of the corvel command: one script made ready to run, its
// console on the standard streams, and the session that paces it.
#pragma once

#include "CommandConsole.h"
#include "ScriptProgram.h"

#include <cstdint>
#include <string>

class CommandSession;

class ScriptHost {
public:
    enum ExitStatus { Success = 0, ScriptFailed = 1 };

    explicit ScriptHost(const char* sourceName) : m_program(sourceName) {}

    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // Syntax errors go to standard error; false when there were any.
    bool Parse(const std::string& text);
    // Environment, global object with the declared functions, session.
    void Prepare(uint32_t timeLimitMilliseconds);
    ExitStatus RunPaced();
    ExitStatus RunOnce();

private:
    ExitStatus Outcome();

    // The console outlives the program, whose session writes to it.
    CommandConsole m_console;
    ScriptProgram m_program;
    CommandSession* m_session = nullptr;  // owned by the program
};
