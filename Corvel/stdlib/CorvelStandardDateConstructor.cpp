#include "CorvelStandardDateConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardDatePrototype.h"

void CorvelStandardDateConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardDatePrototype() : nullptr, 1);
}
