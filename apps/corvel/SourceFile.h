// Reads a script: a file, or standard input for "-".
#pragma once

#include <string>

class SourceFile {
public:
    // False, with a one-line `problem`, when the text cannot be read.
    static bool Read(const char* path, std::string& text, std::string& problem);
};
