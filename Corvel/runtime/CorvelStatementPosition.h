// Base of the records in which an execution context keeps the progress of
// interrupted constructs. `statement` is the node the record belongs to, or
// null for a record of a built-in function call.
#pragma once

class CorvelStatement;

class CorvelStatementPosition {
public:
    explicit CorvelStatementPosition(const CorvelStatement* owner = nullptr) : statement(owner) {}
    virtual ~CorvelStatementPosition() = default;

    CorvelStatementPosition(const CorvelStatementPosition&) = delete;
    CorvelStatementPosition& operator=(const CorvelStatementPosition&) = delete;

    const CorvelStatement* statement;
};
