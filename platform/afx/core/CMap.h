// CMap: an associative array with the MFC operations.
//
// Iteration order (GetStartPosition/GetNextAssoc) is the order of the keys, not
// a hash order: integers ascending, texts by their character codes (for every
// text this system stores that is the byte order of the UTF-8 form), pointers by
// address. Printed forms that list a map's entries therefore list them sorted.
// The hash-table size and block size of MFC are accepted and have no effect.
// A POSITION stays valid until its own entry is removed. Maps can be copied.
#pragma once

#include "CObject.h"

#include <map>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
    using Map = std::map<KEY, VALUE>;
    using Entry = typename Map::value_type;

public:
    explicit CMap(INT_PTR blockSize = 10) {}

    INT_PTR GetCount() const { return INT_PTR(m_map.size()); }
    INT_PTR GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_map.empty(); }
    void InitHashTable(UINT hashSize, BOOL allocNow = TRUE) { m_hashSize = hashSize; }
    UINT GetHashTableSize() const { return m_hashSize; }

    BOOL Lookup(ARG_KEY key, VALUE& value) const
    {
        const auto it = m_map.find(KEY(key));
        if (it == m_map.end())
            return FALSE;
        value = it->second;
        return TRUE;
    }
    // The value of `key`, added with a default value when the key is new.
    VALUE& operator[](ARG_KEY key) { return m_map[KEY(key)]; }
    void SetAt(ARG_KEY key, const VALUE& value) { m_map[KEY(key)] = value; }
    BOOL RemoveKey(ARG_KEY key) { return m_map.erase(KEY(key)) ? TRUE : FALSE; }
    void RemoveAll() { m_map.clear(); }

    POSITION GetStartPosition() const { return m_map.empty() ? nullptr : pos(*m_map.begin()); }
    void GetNextAssoc(POSITION& position, KEY& key, VALUE& value) const
    {
        const Entry* e = reinterpret_cast<const Entry*>(position);
        key = e->first;
        value = e->second;
        const auto next = m_map.upper_bound(e->first);
        position = next == m_map.end() ? nullptr : pos(*next);
    }

private:
    static POSITION pos(const Entry& e) { return reinterpret_cast<POSITION>(const_cast<Entry*>(&e)); }

    Map m_map;
    UINT m_hashSize = 17;
};
