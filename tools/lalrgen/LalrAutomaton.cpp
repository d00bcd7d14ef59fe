#include "LalrAutomaton.h"

#include <algorithm>
#include <deque>
#include <set>
#include <sstream>

LalrAutomaton::Bits LalrAutomaton::NewBits() const {
    return Bits((size_t)(m_grammar.terminalCount + 1 + 63) / 64, 0);
}

bool LalrAutomaton::Merge(Bits& into, const Bits& from) {
    bool changed = false;
    for (size_t i = 0; i < into.size(); ++i) {
        unsigned long long merged = into[i] | from[i];
        changed |= merged != into[i];
        into[i] = merged;
    }
    return changed;
}

bool LalrAutomaton::Build(std::string& error) {
    m_propagateBit = m_grammar.terminalCount;
    ComputeFirstSets();
    BuildStates();
    ComputeLookaheads();
    return BuildActions(error);
}

void LalrAutomaton::ComputeFirstSets() {
    const LalrGrammar& g = m_grammar;
    size_t nonterminals = g.symbols.size() - g.terminalCount;
    m_rulesOf.assign(nonterminals, {});
    for (size_t r = 0; r < g.rules.size(); ++r) m_rulesOf[g.NonterminalIndex(g.rules[r].lhs)].push_back((int)r);
    m_nullable.assign(nonterminals, false);
    m_first.assign(nonterminals, NewBits());
    for (bool changed = true; changed;) {
        changed = false;
        for (const LalrRule& rule : g.rules) {
            int lhs = g.NonterminalIndex(rule.lhs);
            bool nullable = true;
            for (int symbol : rule.rhs) {
                if (g.IsTerminal(symbol)) {
                    if (!Test(m_first[lhs], symbol)) {
                        Set(m_first[lhs], symbol);
                        changed = true;
                    }
                    nullable = false;
                    break;
                }
                changed |= Merge(m_first[lhs], m_first[g.NonterminalIndex(symbol)]);
                if (!m_nullable[g.NonterminalIndex(symbol)]) {
                    nullable = false;
                    break;
                }
            }
            if (nullable && !m_nullable[lhs]) {
                m_nullable[lhs] = true;
                changed = true;
            }
        }
    }
}

std::vector<LalrAutomaton::Item> LalrAutomaton::Closure(const std::vector<Item>& kernel) const {
    const LalrGrammar& g = m_grammar;
    std::vector<Item> items = kernel;
    std::vector<bool> added(m_rulesOf.size(), false);
    for (size_t i = 0; i < items.size(); ++i) {
        const LalrRule& rule = g.rules[items[i].rule];
        if (items[i].dot >= (int)rule.rhs.size()) continue;
        int symbol = rule.rhs[items[i].dot];
        if (g.IsTerminal(symbol) || added[g.NonterminalIndex(symbol)]) continue;
        added[g.NonterminalIndex(symbol)] = true;
        for (int r : m_rulesOf[g.NonterminalIndex(symbol)]) items.push_back({r, 0});
    }
    return items;
}

void LalrAutomaton::BuildStates() {
    const LalrGrammar& g = m_grammar;
    std::map<std::vector<Item>, int> known;
    State start;
    start.kernel.push_back({0, 0});
    known[start.kernel] = 0;
    m_states.push_back(start);
    for (size_t s = 0; s < m_states.size(); ++s) {
        std::map<int, std::vector<Item>> targets;  // ordered by symbol: deterministic numbering
        for (const Item& item : Closure(m_states[s].kernel)) {
            const LalrRule& rule = g.rules[item.rule];
            if (item.dot < (int)rule.rhs.size()) targets[rule.rhs[item.dot]].push_back({item.rule, item.dot + 1});
        }
        for (auto& target : targets) {
            std::vector<Item>& kernel = target.second;
            std::sort(kernel.begin(), kernel.end());
            kernel.erase(std::unique(kernel.begin(), kernel.end()), kernel.end());
            auto found = known.find(kernel);
            int next;
            if (found != known.end()) {
                next = found->second;
            } else {
                next = (int)m_states.size();
                known[kernel] = next;
                State state;
                state.accessingSymbol = target.first;
                state.kernel = kernel;
                m_states.push_back(state);
            }
            m_states[s].transitions[target.first] = next;
        }
    }
}

