#include "CorvelStandardArrayPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardArrayConstructor.h"

void CorvelStandardArrayPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardArrayConstructor() : nullptr);
    SetOwnProperty("length", CorvelValue(0), CorvelValue::DontEnum | CorvelValue::DontDelete);
}
