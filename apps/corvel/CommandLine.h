// The corvel command's arguments: which mode, which file, which run
// options, or what was wrong with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct CommandLine {
    enum Action { Run, Prompt, Check, Format, Dump, Highlight, HighlightHtml, Help, Version, UsageError };

    Action action = Run;
    // Run: the script ("-" for standard input). Prompt: a script to run
    // before the first entry, or null. Other modes: the file they read.
    const char* path = nullptr;
    bool oneShot = false;
    uint32_t timeLimit = 0;  // milliseconds, 0 for none
    size_t memoryLimit = 0;  // bytes, 0 for none
    std::string problem;     // UsageError: what was wrong

    // With no file, standard input is the script unless it is a terminal,
    // in which case the prompt starts.
    static CommandLine Parse(int argc, char** argv, bool inputIsTerminal);

    static const char* UsageText();
    static const char* HelpText();
};
