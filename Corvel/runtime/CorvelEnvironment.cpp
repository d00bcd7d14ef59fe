#include "CorvelEnvironment.h"

#include "CorvelDebugObject.h"
#include "CorvelObjectTable.h"
#include "CorvelStandardArrayConstructor.h"
#include "CorvelStandardArrayPrototype.h"
#include "CorvelStandardBooleanConstructor.h"
#include "CorvelStandardBooleanPrototype.h"
#include "CorvelStandardDateConstructor.h"
#include "CorvelStandardDatePrototype.h"
#include "CorvelStandardFunctionConstructor.h"
#include "CorvelStandardFunctionPrototype.h"
#include "CorvelStandardMathObject.h"
#include "CorvelStandardNumberConstructor.h"
#include "CorvelStandardNumberPrototype.h"
#include "CorvelStandardObjectConstructor.h"
#include "CorvelStandardObjectPrototype.h"
#include "CorvelStandardStringConstructor.h"
#include "CorvelStandardStringPrototype.h"

namespace {

template <class T>
void DeleteObject(T*& object) {
    delete object;
    object = nullptr;
}

}  // namespace

thread_local CorvelEnvironment* CorvelEnvironment::ms_running = nullptr;

// A scope of its own asks the host afresh; a nested one inside a slice
// keeps the slice's environment and budget.
CorvelEnvironment::RunScope::RunScope(bool nested)
    : previous(ms_running), previousBudget(CorvelMemoryBudget::ms_running) {
    if (nested && ms_running) return;
    ms_running = nullptr;
    ms_running = Get();
    CorvelMemoryBudget::ms_running = ms_running ? &ms_running->GetMemoryBudget() : nullptr;
}

CorvelEnvironment::CorvelEnvironment() : objectTable(new CorvelObjectTable) {}

CorvelEnvironment::~CorvelEnvironment() { Close(); }

void CorvelEnvironment::SetLimits(const Limits& newLimits) {
    limits = newLimits;
    if (limits.maximumDepth < 1) limits.maximumDepth = 1;
    if (limits.maximumNesting < 1) limits.maximumNesting = 1;
}

CorvelEnvironment::Limits CorvelEnvironment::GetCurrentLimits() {
    CorvelEnvironment* environment = Get();
    return environment ? environment->limits : Limits();
}

// The standard objects register as they are made, so the table must be the
// one Get() answers before Init runs.
void CorvelEnvironment::Init() {
    standardArrayConstructor = new CorvelStandardArrayConstructor;
    standardArrayPrototype = new CorvelStandardArrayPrototype;
    standardBooleanConstructor = new CorvelStandardBooleanConstructor;
    standardBooleanPrototype = new CorvelStandardBooleanPrototype;
    standardDateConstructor = new CorvelStandardDateConstructor;
    standardDatePrototype = new CorvelStandardDatePrototype;
    standardFunctionConstructor = new CorvelStandardFunctionConstructor;
    standardFunctionPrototype = new CorvelStandardFunctionPrototype;
    standardNumberConstructor = new CorvelStandardNumberConstructor;
    standardNumberPrototype = new CorvelStandardNumberPrototype;
    standardObjectConstructor = new CorvelStandardObjectConstructor;
    standardObjectPrototype = new CorvelStandardObjectPrototype;
    standardStringConstructor = new CorvelStandardStringConstructor;
    standardStringPrototype = new CorvelStandardStringPrototype;
    standardMathObject = new CorvelStandardMathObject;
    debugObject = new CorvelDebugObject;
}

void CorvelEnvironment::Restart() {
    CorvelObject* objects[] = {
        standardArrayConstructor,  standardArrayPrototype,    standardBooleanConstructor,
        standardBooleanPrototype,  standardDateConstructor,   standardDatePrototype,
        standardFunctionConstructor, standardFunctionPrototype, standardNumberConstructor,
        standardNumberPrototype,   standardObjectConstructor, standardObjectPrototype,
        standardStringConstructor, standardStringPrototype,   standardMathObject,
        debugObject,
    };
    for (CorvelObject* object : objects)
        if (object) object->SetupObject();
}

// Objects that refer to each other (every script function and its
// prototype object, for one) keep each other alive after the last script
// has gone, so the table empties every object first. Values release their
// objects through the current environment's table, so that is done only
// while this environment is the current one.
void CorvelEnvironment::Close() {
    if (objectTable && Get() == this) objectTable->ResetTable();
    DeleteObject(standardArrayConstructor);
    DeleteObject(standardArrayPrototype);
    DeleteObject(standardBooleanConstructor);
    DeleteObject(standardBooleanPrototype);
    DeleteObject(standardDateConstructor);
    DeleteObject(standardDatePrototype);
    DeleteObject(standardFunctionConstructor);
    DeleteObject(standardFunctionPrototype);
    DeleteObject(standardNumberConstructor);
    DeleteObject(standardNumberPrototype);
    DeleteObject(standardObjectConstructor);
    DeleteObject(standardObjectPrototype);
    DeleteObject(standardStringConstructor);
    DeleteObject(standardStringPrototype);
    DeleteObject(standardMathObject);
    DeleteObject(debugObject);
    DeleteObject(objectTable);
}
