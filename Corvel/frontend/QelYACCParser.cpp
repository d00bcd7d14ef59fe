#include "QelYACCParser.h"

#include "CorvelMessages.h"
#include "QelLEXAnalyser.h"
#include "QelResource.h"

#include <new>

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
    ClearErrors();
    int result;
    try {
        result = yymparserun(&m_engine);
    } catch (const std::bad_alloc&) {
        // The values on the stack are freed first: the report needs memory.
        yymparsewipe(&m_engine);
        ReportOutOfMemory();
        result = 1;
    }
    CopyErrors(errors);
    return result;
}

void QelYACCParser::ClearErrors() {
    m_errors.Empty();
    m_errorCount = 0;
    m_warningCount = 0;
    m_outOfMemory = false;
}

void QelYACCParser::CopyErrors(QelString& errors) const {
    try {
        errors = m_errors;
    } catch (const std::bad_alloc&) {
        errors.Empty();
    }
}

void QelYACCParser::ReportOutOfMemory() {
    m_outOfMemory = true;
    try {
        ReportError((unsigned int)CorvelMessages::OutOfMemory);
    } catch (const std::bad_alloc&) {
        ++m_errorCount;
    }
}

int QelYACCParser::YYGetToken() { return m_lexer ? m_lexer->GetToken() : 0; }

void QelYACCParser::YYSyntaxError() { ReportError(2u); }

void QelYACCParser::YYError(const char* text, ErrorType type) {
    // Counted first: the text may find no memory.
    if (type == Error) ++m_errorCount;
    if (type == Warning) ++m_warningCount;
    m_errors += text;
}

QelYACCParser& QelYACCParser::Of(yymparse* engine) { return *static_cast<QelYACCParser*>(engine->userData); }

int QelYACCParser::EngineGetToken(yymparse* engine) { return Of(engine).YYGetToken(); }

void QelYACCParser::EngineSyntaxError(yymparse* engine) { Of(engine).YYSyntaxError(); }

void QelYACCParser::EngineError(yymparse* engine, const char* text) { Of(engine).YYError(text, Error); }
