// A reusable wrapper around one LALR(1) parsing engine instance: links a
// lexer, collects error text and counts errors and warnings.
#pragma once

#include "QelString.h"
#include "yymparse.h"

class QelLEXAnalyser;

class QelYACCParser {
public:
    enum ErrorType { Error = 0, Warning = 1 };

    explicit QelYACCParser(const yymparsetables& tables);
    virtual ~QelYACCParser();
    // The engine's stacks belong to this object alone.
    QelYACCParser(const QelYACCParser&) = delete;
    QelYACCParser& operator=(const QelYACCParser&) = delete;

    // Loads string `id` from the engine's table and reports it.
    virtual void ReportError(unsigned int id);
    // Appends "(line) : message\n" and counts one error.
    virtual void ReportError(const char* message);

    void LinkToLEX(QelLEXAnalyser& lexer);
    // The engine's token-value slot, written by the lexer's rule actions.
    void** GetYlvaluePtr();

    int GetErrorCount() const { return m_errorCount; }
    int GetWarningCount() const { return m_warningCount; }

    // Lexes `text` (which must outlive the call) and runs the engine from a
    // clean error state; the collected error text goes to `errors` whatever
    // the outcome. 0 = accepted, 1 = aborted. A parse that runs out of memory
    // disposes of what it built, reports "Out of memory" and is aborted.
    int Parse(const char* text, QelString& errors);
    // Whether the last parse ran out of memory.
    bool RanOutOfMemory() const { return m_outOfMemory; }

protected:
    // Counts and reports "Out of memory" (counted even when the report
    // itself finds no memory).
    void ReportOutOfMemory();
    // Starts a new parse's error count and text.
    void ClearErrors();
    // Hands over the error text (nothing when there is no memory for it).
    void CopyErrors(QelString& errors) const;
    virtual int YYGetToken();
    virtual void YYSyntaxError();
    virtual void YYError(const char* text, ErrorType type);

    yymparse m_engine;
    QelLEXAnalyser* m_lexer = nullptr;
    QelString m_errors;
    int m_errorCount = 0;
    int m_warningCount = 0;
    bool m_outOfMemory = false;

private:
    static int EngineGetToken(yymparse* engine);
    static void EngineSyntaxError(yymparse* engine);
    static void EngineError(yymparse* engine, const char* text);
    static QelYACCParser& Of(yymparse* engine);
};
