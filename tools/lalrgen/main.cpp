// lalrgen GRAMMAR OUTPUT: writes the parse tables and actions of GRAMMAR as a
// C++ source file. OUTPUT is left untouched when its text would not change.
#include "LalrAutomaton.h"
#include "LalrGrammarReader.h"
#include "LalrTableWriter.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lalrgen GRAMMAR OUTPUT\n";
        return 2;
    }
    std::string text;
    if (!ReadFile(argv[1], text)) {
        std::cerr << "lalrgen: cannot read " << argv[1] << "\n";
        return 1;
    }
    LalrGrammar grammar;
    std::string error;
    if (!LalrGrammarReader::Read(text, BaseName(argv[1]), grammar, error)) {
        std::cerr << "lalrgen: " << error << "\n";
        return 1;
    }
    LalrAutomaton automaton(grammar);
    if (!automaton.Build(error)) {
        std::cerr << "lalrgen: " << grammar.fileName << ": the grammar is not LALR(1):\n" << error;
        return 1;
    }
    std::string output;
    LalrTableWriter writer(grammar, automaton);
    if (!writer.Write(output, error)) {
        std::cerr << "lalrgen: " << error << "\n";
        return 1;
    }
    std::string existing;
    if (ReadFile(argv[2], existing) && existing == output) return 0;
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << output;
    out.close();
    if (!out) {
        std::cerr << "lalrgen: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
