// Turns one script text into a statement list and a list of function
// declarations. The parser owns both and every node in them.
#pragma once

#include "CorvelCodePosition.h"
#include "CorvelLexer.h"
#include "CorvelNodeArena.h"
#include "QelList.h"
#include "QelString.h"
#include "QelYACCParser.h"

class CorvelStatement;
class CorvelStatementList;
class CorvelFunctionDefinition;

class CorvelParser : public QelYACCParser {
public:
    explicit CorvelParser(const char* sourceName);
    ~CorvelParser() override;

    // True when the engine accepted the text, even after reporting errors:
    // check GetErrorCount() as well. A parser may parse again; the tree of
    // the previous text is deleted first.
    virtual bool Parse(const char* text, QelString& errors);

    CorvelStatementList* GetTree();
    QelPtrList<CorvelFunctionDefinition*>* GetFunctionList();

    // Where the nodes of the parse are made: null for a short text (an
    // eval's), whose few nodes cost less taken from the blocks kept by size.
    CorvelNodeArena* GetNodeArena() { return m_usesArena ? &m_nodeArena : nullptr; }

    const CorvelSourceName& GetSourceName() const { return m_sourceName; }
    int GetLineNumber() const { return m_corvelLexer.GetLineNumber(); }
    // The source name and the lexer's current line (column stays -1).
    void GetCodePosition(CorvelCodePosition& position) const;

    using QelYACCParser::ReportError;
    void ReportError(const char* message) override;

    // Called from the grammar's reductions.
    void AddToStatementList(CorvelStatement* statement);
    void AddFunctionDefinition(CorvelFunctionDefinition* definition);
    // Supplies a ";" before a "}" or after a line break.
    void InsertSemiColon();
    // Ends the parse when `value` (the node just built) is nested deeper than
    // the maximum; the node is then deleted and `value` nulled.
    void CheckNesting(yymparse* engine, void*& value);

    // The deepest node a parse accepts; the tree is destroyed, written and
    // dumped recursively, so this bounds the machine stack those need. A
    // parser starts with the current environment's limit (the default
    // without one). Depths below 1 count as 1.
    void SetMaximumNesting(int depth) { m_maximumNesting = depth < 1 ? 1 : depth; }
    int GetMaximumNesting() const { return m_maximumNesting; }

protected:
    int YYGetToken() override;
    // Syntax errors are reported by the grammar's error productions.
    void YYSyntaxError() override;

private:
    void DeleteTree();
    // The value of a token pushed back into the lexer stays with this parser
    // until the token is read again.
    void HoldTokenValue(int tokensBefore);

    // Its chunks live on with the nodes in them, the parser's or not.
    CorvelNodeArena m_nodeArena;
    bool m_usesArena = false;
    CorvelLexer m_corvelLexer;
    QelPtrList<CorvelFunctionDefinition*> m_functions;
    CorvelStatementList* m_statements = nullptr;
    CorvelSourceName m_sourceName;
    QelString m_text;  // the text being lexed
    void* m_heldValue = nullptr;
    int m_tokensBeforeHeld = 0;
    int m_maximumNesting;
};
