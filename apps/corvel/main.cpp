// corvel: the command-line host. Checks, formats and dumps scripts.
#include "CorvelJSOutput.h"
#include "CorvelParser.h"
#include "CorvelTree.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char kUsage[] =
    "usage: corvel --check FILE | --format FILE | --dump FILE   (FILE '-' reads standard input)";

enum Mode { Check, Format, Dump };

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail(kUsage);
    Mode mode;
    if (strcmp(argv[1], "--check") == 0) mode = Check;
    else if (strcmp(argv[1], "--format") == 0) mode = Format;
    else if (strcmp(argv[1], "--dump") == 0) mode = Dump;
    else return Fail(kUsage);

    const char* path = argv[2];
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
