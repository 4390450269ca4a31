// CList: a doubly linked list walked by POSITION, with the MFC operations.
// A POSITION stays valid until its own element is removed. Unlike MFC's, a list
// can be copied (element by element).
#pragma once

#include "CObject.h"

#include <stdexcept>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
    struct Node {
        Node* next;
        Node* prev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR blockSize = 10) {}
    CList(const CList& other) : CObject() { AddTail(&other); }
    CList& operator=(const CList& other)
    {
        if (this != &other) {
            RemoveAll();
            AddTail(&other);
        }
        return *this;
    }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return nonEmpty(m_head)->data; }
    const TYPE& GetHead() const { return nonEmpty(m_head)->data; }
    TYPE& GetTail() { return nonEmpty(m_tail)->data; }
    const TYPE& GetTail() const { return nonEmpty(m_tail)->data; }
    POSITION GetHeadPosition() const { return pos(m_head); }
    POSITION GetTailPosition() const { return pos(m_tail); }

    POSITION AddHead(const TYPE& element) { return pos(link(nullptr, m_head, element)); }
    POSITION AddTail(const TYPE& element) { return pos(link(m_tail, nullptr, element)); }
    void AddHead(const CList* other)
    {
        for (Node* n = other->m_tail; n; n = n->prev)
            AddHead(n->data);
    }
    void AddTail(const CList* other)
    {
        for (Node* n = other->m_head; n; n = n->next)
            AddTail(n->data);
    }
    TYPE RemoveHead()
    {
        TYPE value = GetHead();
        unlink(m_head);
        return value;
    }
    TYPE RemoveTail()
    {
        TYPE value = GetTail();
        unlink(m_tail);
        return value;
    }
    void RemoveAll()
    {
        while (m_head)
            unlink(m_head);
    }

    // The element at `position`; `position` moves to the next (previous) one, null at the end.
    TYPE& GetNext(POSITION& position) { return step(position, true); }
    const TYPE& GetNext(POSITION& position) const { return const_cast<CList*>(this)->step(position, true); }
    TYPE& GetPrev(POSITION& position) { return step(position, false); }
    const TYPE& GetPrev(POSITION& position) const { return const_cast<CList*>(this)->step(position, false); }
    TYPE& GetAt(POSITION position) { return node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return node(position)->data; }
    void SetAt(POSITION position, const TYPE& element) { node(position)->data = element; }
    void RemoveAt(POSITION position) { unlink(node(position)); }
    POSITION InsertBefore(POSITION position, const TYPE& element)
    {
        if (!position)
            return AddHead(element);
        Node* n = node(position);
        return pos(link(n->prev, n, element));
    }
    POSITION InsertAfter(POSITION position, const TYPE& element)
    {
        if (!position)
            return AddTail(element);
        Node* n = node(position);
        return pos(link(n, n->next, element));
    }
    // The first element equal to `value` after `startAfter` (from the head without it).
    POSITION Find(const TYPE& value, POSITION startAfter = nullptr) const
    {
        for (Node* n = startAfter ? node(startAfter)->next : m_head; n; n = n->next)
            if (n->data == value)
                return pos(n);
        return nullptr;
    }
    POSITION FindIndex(INT_PTR index) const
    {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* n = m_head;
        while (index--)
            n = n->next;
        return pos(n);
    }

private:
    static POSITION pos(Node* n) { return reinterpret_cast<POSITION>(n); }
    static Node* node(POSITION p)
    {
        if (!p)
            throw std::out_of_range("CList: null POSITION");
        return reinterpret_cast<Node*>(p);
    }
    static Node* nonEmpty(Node* n)
    {
        if (!n)
            throw std::out_of_range("CList: the list is empty");
        return n;
    }
    TYPE& step(POSITION& position, bool forward)
    {
        Node* n = node(position);
        position = pos(forward ? n->next : n->prev);
        return n->data;
    }
    Node* link(Node* prev, Node* next, const TYPE& element)
    {
        Node* n = new Node{next, prev, element};
        (prev ? prev->next : m_head) = n;
        (next ? next->prev : m_tail) = n;
        ++m_count;
        return n;
    }
    void unlink(Node* n)
    {
        (n->prev ? n->prev->next : m_head) = n->next;
        (n->next ? n->next->prev : m_tail) = n->prev;
        --m_count;
        delete n;
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
};
