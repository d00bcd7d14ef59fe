// CorvelSourceName: the name of the text a script came from, kept by every
// node of its tree and every error raised in it. Copies share one text and
// count its holders, so that making a node or an error copies nothing.
#pragma once

#include <atomic>

class CorvelSourceName {
public:
    CorvelSourceName() = default;
    // Null gives the empty name. Throws std::bad_alloc.
    CorvelSourceName(const char* text);
    CorvelSourceName(const CorvelSourceName& other) noexcept : m_shared(other.m_shared) { Hold(); }
    CorvelSourceName(CorvelSourceName&& other) noexcept : m_shared(other.m_shared) { other.m_shared = nullptr; }
    ~CorvelSourceName() { Drop(); }

    CorvelSourceName& operator=(const CorvelSourceName& other) noexcept;
    CorvelSourceName& operator=(CorvelSourceName&& other) noexcept;

    const char* GetText() const { return m_shared ? m_shared->text : ""; }
    bool IsEmpty() const { return m_shared == nullptr; }

private:
    // Trees may be copied and destroyed on other threads than the parse's.
    struct Shared {
        std::atomic<int> holders;
        char text[1];
    };
    void Hold() {
        if (m_shared) m_shared->holders.fetch_add(1, std::memory_order_relaxed);
    }
    void Drop();

    Shared* m_shared = nullptr;
};
