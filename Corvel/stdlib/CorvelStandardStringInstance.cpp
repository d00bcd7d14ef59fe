#include "CorvelStandardStringInstance.h"

#include "CorvelBuiltInFunction.h"
#include "CorvelEnvironment.h"
#include "CorvelStandardStringPrototype.h"

#include <cstring>

CorvelStandardStringInstance::CorvelStandardStringInstance(const char* text) : m_value(text ? text : "") {
    SetLength();
}

CorvelStandardStringInstance::CorvelStandardStringInstance(const CorvelValue& string) : m_value(string) {
    m_value.SetAttributes(0);
    SetLength();
}

void CorvelStandardStringInstance::SetLength() {
    const int fixed = CorvelValue::ReadOnly | CorvelValue::DontEnum | CorvelValue::DontDelete;
    SetOwnProperty("length", CorvelValue((double)m_value.GetStringLength()), fixed);
}

CorvelObject* CorvelStandardStringInstance::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardStringPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardStringInstance::Class() const { return ClassString; }

const CorvelValue& CorvelStandardStringInstance::Value() const { return m_value; }

void CorvelStandardStringInstance::DefaultValue(CorvelValue& result, int hint) const {
    static const CorvelPropertyStore::Name kToString("toString");
    static const CorvelPropertyStore::Name kValueOf("valueOf");
    const CorvelValue& method = GetHashed(hint == CorvelValue::String ? kToString : kValueOf);
    CorvelNativeFunction native = CorvelBuiltInFunction::NativeOf(method);
    if (native == CorvelStandardStringPrototype::ToString || native == CorvelStandardStringPrototype::ValueOf) {
        result = m_value;
        return;
    }
    CorvelObject::DefaultValue(result, hint);
}
