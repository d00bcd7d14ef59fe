#include "CorvelDebugFile.h"

#include "QelString.h"

#include <ctime>

namespace {

const char kDefaultPath[] = "ScriptDebug.txt";

// Per thread, like everything a host's scripts use.
thread_local FILE* g_file = nullptr;        // the open dump, null while closed
thread_local bool g_ownsFile = false;       // false for a stream the host handed over
thread_local bool g_openFailed = false;     // no retry per line; Close or a new target resets it
thread_local FILE* g_hostStream = nullptr;  // set by SetStream
thread_local QelString g_path;              // empty: the default path

}  // namespace

void CorvelDebugFile::SetPath(const char* path) {
    Close();
    g_path = path;
}

void CorvelDebugFile::SetStream(FILE* stream) {
    Close();
    g_hostStream = stream;
}

bool CorvelDebugFile::Open() {
    if (g_file) return true;
    if (g_openFailed) return false;
    if (g_hostStream) {
        g_file = g_hostStream;
        g_ownsFile = false;
    } else {
        g_file = fopen(g_path.IsEmpty() ? kDefaultPath : g_path.GetText(), "w");
        g_ownsFile = true;
    }
    if (!g_file) {
        g_openFailed = true;
        return false;
    }
    time_t now = time(nullptr);
    const char* started = ctime(&now);
    fprintf(g_file, "Parz5 Script Parse Debug Output : Started:- %s\n\n", started ? started : "\n");
    return true;
}

// Deeper than the parser ever allowed nesting before chains were walked in
// loops, the level is written as a number: marks for every level of a chain
// a hundred thousand links long would make the dump grow with the square of
// its length.
void CorvelDebugFile::WriteV(int indent, const char* format, va_list args) {
    if (!Open()) return;
    if (indent > kMostIndentMarks)
        fprintf(g_file, "[%d] ", indent);
    else
        for (int i = 0; i < indent; ++i) fputs(". ", g_file);
    vfprintf(g_file, format, args);
}

void CorvelDebugFile::Close() {
    if (g_file) {
        if (g_ownsFile)
            fclose(g_file);
        else
            fflush(g_file);
    }
    g_file = nullptr;
    g_ownsFile = false;
    g_openFailed = false;
}
