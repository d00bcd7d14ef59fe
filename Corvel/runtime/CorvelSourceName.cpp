#include "CorvelSourceName.h"

#include <cstddef>
#include <cstring>
#include <new>

CorvelSourceName::CorvelSourceName(const char* text) {
    if (!text) return;
    size_t length = strlen(text);
    void* memory = ::operator new(offsetof(Shared, text) + length + 1);
    m_shared = new (memory) Shared;
    m_shared->holders.store(1, std::memory_order_relaxed);
    memcpy(m_shared->text, text, length + 1);
}

CorvelSourceName& CorvelSourceName::operator=(const CorvelSourceName& other) noexcept {
    if (m_shared != other.m_shared) {
        Shared* previous = m_shared;
        m_shared = other.m_shared;
        Hold();
        CorvelSourceName dropped;
        dropped.m_shared = previous;
    }
    return *this;
}

CorvelSourceName& CorvelSourceName::operator=(CorvelSourceName&& other) noexcept {
    if (this != &other) {
        Drop();
        m_shared = other.m_shared;
        other.m_shared = nullptr;
    }
    return *this;
}

void CorvelSourceName::Drop() {
    Shared* shared = m_shared;
    m_shared = nullptr;
    if (!shared || shared->holders.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    shared->~Shared();
    ::operator delete(shared);
}
