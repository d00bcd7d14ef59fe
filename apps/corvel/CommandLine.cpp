#include "CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const char kUsage[] =
    "usage: corvel [-i] [--one-shot] [--time-limit SECONDS] [--memory-limit MB] [FILE | -]\n"
    "       corvel --check | --format | --dump | --highlight[=html] FILE\n"
    "       corvel --help | --version\n";

const char kHelp[] =
    "Runs scripts of the Corvel language, or offers a prompt to type them at.\n"
    "\n"
    "Running:\n"
    "  corvel FILE            run FILE; '-' reads the script from standard input\n"
    "  corvel                 with no FILE: the interactive prompt when standard input\n"
    "                         is a terminal, otherwise the script on standard input\n"
    "  -i, --interactive      the prompt, even when standard input is not a terminal;\n"
    "                         with FILE, run FILE first and keep what it defined\n"
    "  --one-shot             run once without pacing: a script stops for good at its\n"
    "                         first wait\n"
    "  --time-limit SECONDS   stop a script (at the prompt: an entry) that runs or waits\n"
    "                         longer than SECONDS\n"
    "  --memory-limit MB      end a script that holds more than MB megabytes of strings,\n"
    "                         objects and records with \"Out of memory\"\n"
    "\n"
    "At the prompt, each entry runs against the same global names, so variables and\n"
    "functions stay defined; an entry with brackets still open continues on the next\n"
    "line; the value of an expression is printed. Escape or Ctrl-C interrupts a\n"
    "running entry, Ctrl-C discards the entry being typed, Ctrl-D leaves. History is\n"
    "kept in $XDG_STATE_HOME/corvel/history (~/.local/state/corvel/history).\n"
    "\n"
    "Other modes:\n"
    "  --check FILE           parse FILE; syntax errors go to standard error as\n"
    "                         \"(line) : message\"\n"
    "  --format FILE          parse FILE and write it back: function declarations\n"
    "                         first, then the statements\n"
    "  --dump FILE            parse FILE and print the tree dump\n"
    "  --highlight FILE       write FILE in colour, for a terminal\n"
    "  --highlight=html FILE  write FILE as a standalone HTML page in the same colours\n"
    "  -h, --help             show this help\n"
    "  --version              show the version\n"
    "\n"
    "Exit status: 0 success, 1 the script has errors, 2 usage or file problems.\n";

// A positive number of seconds, as whole milliseconds (at least one).
bool ReadTimeLimit(const char* text, uint32_t& milliseconds) {
    char* end;
    double seconds = strtod(text, &end);
    if (end == text || *end != 0 || !(seconds > 0) || seconds > 4000000) return false;
    milliseconds = (uint32_t)std::max(1.0, std::round(seconds * 1000));
    return true;
}

// A positive whole number of megabytes, as bytes.
bool ReadMemoryLimit(const char* text, size_t& bytes) {
    char* end;
    errno = 0;
    unsigned long long megabytes = strtoull(text, &end, 10);
    if (end == text || *end != 0 || errno != 0 || text[0] == '-' || megabytes == 0 ||
        megabytes > (SIZE_MAX >> 20))
        return false;
    bytes = (size_t)megabytes << 20;
    return true;
}

struct ModeOption {
    const char* name;
    CommandLine::Action action;
};

const ModeOption kModes[] = {
    {"--check", CommandLine::Check},         {"--format", CommandLine::Format},
    {"--dump", CommandLine::Dump},           {"--highlight", CommandLine::Highlight},
    {"--highlight=html", CommandLine::HighlightHtml},
};

CommandLine Problem(const std::string& problem) {
    CommandLine line;
    line.action = CommandLine::UsageError;
    line.problem = problem;
    return line;
}

bool Is(const char* argument, const char* name) { return strcmp(argument, name) == 0; }

}  // namespace

const char* CommandLine::UsageText() { return kUsage; }

const char* CommandLine::HelpText() { return kHelp; }

CommandLine CommandLine::Parse(int argc, char** argv, bool inputIsTerminal) {
    CommandLine line;
    bool interactive = false, runOptions = false, optionsEnded = false;
    const char* mode = nullptr;
    for (int at = 1; at < argc; ++at) {
        const char* argument = argv[at];
        bool isOption = !optionsEnded && argument[0] == '-' && argument[1] != 0;
        if (!isOption) {
            if (line.path) return Problem(std::string("unexpected argument '") + argument + "'");
            line.path = argument;
            continue;
        }
        if (Is(argument, "--")) {
            optionsEnded = true;
        } else if (Is(argument, "-h") || Is(argument, "--help")) {
            line.action = Help;
            return line;
        } else if (Is(argument, "--version")) {
            line.action = Version;
            return line;
        } else if (Is(argument, "-i") || Is(argument, "--interactive")) {
            interactive = true;
        } else if (Is(argument, "--one-shot")) {
            line.oneShot = runOptions = true;
        } else if (Is(argument, "--time-limit") || strncmp(argument, "--time-limit=", 13) == 0) {
            const char* value = argument[12] == '=' ? argument + 13 : (at + 1 < argc ? argv[++at] : nullptr);
            if (!value) return Problem("--time-limit needs a number of seconds");
            if (!ReadTimeLimit(value, line.timeLimit))
                return Problem(std::string("--time-limit needs a positive number of seconds, not '") + value + "'");
            runOptions = true;
        } else if (Is(argument, "--memory-limit") || strncmp(argument, "--memory-limit=", 15) == 0) {
            const char* value = argument[14] == '=' ? argument + 15 : (at + 1 < argc ? argv[++at] : nullptr);
            if (!value) return Problem("--memory-limit needs a number of megabytes");
            if (!ReadMemoryLimit(value, line.memoryLimit))
                return Problem(std::string("--memory-limit needs a positive whole number of megabytes, not '") + value + "'");
            runOptions = true;
        } else {
            auto found = std::find_if(std::begin(kModes), std::end(kModes),
                                      [&](const ModeOption& option) { return Is(argument, option.name); });
            if (found == std::end(kModes)) return Problem(std::string("unknown option '") + argument + "'");
            if (mode) return Problem(std::string(argument) + " cannot be combined with " + mode);
            mode = found->name;
            line.action = found->action;
        }
    }

    if (mode) {
        if (interactive || runOptions) return Problem(std::string(mode) + " takes no run options");
        if (!line.path) return Problem(std::string(mode) + " needs a FILE");
        return line;
    }
    if (interactive) {
        if (line.path && Is(line.path, "-"))
            return Problem("-i reads entries from standard input, so the script cannot come from there");
        line.action = Prompt;
    } else if (!line.path) {
        if (inputIsTerminal) line.action = Prompt;
        else line.path = "-";
    }
    return line;
}
