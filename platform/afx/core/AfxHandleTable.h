// The set of live handles of one kind (registry keys, files, folder listings),
// so a handle that was closed or never opened is refused instead of followed.
#pragma once

#include <mutex>
#include <set>

template <class T>
class AfxHandleTable {
public:
    T* add(T* handle)
    {
        std::lock_guard lock(m_mutex);
        m_live.insert(handle);
        return handle;
    }
    // Runs `use` on the handle under the table's lock; false when it is not live.
    template <class Use>
    bool use(void* handle, Use&& use)
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_live.find(static_cast<T*>(handle));
        if (it == m_live.end())
            return false;
        use(**it);
        return true;
    }
    // Takes the handle out of the table (the caller deletes it); null when not live.
    T* remove(void* handle)
    {
        std::lock_guard lock(m_mutex);
        return m_live.erase(static_cast<T*>(handle)) ? static_cast<T*>(handle) : nullptr;
    }

private:
    std::mutex m_mutex;
    std::set<T*> m_live;
};
