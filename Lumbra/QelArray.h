// QelArray: a growable array of values. The second template argument is the
// growth step of the original container; storage here is a std::vector.
#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

template <class T, int GrowBy = 10>
class QelArray {
public:
    int GetSize() const { return (int)m_items.size(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }

    void SetSize(int size) { m_items.resize(size < 0 ? 0 : (size_t)size); }
    int Add(const T& item) {
        m_items.push_back(item);
        return GetSize() - 1;
    }
    // Grows the array when `index` is past its end.
    void InsertAt(int index, const T& item) {
        if (index >= GetSize()) {
            SetAtGrow(index, item);
            return;
        }
        m_items.insert(m_items.begin() + index, item);
    }
    void RemoveAt(int index, int count = 1) {
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void RemoveAll() { m_items.clear(); }
    void Reserve(int count) { m_items.reserve((size_t)count); }

    const T& GetAt(int index) const { return m_items[(size_t)index]; }
    T& ElementAt(int index) { return m_items[(size_t)index]; }
    void SetAt(int index, const T& item) { m_items[(size_t)index] = item; }
    // Grows the array when `index` is past its end.
    void SetAtGrow(int index, const T& item) {
        if (index >= GetSize()) SetSize(index + 1);
        m_items[(size_t)index] = item;
    }
    const T& operator[](int index) const { return m_items[(size_t)index]; }
    T& operator[](int index) { return m_items[(size_t)index]; }

    T* GetData() { return m_items.data(); }
    const T* GetData() const { return m_items.data(); }

private:
    std::vector<T> m_items;
};
