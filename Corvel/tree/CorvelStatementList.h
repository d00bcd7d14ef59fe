// CorvelStatementList: statements in order; the list owns them.
#pragma once

#include "CorvelTreeElement.h"
#include "QelArray.h"
#include "QelList.h"

class CorvelStatement;

class CorvelStatementList : public CorvelTreeElement {
public:
    // A null `first` makes an empty list.
    explicit CorvelStatementList(CorvelStatement* first);
    CorvelStatementList(const CorvelStatementList& other);
    ~CorvelStatementList() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    // Appends and takes ownership; a null statement is ignored.
    void AddStatement(CorvelStatement* statement);
    int GetNumberOfStatements() const { return statements.GetSize(); }
    CorvelStatement* GetStatement(int index) const { return statements[index]; }

    // The handle's value is the next element's index plus one.
    __QelPOSITION* GetStatementHeadPosition() const;
    CorvelStatement* GetNextStatement(__QelPOSITION*& position) const;

protected:
    QelArray<CorvelStatement*, 10> statements;
};
