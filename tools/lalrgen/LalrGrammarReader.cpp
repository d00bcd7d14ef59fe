#include "LalrGrammarReader.h"

#include <cctype>
#include <map>
#include <sstream>

namespace {

enum Kind { End, Identifier, Number, String, Type, Code, Directive, Separator, Colon, Bar, Semicolon, Bad };

struct Token {
    Kind kind = End;
    std::string text;
    int line = 0;
};

class Scanner {
public:
    explicit Scanner(const std::string& text) : m_text(text) {}

    Token Next() {
        SkipSpace();
        Token token;
        token.line = m_line;
        if (m_pos >= m_text.size()) return token;
        char c = m_text[m_pos];
        if (std::isalpha((unsigned char)c) || c == '_') {
            token.kind = Identifier;
            token.text = TakeWhile([](char ch) { return std::isalnum((unsigned char)ch) || ch == '_'; });
        } else if (std::isdigit((unsigned char)c)) {
            token.kind = Number;
            token.text = TakeWhile([](char ch) { return std::isdigit((unsigned char)ch) != 0; });
        } else if (c == '"') {
            token.kind = ScanQuoted(token.text) ? String : Bad;
        } else if (c == '<') {
            token.kind = ScanType(token.text) ? Type : Bad;
        } else if (c == '{') {
            token.kind = ScanCode(token.text) ? Code : Bad;
        } else if (c == '%') {
            ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] == '%') {
                ++m_pos;
                token.kind = Separator;
            } else {
                token.kind = Directive;
                token.text = TakeWhile([](char ch) { return std::isalnum((unsigned char)ch) || ch == '-'; });
            }
        } else {
            ++m_pos;
            token.kind = c == ':' ? Colon : c == '|' ? Bar : c == ';' ? Semicolon : Bad;
            token.text = std::string(1, c);
        }
        return token;
    }

private:
    template <class Pred>
    std::string TakeWhile(Pred pred) {
        size_t start = m_pos;
        while (m_pos < m_text.size() && pred(m_text[m_pos])) ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    void SkipSpace() {
        while (m_pos < m_text.size()) {
            char c = m_text[m_pos];
            if (c == '\n') {
                ++m_line;
                ++m_pos;
            } else if (std::isspace((unsigned char)c)) {
                ++m_pos;
            } else if (StartsWith("//")) {
                while (m_pos < m_text.size() && m_text[m_pos] != '\n') ++m_pos;
            } else if (StartsWith("/*")) {
                SkipBlockComment();
            } else {
                return;
            }
        }
    }

    bool StartsWith(const char* s) const { return m_text.compare(m_pos, std::char_traits<char>::length(s), s) == 0; }

    void SkipBlockComment() {
        m_pos += 2;
        while (m_pos < m_text.size() && !StartsWith("*/")) {
            if (m_text[m_pos] == '\n') ++m_line;
            ++m_pos;
        }
        m_pos = m_pos < m_text.size() ? m_pos + 2 : m_pos;
    }

    // A "..." or '...' literal starting at m_pos; its text without quotes.
    bool ScanQuoted(std::string& text) {
        char quote = m_text[m_pos++];
        while (m_pos < m_text.size() && m_text[m_pos] != quote && m_text[m_pos] != '\n') {
            if (m_text[m_pos] == '\\' && m_pos + 1 < m_text.size()) text += m_text[m_pos++];
            text += m_text[m_pos++];
        }
        if (m_pos >= m_text.size() || m_text[m_pos] != quote) return false;
        ++m_pos;
        return true;
    }

    bool ScanType(std::string& text) {
        int depth = 0;
        size_t start = m_pos;
        for (; m_pos < m_text.size() && m_text[m_pos] != '\n'; ++m_pos) {
            if (m_text[m_pos] == '<') ++depth;
            if (m_text[m_pos] == '>' && --depth == 0) {
                text = m_text.substr(start + 1, m_pos - start - 1);
                ++m_pos;
                return !text.empty();
            }
        }
        return false;
    }

    // Balanced braces, skipping C++ literals and comments; the text between
    // the outer braces.
    bool ScanCode(std::string& text) {
        int depth = 0;
        size_t start = m_pos;
        while (m_pos < m_text.size()) {
            char c = m_text[m_pos];
            if (c == '"' || c == '\'') {
                std::string ignored;
                if (!ScanQuoted(ignored)) return false;
                continue;
            }
            if (StartsWith("//")) {
                while (m_pos < m_text.size() && m_text[m_pos] != '\n') ++m_pos;
                continue;
            }
            if (StartsWith("/*")) {
                SkipBlockComment();
                continue;
            }
            if (c == '\n') ++m_line;
            ++m_pos;
            if (c == '{') ++depth;
            if (c == '}' && --depth == 0) {
                text = m_text.substr(start + 1, m_pos - start - 2);
                return true;
            }
        }
        return false;
    }

    const std::string& m_text;
    size_t m_pos = 0;
    int m_line = 1;
};

