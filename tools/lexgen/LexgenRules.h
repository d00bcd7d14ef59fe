// A rules file: code to copy, the lexer class, start conditions, named
// definitions and the rules with their action code, in file order.
#pragma once

#include "LexgenRegex.h"

#include <string>
#include <vector>

class LexgenRules {
public:
    struct Rule {
        int line = 0;
        std::vector<int> conditions;  // indices into GetConditions()
        int pattern = -1;             // -1: an end-of-input rule
        std::string action;           // C++ code, braces included when it had them
    };

    // Throws LexgenError with "fileName:line: message".
    void Read(const std::string& text, const std::string& fileName);

    const std::string& GetFileName() const { return m_fileName; }
    const std::string& GetClassName() const { return m_className; }
    const std::string& GetPrologue() const { return m_prologue; }
    const std::string& GetEpilogue() const { return m_epilogue; }
    // Condition 0 is INITIAL; every declared condition is exclusive.
    const std::vector<std::string>& GetConditions() const { return m_conditions; }
    // The action number of a rule is its index + 1.
    const std::vector<Rule>& GetRules() const { return m_rules; }
    const LexgenRegex& GetRegex() const { return m_regex; }

private:
    bool ReadLine(std::string& line);
    [[noreturn]] void Fail(const std::string& what) const;

    void ReadDefinitions();
    void ReadDirective(const std::string& line);
    void ReadDefinition(const std::string& line);
    void ReadRules();
    void ReadRule(const std::string& line);
    size_t ReadConditions(const std::string& line, Rule& rule) const;
    std::string ReadAction(const std::string& line, size_t pos);
    int ParsePattern(const std::string& pattern);

    std::vector<std::string> m_lines;
    size_t m_next = 0;  // next line to read
    int m_lineNumber = 0;
    std::string m_fileName;
    std::string m_className;
    std::string m_prologue;
    std::string m_epilogue;
    std::vector<std::string> m_conditions{"INITIAL"};
    std::map<std::string, int> m_definitions;
    std::vector<Rule> m_rules;
    LexgenRegex m_regex;
};
