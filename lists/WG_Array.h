// CWGArray: the growable array of the lists (chosen rows, captions, tier
// edges, editable tiers). Room for 32 entries lives inside the owner, so a
// list with a few tiers and a small choice never touches the heap; a full
// array grows by 32. A template, so it lives in this header alone.
//
// Memory refused by the heap is no crash: Add and Reserve then change
// nothing and return FALSE.
#pragma once
#include "wgdef.h"
#include <new>

template <class T>
class CWGArray
{
public:
    enum { GROW = 32 };

    CWGArray() : m_nCount(0), m_nCapacity(0), m_pData(nullptr) {}
    ~CWGArray()
    {
        RemoveAll();
        if (m_pData != Inline())
            ::operator delete(m_pData);
    }

    long GetSize() const { return m_nCount; }
    long GetCapacity() const { return m_nCapacity; }
    // No range check: callers index within GetSize().
    T& operator[](long i) { return m_pData[i]; }
    const T& operator[](long i) const { return m_pData[i]; }

    // Appends a copy of item (which may be an entry of this array).
    BOOL Add(const T& item)
    {
        if (m_nCount == m_nCapacity)
        {
            T copy(item);   // the entry may move with the storage
            if (!Grow(m_nCapacity + GROW))
                return FALSE;
            new (&m_pData[m_nCount]) T(copy);
        }
        else
            new (&m_pData[m_nCount]) T(item);
        ++m_nCount;
        return TRUE;
    }

    // Makes room for nCapacity entries in one step, so a long run of Adds
    // copies the array once instead of once per 32 entries.
    BOOL Reserve(long nCapacity)
    {
        return nCapacity <= m_nCapacity || Grow(nCapacity);
    }

    // Removes entry i; the later ones move down by one.
    void RemoveAt(long i)
    {
        if (i < 0 || i >= m_nCount)
            return;
        for (long j = i; j + 1 < m_nCount; ++j)
            m_pData[j] = m_pData[j + 1];
        m_pData[--m_nCount].~T();
    }

    // Keeps the first n entries.
    void Truncate(long n)
    {
        while (m_nCount > n && m_nCount > 0)
            m_pData[--m_nCount].~T();
    }

    void RemoveAll() { Truncate(0); }

    // Index of the first entry equal to item, -1 when none.
    long Find(const T& item) const
    {
        for (long i = 0; i < m_nCount; ++i)
            if (m_pData[i] == item)
                return i;
        return -1;
    }

private:
    long m_nCount;
    long m_nCapacity;
    T* m_pData;               // Inline() or a heap block
    alignas(T) unsigned char m_inline[GROW * sizeof(T)];

    T* Inline() { return reinterpret_cast<T*>(m_inline); }

    BOOL Grow(long nCapacity)
    {
        T* pNew;
        if (m_nCapacity == 0 && nCapacity <= GROW)
        {
            pNew = Inline();
            nCapacity = GROW;
        }
        else
        {
            pNew = static_cast<T*>(::operator new((size_t)nCapacity * sizeof(T), std::nothrow));
            if (!pNew)
                return FALSE;
        }
        for (long i = 0; i < m_nCount; ++i)
        {
            new (&pNew[i]) T(m_pData[i]);
            m_pData[i].~T();
        }
        if (m_pData && m_pData != Inline())
            ::operator delete(m_pData);
        m_pData = pNew;
        m_nCapacity = nCapacity;
        return TRUE;
    }

    CWGArray(const CWGArray&) = delete;
    CWGArray& operator=(const CWGArray&) = delete;
};
