// The utility library's exception, thrown by pointer; the catcher deletes it.
#pragma once

#include "QelString.h"

class QelException {
public:
    QelException() = default;
    explicit QelException(const char* message) : m_message(message) {}
    virtual ~QelException() = default;

    const char* GetMessage() const { return m_message.GetText(); }
    // Deletes an exception caught by pointer.
    void Delete() { delete this; }

private:
    QelString m_message;
};
