#include "QelString.h"

#include "QelResource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

QelString::QelString(const char* text) { if (text) Assign(text, strlen(text)); }

QelString::QelString(const char* text, int count) { SetString(text, count); }

QelString::QelString(const QelString& other) { Assign(other.m_text, other.m_length); }

QelString::QelString(QelString&& other) noexcept
    : m_text(other.m_text), m_length(other.m_length), m_capacity(other.m_capacity) {
    other.m_text = nullptr;
    other.m_length = other.m_capacity = 0;
}

QelString::~QelString() { free(m_text); }

QelString& QelString::operator=(const QelString& other) {
    if (this != &other) Assign(other.m_text, other.m_length);
    return *this;
}

QelString& QelString::operator=(QelString&& other) noexcept {
    if (this != &other) {
        free(m_text);
        m_text = std::exchange(other.m_text, nullptr);
        m_length = std::exchange(other.m_length, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
    }
    return *this;
}

QelString& QelString::operator=(const char* text) {
    if (!text) { Empty(); return *this; }
    // The text may point into our own buffer.
    if (m_text && text >= m_text && text < m_text + m_capacity + 1) {
        QelString copy(text);
        return *this = std::move(copy);
    }
    Assign(text, strlen(text));
    return *this;
}

QelString QelString::operator+(const QelString& other) const {
    QelString result(*this);
    result += other;
    return result;
}

QelString QelString::operator+(const char* text) const {
    QelString result(*this);
    result += text;
    return result;
}

QelString& QelString::operator+=(const QelString& other) {
    Append(other.m_text, other.m_length);
    return *this;
}

QelString& QelString::operator+=(const char* text) {
    if (text) Append(text, (int)strlen(text));
    return *this;
}

QelString& QelString::operator+=(char c) {
    Append(&c, 1);
    return *this;
}

bool QelString::operator==(const QelString& other) const {
    return m_length == other.m_length && (m_length == 0 || memcmp(m_text, other.m_text, m_length) == 0);
}

bool QelString::operator==(const char* text) const { return strcmp(GetText(), text ? text : "") == 0; }

void QelString::Empty() {
    free(m_text);
    m_text = nullptr;
    m_length = m_capacity = 0;
}

void QelString::SetString(const char* text, int count) {
    if (!text || count <= 0) { Empty(); return; }
    // Stop at an embedded NUL: the text is a C string.
    const void* nul = memchr(text, 0, (size_t)count);
    if (nul) count = (int)((const char*)nul - text);
    if (m_text && text >= m_text && text < m_text + m_capacity + 1) {
        QelString copy;
        copy.Assign(text, (size_t)count);
        *this = std::move(copy);
        return;
    }
    Assign(text, (size_t)count);
}

void QelString::Append(const char* text, int count) {
    if (!text || count <= 0) return;
    // Growing may move our buffer away from under `text`.
    if (m_text && text >= m_text && text < m_text + m_capacity + 1) {
        QelString copy;
        copy.Assign(text, (size_t)count);
        Append(copy.m_text, copy.m_length);
        return;
    }
    size_t total = (size_t)m_length + (size_t)count;
    Reserve(total);
    memcpy(m_text + m_length, text, (size_t)count);
    m_length = (int)total;
    m_text[m_length] = 0;
}

bool QelString::LoadStringA(unsigned int id) {
    const char* text = QelResource::Current().FindString(id);
    if (!text) return false;
    *this = text;
    return true;
}

void QelString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void QelString::Format(unsigned int id, ...) {
    const char* format = QelResource::Current().FindString(id);
    if (!format) { Empty(); return; }
    QelString keep(format);  // the table may change while we format
    va_list args;
    va_start(args, id);
    FormatV(keep.GetText(), args);
    va_end(args);
}

void QelString::FormatV(const char* format, va_list args) {
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int needed = vsnprintf(small, sizeof small, format ? format : "", copy);
    va_end(copy);
    if (needed < 0) { Empty(); return; }
    if ((size_t)needed < sizeof small) {
        Assign(small, (size_t)needed);
        return;
    }
    QelString result;
    result.Reserve((size_t)needed);
    vsnprintf(result.m_text, (size_t)needed + 1, format, args);
    result.m_length = needed;
    *this = std::move(result);
}

void QelString::Assign(const char* text, size_t count) {
    if (!text || count == 0) { Empty(); return; }
    Reserve(count);
    memmove(m_text, text, count);
    m_length = (int)count;
    m_text[count] = 0;
}

void QelString::Reserve(size_t count) {
    if (m_text && count <= (size_t)m_capacity) return;
    size_t capacity = m_capacity ? (size_t)m_capacity : 15;
    while (capacity < count) capacity = capacity * 2 + 1;
    char* grown = (char*)realloc(m_text, capacity + 1);
    if (!grown) throw std::bad_alloc();
    if (!m_text) grown[0] = 0;
    m_text = grown;
    m_capacity = (int)capacity;
}