struct RawToken {
    std::string name, alias, type;
    int number;
    int line;
};

struct RawList {
    std::string payload;  // a type or a code block
    std::vector<Token> names;
};

struct RawAlternative {
    std::vector<Token> symbols;
    std::string action;
    int line;
};

struct RawRule {
    Token lhs;
    std::vector<RawAlternative> alternatives;
};

struct RawGrammar {
    std::string name, tokenNamespace, prologue, afterAction;
    Token start;
    std::vector<RawToken> tokens;
    std::vector<RawList> types, destructors;
    std::vector<Token> preferShift;
    std::vector<RawRule> rules;
};

class Reader {
public:
    Reader(const std::string& text, const std::string& fileName) : m_scanner(text), m_fileName(fileName) {
        Advance();
    }

    bool Read(LalrGrammar& grammar, std::string& error) {
        bool ok = ReadDeclarations() && ReadRules() && Build(grammar);
        if (!ok) error = m_error;
        return ok;
    }

private:
    void Advance() { m_token = m_scanner.Next(); }

    bool Fail(int line, const std::string& message) {
        std::ostringstream out;
        out << m_fileName << ":" << line << ": " << message;
        m_error = out.str();
        return false;
    }

    bool Expect(Kind kind, const char* what, std::string* text = nullptr) {
        if (m_token.kind != kind) return Fail(m_token.line, std::string("expected ") + what);
        if (text) *text = m_token.text;
        Advance();
        return true;
    }

    bool IsSymbolToken() const { return m_token.kind == Identifier || m_token.kind == String; }

    bool ReadDeclarations() {
        while (m_token.kind != Separator) {
            if (m_token.kind != Directive) return Fail(m_token.line, "expected a %declaration or %%");
            std::string directive = m_token.text;
            int line = m_token.line;
            Advance();
            if (!ReadDirective(directive, line)) return false;
        }
        Advance();
        return true;
    }

    bool ReadDirective(const std::string& directive, int line) {
        if (directive == "name") return Expect(Identifier, "a name", &m_raw.name);
        if (directive == "token-namespace") return Expect(Identifier, "a namespace", &m_raw.tokenNamespace);
        if (directive == "prologue") return Expect(Code, "a { code } block", &m_raw.prologue);
        if (directive == "after-action") return Expect(Code, "a { code } block", &m_raw.afterAction);
        if (directive == "start") {
            m_raw.start = m_token;
            return Expect(Identifier, "a start symbol");
        }
        if (directive == "token") return ReadTokens();
        if (directive == "type") return ReadList(Type, "a <type>", m_raw.types);
        if (directive == "destructor") return ReadList(Code, "a { code } block", m_raw.destructors);
        if (directive == "prefer-shift") {
            if (!IsSymbolToken()) return Fail(m_token.line, "expected a token");
            while (IsSymbolToken()) {
                m_raw.preferShift.push_back(m_token);
                Advance();
            }
            return true;
        }
        return Fail(line, "unknown declaration %" + directive);
    }

