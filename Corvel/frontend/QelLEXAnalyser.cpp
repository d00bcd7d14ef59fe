#include "QelLEXAnalyser.h"

#include "QelString.h"
#include "QelYACCParser.h"

QelLEXAnalyser::QelLEXAnalyser(const yymlex* lexTemplate) {
    yymlex fallback = yymlexdefaults();
    yymlexcreate(&m_lex, lexTemplate ? lexTemplate : &fallback);
    m_lex.getChar = ReadCallback;
    m_lex.output = EchoCallback;
    m_lex.textOverflow = OverflowCallback;
    m_lex.unputOverflow = OverflowCallback;
    m_lex.data = this;
}

QelLEXAnalyser::~QelLEXAnalyser() { yymlexdestroy(&m_lex); }

QelYACCParser* QelLEXAnalyser::GetParser() { return m_parser; }

int QelLEXAnalyser::GetToken() {
    if (m_ylvalue) *m_ylvalue = nullptr;
    return yymlexscan(&m_lex);
}

void QelLEXAnalyser::SetBuffer(const char* text) {
    m_bufferStart = text;
    m_lex.cursor = reinterpret_cast<const unsigned char*>(text);
    yymlexreset(&m_lex);
    ResetState();
}

const char* QelLEXAnalyser::GetYYText() const { return m_lex.text ? m_lex.text : ""; }

void QelLEXAnalyser::LinkToYACC(QelYACCParser& parser) {
    m_parser = &parser;
    m_ylvalue = parser.GetYlvaluePtr();
}

int QelLEXAnalyser::GetChar() {
    const unsigned char*& at = m_lex.cursor;
    if (!at || *at == 0) return -1;
    return *at++;
}

void QelLEXAnalyser::OutputChar(int) {}

// The parser adds the line prefix and the line break itself.
void QelLEXAnalyser::ReportOverflow(const char* message) {
    if (!m_parser) return;
    QelString text(message);
    int length = text.GetLength();
    if (length > 0 && text[length - 1] == '\n') text.SetString(message, length - 1);
    m_parser->ReportError(text.GetText());
}

void QelLEXAnalyser::SetStartCondition(int condition) {
    if (condition >= 0 && 2 + 2 * condition < m_lex.stateCount) m_lex.start = condition;
}

int QelLEXAnalyser::GetConsumedCount() const {
    return m_lex.cursor ? (int)(reinterpret_cast<const char*>(m_lex.cursor) - m_bufferStart) : 0;
}

int QelLEXAnalyser::ReadCallback(yymlex* lex) { return static_cast<QelLEXAnalyser*>(lex->data)->GetChar(); }

void QelLEXAnalyser::EchoCallback(yymlex* lex, int c) { static_cast<QelLEXAnalyser*>(lex->data)->OutputChar(c); }

void QelLEXAnalyser::OverflowCallback(yymlex* lex, const char* message) {
    static_cast<QelLEXAnalyser*>(lex->data)->ReportOverflow(message);
}
