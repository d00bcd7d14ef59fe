#include "CorvelLexer.h"

#include "CorvelConstant.h"
#include "CorvelIdentifier.h"
#include "CorvelMessages.h"
#include "CorvelNumberText.h"
#include "CorvelTokens.h"
#include "CorvelValue.h"
#include "QelResource.h"
#include "QelString.h"
#include "QelYACCParser.h"

#include <cstring>

namespace {

// Longer runs of unrecognised text are cut to this many bytes and "...".
const int kShownRunLength = 10;

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

// In double arithmetic, so that no literal overflows.
double Accumulate(const char* digits, int radix) {
    double value = 0;
    for (; *digits; ++digits) value = value * radix + DigitValue(*digits);
    return value;
}

// The message with `run` in place of its %s. Script text is never used as a
// format.
QelString UnrecognisedMessage(const QelString& run) {
    QelString format;
    {
        QelResourceSwitch resources("CORVEL");
        format.LoadStringA(CorvelMessages::UnrecognisedCharacters);
    }
    const char* text = format.GetText();
    const char* placeholder = strstr(text, "%s");
    if (!placeholder) return format;
    QelString message(text, (int)(placeholder - text));
    message += run;
    message += placeholder + 2;
    return message;
}

}  // namespace

CorvelLexer::CorvelLexer() : QelLEXAnalyser(GetLexTemplate()) {}

CorvelLexer::CorvelLexer(const yymlex* lexTemplate) : QelLEXAnalyser(lexTemplate) {}

int CorvelLexer::GetToken() {
    int pending = m_pendingTokens.GetSize();
    if (pending > 0) {
        int token = m_pendingTokens[pending - 1];
        m_pendingTokens.RemoveAt(pending - 1);
        return token;
    }
    m_unrecognisedStart = -1;
    m_eol = false;
    if (!m_tokenise && GetStartCondition() == Initial) PassOverLayout();
    int token = QelLEXAnalyser::GetToken();
    if (m_unrecognisedStart >= 0) ReportUnrecognised();
    return token;
}

// Blanks and line breaks before a token are most of the matches a script
// makes, and their rules return no token outside the editor's mode: they are
// passed over here as those rules would, without a match each.
void CorvelLexer::PassOverLayout() {
    const unsigned char* start = GetDirectInput();
    if (!start) return;
    const unsigned char* at = start;
    int lines = 0;
    bool lineBreak = false;
    for (;; ++at) {
        unsigned char c = *at;
        if (c == ' ' || c == '\t' || c == '\v' || c == '\f') continue;
        if (c != '\n' && c != '\r') break;
        lineBreak = true;
        lines += c == '\n';
    }
    if (at == start) return;
    if (lineBreak) RecordEOL();
    PassOver((int)(at - start), lines, at[-1] == '\n');
}

int CorvelLexer::SnoopNextToken() {
    int token = GetToken();
    InsertNextToken(token);
    return token;
}

int CorvelLexer::IncrementCommentCounter() {
    if (m_commentDepth == 0) m_commentDepth = 1;
    return m_commentDepth;
}

int CorvelLexer::DecrementCommentCounter() {
    if (m_commentDepth > 0) --m_commentDepth;
    return m_commentDepth;
}

void CorvelLexer::SetUnrecognisedStart() {
    int offset = TokenEnd() - 1;
    if (m_unrecognisedStart < 0) m_unrecognisedStart = offset;
    m_unrecognisedEnd = offset + 1;
}

bool CorvelLexer::Tokenise(const char* text, QelArray<int>& tokens, QelArray<int>& ends,
                           QelArray<CorvelTreeElement*>& values, bool& inComment) {
    void* value = nullptr;
    void** parserSlot = m_ylvalue;
    m_ylvalue = &value;
    m_tokenise = true;
    SetBuffer(text);
    if (inComment) {
        SetStartCondition(BlockComment);
        m_commentDepth = 1;
    }
    tokens.RemoveAll();
    ends.RemoveAll();
    values.RemoveAll();
    for (int token = GetToken(); token != 0; token = GetToken()) {
        tokens.Add(token);
        ends.Add(TokenEnd());
        values.Add(static_cast<CorvelTreeElement*>(value));
        value = nullptr;
    }
    inComment = !tokens.IsEmpty() && tokens[tokens.GetUpperBound()] == CorvelTokens::CommentOpenAtEnd;
    m_tokenise = false;
    m_ylvalue = parserSlot;
    return true;
}

void CorvelLexer::ResetState() {
    m_pendingTokens.RemoveAll();
    m_commentDepth = 0;
    m_eol = false;
    m_unrecognisedStart = -1;
    m_unrecognisedEnd = -1;
    m_names.Clear();
}

int CorvelLexer::ReturnValue(int token, CorvelTreeElement* node) {
    *m_ylvalue = node;
    return token;
}

int CorvelLexer::ReturnIdentifier() {
    if (!m_ylvalue) return CorvelTokens::Identifier;
    if (!m_sharesNames) return ReturnValue(CorvelTokens::Identifier, new CorvelIdentifier(GetYYText()));
    return ReturnValue(CorvelTokens::Identifier, new CorvelIdentifier(m_names.Intern(GetYYText(), GetMatchedLength())));
}

int CorvelLexer::ReturnNull() {
    if (!m_ylvalue) return CorvelTokens::Literal;
    return ReturnValue(CorvelTokens::Literal, new CorvelConstant(CorvelValue(CorvelValue::Null)));
}

int CorvelLexer::ReturnBoolean(bool value) {
    if (!m_ylvalue) return CorvelTokens::Literal;
    return ReturnValue(CorvelTokens::Literal, new CorvelConstant(value));
}

int CorvelLexer::ReturnDecimal() {
    if (!m_ylvalue) return CorvelTokens::Literal;
    const char* end;
    return ReturnValue(CorvelTokens::Literal, new CorvelConstant(CorvelNumberText::ScanDecimal(GetYYText(), &end)));
}

int CorvelLexer::ReturnHex() {
    if (!m_ylvalue) return CorvelTokens::Literal;
    return ReturnValue(CorvelTokens::Literal, new CorvelConstant(Accumulate(GetYYText() + 2, 16)));
}

int CorvelLexer::ReturnOctal() {
    if (!m_ylvalue) return CorvelTokens::Literal;
    return ReturnValue(CorvelTokens::Literal, new CorvelConstant(Accumulate(GetYYText() + 1, 8)));
}

int CorvelLexer::ReturnString() {
    if (!m_ylvalue) return CorvelTokens::Literal;
    const char* text = m_stringLiteral.Convert(GetYYText(), GetMatchedLength());
    return ReturnValue(CorvelTokens::Literal, new CorvelConstant(text));
}

// The run ends where the token being returned starts, so it takes in the
// blanks between the bad bytes and that token.
void CorvelLexer::ReportUnrecognised() {
    if (!m_parser) return;
    int end = GetConsumedCount() - GetMatchedLength() - GetUnputCount();
    // At the end of input the last match can be the bad byte itself.
    if (end < m_unrecognisedEnd) end = m_unrecognisedEnd;
    int length = end - m_unrecognisedStart;
    QelString run(GetBuffer() + m_unrecognisedStart, length < kShownRunLength ? length : kShownRunLength);
    if (length >= kShownRunLength) run += "...";
    m_parser->ReportError(UnrecognisedMessage(run).GetText());
}

void CorvelLexer::ReportCommentHasNoEnd() {
    if (m_parser) m_parser->ReportError((unsigned int)CorvelMessages::CommentHasNoEnd);
}