    bool ReadTokens() {
        std::string type;
        if (m_token.kind == Type) {
            type = m_token.text;
            Advance();
        }
        if (m_token.kind != Identifier) return Fail(m_token.line, "expected a token name");
        while (m_token.kind == Identifier) {
            RawToken raw;
            raw.name = m_token.text;
            raw.type = type;
            raw.line = m_token.line;
            Advance();
            std::string number;
            if (!Expect(Number, "a token number", &number)) return false;
            raw.number = number.size() > 6 ? -1 : std::stoi(number);
            if (m_token.kind == String) {
                raw.alias = m_token.text;
                Advance();
            }
            m_raw.tokens.push_back(raw);
        }
        return true;
    }

    bool ReadList(Kind payloadKind, const char* what, std::vector<RawList>& lists) {
        RawList list;
        if (!Expect(payloadKind, what, &list.payload)) return false;
        if (!IsSymbolToken()) return Fail(m_token.line, "expected symbols");
        while (IsSymbolToken()) {
            list.names.push_back(m_token);
            Advance();
        }
        lists.push_back(list);
        return true;
    }

    bool ReadRules() {
        while (m_token.kind != End && m_token.kind != Separator) {
            RawRule rule;
            rule.lhs = m_token;
            if (!Expect(Identifier, "a rule's left-hand side") || !Expect(Colon, "':'")) return false;
            for (;;) {
                RawAlternative alternative;
                alternative.line = m_token.line;
                while (IsSymbolToken()) {
                    alternative.symbols.push_back(m_token);
                    Advance();
                }
                if (m_token.kind == Code) {
                    alternative.action = m_token.text;
                    Advance();
                }
                rule.alternatives.push_back(alternative);
                if (m_token.kind == Semicolon) break;
                if (!Expect(Bar, "'|' or ';' after an action or symbols")) return false;
            }
            Advance();
            m_raw.rules.push_back(rule);
        }
        if (m_token.kind == Separator) Advance();
        if (m_token.kind != End) return Fail(m_token.line, "unexpected text after the rules");
        if (m_raw.rules.empty()) return Fail(m_token.line, "the grammar has no rules");
        return true;
    }

    int Lookup(const Token& token) const {
        const auto& names = token.kind == String ? m_aliases : m_names;
        auto it = names.find(token.text);
        return it == names.end() ? -1 : it->second;
    }

    int AddSymbol(LalrGrammar& grammar, const std::string& name, bool terminal, int token, int line) {
        LalrSymbol symbol;
        symbol.name = name;
        symbol.terminal = terminal;
        symbol.token = token;
        symbol.line = line;
        grammar.symbols.push_back(symbol);
        m_names[name] = (int)grammar.symbols.size() - 1;
        return (int)grammar.symbols.size() - 1;
    }

    bool Build(LalrGrammar& grammar) {
        grammar.name = m_raw.name.empty() ? "Parser" : m_raw.name;
        grammar.tokenNamespace = m_raw.tokenNamespace;
        grammar.prologue = m_raw.prologue;
        grammar.afterAction = m_raw.afterAction;
        grammar.fileName = m_fileName;
        return BuildTerminals(grammar) && BuildNonterminals(grammar) && BuildDeclarations(grammar) &&
               BuildRules(grammar);
    }

    bool BuildTerminals(LalrGrammar& grammar) {
        AddSymbol(grammar, "$end", true, 0, 0);
        AddSymbol(grammar, "error", true, 256, 0);
        std::map<int, std::string> numbers = {{0, "$end"}, {256, "error"}};
        for (const RawToken& raw : m_raw.tokens) {
            if (m_names.count(raw.name)) return Fail(raw.line, "token " + raw.name + " declared twice");
            if (raw.number < 1 || raw.number > 32767) return Fail(raw.line, "token number out of range");
            if (numbers.count(raw.number))
                return Fail(raw.line, "token number " + std::to_string(raw.number) + " already used by " +
                                          numbers[raw.number]);
            numbers[raw.number] = raw.name;
            int symbol = AddSymbol(grammar, raw.name, true, raw.number, raw.line);
            grammar.symbols[symbol].type = raw.type;
            if (!raw.alias.empty()) {
                if (m_aliases.count(raw.alias)) return Fail(raw.line, "spelling \"" + raw.alias + "\" used twice");
                grammar.symbols[symbol].alias = raw.alias;
                m_aliases[raw.alias] = symbol;
            }
        }
        grammar.terminalCount = (int)grammar.symbols.size();
        return true;
    }

