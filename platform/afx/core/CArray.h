// CArray: a growable array with the MFC operations, over std::vector.
// Elements are passed as const TYPE& whatever ARG_TYPE says, so a temporary can be
// added even where a caller names ARG_TYPE = TYPE&.
// Indexes out of range throw std::out_of_range instead of corrupting memory.
// Unlike MFC's, an array can be copied (element by element).
#pragma once

#include "CObject.h"

#include <stdexcept>
#include <string>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return INT_PTR(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_data.empty(); }
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1) { m_data.resize(size_t(newSize < 0 ? 0 : newSize)); }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return m_data.at(checked(index)); }
    TYPE& GetAt(INT_PTR index) { return m_data.at(checked(index)); }
    void SetAt(INT_PTR index, const TYPE& element) { m_data.at(checked(index)) = element; }
    TYPE& ElementAt(INT_PTR index) { return m_data.at(checked(index)); }
    const TYPE& ElementAt(INT_PTR index) const { return m_data.at(checked(index)); }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return GetAt(index); }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    void SetAtGrow(INT_PTR index, const TYPE& element)
    {
        if (index >= GetSize())
            SetSize(index + 1);
        SetAt(index, element);
    }
    INT_PTR Add(const TYPE& element)
    {
        m_data.push_back(element);
        return GetUpperBound();
    }
    INT_PTR Append(const CArray& other)
    {
        const INT_PTR old = GetSize();
        m_data.insert(m_data.end(), other.m_data.begin(), other.m_data.end());
        return old;
    }
    void Copy(const CArray& other) { m_data = other.m_data; }
    void InsertAt(INT_PTR index, const TYPE& element, INT_PTR count = 1)
    {
        if (index < 0 || count < 0)
            throw std::out_of_range("CArray::InsertAt");
        if (index > GetSize())
            SetSize(index);
        m_data.insert(m_data.begin() + index, size_t(count), element);
    }
    void InsertAt(INT_PTR start, const CArray* other)
    {
        if (start < 0)
            throw std::out_of_range("CArray::InsertAt");
        if (start > GetSize())
            SetSize(start);
        m_data.insert(m_data.begin() + start, other->m_data.begin(), other->m_data.end());
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || count < 0 || index + count > GetSize())
            throw std::out_of_range("CArray::RemoveAt");
        m_data.erase(m_data.begin() + index, m_data.begin() + index + count);
    }

    auto begin() { return m_data.begin(); }
    auto end() { return m_data.end(); }
    auto begin() const { return m_data.begin(); }
    auto end() const { return m_data.end(); }

private:
    size_t checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            throw std::out_of_range("CArray: index " + std::to_string(index) + " of "
                                    + std::to_string(GetSize()));
        return size_t(index);
    }

    std::vector<TYPE> m_data;
};
