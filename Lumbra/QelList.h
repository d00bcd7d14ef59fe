// QelList and QelPtrList: doubly linked lists iterated through opaque
// __QelPOSITION handles (a handle is the address of a list node).
#pragma once

#include <cstddef>
#include <utility>

struct __QelPOSITION {};
typedef __QelPOSITION* QELPOSITION;

template <class T>
class QelList {
    struct Node : __QelPOSITION {
        explicit Node(const T& v) : value(v) {}
        Node* next = nullptr;
        Node* prev = nullptr;
        T value;
    };

public:
    QelList() = default;
    QelList(const QelList& other) { *this = other; }
    QelList& operator=(const QelList& other) {
        if (this != &other) {
            RemoveAll();
            for (Node* n = other.m_head; n; n = n->next) AddTail(n->value);
        }
        return *this;
    }
    ~QelList() { RemoveAll(); }

    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    __QelPOSITION* AddHead(const T& value) {
        Node* n = new Node(value);
        n->next = m_head;
        if (m_head) m_head->prev = n; else m_tail = n;
        m_head = n;
        ++m_count;
        return n;
    }
    __QelPOSITION* AddTail(const T& value) {
        Node* n = new Node(value);
        n->prev = m_tail;
        if (m_tail) m_tail->next = n; else m_head = n;
        m_tail = n;
        ++m_count;
        return n;
    }
    void RemoveAll() {
        while (m_head) {
            Node* next = m_head->next;
            delete m_head;
            m_head = next;
        }
        m_tail = nullptr;
        m_count = 0;
    }
    void RemoveAt(__QelPOSITION* position) {
        Node* n = static_cast<Node*>(position);
        if (n->prev) n->prev->next = n->next; else m_head = n->next;
        if (n->next) n->next->prev = n->prev; else m_tail = n->prev;
        delete n;
        --m_count;
    }
    T RemoveHead() {
        T value = m_head->value;
        RemoveAt(m_head);
        return value;
    }
    T RemoveTail() {
        T value = m_tail->value;
        RemoveAt(m_tail);
        return value;
    }

    T& GetHead() { return m_head->value; }
    const T& GetHead() const { return m_head->value; }
    T& GetTail() { return m_tail->value; }
    const T& GetTail() const { return m_tail->value; }

    __QelPOSITION* GetHeadPosition() const { return m_head; }
    __QelPOSITION* GetTailPosition() const { return m_tail; }
    // Answers the element at `position` and moves it to the next one (null
    // after the last).
    T& GetNext(__QelPOSITION*& position) const {
        Node* n = static_cast<Node*>(position);
        position = n->next;
        return n->value;
    }
    T& GetPrev(__QelPOSITION*& position) const {
        Node* n = static_cast<Node*>(position);
        position = n->prev;
        return n->value;
    }
    T& GetAt(__QelPOSITION* position) const { return static_cast<Node*>(position)->value; }

    __QelPOSITION* Find(const T& value) const {
        for (Node* n = m_head; n; n = n->next)
            if (n->value == value) return n;
        return nullptr;
    }

private:
    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};

// A list of pointers; the list does not own what they point to.
template <class T>
class QelPtrList : public QelList<T> {};