    bool BuildNonterminals(LalrGrammar& grammar) {
        int accept = AddSymbol(grammar, "$accept", false, -1, 0);
        for (const RawRule& rule : m_raw.rules) {
            int existing = Lookup(rule.lhs);
            if (existing >= 0 && grammar.IsTerminal(existing))
                return Fail(rule.lhs.line, rule.lhs.text + " is a token and cannot have rules");
            if (existing < 0) AddSymbol(grammar, rule.lhs.text, false, -1, rule.lhs.line);
        }
        int start = m_raw.start.kind == End ? Lookup(m_raw.rules[0].lhs) : Lookup(m_raw.start);
        if (start < 0 || grammar.IsTerminal(start))
            return Fail(m_raw.start.line, "the start symbol must have rules");
        LalrRule acceptRule;
        acceptRule.lhs = accept;
        acceptRule.rhs.push_back(start);
        grammar.rules.push_back(acceptRule);
        return true;
    }

    bool FindSymbol(const Token& token, int& symbol) {
        symbol = Lookup(token);
        if (symbol >= 0) return true;
        return Fail(token.line, "undefined symbol " + (token.kind == String ? "\"" + token.text + "\"" : token.text));
    }

    bool BuildDeclarations(LalrGrammar& grammar) {
        for (const RawList& list : m_raw.types) {
            for (const Token& name : list.names) {
                int symbol;
                if (!FindSymbol(name, symbol)) return false;
                grammar.symbols[symbol].type = list.payload;
            }
        }
        for (const RawList& list : m_raw.destructors) {
            grammar.destructors.push_back(list.payload);
            for (const Token& name : list.names) {
                int symbol;
                if (!FindSymbol(name, symbol)) return false;
                if (grammar.symbols[symbol].type.empty())
                    return Fail(name.line, name.text + " has a destructor but no <type>");
                if (symbol == 0 || symbol == 1) return Fail(name.line, "$end and error carry no value");
                grammar.symbols[symbol].destructor = (int)grammar.destructors.size() - 1;
            }
        }
        for (const Token& name : m_raw.preferShift) {
            int symbol;
            if (!FindSymbol(name, symbol)) return false;
            if (!grammar.IsTerminal(symbol)) return Fail(name.line, "%prefer-shift takes tokens");
            grammar.symbols[symbol].preferShift = true;
        }
        return true;
    }

    bool BuildRules(LalrGrammar& grammar) {
        for (const RawRule& raw : m_raw.rules) {
            for (const RawAlternative& alternative : raw.alternatives) {
                LalrRule rule;
                rule.lhs = Lookup(raw.lhs);
                rule.action = alternative.action;
                rule.line = alternative.line;
                for (const Token& name : alternative.symbols) {
                    int symbol;
                    if (!FindSymbol(name, symbol)) return false;
                    if (symbol == 0) return Fail(name.line, "$end cannot appear in rules");
                    rule.rhs.push_back(symbol);
                }
                grammar.rules.push_back(rule);
            }
        }
        return true;
    }

    Scanner m_scanner;
    std::string m_fileName;
    Token m_token;
    RawGrammar m_raw;
    std::string m_error;
    std::map<std::string, int> m_names, m_aliases;
};

}  // namespace

bool LalrGrammarReader::Read(const std::string& text, const std::string& fileName, LalrGrammar& grammar,
                             std::string& error) {
    grammar = LalrGrammar();
    Reader reader(text, fileName);
    return reader.Read(grammar, error);
}
