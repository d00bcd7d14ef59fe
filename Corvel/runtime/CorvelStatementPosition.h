// Base of the records in which an execution context keeps the progress of
// interrupted constructs. `statement` is the node the record belongs to, or
// null for a record of a built-in function call.
#pragma once

#include <cstddef>
#include <new>

class CorvelStatement;

class CorvelStatementPosition {
public:
    explicit CorvelStatementPosition(const CorvelStatement* owner = nullptr) : statement(owner) {}
    virtual ~CorvelStatementPosition() = default;

    CorvelStatementPosition(const CorvelStatementPosition&) = delete;
    CorvelStatementPosition& operator=(const CorvelStatementPosition&) = delete;

    // Records count against the environment's memory budget.
    static void* operator new(size_t size);
    static void operator delete(void* memory, size_t size);
    // Null instead of std::bad_alloc, for clean-up that must not throw.
    static void* operator new(size_t size, const std::nothrow_t&) noexcept;
    // Only for a constructor that throws after a nothrow new; records'
    // constructors do not, so the size is not needed to release the charge.
    static void operator delete(void* memory, const std::nothrow_t&) noexcept;

    const CorvelStatement* statement;
};
