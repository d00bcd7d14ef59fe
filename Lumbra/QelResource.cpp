#include "QelResource.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct Registry {
    std::vector<QelResource*> modules;
    QelResource* current = nullptr;
};

// Constructed on first use, so libraries that register from their load-time
// constructors never see an uninitialised registry.
Registry& GetRegistry() {
    static Registry* registry = new Registry;  // lives until process exit
    return *registry;
}

QelResource& EmptyModule() {
    static QelResource* module = new QelResource("");
    return *module;
}

}  // namespace

const char* QelResource::FindString(unsigned int id) const {
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : it->second.c_str();
}

void QelResource::Register(QelResource* module) {
    if (!module) return;
    Registry& registry = GetRegistry();
    if (std::find(registry.modules.begin(), registry.modules.end(), module) == registry.modules.end())
        registry.modules.push_back(module);
}

void QelResource::Unregister(QelResource* module) {
    Registry& registry = GetRegistry();
    registry.modules.erase(std::remove(registry.modules.begin(), registry.modules.end(), module),
                           registry.modules.end());
    if (registry.current == module) registry.current = nullptr;
}

QelResource* QelResource::Find(const char* name) {
    if (!name) return nullptr;
    for (QelResource* module : GetRegistry().modules)
        if (module->m_name == name) return module;
    return nullptr;
}

QelResource& QelResource::Current() {
    QelResource* current = GetRegistry().current;
    return current ? *current : EmptyModule();
}

QelResource* QelResource::SetCurrent(QelResource* module) {
    Registry& registry = GetRegistry();
    QelResource* previous = registry.current;
    registry.current = module;
    return previous;
}

QelResourceSwitch::QelResourceSwitch(const char* moduleName)
    : m_previous(QelResource::SetCurrent(QelResource::Find(moduleName))) {}

QelResourceSwitch::~QelResourceSwitch() { QelResource::SetCurrent(m_previous); }
