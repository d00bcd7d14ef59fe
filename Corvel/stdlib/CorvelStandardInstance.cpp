#include "CorvelStandardInstance.h"

CorvelStandardInstance::CorvelStandardInstance() : CorvelObject(true) {}

CorvelObject::ClassType CorvelStandardInstance::Class() const { return ClassUnknown; }

const CorvelValue& CorvelStandardInstance::Value() const { return CorvelValue::ms_null; }