std::vector<LalrAutomaton::Bits> LalrAutomaton::ClosureLookaheads(const State& state,
                                                                  const std::vector<Bits>& kernelLookaheads) const {
    const LalrGrammar& g = m_grammar;
    std::vector<Bits> lookaheads(m_rulesOf.size(), NewBits());
    std::deque<int> work;
    std::vector<bool> queued(m_rulesOf.size(), false);
    // Adds FIRST(rhs after the symbol at `dot`), plus `inherited` when that rest derives empty.
    auto feed = [&](int rule, int dot, const Bits& inherited) {
        const LalrRule& r = g.rules[rule];
        int target = g.NonterminalIndex(r.rhs[dot]);
        Bits contribution = NewBits();
        bool nullable = true;
        for (size_t i = dot + 1; i < r.rhs.size() && nullable; ++i) {
            int symbol = r.rhs[i];
            if (g.IsTerminal(symbol)) {
                Set(contribution, symbol);
                nullable = false;
            } else {
                Merge(contribution, m_first[g.NonterminalIndex(symbol)]);
                nullable = m_nullable[g.NonterminalIndex(symbol)];
            }
        }
        if (nullable) Merge(contribution, inherited);
        if (Merge(lookaheads[target], contribution) && !queued[target]) {
            queued[target] = true;
            work.push_back(target);
        }
    };
    for (size_t k = 0; k < state.kernel.size(); ++k) {
        const Item& item = state.kernel[k];
        const LalrRule& rule = g.rules[item.rule];
        if (item.dot < (int)rule.rhs.size() && !g.IsTerminal(rule.rhs[item.dot]))
            feed(item.rule, item.dot, kernelLookaheads[k]);
    }
    while (!work.empty()) {
        int nonterminal = work.front();
        work.pop_front();
        queued[nonterminal] = false;
        for (int r : m_rulesOf[nonterminal]) {
            const LalrRule& rule = g.rules[r];
            if (!rule.rhs.empty() && !g.IsTerminal(rule.rhs[0])) feed(r, 0, lookaheads[nonterminal]);
        }
    }
    return lookaheads;
}

void LalrAutomaton::ComputeLookaheads() {
    const LalrGrammar& g = m_grammar;
    struct Link {
        int state, item;
    };
    m_lookaheads.assign(m_states.size(), {});
    for (size_t s = 0; s < m_states.size(); ++s) m_lookaheads[s].assign(m_states[s].kernel.size(), NewBits());
    Set(m_lookaheads[0][0], 0);  // $accept : . start, followed by $end

    auto kernelIndex = [&](int state, const Item& item) {
        const std::vector<Item>& kernel = m_states[state].kernel;
        return (int)(std::lower_bound(kernel.begin(), kernel.end(), item) - kernel.begin());
    };
    std::vector<std::vector<std::vector<Link>>> links(m_states.size());
    for (size_t s = 0; s < m_states.size(); ++s) {
        const State& state = m_states[s];
        links[s].resize(state.kernel.size());
        for (size_t k = 0; k < state.kernel.size(); ++k) {
            std::vector<Bits> seed(state.kernel.size(), NewBits());
            Set(seed[k], m_propagateBit);
            std::vector<Bits> closure = ClosureLookaheads(state, seed);
            // The kernel item itself moves on with the propagation marker only.
            const Item& own = state.kernel[k];
            const LalrRule& ownRule = g.rules[own.rule];
            if (own.dot < (int)ownRule.rhs.size()) {
                int target = state.transitions.at(ownRule.rhs[own.dot]);
                links[s][k].push_back({target, kernelIndex(target, {own.rule, own.dot + 1})});
            }
            for (size_t n = 0; n < closure.size(); ++n) {
                const Bits& lookahead = closure[n];
                if (std::none_of(lookahead.begin(), lookahead.end(), [](unsigned long long w) { return w != 0; }))
                    continue;
                for (int r : m_rulesOf[n]) {
                    const LalrRule& rule = g.rules[r];
                    if (rule.rhs.empty()) continue;
                    int target = state.transitions.at(rule.rhs[0]);
                    int index = kernelIndex(target, {r, 1});
                    Bits spontaneous = lookahead;
                    spontaneous[m_propagateBit / 64] &= ~(1ULL << (m_propagateBit % 64));
                    Merge(m_lookaheads[target][index], spontaneous);
                    if (Test(lookahead, m_propagateBit)) links[s][k].push_back({target, index});
                }
            }
        }
    }
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t s = 0; s < m_states.size(); ++s)
            for (size_t k = 0; k < links[s].size(); ++k)
                for (const Link& link : links[s][k])
                    changed |= Merge(m_lookaheads[link.state][link.item], m_lookaheads[s][k]);
    }
}

