#include "LexgenRules.h"

#include "LexgenError.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsName(const std::string& text) {
    if (text.empty() || !(isalpha((unsigned char)text[0]) || text[0] == '_')) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return isalnum((unsigned char)c) || c == '_'; });
}

std::string Trim(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && isspace((unsigned char)text[first])) ++first;
    while (last > first && isspace((unsigned char)text[last - 1])) --last;
    return text.substr(first, last - first);
}

bool IsCommentOrEmpty(const std::string& line) {
    std::string trimmed = Trim(line);
    return trimmed.empty() || trimmed.compare(0, 2, "//") == 0;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The end of a pattern: the first blank outside quotes and brackets.
size_t PatternEnd(const std::string& line, size_t pos) {
    bool quoted = false, bracketed = false;
    for (; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '\\') {
            ++pos;
            continue;
        }
        if (quoted) quoted = c != '"';
        else if (bracketed) bracketed = c != ']';
        else if (c == '"') quoted = true;
        else if (c == '[') bracketed = true;
        else if (IsBlank(c)) break;
    }
    return std::min(pos, line.size());
}

// Counts braces of C++ code, skipping literals and comments. `inComment`
// carries a block comment over line ends.
int BraceBalance(const std::string& code, bool& inComment) {
    int balance = 0;
    for (size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        if (inComment) {
            if (c == '*' && i + 1 < code.size() && code[i + 1] == '/') inComment = false, ++i;
        } else if (c == '/' && i + 1 < code.size() && code[i + 1] == '/') {
            break;
        } else if (c == '/' && i + 1 < code.size() && code[i + 1] == '*') {
            inComment = true, ++i;
        } else if (c == '"' || c == '\'') {
            for (++i; i < code.size() && code[i] != c; ++i)
                if (code[i] == '\\') ++i;
        } else if (c == '{') {
            ++balance;
        } else if (c == '}') {
            --balance;
        }
    }
    return balance;
}

}  // namespace

void LexgenRules::Read(const std::string& text, const std::string& fileName) {
    m_fileName = fileName;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        m_lines.push_back(line);
    }
    ReadDefinitions();
    ReadRules();
    for (std::string line; ReadLine(line);) m_epilogue += line + "\n";
    if (m_className.empty()) {
        m_lineNumber = 0;
        Fail("%class is missing");
    }
}

bool LexgenRules::ReadLine(std::string& line) {
    if (m_next >= m_lines.size()) return false;
    line = m_lines[m_next++];
    m_lineNumber = (int)m_next;
    return true;
}

void LexgenRules::Fail(const std::string& what) const {
    throw LexgenError(m_fileName + ":" + std::to_string(m_lineNumber) + ": " + what);
}

void LexgenRules::ReadDefinitions() {
    for (std::string line; ReadLine(line);) {
        if (line == "%%") return;
        if (IsCommentOrEmpty(line)) continue;
        if (line == "%{") {
            while (ReadLine(line) && line != "%}") m_prologue += line + "\n";
            if (line != "%}") Fail("%{ without %}");
        } else if (line[0] == '%') {
            ReadDirective(line);
        } else {
            ReadDefinition(line);
        }
    }
    Fail("%% expected before the rules");
}

void LexgenRules::ReadDirective(const std::string& line) {
    std::vector<std::string> words = Words(line);
    if (words[0] == "%class" && words.size() == 2 && IsName(words[1])) {
        m_className = words[1];
    } else if (words[0] == "%x" && words.size() >= 2) {
        for (size_t i = 1; i < words.size(); ++i) {
            if (!IsName(words[i])) Fail("bad start condition name " + words[i]);
            if (std::find(m_conditions.begin(), m_conditions.end(), words[i]) != m_conditions.end())
                Fail("start condition " + words[i] + " declared twice");
            m_conditions.push_back(words[i]);
        }
    } else {
        Fail("unknown directive " + line);
    }
}

void LexgenRules::ReadDefinition(const std::string& line) {
    size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    std::string name = line.substr(0, end);
    std::string pattern = Trim(line.substr(end));
    if (!IsName(name)) Fail("bad definition name " + name);
    if (pattern.empty()) Fail("definition " + name + " has no pattern");
    if (m_definitions.count(name)) Fail("definition " + name + " given twice");
    m_definitions[name] = ParsePattern(pattern);
}

int LexgenRules::ParsePattern(const std::string& pattern) {
    try {
        return m_regex.Parse(pattern, m_definitions);
    } catch (const LexgenError& error) {
        Fail(error.what());
    }
}

void LexgenRules::ReadRules() {
    for (std::string line; ReadLine(line);) {
        if (line == "%%") return;
        if (IsCommentOrEmpty(line)) continue;
        if (IsBlank(line[0])) Fail("rules start in the first column");
        ReadRule(line);
    }
}

void LexgenRules::ReadRule(const std::string& line) {
    Rule rule;
    rule.line = m_lineNumber;
    size_t pos = ReadConditions(line, rule);
    size_t end = PatternEnd(line, pos);
    std::string pattern = line.substr(pos, end - pos);
    if (pattern.empty()) Fail("pattern expected");
    if (pattern != "<<EOF>>") {
        rule.pattern = ParsePattern(pattern);
        if (m_regex.IsNullable(rule.pattern)) Fail("pattern " + pattern + " matches the empty text");
    }
    rule.action = ReadAction(line, end);
    m_rules.push_back(rule);
}

size_t LexgenRules::ReadConditions(const std::string& line, Rule& rule) const {
    if (line[0] != '<' || line.compare(0, 7, "<<EOF>>") == 0) {
        rule.conditions.push_back(0);
        return 0;
    }
    size_t close = line.find('>');
    if (close == std::string::npos) Fail("'>' expected after start conditions");
    std::string list = line.substr(1, close - 1);
    if (list == "*") {
        for (size_t i = 0; i < m_conditions.size(); ++i) rule.conditions.push_back((int)i);
        return close + 1;
    }
    std::istringstream in(list);
    for (std::string name; std::getline(in, name, ',');) {
        auto it = std::find(m_conditions.begin(), m_conditions.end(), Trim(name));
        if (it == m_conditions.end()) Fail("undeclared start condition " + Trim(name));
        rule.conditions.push_back((int)(it - m_conditions.begin()));
    }
    if (rule.conditions.empty()) Fail("empty start condition list");
    return close + 1;
}

// Either a braced block, which may run over several lines, or the rest of the line.
std::string LexgenRules::ReadAction(const std::string& line, size_t pos) {
    std::string action = Trim(line.substr(pos));
    if (action.empty()) Fail("action expected");
    if (action[0] != '{') return action;
    bool inComment = false;
    int balance = BraceBalance(action, inComment);
    for (std::string next; balance > 0 && ReadLine(next);) {
        action += "\n" + next;
        balance += BraceBalance(next, inComment);
    }
    if (balance != 0) Fail("unbalanced braces in the action");
    return action;
}
