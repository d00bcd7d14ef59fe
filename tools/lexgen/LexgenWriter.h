// Writes the C++ source of a lexer: its tables, the engine template over
// them and the action member function with the rules' code.
#pragma once

#include "LexgenRules.h"
#include "LexgenTables.h"

#include <string>

class LexgenWriter {
public:
    // The same rules and tables always give the same text.
    static std::string Write(const LexgenRules& rules, const LexgenTables& tables);
};
