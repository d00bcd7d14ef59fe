#include "Prompt.h"

#include "CommandLine.h"
#include "EntryInterrupt.h"
#include "EntryScanner.h"
#include "LineReader.h"
#include "PromptHost.h"
#include "SourceFile.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const char kPrompt[] = "> ";
const char kContinuation[] = "... ";

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

void Report(PromptHost::Outcome outcome) {
    fflush(stdout);
    if (outcome == PromptHost::Interrupted) fputs("interrupted\n", stderr);
    else if (outcome == PromptHost::TimeLimitReached) fputs("corvel: time limit reached\n", stderr);
}

// One entry: the first line and as many more as its open brackets need.
// False at the end of input.
bool ReadEntry(LineReader& reader, EntryInterrupt& interrupt, std::string& entry) {
    entry.clear();
    std::string line;
    for (;;) {
        LineReader::Result result = reader.Read(entry.empty() ? kPrompt : kContinuation, line);
        if (result == LineReader::EndOfInput) {
            // Ctrl-D within an entry leaves the prompt too, with a fresh line.
            if (!entry.empty()) fputc('\n', stdout);
            return false;
        }
        if (result == LineReader::Interrupted) {
            interrupt.TakePromptInterrupt();
            entry.clear();
            continue;
        }
        if (!IsBlank(line)) reader.AddHistory(line);
        entry += line;
        entry += '\n';
        if (IsBlank(entry)) entry.clear();
        else if (EntryScanner::IsComplete(entry)) return true;
    }
}

}  // namespace

int Prompt::Run(const CommandLine& options) {
    bool terminal = isatty(STDIN_FILENO) != 0;
    EntryInterrupt interrupt(terminal);
    PromptHost host(interrupt, options.oneShot, options.timeLimit, options.memoryLimit);
    if (options.path) {
        std::string text, problem;
        if (!SourceFile::Read(options.path, text, problem)) {
            fprintf(stderr, "corvel: %s\n", problem.c_str());
            return 2;
        }
        Report(host.RunScript(text, options.path));
    }

    std::unique_ptr<LineReader> reader = LineReader::Open(terminal);
    std::string entry;
    while (ReadEntry(*reader, interrupt, entry)) {
        Report(host.RunEntry(entry));
        reader->PushBack(interrupt.TakeTypedAhead());
    }
    fflush(stdout);
    return 0;
}
