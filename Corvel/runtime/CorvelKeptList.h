// A thread's few objects of one kind that ended and wait to serve again:
// activations, and the contexts of calls. Most calls then make neither.
// The list is made on first use and ends with its thread, handing each
// object still kept to T::DiscardKept, as the memory of a kept object is no
// longer charged to any environment's budget.
#pragma once

template <class T>
class CorvelKeptList {
public:
    // This thread's list, or null once the thread has begun to end.
    static CorvelKeptList* Here() {
        if (ms_here || ms_closed) return ms_here;
        thread_local CorvelKeptList list;
        ms_here = &list;
        return ms_here;
    }
    ~CorvelKeptList() {
        ms_here = nullptr;
        ms_closed = true;
        while (count > 0) T::DiscardKept(items[--count]);
    }

    T* Take() { return count > 0 ? items[--count] : nullptr; }
    bool HasRoom() const { return count < kMost; }
    void Keep(T* object) { items[count++] = object; }

private:
    CorvelKeptList() = default;

    // Enough for the depth a recursion unwinds and descends again.
    static const int kMost = 16;
    T* items[kMost];
    int count = 0;
    // Plain data, asked first: the list itself is made on first use.
    static thread_local CorvelKeptList* ms_here;
    static thread_local bool ms_closed;
};

template <class T>
thread_local CorvelKeptList<T>* CorvelKeptList<T>::ms_here = nullptr;
template <class T>
thread_local bool CorvelKeptList<T>::ms_closed = false;
