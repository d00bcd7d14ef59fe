// The LALR(1) automaton of a grammar: LR(0) states, lookaheads by
// propagation, and the resolved action of every state for every token.
#pragma once

#include "LalrGrammar.h"

#include <map>
#include <string>
#include <vector>

class LalrAutomaton {
public:
    // Action types as the engine reads them.
    enum ActionType { Shift = 0, Reduce = 1, Error = 2, Accept = 3 };

    struct Action {
        int type = Error;
        int value = 0;
        bool operator==(const Action& other) const { return type == other.type && value == other.value; }
        bool operator<(const Action& other) const { return type != other.type ? type < other.type : value < other.value; }
    };

    struct Item {
        int rule;
        int dot;
        bool operator<(const Item& other) const { return rule != other.rule ? rule < other.rule : dot < other.dot; }
        bool operator==(const Item& other) const { return rule == other.rule && dot == other.dot; }
    };

    struct State {
        int accessingSymbol = -1;  // -1 for the start state
        std::vector<Item> kernel;
        std::map<int, int> transitions;  // symbol -> state
        std::map<int, Action> actions;   // token number -> action, the default left out
        Action defaultAction;
        bool needsLookahead = true;
    };

    explicit LalrAutomaton(const LalrGrammar& grammar) : m_grammar(grammar) {}

    // False with every unresolved conflict listed in `error`.
    bool Build(std::string& error);

    const std::vector<State>& GetStates() const { return m_states; }
    // Shift/reduce conflicts settled by %prefer-shift.
    int GetPreferredShifts() const { return m_preferredShifts; }

private:
    using Bits = std::vector<unsigned long long>;

    void ComputeFirstSets();
    void BuildStates();
    std::vector<Item> Closure(const std::vector<Item>& kernel) const;
    // Lookaheads of the nonkernel items B -> . gamma per nonterminal B, given
    // the lookaheads of the kernel items.
    std::vector<Bits> ClosureLookaheads(const State& state, const std::vector<Bits>& kernelLookaheads) const;
    void ComputeLookaheads();
    bool BuildActions(std::string& error);
    bool ResolveToken(int state, int terminal, int shiftTarget, const std::vector<int>& reductions, Action& action,
                      std::string& error);
    void ChooseDefault(State& state);
    std::string DescribeConflict(int state, int terminal, int shiftTarget, const std::vector<int>& reductions) const;

    Bits NewBits() const;
    static void Set(Bits& bits, int index) { bits[index / 64] |= 1ULL << (index % 64); }
    static bool Test(const Bits& bits, int index) { return (bits[index / 64] >> (index % 64)) & 1; }
    static bool Merge(Bits& into, const Bits& from);

    const LalrGrammar& m_grammar;
    std::vector<std::vector<int>> m_rulesOf;  // per nonterminal index
    std::vector<bool> m_nullable;             // per nonterminal index
    std::vector<Bits> m_first;                // per nonterminal index, over terminal indices
    std::vector<State> m_states;
    std::vector<std::vector<Bits>> m_lookaheads;  // per state, per kernel item
    int m_propagateBit = 0;                       // the '#' marker of propagated lookaheads
    int m_preferredShifts = 0;
};
