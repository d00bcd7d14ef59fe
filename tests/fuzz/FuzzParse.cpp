// Fuzz target: the front end and what reads a tree. Any text is coloured and
// parsed; an accepted script is written back as source and dumped. The
// written source is a readable rendering, not always a script (declarations
// are written parenthesised, long strings are cut), so it is only parsed
// again as further input; writing one tree twice must give the same text.
#include "CorvelJSOutput.h"
#include "CorvelParser.h"
#include "CorvelTokenColour.h"
#include "CorvelTree.h"
#include "FuzzHost.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool ParseText(CorvelParser& parser, const std::string& text) {
    QelString errors;
    bool accepted = parser.Parse(text.c_str(), errors);
    return accepted && parser.GetErrorCount() == 0;
}

std::string WriteSource(CorvelParser& parser) {
    CorvelJSOutput output;
    QelPtrList<CorvelFunctionDefinition*>* functions = parser.GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;) functions->GetNext(at)->WriteECMAScript(&output);
    if (CorvelStatementList* tree = parser.GetTree()) tree->WriteECMAScript(&output);
    return output.GetOutput();
}

void DumpTree(CorvelParser& parser) {
    static FILE* sink = fopen("/dev/null", "w");
    if (!sink) return;
    CorvelTreeElement::SetDebugStream(sink);
    if (CorvelStatementList* tree = parser.GetTree()) tree->Debug(0);
    QelPtrList<CorvelFunctionDefinition*>* functions = parser.GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;) functions->GetNext(at)->Debug(0);
    CorvelTreeElement::CloseDebug();
}

void Colour(const std::string& text) {
    size_t covered = 0;
    CorvelTokenColour::ColourText(text, [&](std::string_view line, const std::vector<CorvelTokenColour::Run>& runs) {
        for (const CorvelTokenColour::Run& run : runs)
            if (run.start > run.end || (size_t)run.end > line.size()) abort();
        covered += line.size();
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text = FuzzText(data, size);
    Colour(text);
    FuzzHost host;
    CorvelParser parser("fuzz.js");
    if (!ParseText(parser, text)) return 0;
    std::string written = WriteSource(parser);
    DumpTree(parser);

    if (WriteSource(parser) != written) abort();

    CorvelParser again("fuzz.js");
    if (ParseText(again, written)) WriteSource(again);
    return 0;
}
