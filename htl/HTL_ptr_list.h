#pragma once

#include "htl/HTL_Exception.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace HTL {

/*! An owning list of pointers in insertion order.

    The list deletes its elements when it is cleared or destroyed. A pointer can be owned only
    once: adding a pointer that is already in the list throws instead of setting up a double
    delete. The list is not copyable (it would have to share ownership).
*/
template <typename T>
class ptr_list
{
public:
    ptr_list() = default;
    virtual ~ptr_list() = default;

    ptr_list(const ptr_list &) = delete;
    ptr_list &operator=(const ptr_list &) = delete;

    /*! Takes ownership of p and appends it. A pointer already in the list throws
        HTL::Exception "Pointer already exists in the list." (the list keeps it once, and the
        caller keeps ownership of nothing new). */
    void add(T *p)
    {
        for (const std::unique_ptr<T> &q : m_items)
            if (q.get() == p)
                throw Exception("Pointer already exists in the list.", "[ptr_list<T>::add]");
        m_items.emplace_back(p);
    }

    /*! Deletes all elements. */
    void clear() { m_items.clear(); }

    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }

    /*! Element i; the caller guarantees i < size(). */
    T *operator[](std::size_t i) const { return m_items[i].get(); }

private:
    std::vector<std::unique_ptr<T>> m_items;
};

} // namespace HTL
