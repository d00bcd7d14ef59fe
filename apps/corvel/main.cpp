// corvel: the command-line host. Runs scripts, and checks, formats and
// dumps them.
#include "CorvelJSOutput.h"
#include "CorvelParser.h"
#include "CorvelTree.h"
#include "ScriptHighlighter.h"
#include "ScriptHost.h"
#include "TerminalEscapeKey.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kUsage[] =
    "usage: corvel [--one-shot] [--time-limit SECONDS] [--memory-limit MB] FILE | --check FILE | --format FILE | --dump FILE"
    " | --highlight[=html] FILE   (FILE '-' reads standard input)";

enum Mode { Check, Format, Dump };

struct RunOptions {
    bool oneShot = false;
    uint32_t timeLimit = 0;  // milliseconds, 0 for none
    size_t memoryLimit = 0;  // bytes, 0 for none
    const char* path = nullptr;
};

int Fail(const std::string& message) {
    fprintf(stderr, "corvel: %s\n", message.c_str());
    return 2;
}

bool ReadAll(FILE* file, std::string& text) {
    char block[65536];
    size_t count;
    while ((count = fread(block, 1, sizeof block, file)) > 0) text.append(block, count);
    return !ferror(file);
}

bool ReadSource(const char* path, std::string& text, std::string& problem) {
    if (strcmp(path, "-") == 0) {
        if (ReadAll(stdin, text)) return true;
        problem = "cannot read standard input";
        return false;
    }
    FILE* file = fopen(path, "rb");
    if (!file) {
        problem = std::string("cannot open ") + path + ": " + strerror(errno);
        return false;
    }
    bool ok = ReadAll(file, text);
    fclose(file);
    if (!ok) problem = std::string("cannot read ") + path;
    return ok;
}

void WriteSource(CorvelParser& parser) {
    CorvelJSOutput output;
    QelPtrList<CorvelFunctionDefinition*>* functions = parser.GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;)
        functions->GetNext(at)->WriteECMAScript(&output);
    if (CorvelStatementList* tree = parser.GetTree()) tree->WriteECMAScript(&output);
    fputs(output.GetOutput(), stdout);
}

void DumpTree(CorvelParser& parser) {
    CorvelTreeElement::SetDebugStream(stdout);
    if (CorvelStatementList* tree = parser.GetTree()) tree->Debug(0);
    QelPtrList<CorvelFunctionDefinition*>* functions = parser.GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;) functions->GetNext(at)->Debug(0);
    CorvelTreeElement::CloseDebug();
}

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

bool ReadRunOptions(int argc, char** argv, RunOptions& options) {
    int at = 1;
    for (; at < argc - 1; ++at) {
        if (strcmp(argv[at], "--one-shot") == 0) {
            options.oneShot = true;
        } else if (strcmp(argv[at], "--time-limit") == 0 && at + 2 < argc) {
            if (!ReadTimeLimit(argv[++at], options.timeLimit)) return false;
        } else if (strcmp(argv[at], "--memory-limit") == 0 && at + 2 < argc) {
            if (!ReadMemoryLimit(argv[++at], options.memoryLimit)) return false;
        } else {
            return false;
        }
    }
    if (at != argc - 1) return false;
    options.path = argv[at];
    // A lone "-" is standard input; other option-like names are mistakes.
    return options.path[0] != '-' || strcmp(options.path, "-") == 0;
}

int RunScript(const RunOptions& options) {
    std::string text, problem;
    if (!ReadSource(options.path, text, problem)) return Fail(problem);
    ScriptHost host(options.path);
    if (!host.Parse(text)) return 1;
    host.Prepare(options.timeLimit, options.memoryLimit);
    ScriptHost::ExitStatus status;
    {
        TerminalEscapeKey escapeKey;
        status = options.oneShot ? host.RunOnce() : host.RunPaced();
    }
    return fflush(stdout) == 0 ? status : 1;
}

int FrontEnd(Mode mode, const char* path) {
    std::string text, problem;
    if (!ReadSource(path, text, problem)) return Fail(problem);

    CorvelParser parser(path);
    QelString errors;
    bool accepted = parser.Parse(text.c_str(), errors);
    fputs(errors.GetText(), stderr);
    if (!accepted || parser.GetErrorCount() != 0) return 1;

    if (mode == Format) WriteSource(parser);
    else if (mode == Dump) DumpTree(parser);
    return fflush(stdout) == 0 ? 0 : 1;
}

int Highlight(ScriptHighlighter::Format format, const char* path) {
    std::string text, problem;
    if (!ReadSource(path, text, problem)) return Fail(problem);
    ScriptHighlighter::Write(text, format, strcmp(path, "-") == 0 ? "standard input" : path, stdout);
    return fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3) {
        if (strcmp(argv[1], "--check") == 0) return FrontEnd(Check, argv[2]);
        if (strcmp(argv[1], "--format") == 0) return FrontEnd(Format, argv[2]);
        if (strcmp(argv[1], "--dump") == 0) return FrontEnd(Dump, argv[2]);
        if (strcmp(argv[1], "--highlight") == 0) return Highlight(ScriptHighlighter::Ansi, argv[2]);
        if (strcmp(argv[1], "--highlight=html") == 0) return Highlight(ScriptHighlighter::Html, argv[2]);
    }
    RunOptions options;
    if (argc < 2 || !ReadRunOptions(argc, argv, options)) return Fail(kUsage);
    return RunScript(options);
}
