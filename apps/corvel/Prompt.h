// The interactive prompt: reads entries (continuing while brackets are
// open), runs each against the sitting's global object, keeps the lines in
// the history, and goes on after errors and interruptions until Ctrl-D or
// the end of input.
#pragma once

#include <cstdint>

struct CommandLine;

class Prompt {
public:
    // Runs the file given with -i first, if any. Answers the exit status:
    // 0, or 2 when that file cannot be read.
    static int Run(const CommandLine& options);
};
