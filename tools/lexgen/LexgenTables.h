// An automaton in the lexing engine's table format (see yymlex.h): byte
// classes, comb-packed transitions with default rows, and match lists.
#pragma once

#include "LexgenAutomaton.h"
#include "LexgenRules.h"
#include "yymlex.h"

#include <map>
#include <utility>
#include <vector>

class LexgenTables {
public:
    // Throws LexgenError when the tables do not fit the engine's 16-bit entries.
    LexgenTables(const LexgenRules& rules, const LexgenAutomaton& automaton);

    const std::vector<unsigned char>& GetClasses() const { return m_classes; }
    const std::vector<yymlextransition>& GetTransitions() const { return m_transitions; }
    const std::vector<short>& GetMatches() const { return m_matches; }
    const std::vector<yymlexstate>& GetStates() const { return m_states; }
    // The packed transitions unpacked again: row * class count + class.
    const std::vector<short>& GetRows() const { return m_unpacked; }
    int GetClassCount() const { return m_classCount; }

    // An engine template over these tables, without an action callback.
    // It points into this object.
    yymlex MakeTemplate() const;

private:
    struct Row {
        int def = 0;
        std::vector<std::pair<int, int>> entries;  // byte class, next row
        int match = 0;
        std::vector<int> full;  // every class's next row, for rows other rows may default to
    };

    int RowOf(int dfaState) const;
    int MatchOf(const std::vector<int>& actions);
    void AddStartRows(const LexgenRules& rules, const LexgenAutomaton& automaton);
    void AddStateRow(const LexgenAutomaton& automaton, int state);
    void Pack();
    void Unpack();

    int m_conditionCount = 0;
    std::vector<Row> m_rows;
    std::map<std::vector<int>, int> m_matchLists;
    std::vector<unsigned char> m_classes;
    std::vector<yymlextransition> m_transitions;
    std::vector<short> m_matches{0};
    std::vector<yymlexstate> m_states;
    std::vector<short> m_unpacked;
    int m_classCount = 0;
};
