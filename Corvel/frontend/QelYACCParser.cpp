#include "QelYACCParser.h"

#include "QelLEXAnalyser.h"
#include "QelResource.h"

QelYACCParser::QelYACCParser(const yymparsetables& tables) {
    yymparse templ = yymparsetemplate(&tables);
    templ.userData = this;
    templ.getToken = EngineGetToken;
    templ.syntaxError = EngineSyntaxError;
    templ.error = EngineError;
    // Without memory for the first stacks the engine starts empty and grows.
    yymparsecreate(&m_engine, &templ);
}

QelYACCParser::~QelYACCParser() { yymparsedestroy(&m_engine); }

void QelYACCParser::ReportError(unsigned int id) {
    QelString message;
    {
        QelResourceSwitch engineStrings("CORVEL");
        message.LoadStringA(id);
    }
    ReportError(message.GetText());
}

void QelYACCParser::ReportError(const char* message) {
    QelString line;
    line.Format("(%d) : %s\n", m_lexer ? m_lexer->GetLineNumber() : 0, message ? message : "");
    YYError(line.GetText(), Error);
}

void QelYACCParser::LinkToLEX(QelLEXAnalyser& lexer) {
    m_lexer = &lexer;
    lexer.LinkToYACC(*this);
}

void** QelYACCParser::GetYlvaluePtr() { return &m_engine.tokenValue; }

int QelYACCParser::Parse(const char* text, QelString& errors) {
    if (m_lexer) m_lexer->SetBuffer(text);
    m_errors.Empty();
    m_errorCount = 0;
    m_warningCount = 0;
    int result = yymparserun(&m_engine);
    errors = m_errors;
    return result;
}

int QelYACCParser::YYGetToken() { return m_lexer ? m_lexer->GetToken() : 0; }

void QelYACCParser::YYSyntaxError() { ReportError(2u); }

void QelYACCParser::YYError(const char* text, ErrorType type) {
    m_errors += text;
    if (type == Error) ++m_errorCount;
    if (type == Warning) ++m_warningCount;
}

QelYACCParser& QelYACCParser::Of(yymparse* engine) { return *static_cast<QelYACCParser*>(engine->userData); }

int QelYACCParser::EngineGetToken(yymparse* engine) { return Of(engine).YYGetToken(); }

void QelYACCParser::EngineSyntaxError(yymparse* engine) { Of(engine).YYSyntaxError(); }

void QelYACCParser::EngineError(yymparse* engine, const char* text) { Of(engine).YYError(text, Error); }
