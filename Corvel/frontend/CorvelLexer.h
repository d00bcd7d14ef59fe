// The script language's lexer: the rule actions of CorvelLexer.rules, the
// line-break and pushed-back tokens the grammar needs for automatic
// semicolons, and a mode that tokenises one line for the script editor.
#pragma once

#include "CorvelNameTable.h"
#include "CorvelStringLiteral.h"
#include "QelArray.h"
#include "QelLEXAnalyser.h"

class CorvelTreeElement;

class CorvelLexer : public QelLEXAnalyser {
public:
    // The start conditions of CorvelLexer.rules, numbered in its order.
    enum StartCondition { Initial = 0, BlockComment = 1, LineComment = 2 };

    CorvelLexer();
    // Over another template of the same tables, e.g. one with fixed buffers.
    explicit CorvelLexer(const yymlex* lexTemplate);

    // Pending tokens first (last inserted first); otherwise one engine scan,
    // after which a run of unrecognised bytes met on the way is reported.
    int GetToken() override;
    void InsertNextToken(int token) { m_pendingTokens.Add(token); }
    // Whether the identifiers of the texts that follow share one copy of
    // each name. Worth it for a long text; an eval's short one, whose names
    // are mostly met once, is better off without the table.
    void ShareNames(bool share) { m_sharesNames = share; }
    int SnoopNextToken();

    // Whether a line break stood before the token just scanned.
    void RecordEOL() { m_eol = true; }
    bool GetEOL() const { return m_eol; }

    // Comments do not nest: the depth is 0 or 1.
    int IncrementCommentCounter();
    int DecrementCommentCounter();
    void ResetCommentCounter() { m_commentDepth = 0; }

    // Opens a run of unrecognised bytes at the byte just matched, unless
    // one is open already.
    void SetUnrecognisedStart();

    // Scans one line for the editor: every token with the offset just past
    // it and its value node (the caller takes ownership of the nodes), with
    // extra tokens for blanks, comment ends and unrecognised bytes.
    // `inComment` says whether the line starts, and then ends, inside a
    // block comment. Always true.
    bool Tokenise(const char* text, QelArray<int>& tokens, QelArray<int>& ends,
                  QelArray<CorvelTreeElement*>& values, bool& inComment);

    // Generated from CorvelLexer.rules into CorvelLexerTables.cpp.
    static const yymlex* GetLexTemplate();
    // The code of rule `rule`: its token, or -1 when it returns none.
    // Only the engine calls this.
    int RuleAction(int rule);

protected:
    void ResetState() override;

private:
    // Token values. Nodes are made only when someone holds a value slot.
    int ReturnValue(int token, CorvelTreeElement* node);
    int ReturnIdentifier();
    int ReturnNull();
    int ReturnBoolean(bool value);
    int ReturnDecimal();
    int ReturnHex();
    int ReturnOctal();
    int ReturnString();

    int TokenEnd() const { return GetConsumedCount() - GetUnputCount(); }
    void ReportUnrecognised();
    void PassOverLayout();
    void ReportCommentHasNoEnd();

    bool m_tokenise = false;
    int m_commentDepth = 0;
    bool m_eol = false;
    int m_unrecognisedStart = -1;  // offset, -1 = no run open
    int m_unrecognisedEnd = -1;    // just past the run's last bad byte
    QelArray<int> m_pendingTokens;
    CorvelStringLiteral m_stringLiteral;
    CorvelNameTable m_names;  // of the text being lexed
    bool m_sharesNames = false;
};
