// Turns one script text into a statement list and a list of function
// declarations. The parser owns both and every node in them.
#pragma once

#include "CorvelCodePosition.h"
#include "QelList.h"
#include "QelString.h"
#include "QelYACCParser.h"

class CorvelStatementList;
class CorvelFunctionDefinition;

class CorvelParser : public QelYACCParser {
public:
    explicit CorvelParser(const char* sourceName);
    ~CorvelParser() override;

    virtual bool Parse(const char* text, QelString& errors);

    CorvelStatementList* GetTree();
    QelPtrList<CorvelFunctionDefinition*>* GetFunctionList();

    // The source name and the lexer's current line (column stays -1).
    void GetCodePosition(CorvelCodePosition& position) const;
};
