#include "LexgenTables.h"

#include "LexgenError.h"

#include <algorithm>
#include <string>

namespace {

const int kLimit = 32767;

void CheckLimit(int value, const char* what) {
    if (value > kLimit) throw LexgenError(std::string("too many ") + what + " for 16-bit tables");
}

std::vector<std::pair<int, int>> Differences(const std::vector<int>& row, const std::vector<int>& base) {
    std::vector<std::pair<int, int>> entries;
    for (size_t k = 0; k < row.size(); ++k)
        if (row[k] != base[k]) entries.emplace_back((int)k, row[k]);
    return entries;
}

}  // namespace

LexgenTables::LexgenTables(const LexgenRules& rules, const LexgenAutomaton& automaton)
    : m_conditionCount((int)rules.GetConditions().size()) {
    CheckLimit((int)rules.GetRules().size(), "rules");
    for (int b = 0; b < 256; ++b) m_classes.push_back((unsigned char)automaton.GetClass(b));
    m_rows.emplace_back();  // the dead state
    AddStartRows(rules, automaton);
    for (int state = 1; state < automaton.GetStateCount(); ++state) AddStateRow(automaton, state);
    CheckLimit((int)m_rows.size(), "states");
    Pack();
    Unpack();
}

int LexgenTables::RowOf(int dfaState) const { return dfaState == 0 ? 0 : 2 * m_conditionCount + dfaState; }

int LexgenTables::MatchOf(const std::vector<int>& actions) {
    if (actions.empty()) return 0;
    if (actions.size() == 1) return actions[0];
    auto it = m_matchLists.find(actions);
    if (it != m_matchLists.end()) return -it->second;
    int index = (int)m_matches.size();
    m_matches.insert(m_matches.end(), actions.begin(), actions.end());
    m_matches.push_back(0);
    CheckLimit((int)m_matches.size(), "match list entries");
    m_matchLists[actions] = index;
    return -index;
}

// Two rows per condition (the second for a match that ended a line); both
// hand every byte on to the condition's start state and list its
// end-of-input actions.
void LexgenTables::AddStartRows(const LexgenRules& rules, const LexgenAutomaton& automaton) {
    for (int condition = 0; condition < m_conditionCount; ++condition) {
        std::vector<int> endActions;
        const std::vector<LexgenRules::Rule>& list = rules.GetRules();
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].pattern < 0 && std::count(list[i].conditions.begin(), list[i].conditions.end(), condition))
                endActions.push_back((int)i + 1);
        Row row;
        row.def = RowOf(automaton.GetStart(condition));
        row.match = MatchOf(endActions);
        m_rows.push_back(row);
        m_rows.push_back(row);
    }
}

// The cheapest of: own entries only; a negative default to the most common
// target; or the differences from an earlier row that has no default row
// itself, which keeps every lookup within two probes.
void LexgenTables::AddStateRow(const LexgenAutomaton& automaton, int state) {
    Row row;
    for (int k = 0; k < automaton.GetClassCount(); ++k) row.full.push_back(RowOf(automaton.GetNext(state, k)));
    row.match = MatchOf(automaton.GetAccepts(state));
    row.entries = Differences(row.full, std::vector<int>(row.full.size(), 0));

    std::map<int, int> counts;
    for (int next : row.full)
        if (next) ++counts[next];
    int common = 0, best = 0;
    for (const auto& count : counts)
        if (count.second > best) common = count.first, best = count.second;
    if (common) {
        auto entries = Differences(row.full, std::vector<int>(row.full.size(), common));
        if (entries.size() < row.entries.size()) row.def = -common, row.entries = entries;
    }

    for (size_t r = 2 * (size_t)m_conditionCount + 1; r < m_rows.size(); ++r) {
        if (m_rows[r].def > 0) continue;
        auto entries = Differences(row.full, m_rows[r].full);
        if (entries.size() < row.entries.size()) row.def = (int)r, row.entries = entries;
    }
    m_rows.push_back(row);
}

// First fit, fullest rows first: entries of different rows may interleave,
// since each entry names its owner.
void LexgenTables::Pack() {
    std::vector<int> order;
    for (size_t r = 0; r < m_rows.size(); ++r) order.push_back((int)r);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return m_rows[(size_t)a].entries.size() > m_rows[(size_t)b].entries.size();
    });

    std::vector<int> bases(m_rows.size(), -1);
    std::vector<bool> used;
    for (int r : order) {
        const Row& row = m_rows[(size_t)r];
        if (row.entries.empty()) continue;
        int base = 0;
        for (;; ++base) {
            bool fits = true;
            for (const auto& entry : row.entries) {
                size_t slot = (size_t)(base + entry.first);
                if (slot < used.size() && used[slot]) {
                    fits = false;
                    break;
                }
            }
            if (fits) break;
        }
        bases[(size_t)r] = base;
        for (const auto& entry : row.entries) {
            size_t slot = (size_t)(base + entry.first);
            if (slot >= used.size()) used.resize(slot + 1), m_transitions.resize(slot + 1, {0, -1});
            used[slot] = true;
            m_transitions[slot] = {(short)entry.second, (short)r};
        }
    }
    CheckLimit((int)m_transitions.size(), "transition entries");
    for (size_t r = 0; r < m_rows.size(); ++r)
        m_states.push_back({(short)m_rows[r].def, (short)bases[r], (short)m_rows[r].match});
}

// Follows the packed tables as the engine does without unpacked rows, so
// that both ways agree by construction.
void LexgenTables::Unpack() {
    m_classCount = m_classes.empty() ? 256 : *std::max_element(m_classes.begin(), m_classes.end()) + 1;
    m_unpacked.assign(m_states.size() * (size_t)m_classCount, 0);
    for (size_t start = 0; start < m_states.size(); ++start) {
        for (int k = 0; k < m_classCount; ++k) {
            int row = (int)start;
            int next = 0;
            for (;;) {
                const yymlexstate& state = m_states[(size_t)row];
                int i = state.base + k;
                if (state.base >= 0 && i < (int)m_transitions.size() && m_transitions[(size_t)i].check == row) {
                    next = m_transitions[(size_t)i].next;
                    break;
                }
                if (state.def <= 0) {
                    next = -state.def;
                    break;
                }
                row = state.def;
            }
            m_unpacked[start * (size_t)m_classCount + (size_t)k] = (short)next;
        }
    }
}

yymlex LexgenTables::MakeTemplate() const {
    yymlex lex = yymlexdefaults();
    lex.classes = m_classes.data();
    lex.transitions = m_transitions.data();
    lex.transitionCount = (int)m_transitions.size();
    lex.matches = m_matches.data();
    lex.states = m_states.data();
    lex.stateCount = (int)m_states.size();
    lex.rows = m_unpacked.data();
    lex.classCount = m_classCount;
    return lex;
}
