#include "CorvelRuntimeException.h"

#include "CorvelMemoryReserve.h"
#include "CorvelMessages.h"
#include "QelResource.h"

CorvelRuntimeException::CorvelRuntimeException(uint32_t id, const char* argument0, const char* argument1)
    : messageId(id) {
    arguments[0] = argument0;
    arguments[1] = argument1;
}

void CorvelRuntimeException::StampPosition(const CorvelCodePosition& where) {
    if (position.line == -1) position = where;
}

QelString CorvelRuntimeException::FormatMessage() const {
    QelResourceSwitch useEngineStrings("CORVEL");
    QelString text;
    text.Format(messageId, arguments[0].GetText(), arguments[1].GetText());
    return text;
}

CorvelRuntimeException* CorvelRuntimeException::OutOfMemory(const CorvelCodePosition& where) {
    CorvelMemoryReserve::GiveBack();
    CorvelRuntimeException* error = new CorvelRuntimeException(CorvelMessages::OutOfMemory);
    error->StampPosition(where);
    return error;
}

void CorvelRuntimeException::Raise(uint32_t messageId, const char* argument0, const char* argument1) {
    throw new CorvelRuntimeException(messageId, argument0, argument1);
}
