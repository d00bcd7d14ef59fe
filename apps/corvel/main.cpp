// corvel: the command-line host. Runs scripts, offers an interactive prompt,
// and checks, formats, dumps and colours scripts.
#include "CommandLine.h"
#include "CorvelParser.h"
#include "CorvelTree.h"
#include "CorvelVersion.h"
#include "Prompt.h"
#include "ScriptHighlighter.h"
#include "ScriptHost.h"
#include "SourceFile.h"
#include "StreamOutput.h"
#include "TerminalEscapeKey.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

enum Mode { Check, Format, Dump };

int Fail(const std::string& message) {
    fprintf(stderr, "corvel: %s\n", message.c_str());
    return 2;
}

// False when the text could not all be written.
bool WriteSource(CorvelParser& parser) {
    StreamOutput output(stdout);
    QelPtrList<CorvelFunctionDefinition*>* functions = parser.GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;)
        functions->GetNext(at)->WriteECMAScript(&output);
    if (CorvelStatementList* tree = parser.GetTree()) tree->WriteECMAScript(&output);
    return output.Flush();
}

void DumpTree(CorvelParser& parser) {
    CorvelTreeElement::SetDebugStream(stdout);
    if (CorvelStatementList* tree = parser.GetTree()) tree->Debug(0);
    QelPtrList<CorvelFunctionDefinition*>* functions = parser.GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;) functions->GetNext(at)->Debug(0);
    CorvelTreeElement::CloseDebug();
}

int RunScript(const CommandLine& options) {
    std::string text, problem;
    if (!SourceFile::Read(options.path, text, problem)) return Fail(problem);
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
    if (!SourceFile::Read(path, text, problem)) return Fail(problem);

    CorvelParser parser(path);
    QelString errors;
    bool accepted = parser.Parse(text.c_str(), errors);
    fputs(errors.GetText(), stderr);
    if (!accepted || parser.GetErrorCount() != 0) return 1;

    bool written = true;
    if (mode == Format) written = WriteSource(parser);
    else if (mode == Dump) DumpTree(parser);
    return fflush(stdout) == 0 && written ? 0 : 1;
}

int Highlight(ScriptHighlighter::Format format, const char* path) {
    std::string text, problem;
    if (!SourceFile::Read(path, text, problem)) return Fail(problem);
    ScriptHighlighter::Write(text, format, strcmp(path, "-") == 0 ? "standard input" : path, stdout);
    return fflush(stdout) == 0 ? 0 : 1;
}

// The library's own version is named too when it is not the one corvel
// was built with.
int ShowVersion() {
    printf("corvel %s", CORVEL_VERSION);
    if (strcmp(CorvelLibraryVersion(), CORVEL_VERSION) != 0) printf(" (library %s)", CorvelLibraryVersion());
    putchar('\n');
    return fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine options = CommandLine::Parse(argc, argv, isatty(STDIN_FILENO) != 0);
    switch (options.action) {
    case CommandLine::Help:
        fputs(CommandLine::UsageText(), stdout);
        putchar('\n');
        fputs(CommandLine::HelpText(), stdout);
        return fflush(stdout) == 0 ? 0 : 1;
    case CommandLine::Version: return ShowVersion();
    case CommandLine::UsageError:
        fprintf(stderr, "corvel: %s\n%s", options.problem.c_str(), CommandLine::UsageText());
        return 2;
    case CommandLine::Prompt: return Prompt::Run(options);
    case CommandLine::Check: return FrontEnd(Check, options.path);
    case CommandLine::Format: return FrontEnd(Format, options.path);
    case CommandLine::Dump: return FrontEnd(Dump, options.path);
    case CommandLine::Highlight: return Highlight(ScriptHighlighter::Ansi, options.path);
    case CommandLine::HighlightHtml: return Highlight(ScriptHighlighter::Html, options.path);
    case CommandLine::Run: break;
    }
    return RunScript(options);
}
