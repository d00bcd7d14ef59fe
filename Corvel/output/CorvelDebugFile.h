// CorvelDebugFile: the text file that tree dumps go to, one per thread. It
// is opened (and truncated) on first use and stays open until Close.
#pragma once

#include <cstdarg>
#include <cstdio>

class CorvelDebugFile {
public:
    // Both close an open dump first. A null or empty path means the
    // default, "ScriptDebug.txt" in the current directory.
    static void SetPath(const char* path);
    // Dumps go to `stream` (which stays the caller's) until it is set back
    // to null.
    static void SetStream(FILE* stream);

    // ". " per indent level (beyond kMostIndentMarks levels "[level] "),
    // then the formatted text. Writes nothing when the file cannot be
    // opened.
    static void WriteV(int indent, const char* format, va_list args);
    static void Close();

    static const int kMostIndentMarks = 1000;

private:
    static bool Open();
};
