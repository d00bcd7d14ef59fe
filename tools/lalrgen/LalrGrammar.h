// The grammar as the generator sees it: symbols, rules and the declarations
// that shape the emitted code.
#pragma once

#include <string>
#include <vector>

struct LalrSymbol {
    std::string name;
    std::string alias;  // quoted spelling usable in rules, may be empty
    bool terminal = false;
    int token = -1;          // terminals: the token number
    std::string type;        // C++ type of the value, empty = no value
    int destructor = -1;     // index into LalrGrammar::destructors
    bool preferShift = false;  // shift/reduce conflicts on this token resolve as shift
    int line = 0;
};

struct LalrRule {
    int lhs = -1;
    std::vector<int> rhs;
    std::string action;  // C++ code, empty = none
    int line = 0;
};

struct LalrGrammar {
    // Terminals come first: $end (token 0), error (token 256), then the
    // declared tokens; nonterminals follow, $accept first.
    std::vector<LalrSymbol> symbols;
    int terminalCount = 0;
    // Rule 0 is $accept : start.
    std::vector<LalrRule> rules;
    std::vector<std::string> destructors;
    std::string name;            // prefix of the exported tables
    std::string tokenNamespace;  // when set, token numbers are checked against it
    std::string prologue;
    std::string afterAction;     // runs after every action whose left side owns a value
    std::string fileName;        // base name, for messages and the header comment

    bool IsTerminal(int symbol) const { return symbol < terminalCount; }
    int NonterminalIndex(int symbol) const { return symbol - terminalCount; }
    // The name as written in rules: the alias when there is one.
    std::string Spelling(int symbol) const;
    std::string RuleText(int rule, int dot = -1) const;
};
