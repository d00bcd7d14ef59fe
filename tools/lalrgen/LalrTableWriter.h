// Packs the automaton into the engine's compact tables and writes them, with
// the rule actions and destructors, as one C++ source file.
#pragma once

#include "LalrAutomaton.h"
#include "LalrGrammar.h"

#include <string>

class LalrTableWriter {
public:
    LalrTableWriter(const LalrGrammar& grammar, const LalrAutomaton& automaton)
        : m_grammar(grammar), m_automaton(automaton) {}

    // False with a message when an action is malformed or the tables
    // outgrow the engine's 16-bit entries.
    bool Write(std::string& output, std::string& error);

private:
    struct Packed;

    bool CheckRules(std::string& error) const;
    bool Pack(Packed& packed, std::string& error) const;
    void WriteTables(std::string& out, const Packed& packed) const;
    void WriteActions(std::string& out) const;
    void WriteDestructors(std::string& out, const Packed& packed) const;
    // Replaces $$ and $n in `code`; false with a message on a bad reference.
    bool Substitute(const std::string& code, int rule, std::string& result, std::string& error) const;
    std::string DestructorCode(int symbol) const;

    const LalrGrammar& m_grammar;
    const LalrAutomaton& m_automaton;
};
