#include "CorvelStandardStringConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardStringPrototype.h"

void CorvelStandardStringConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardStringPrototype() : nullptr, 1);
}
