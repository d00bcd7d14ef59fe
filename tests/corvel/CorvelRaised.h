// RaisedId: the message id of the run-time error an action raises, for the
// tests that check which error an operation ends with.
#pragma once

#include "CorvelRuntimeException.h"

#include <cstdint>

// The id of the error `action` raises (the error is deleted), 0 when it
// raises none.
template <class Action>
uint32_t RaisedId(Action action) {
    try {
        action();
    } catch (CorvelRuntimeException* exception) {
        uint32_t id = exception->GetMessageId();
        delete exception;
        return id;
    }
    return 0;
}
