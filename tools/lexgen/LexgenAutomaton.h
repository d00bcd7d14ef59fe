// The minimal deterministic automaton of a rules file: an NFA per start
// condition built from the patterns, joined into one DFA over byte classes by
// subset construction, then minimised.
#pragma once

#include "LexgenRules.h"

#include <bitset>
#include <vector>

class LexgenAutomaton {
public:
    explicit LexgenAutomaton(const LexgenRules& rules);

    // Bytes that no pattern tells apart share a class, numbered in byte order.
    int GetClassCount() const { return m_classCount; }
    int GetClass(int byte) const { return m_classOf[(size_t)byte]; }

    // State 0 is the dead state.
    int GetStateCount() const { return (int)m_next.size(); }
    int GetNext(int state, int byteClass) const { return m_next[(size_t)state][(size_t)byteClass]; }
    // The actions of the patterns that end in `state`, in rule order.
    const std::vector<int>& GetAccepts(int state) const { return m_accepts[(size_t)state]; }
    int GetStart(int condition) const { return m_starts[(size_t)condition]; }

private:
    struct NfaState {
        std::vector<int> epsilon;
        int target = -1;  // reached on `bytes`
        std::bitset<256> bytes;
        int accept = 0;  // action number
    };
    struct Fragment {
        int start;
        int end;
    };

    int AddNfaState();
    Fragment Build(const LexgenRegex& regex, int node);
    Fragment BuildRepeat(const LexgenRegex& regex, int node, int min, int max);
    void BuildNfa(const LexgenRules& rules);
    void ComputeClasses();
    std::vector<int> Closure(const std::vector<int>& states) const;
    void BuildDfa();
    void Minimise();

    std::vector<NfaState> m_nfa;
    std::vector<int> m_nfaStarts;  // per condition
    std::vector<int> m_classOf = std::vector<int>(256);
    int m_classCount = 0;
    std::vector<std::vector<int>> m_next;
    std::vector<std::vector<int>> m_accepts;
    std::vector<int> m_starts;
};
