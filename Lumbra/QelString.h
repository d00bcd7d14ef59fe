// QelString: an owning, growable 8-bit string. Its first member is the text
// pointer, null while the string is empty, so callers may read it directly.
#pragma once

#include <cstdarg>
#include <cstddef>

class QelString {
public:
    QelString() = default;
    QelString(const char* text);
    QelString(const char* text, int count);
    QelString(const QelString& other);
    QelString(QelString&& other) noexcept;
    ~QelString();

    QelString& operator=(const QelString& other);
    QelString& operator=(QelString&& other) noexcept;
    QelString& operator=(const char* text);

    QelString operator+(const QelString& other) const;
    QelString operator+(const char* text) const;
    QelString& operator+=(const QelString& other);
    QelString& operator+=(const char* text);
    QelString& operator+=(char c);

    bool operator==(const QelString& other) const;
    bool operator==(const char* text) const;
    bool operator!=(const QelString& other) const { return !(*this == other); }
    bool operator!=(const char* text) const { return !(*this == text); }

    void Empty();
    bool IsEmpty() const { return m_text == nullptr; }
    int GetLength() const { return m_length; }

    // The first `count` bytes of `text`; `text` need not be terminated there.
    void SetString(const char* text, int count);
    void Append(const char* text, int count);

    // Text of string-table entry `id` of the current resource module.
    bool LoadStringA(unsigned int id);

    // printf conventions, any length of result.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void Format(unsigned int id, ...);
    void FormatV(const char* format, va_list args);

    // The text, never null ("" while empty).
    const char* GetText() const { return m_text ? m_text : ""; }
    char operator[](int index) const { return GetText()[index]; }

private:
    void Assign(const char* text, size_t count);
    void Reserve(size_t count);

    char* m_text = nullptr;  // first member: null when empty
    int m_length = 0;
    int m_capacity = 0;
};
