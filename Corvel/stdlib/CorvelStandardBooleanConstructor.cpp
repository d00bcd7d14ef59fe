#include "CorvelStandardBooleanConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardBooleanPrototype.h"

void CorvelStandardBooleanConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardBooleanPrototype() : nullptr, 1);
}
