// A thin reusable wrapper around one lexing engine instance. Derived lexers
// add their own state and the actions of their rules.
#pragma once

class QelYACCParser;

class QelLEXAnalyser {
public:
    virtual ~QelLEXAnalyser();

    virtual QelYACCParser* GetParser();
    // Runs the engine once; the token number, 0 at end of input.
    virtual int GetToken();

    // The text must outlive lexing.
    void SetBuffer(const char* text);
    int GetLineNumber() const;
    const char* GetYYText() const;
    void LinkToYACC(QelYACCParser& parser);

protected:
    // Where rule actions store the value of the token they return.
    void** m_ylvalue = nullptr;
    QelYACCParser* m_parser = nullptr;
};
