// The library's entry point: when the shared library is loaded it makes its
// resources findable by name, and withdraws them when it is unloaded.
#include "VorpaneLibrary.h"

#include "QelResource.h"

QelResource* VorpaneGetResource()
{
    static QelResource resource = [] {
        QelResource module("VORPANE");
        module.AddString(1, "Vorpane");
        return module;
    }();
    return &resource;
}

namespace {

struct VorpaneLibrary {
    VorpaneLibrary() { QelResource::Register(VorpaneGetResource()); }
    ~VorpaneLibrary() { QelResource::Unregister(VorpaneGetResource()); }
};

const VorpaneLibrary g_library;

}  // namespace
