#include "LexgenAutomaton.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

LexgenAutomaton::LexgenAutomaton(const LexgenRules& rules) {
    BuildNfa(rules);
    ComputeClasses();
    BuildDfa();
    Minimise();
}

int LexgenAutomaton::AddNfaState() {
    m_nfa.emplace_back();
    return (int)m_nfa.size() - 1;
}

LexgenAutomaton::Fragment LexgenAutomaton::Build(const LexgenRegex& regex, int node) {
    const LexgenRegex::Node& n = regex.GetNode(node);
    switch (n.kind) {
    case LexgenRegex::Bytes: {
        int start = AddNfaState();
        int end = AddNfaState();
        m_nfa[(size_t)start].target = end;
        m_nfa[(size_t)start].bytes = n.bytes;
        return {start, end};
    }
    case LexgenRegex::Concat: {
        Fragment left = Build(regex, n.left);
        Fragment right = Build(regex, n.right);
        m_nfa[(size_t)left.end].epsilon.push_back(right.start);
        return {left.start, right.end};
    }
    case LexgenRegex::Alternative: {
        int start = AddNfaState();
        Fragment left = Build(regex, n.left);
        Fragment right = Build(regex, n.right);
        int end = AddNfaState();
        m_nfa[(size_t)start].epsilon = {left.start, right.start};
        m_nfa[(size_t)left.end].epsilon.push_back(end);
        m_nfa[(size_t)right.end].epsilon.push_back(end);
        return {start, end};
    }
    case LexgenRegex::Repeat:
        return BuildRepeat(regex, n.left, n.min, n.max);
    }
    return {AddNfaState(), AddNfaState()};
}

// `min` copies in a row, then either a loop or `max - min` optional copies.
LexgenAutomaton::Fragment LexgenAutomaton::BuildRepeat(const LexgenRegex& regex, int node, int min, int max) {
    int start = AddNfaState();
    int current = start;
    for (int i = 0; i < min; ++i) {
        Fragment copy = Build(regex, node);
        m_nfa[(size_t)current].epsilon.push_back(copy.start);
        current = copy.end;
    }
    if (max < 0) {
        int loop = AddNfaState();
        m_nfa[(size_t)current].epsilon.push_back(loop);
        Fragment copy = Build(regex, node);
        m_nfa[(size_t)loop].epsilon.push_back(copy.start);
        m_nfa[(size_t)copy.end].epsilon.push_back(loop);
        return {start, loop};
    }
    for (int i = min; i < max; ++i) {
        Fragment copy = Build(regex, node);
        int end = AddNfaState();
        m_nfa[(size_t)current].epsilon.push_back(copy.start);
        m_nfa[(size_t)current].epsilon.push_back(end);
        m_nfa[(size_t)copy.end].epsilon.push_back(end);
        current = end;
    }
    return {start, current};
}

void LexgenAutomaton::BuildNfa(const LexgenRules& rules) {
    for (size_t i = 0; i < rules.GetConditions().size(); ++i) m_nfaStarts.push_back(AddNfaState());
    const std::vector<LexgenRules::Rule>& list = rules.GetRules();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].pattern < 0) continue;
        Fragment pattern = Build(rules.GetRegex(), list[i].pattern);
        m_nfa[(size_t)pattern.end].accept = (int)i + 1;
        for (int condition : list[i].conditions)
            m_nfa[(size_t)m_nfaStarts[(size_t)condition]].epsilon.push_back(pattern.start);
    }
}

void LexgenAutomaton::ComputeClasses() {
    std::set<std::string> seen;
    std::vector<int> classOf(256, 0);
    for (const NfaState& state : m_nfa) {
        if (state.target < 0 || !seen.insert(state.bytes.to_string()).second) continue;
        // Split every class by membership in this set; ids follow byte order.
        std::map<std::pair<int, bool>, int> split;
        for (size_t b = 0; b < 256; ++b) {
            auto key = std::make_pair(classOf[b], (bool)state.bytes[b]);
            classOf[b] = split.emplace(key, (int)split.size()).first->second;
        }
    }
    std::map<int, int> renumber;
    for (size_t b = 0; b < 256; ++b) m_classOf[b] = renumber.emplace(classOf[b], (int)renumber.size()).first->second;
    m_classCount = (int)renumber.size();
}

std::vector<int> LexgenAutomaton::Closure(const std::vector<int>& states) const {
    std::vector<bool> seen(m_nfa.size());
    std::vector<int> stack(states), result;
    while (!stack.empty()) {
        int state = stack.back();
        stack.pop_back();
        if (seen[(size_t)state]) continue;
        seen[(size_t)state] = true;
        result.push_back(state);
        for (int next : m_nfa[(size_t)state].epsilon) stack.push_back(next);
    }
    std::sort(result.begin(), result.end());
    return result;
}

void LexgenAutomaton::BuildDfa() {
    std::vector<int> representative(m_classCount, -1);
    for (int b = 255; b >= 0; --b) representative[(size_t)m_classOf[(size_t)b]] = b;

    std::map<std::vector<int>, int> ids;
    std::vector<std::vector<int>> sets;
    auto idOf = [&](const std::vector<int>& set) {
        auto it = ids.emplace(set, (int)sets.size());
        if (it.second) sets.push_back(set);
        return it.first->second;
    };
    idOf({});
    for (int start : m_nfaStarts) m_starts.push_back(idOf(Closure({start})));

    for (size_t i = 0; i < sets.size(); ++i) {
        std::vector<int> row((size_t)m_classCount);
        for (int k = 0; k < m_classCount; ++k) {
            std::vector<int> moved;
            for (int state : sets[i]) {
                const NfaState& nfa = m_nfa[(size_t)state];
                if (nfa.target >= 0 && nfa.bytes[(size_t)representative[(size_t)k]]) moved.push_back(nfa.target);
            }
            row[(size_t)k] = idOf(Closure(moved));
        }
        std::vector<int> accepts;
        for (int state : sets[i])
            if (m_nfa[(size_t)state].accept) accepts.push_back(m_nfa[(size_t)state].accept);
        std::sort(accepts.begin(), accepts.end());
        m_next.push_back(row);
        m_accepts.push_back(accepts);
    }
}

// Moore's refinement: states stay together while they accept the same
// actions and their successors stay together.
void LexgenAutomaton::Minimise() {
    size_t count = m_next.size();
    std::vector<int> block(count);
    std::map<std::vector<int>, int> initial;
    for (size_t s = 0; s < count; ++s) block[s] = initial.emplace(m_accepts[s], (int)initial.size()).first->second;
    size_t blocks = initial.size();
    for (;;) {
        std::map<std::vector<int>, int> keys;
        std::vector<int> refined(count);
        for (size_t s = 0; s < count; ++s) {
            std::vector<int> key{block[s]};
            for (int next : m_next[s]) key.push_back(block[(size_t)next]);
            refined[s] = keys.emplace(key, (int)keys.size()).first->second;
        }
        block = refined;
        if (keys.size() == blocks) break;
        blocks = keys.size();
    }

    std::vector<std::vector<int>> next(blocks);
    std::vector<std::vector<int>> accepts(blocks);
    std::vector<bool> filled(blocks);
    for (size_t s = 0; s < count; ++s) {
        size_t b = (size_t)block[s];
        if (filled[b]) continue;
        filled[b] = true;
        for (int target : m_next[s]) next[b].push_back(block[(size_t)target]);
        accepts[b] = m_accepts[s];
    }
    for (int& start : m_starts) start = block[(size_t)start];
    m_next = next;
    m_accepts = accepts;
}
