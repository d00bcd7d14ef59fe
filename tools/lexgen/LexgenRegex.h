// Regular expressions of a rules file, kept as nodes in one arena so that a
// named definition is parsed once and referenced by index wherever it is used.
#pragma once

#include <bitset>
#include <map>
#include <string>
#include <vector>

class LexgenRegex {
public:
    enum Kind { Bytes, Concat, Alternative, Repeat };

    struct Node {
        Kind kind = Bytes;
        std::bitset<256> bytes;  // Bytes
        int left = -1;           // Concat, Alternative, Repeat
        int right = -1;          // Concat, Alternative
        int min = 0;             // Repeat
        int max = -1;            // Repeat; -1 = no upper bound
    };

    // Syntax: "literal", [class] with ranges and ^, ., \escape, (group), a|b,
    // a*, a+, a?, a{n}, a{n,}, a{n,m}, {name}. Unquoted blanks are not allowed.
    // Returns the root node; throws LexgenError.
    int Parse(const std::string& pattern, const std::map<std::string, int>& definitions);

    const Node& GetNode(int index) const { return m_nodes[(size_t)index]; }
    bool IsNullable(int index) const;

    int AddNode(const Node& node);

private:
    std::vector<Node> m_nodes;
};
