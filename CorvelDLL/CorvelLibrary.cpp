// The library's entry point: when the shared library is loaded it makes its
// resources (the "CORVEL" string table) findable by name, and withdraws them
// when it is unloaded.
#include "CorvelMessages.h"

#include "QelResource.h"

namespace {

struct CorvelLibrary {
    CorvelLibrary() { QelResource::Register(CorvelGetStringTable()); }
    ~CorvelLibrary() { QelResource::Unregister(CorvelGetStringTable()); }
};

const CorvelLibrary g_library;

}  // namespace
