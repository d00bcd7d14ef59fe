#include "CorvelParser.h"

#include "CorvelEnvironment.h"
#include "CorvelMessages.h"
#include "CorvelTokens.h"
#include "CorvelTree.h"

// Generated from CorvelGrammar.grammar.
extern const yymparsetables CorvelParserTables;

namespace {

// Texts from this long on have their identifiers share their names.
const int kLongText = 2048;
// Texts from this long on have their nodes made in the parser's arena. Its
// chunks take 2 MB of address space each: a text this long fills a good
// part of its first, so that a host keeping many trees of short texts does
// not hold address space its trees leave empty.
const int kArenaText = 32 * 1024;

}  // namespace

CorvelParser::CorvelParser(const char* sourceName)
    : QelYACCParser(CorvelParserTables),
      m_sourceName(sourceName),
      m_maximumNesting(CorvelEnvironment::GetCurrentLimits().maximumNesting) {
    LinkToLEX(m_corvelLexer);
}

CorvelParser::~CorvelParser() {
    DeleteTree();
    delete static_cast<CorvelTreeElement*>(m_heldValue);
}

bool CorvelParser::Parse(const char* text, QelString& errors) {
    DeleteTree();
    // The final line break lets a last statement without ";" get one.
    try {
        m_text = text;
        m_text += "\n";
    } catch (const std::bad_alloc&) {
        m_text.Empty();
        ClearErrors();
        ReportOutOfMemory();
        CopyErrors(errors);
        return false;
    }
    m_usesArena = m_text.GetLength() >= kArenaText;
    m_corvelLexer.ShareNames(m_text.GetLength() >= kLongText);
    CorvelTreeElement::SetCodeSource(this);
    int result = QelYACCParser::Parse(m_text.GetText(), errors);
    CorvelTreeElement::ClearCodeSource(this);
    // A token pushed back but never read again still owns its node.
    delete static_cast<CorvelTreeElement*>(m_heldValue);
    m_heldValue = nullptr;
    m_tokensBeforeHeld = 0;
    if (m_corvelLexer.HasFailed()) {
        // The lexer reported why; the input it ended early is not the script.
        if (m_errorCount == 0) ++m_errorCount;
        result = 1;
    }
    return result != 1;
}

CorvelStatementList* CorvelParser::GetTree() { return m_statements; }

QelPtrList<CorvelFunctionDefinition*>* CorvelParser::GetFunctionList() { return &m_functions; }

void CorvelParser::GetCodePosition(CorvelCodePosition& position) const {
    position.source = m_sourceName;
    position.line = m_corvelLexer.GetLineNumber();
    position.column = -1;
}

void CorvelParser::ReportError(const char* message) { QelYACCParser::ReportError(message); }

void CorvelParser::AddToStatementList(CorvelStatement* statement) {
    if (m_statements)
        m_statements->AddStatement(statement);
    else
        m_statements = new CorvelStatementList(statement);
}

void CorvelParser::AddFunctionDefinition(CorvelFunctionDefinition* definition) { m_functions.AddTail(definition); }

void CorvelParser::InsertSemiColon() {
    using namespace CorvelTokens;
    if (m_engine.lookaheadValid) {
        int token = m_engine.lookahead;
        if (token == Semicolon || (token != RightBrace && !m_corvelLexer.GetEOL())) return;
        m_corvelLexer.InsertNextToken(token);
        HoldTokenValue(0);
        m_engine.lookahead = Semicolon;
        return;
    }
    // Snoops at the next token through YYGetToken, so that a value held
    // back for it comes along. The value is held before the tokens are
    // pushed back, which may find no memory.
    int token = YYGetToken();
    bool insert = token != Semicolon && (token == RightBrace || m_corvelLexer.GetEOL());
    HoldTokenValue(insert ? 1 : 0);
    m_corvelLexer.InsertNextToken(token);
    if (insert) m_corvelLexer.InsertNextToken(Semicolon);
}

void CorvelParser::CheckNesting(yymparse* engine, void*& value) {
    CorvelTreeElement* node = static_cast<CorvelTreeElement*>(value);
    if (!node || node->GetDepth() <= m_maximumNesting) return;
    ReportError(CorvelMessages::NestedTooDeeply);
    delete node;
    value = nullptr;
    yymparseabort(engine);
}

int CorvelParser::YYGetToken() {
    int token = m_corvelLexer.GetToken();
    if (m_heldValue) {
        if (m_tokensBeforeHeld > 0) {
            --m_tokensBeforeHeld;
            m_engine.tokenValue = nullptr;  // the inserted ";"
        } else {
            m_engine.tokenValue = m_heldValue;
            m_heldValue = nullptr;
        }
    }
    return token;
}

void CorvelParser::YYSyntaxError() {}

void CorvelParser::DeleteTree() {
    delete m_statements;
    m_statements = nullptr;
    while (!m_functions.IsEmpty()) delete m_functions.RemoveHead();
}

void CorvelParser::HoldTokenValue(int tokensBefore) {
    // Only one token is ever pushed back with a value: the one just read.
    if (!m_engine.tokenValue) return;
    m_heldValue = m_engine.tokenValue;
    m_engine.tokenValue = nullptr;
    m_tokensBeforeHeld = tokensBefore;
}
