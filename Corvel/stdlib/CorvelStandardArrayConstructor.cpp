#include "CorvelStandardArrayConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardArrayPrototype.h"

void CorvelStandardArrayConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardArrayPrototype() : nullptr, 1);
}
