// The thrown run-time error: a message id of the engine's string table, the
// position of the failing construct and up to two argument strings. Thrown
// by pointer; whoever catches it deletes it.
#pragma once

#include "CorvelCodePosition.h"
#include "QelString.h"

#include <cstdint>

class CorvelRuntimeException {
public:
    explicit CorvelRuntimeException(uint32_t messageId, const char* argument0 = nullptr,
                                    const char* argument1 = nullptr);

    uint32_t GetMessageId() const { return messageId; }
    const CorvelCodePosition& GetPosition() const { return position; }
    // Fills in the position unless an inner place already did.
    void StampPosition(const CorvelCodePosition& where);
    // The message text, formatted from the engine's string table.
    QelString FormatMessage() const;

    // The error that running out of memory becomes, stamped with `where`.
    // The memory reserve is given back first, so that the record can be
    // made (when even that fails, std::bad_alloc goes on instead).
    static CorvelRuntimeException* OutOfMemory(const CorvelCodePosition& where);

    // Allocates and throws; never returns.
    [[noreturn]] static void Raise(uint32_t messageId, const char* argument0 = nullptr,
                                   const char* argument1 = nullptr);

    uint32_t messageId;
    CorvelCodePosition position;
    QelString arguments[2];
};
