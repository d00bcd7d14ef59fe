// lexgen RULES OUTPUT: turns a rules file into the C++ source of its lexer.
#include "LexgenAutomaton.h"
#include "LexgenError.h"
#include "LexgenRules.h"
#include "LexgenTables.h"
#include "LexgenWriter.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lexgen RULES OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "lexgen: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    try {
        LexgenRules rules;
        rules.Read(text.str(), argv[1]);
        LexgenAutomaton automaton(rules);
        LexgenTables tables(rules, automaton);
        std::string source = LexgenWriter::Write(rules, tables);
        std::ofstream out(argv[2], std::ios::binary);
        out << source;
        if (!out.flush()) {
            std::cerr << "lexgen: cannot write " << argv[2] << "\n";
            return 1;
        }
    } catch (const LexgenError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
