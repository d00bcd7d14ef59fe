// A thin reusable wrapper around one lexing engine instance. Derived lexers
// add their own state and the actions of their rules.
#pragma once

#include "yymlex.h"

class QelYACCParser;

class QelLEXAnalyser {
public:
    // The engine instance is a copy of `lexTemplate` with its own buffers.
    explicit QelLEXAnalyser(const yymlex* lexTemplate);
    virtual ~QelLEXAnalyser();
    QelLEXAnalyser(const QelLEXAnalyser&) = delete;
    QelLEXAnalyser& operator=(const QelLEXAnalyser&) = delete;

    virtual QelYACCParser* GetParser();
    // Runs the engine once; the token number, 0 at end of input. Clears the
    // linked token-value slot first, so a token without a value never
    // carries the previous token's.
    virtual int GetToken();

    // The text must outlive lexing. Each new text starts afresh: line 1,
    // initial start condition, nothing pushed back, no failure.
    void SetBuffer(const char* text);
    int GetLineNumber() const { return m_lex.lineNumber; }
    const char* GetYYText() const;
    // Does not link back: the parser's LinkToLEX does that side.
    void LinkToYACC(QelYACCParser& parser);

    // True once an engine buffer could not grow. The overflow text went to
    // the linked parser through ReportError(const char*) (one error counted)
    // and every GetToken since has returned 0, so a parser must treat the
    // end of input it saw as a failure.
    bool HasFailed() const { return m_lex.failed != 0; }

protected:
    // The engine's character source when bytes were pushed back: the next
    // byte of the buffer as 0..255, or -1 from the terminating NUL on.
    int GetChar();
    // The engine's echo of bytes no rule matched: they are dropped.
    void OutputChar(int c);
    // Derived lexers clear their own per-text state here (called by SetBuffer).
    virtual void ResetState() {}
    virtual void ReportOverflow(const char* message);

    // The bytes the engine reads next, when it reads them straight from the
    // buffer (nothing pushed back, no failure); else null. A derived lexer
    // may pass over bytes there itself, with PassOver.
    const unsigned char* GetDirectInput() const {
        bool direct = !m_lex.failed && m_lex.unputCount == 0 && m_lex.input == yymlexinput && m_lex.unput == yymlexunput;
        return direct ? m_lex.cursor : nullptr;
    }
    // Moves the engine past `count` bytes of the direct input that rules
    // returning no token would have matched: `lines` line feeds among them,
    // the last match ending with one or not.
    void PassOver(int count, int lines, bool endsLine) {
        m_lex.cursor += count;
        m_lex.lineNumber += lines;
        m_lex.eol = endsLine ? 1 : 0;
    }

    // Ignored unless the tables know the condition.
    void SetStartCondition(int condition);
    int GetStartCondition() const { return m_lex.start; }

    const char* GetBuffer() const { return m_bufferStart ? m_bufferStart : ""; }
    // Bytes taken from the buffer so far; its length once the end was read.
    int GetConsumedCount() const;
    // Bytes read ahead and given back, waiting to be read again.
    int GetUnputCount() const { return m_lex.unputCount; }
    int GetMatchedLength() const { return m_lex.length; }

    // Where rule actions store the value of the token they return.
    void** m_ylvalue = nullptr;
    QelYACCParser* m_parser = nullptr;

private:
    static int ReadCallback(yymlex* lex);
    static void EchoCallback(yymlex* lex, int c);
    static void OverflowCallback(yymlex* lex, const char* message);

    yymlex m_lex;
    // The engine's cursor walks this text and stops at its terminating NUL.
    const char* m_bufferStart = nullptr;
};