bool LalrAutomaton::BuildActions(std::string& error) {
    const LalrGrammar& g = m_grammar;
    std::ostringstream conflicts;
    bool ok = true;
    for (size_t s = 0; s < m_states.size(); ++s) {
        State& state = m_states[s];
        std::vector<std::vector<int>> reductions(g.terminalCount);
        bool accepts = false;
        for (size_t k = 0; k < state.kernel.size(); ++k) {
            const Item& item = state.kernel[k];
            if (item.dot != (int)g.rules[item.rule].rhs.size()) continue;
            if (item.rule == 0) {
                accepts = true;
                continue;
            }
            for (int t = 0; t < g.terminalCount; ++t)
                if (Test(m_lookaheads[s][k], t)) reductions[t].push_back(item.rule);
        }
        std::vector<Bits> closure = ClosureLookaheads(state, m_lookaheads[s]);
        for (size_t n = 0; n < closure.size(); ++n)
            for (int r : m_rulesOf[n])
                if (g.rules[r].rhs.empty())
                    for (int t = 0; t < g.terminalCount; ++t)
                        if (Test(closure[n], t)) reductions[t].push_back(r);
        for (int t = 0; t < g.terminalCount; ++t) {
            auto shift = state.transitions.find(t);
            int shiftTarget = shift == state.transitions.end() ? -1 : shift->second;
            std::sort(reductions[t].begin(), reductions[t].end());
            reductions[t].erase(std::unique(reductions[t].begin(), reductions[t].end()), reductions[t].end());
            Action action;
            if (t == 0 && accepts) {
                action.type = Accept;
                if (!reductions[t].empty()) {
                    conflicts << DescribeConflict((int)s, t, shiftTarget, reductions[t]);
                    ok = false;
                }
            } else if (!ResolveToken((int)s, t, shiftTarget, reductions[t], action, error)) {
                conflicts << error;
                ok = false;
            }
            if (action.type != Error) state.actions[g.symbols[t].token] = action;
        }
        ChooseDefault(state);
    }
    error = conflicts.str();
    return ok;
}

bool LalrAutomaton::ResolveToken(int state, int terminal, int shiftTarget, const std::vector<int>& reductions,
                                 Action& action, std::string& error) {
    if (shiftTarget >= 0) {
        action = {Shift, shiftTarget};
        if (reductions.empty()) return true;
        if (reductions.size() == 1 && m_grammar.symbols[terminal].preferShift) {
            ++m_preferredShifts;
            return true;
        }
    } else if (reductions.size() == 1) {
        action = {Reduce, reductions[0]};
        return true;
    } else if (reductions.empty()) {
        return true;
    }
    error = DescribeConflict(state, terminal, shiftTarget, reductions);
    return false;
}

std::string LalrAutomaton::DescribeConflict(int state, int terminal, int shiftTarget,
                                            const std::vector<int>& reductions) const {
    const LalrGrammar& g = m_grammar;
    std::ostringstream out;
    out << (shiftTarget >= 0 ? "shift/reduce" : "reduce/reduce") << " conflict in state " << state << " on "
        << g.Spelling(terminal) << ":\n";
    for (const Item& item : Closure(m_states[state].kernel)) {
        const LalrRule& rule = g.rules[item.rule];
        if (shiftTarget >= 0 && item.dot < (int)rule.rhs.size() && rule.rhs[item.dot] == terminal)
            out << "    shift   " << g.RuleText(item.rule, item.dot) << "\n";
    }
    for (int r : reductions) out << "    reduce  " << g.RuleText(r, (int)g.rules[r].rhs.size()) << "\n";
    return out.str();
}

// The most common reduction becomes the default (the lowest rule on a tie).
// A state whose only action is that reduction reads no lookahead at all.
void LalrAutomaton::ChooseDefault(State& state) {
    std::map<int, int> counts;
    bool other = false;
    for (const auto& entry : state.actions) {
        if (entry.second.type == Reduce)
            ++counts[entry.second.value];
        else
            other = true;
    }
    state.defaultAction = Action();
    if (!counts.empty()) {
        auto best = counts.begin();
        for (auto it = counts.begin(); it != counts.end(); ++it)
            if (it->second > best->second) best = it;
        state.defaultAction = {Reduce, best->first};
        for (auto it = state.actions.begin(); it != state.actions.end();) {
            if (it->second == state.defaultAction)
                it = state.actions.erase(it);
            else
                ++it;
        }
    }
    state.needsLookahead = other || counts.size() > 1;
    if (!state.needsLookahead) state.actions.clear();
}
