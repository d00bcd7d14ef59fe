#include "SourceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

// A regular file is read straight into a string of its size: grown block by
// block, a long script was copied into ever larger strings, each on fresh
// pages. Pipes and files that change meanwhile are read on in blocks.
bool ReadAll(FILE* file, std::string& text) {
    struct stat status;
    if (fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        text.resize((size_t)status.st_size);
        size_t count = fread(&text[0], 1, text.size(), file);
        text.resize(count);
        if (count < (size_t)status.st_size) return !ferror(file);
    }
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
