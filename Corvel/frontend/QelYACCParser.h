// A reusable wrapper around one LALR(1) parsing engine instance: links a
// lexer, collects error text and counts errors and warnings.
#pragma once

#include "QelString.h"

class QelLEXAnalyser;

class QelYACCParser {
public:
    enum ErrorType { Error = 0, Warning = 1 };

    virtual ~QelYACCParser();
    // Loads string `id` from the engine's table and reports it.
    virtual void ReportError(unsigned int id);
    // Appends "(line) : message\n" and counts one error.
    virtual void ReportError(const char* message);

    void LinkToLEX(QelLEXAnalyser& lexer);
    // The engine's token-value slot, written by the lexer's rule actions.
    void** GetYlvaluePtr();

    int GetErrorCount() const { return m_errorCount; }
    int GetWarningCount() const { return m_warningCount; }

protected:
    virtual int YYGetToken();
    virtual void YYSyntaxError();
    virtual void YYError(const char* text, ErrorType type);

    QelLEXAnalyser* m_lexer = nullptr;
    QelString m_errors;
    int m_errorCount = 0;
    int m_warningCount = 0;
};
