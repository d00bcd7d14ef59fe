// The run mode of the corvel command: the host application object with its
// script environment, one parsed script, its global object and session.
#pragma once

#include "CommandConsole.h"
#include "CorvelEnvironment.h"
#include "QelApp.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CommandSession;
class CorvelGlobalObject;
class CorvelParser;

class ScriptHost : public QelApp {
public:
    enum ExitStatus { Success = 0, ScriptFailed = 1 };

    explicit ScriptHost(const char* sourceName);
    // Tears down in dependency order: session, global object, parser,
    // environment.
    ~ScriptHost() override;

    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    CorvelEnvironment* GetScriptEnvironment() override { return &m_environment; }

    // Syntax errors go to standard error; false when there were any.
    bool Parse(const std::string& text);
    // Environment, global object with the declared functions, session.
    // A memory limit of 0 leaves the scripts' memory unbounded.
    void Prepare(uint32_t timeLimitMilliseconds, size_t memoryLimitBytes = 0);
    ExitStatus RunPaced();
    ExitStatus RunOnce();

private:
    void DeclareFunctions();
    ExitStatus Outcome();

    CorvelEnvironment m_environment;
    CorvelParser* m_parser;
    CorvelGlobalObject* m_globalObject = nullptr;
    CommandConsole m_console;
    CommandSession* m_session = nullptr;
};
