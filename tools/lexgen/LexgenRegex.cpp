#include "LexgenRegex.h"

#include "LexgenError.h"

#include <cctype>

namespace {

// Large counts would blow up the automaton for no use a lexer has.
const int kMaxRepeat = 255;

class PatternParser {
public:
    PatternParser(LexgenRegex& regex, const std::string& text, const std::map<std::string, int>& definitions)
        : m_regex(regex), m_text(text), m_definitions(definitions) {}

    int ParseAll() {
        int root = ParseAlternatives();
        if (!AtEnd()) Fail(Peek() == ')' ? "unbalanced ')'" : "unexpected '" + std::string(1, Peek()) + "'");
        return root;
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    char Next() {
        if (AtEnd()) Fail("pattern ends too early");
        return m_text[m_pos++];
    }
    [[noreturn]] void Fail(const std::string& what) const {
        throw LexgenError("pattern " + m_text + ": " + what);
    }

    int Binary(LexgenRegex::Kind kind, int left, int right) {
        LexgenRegex::Node node;
        node.kind = kind;
        node.left = left;
        node.right = right;
        return m_regex.AddNode(node);
    }

    int Bytes(const std::bitset<256>& bytes) {
        LexgenRegex::Node node;
        node.bytes = bytes;
        return m_regex.AddNode(node);
    }

    int ParseAlternatives() {
        int left = ParseSequence();
        while (Peek() == '|') {
            ++m_pos;
            left = Binary(LexgenRegex::Alternative, left, ParseSequence());
        }
        return left;
    }

    int ParseSequence() {
        if (AtEnd() || Peek() == '|' || Peek() == ')') Fail("empty alternative");
        int left = ParseRepeat();
        while (!AtEnd() && Peek() != '|' && Peek() != ')') left = Binary(LexgenRegex::Concat, left, ParseRepeat());
        return left;
    }

    int ParseRepeat() {
        int node = ParseAtom();
        for (;;) {
            char c = Peek();
            if (c == '*') node = Repeat(node, 0, -1);
            else if (c == '+') node = Repeat(node, 1, -1);
            else if (c == '?') node = Repeat(node, 0, 1);
            else if (c == '{' && m_pos + 1 < m_text.size() && isdigit((unsigned char)m_text[m_pos + 1])) {
                node = ParseCount(node);
                continue;
            } else
                return node;
            ++m_pos;
        }
    }

    int Repeat(int node, int min, int max) {
        LexgenRegex::Node repeat;
        repeat.kind = LexgenRegex::Repeat;
        repeat.left = node;
        repeat.min = min;
        repeat.max = max;
        return m_regex.AddNode(repeat);
    }

    int ParseNumber() {
        if (!isdigit((unsigned char)Peek())) Fail("a count is missing");
        int value = 0;
        while (isdigit((unsigned char)Peek())) {
            value = value * 10 + (Next() - '0');
            if (value > kMaxRepeat) Fail("count above " + std::to_string(kMaxRepeat));
        }
        return value;
    }

    int ParseCount(int node) {
        ++m_pos;  // '{'
        int min = ParseNumber();
        int max = min;
        if (Peek() == ',') {
            ++m_pos;
            max = Peek() == '}' ? -1 : ParseNumber();
        }
        if (Next() != '}') Fail("'}' expected after a count");
        if (max >= 0 && max < min) Fail("count range runs backwards");
        if (max == 0) Fail("a count of zero matches nothing");
        return Repeat(node, min, max);
    }

    int ParseAtom() {
        char c = Next();
        switch (c) {
        case '(': {
            int node = ParseAlternatives();
            if (Peek() != ')') Fail("')' expected");
            ++m_pos;
            return node;
        }
        case '"': return ParseLiteral();
        case '[': return ParseClass();
        case '{': return ParseReference();
        case '.': {
            std::bitset<256> bytes;
            bytes.set();
            bytes.reset('\n');
            return Bytes(bytes);
        }
        case '\\': return Single(ParseEscape());
        case ')': case '|': case '*': case '+': case '?': case '}': case ']': case '^': case '$': case '/':
            Fail("'" + std::string(1, c) + "' must be quoted or escaped");
        default:
            if (isspace((unsigned char)c)) Fail("blanks must be quoted");
            return Single((unsigned char)c);
        }
    }

    int Single(int byte) {
        std::bitset<256> bytes;
        bytes.set((size_t)byte);
        return Bytes(bytes);
    }

    int ParseLiteral() {
        int node = -1;
        for (;;) {
            char c = Next();
            if (c == '"') break;
            int byte = c == '\\' ? ParseEscape() : (unsigned char)c;
            int single = Single(byte);
            node = node < 0 ? single : Binary(LexgenRegex::Concat, node, single);
        }
        if (node < 0) Fail("empty literal");
        return node;
    }

    int HexDigit(char c) const {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    // After a backslash: the byte meant.
    int ParseEscape() {
        char c = Next();
        switch (c) {
        case 'n': return '\n';
        case 't': return '\t';
        case 'r': return '\r';
        case 'v': return '\v';
        case 'f': return '\f';
        case 'b': return '\b';
        case 'a': return '\a';
        case 'x': {
            int value = 0, digits = 0;
            while (digits < 2 && HexDigit(Peek()) >= 0) value = value * 16 + HexDigit(Next()), ++digits;
            if (digits == 0) Fail("hex digits expected after \\x");
            return value;
        }
        default:
            if (c >= '0' && c <= '7') {
                int value = c - '0';
                for (int digits = 1; digits < 3 && Peek() >= '0' && Peek() <= '7'; ++digits) value = value * 8 + (Next() - '0');
                if (value > 255) Fail("octal escape above 255");
                return value;
            }
            return (unsigned char)c;
        }
    }

    int ParseClassByte() {
        char c = Next();
        return c == '\\' ? ParseEscape() : (unsigned char)c;
    }

    int ParseClass() {
        std::bitset<256> bytes;
        bool negate = Peek() == '^';
        if (negate) ++m_pos;
        while (Peek() != ']') {
            int low = ParseClassByte();
            int high = low;
            if (Peek() == '-' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] != ']') {
                ++m_pos;
                high = ParseClassByte();
                if (high < low) Fail("class range runs backwards");
            }
            for (int b = low; b <= high; ++b) bytes.set((size_t)b);
        }
        ++m_pos;
        if (negate) bytes.flip();
        if (bytes.none()) Fail("class matches no byte");
        return Bytes(bytes);
    }

    int ParseReference() {
        size_t close = m_text.find('}', m_pos);
        if (close == std::string::npos) Fail("'}' expected after a name");
        std::string name = m_text.substr(m_pos, close - m_pos);
        auto it = m_definitions.find(name);
        if (it == m_definitions.end()) Fail("undefined name {" + name + "}");
        m_pos = close + 1;
        return it->second;
    }

    LexgenRegex& m_regex;
    const std::string& m_text;
    const std::map<std::string, int>& m_definitions;
    size_t m_pos = 0;
};

}  // namespace

int LexgenRegex::AddNode(const Node& node) {
    m_nodes.push_back(node);
    return (int)m_nodes.size() - 1;
}

int LexgenRegex::Parse(const std::string& pattern, const std::map<std::string, int>& definitions) {
    return PatternParser(*this, pattern, definitions).ParseAll();
}

bool LexgenRegex::IsNullable(int index) const {
    const Node& node = GetNode(index);
    switch (node.kind) {
    case Bytes: return false;
    case Concat: return IsNullable(node.left) && IsNullable(node.right);
    case Alternative: return IsNullable(node.left) || IsNullable(node.right);
    case Repeat: return node.min == 0 || IsNullable(node.left);
    }
    return false;
}
