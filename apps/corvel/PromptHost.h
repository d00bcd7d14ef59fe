// The script side of the interactive prompt: one environment and one global
// object for the whole sitting, against which every entry is parsed and
// run, so that what one entry defines the next can use. Entries run in
// paced time slices (waits are slept through) and can be interrupted.
#pragma once

#include "CommandConsole.h"
#include "CorvelEnvironment.h"
#include "QelApp.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CorvelGlobalObject;
class CorvelParser;
class CorvelValue;
class EntryInterrupt;

class PromptHost : public QelApp {
public:
    enum Outcome { Finished, Failed, Interrupted, TimeLimitReached };

    // A memory limit of 0 sets none.
    PromptHost(EntryInterrupt& interrupt, bool oneShot, uint32_t timeLimitMilliseconds, size_t memoryLimitBytes = 0);
    ~PromptHost() override;

    PromptHost(const PromptHost&) = delete;
    PromptHost& operator=(const PromptHost&) = delete;

    CorvelEnvironment* GetScriptEnvironment() override { return &m_environment; }

    // Parses and runs one entry typed at the prompt; the value of a final
    // expression statement is printed (unless undefined).
    Outcome RunEntry(const std::string& text);
    // Runs a whole script (the file given with -i) the same way, without
    // printing a value.
    Outcome RunScript(const std::string& text, const char* sourceName);

    // How a value is shown at the prompt: strings quoted, the rest as the
    // language converts it to a string.
    static std::string Describe(const CorvelValue& value);

private:
    Outcome Run(const std::string& text, const char* sourceName, bool printValue);
    bool Parse(CorvelParser& parser, const std::string& text);
    void DeclareFunctions(CorvelParser& parser);
    void Print(const std::string& line);

    EntryInterrupt& m_interrupt;
    bool m_oneShot;
    uint32_t m_timeLimit;
    CommandConsole m_console;
    CorvelEnvironment m_environment;
    CorvelGlobalObject* m_globalObject = nullptr;
    // Every parse is kept: the functions an entry declares refer to its tree.
    std::vector<std::unique_ptr<CorvelParser>> m_parsers;
    int m_entries = 0;
};
