#include "QelResource.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// Libraries register as they are loaded, possibly while other threads look
// modules up; the registry is locked. The current module is per thread, as
// each thread formats its own messages.
struct Registry {
    std::mutex lock;
    std::vector<QelResource*> modules;
};

thread_local QelResource* tl_current = nullptr;

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
    std::lock_guard<std::mutex> hold(registry.lock);
    if (std::find(registry.modules.begin(), registry.modules.end(), module) == registry.modules.end())
        registry.modules.push_back(module);
}

void QelResource::Unregister(QelResource* module) {
    Registry& registry = GetRegistry();
    {
        std::lock_guard<std::mutex> hold(registry.lock);
        registry.modules.erase(std::remove(registry.modules.begin(), registry.modules.end(), module),
                               registry.modules.end());
    }
    if (tl_current == module) tl_current = nullptr;
}

QelResource* QelResource::Find(const char* name) {
    if (!name) return nullptr;
    Registry& registry = GetRegistry();
    std::lock_guard<std::mutex> hold(registry.lock);
    for (QelResource* module : registry.modules)
        if (module->m_name == name) return module;
    return nullptr;
}

QelResource& QelResource::Current() {
    return tl_current ? *tl_current : EmptyModule();
}

QelResource* QelResource::SetCurrent(QelResource* module) {
    QelResource* previous = tl_current;
    tl_current = module;
    return previous;
}

QelResourceSwitch::QelResourceSwitch(const char* moduleName)
    : m_previous(QelResource::SetCurrent(QelResource::Find(moduleName))) {}

QelResourceSwitch::~QelResourceSwitch() { QelResource::SetCurrent(m_previous); }
