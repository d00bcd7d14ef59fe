#include "SourceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool ReadAll(FILE* file, std::string& text) {
    char block[65536];
    size_t count;
    while ((count = fread(block, 1, sizeof block, file)) > 0) text.append(block, count);
    return !ferror(file);
}

}  // namespace

bool SourceFile::Read(const char* path, std::string& text, std::string& problem) {
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
