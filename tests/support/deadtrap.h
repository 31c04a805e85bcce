// Finds calls into destroyed objects without waiting for a crash: a fault
// inside a window procedure (a focus loss during DestroyWindow, say) can be
// swallowed by Wine, so a test that hopes for a crash passes over it.
//
// DeadTrap<T> holds one T in its own storage. Kill() (or the trap's
// destructor) destroys the T and then poisons the storage: the virtual
// table pointer points at a table whose every slot counts a call, and the
// rest is filled with a pattern whose change shows a write.
#pragma once
#include <new>
#include <string.h>
#include <malloc.h>
#include <vector>

namespace wgtest {

inline long& DeadCalls()
{
    static long s_nCalls = 0;
    return s_nCalls;
}

// Any virtual call lands here whatever its signature: the Win64 calling
// convention leaves the arguments to the callee, which ignores them.
inline long DeadSlot() { return ++DeadCalls(); }

inline void* const* DeadTable()
{
    static void* s_slots[128];
    for (void*& p : s_slots)
        p = reinterpret_cast<void*>(&DeadSlot);
    return s_slots;
}

// Writes the poison through volatile pointers: the compiler may drop plain
// stores into an object whose lifetime is ending (the trap's own, when it is
// a member), and the poison must be there when the dead object is reached.
inline void Poison(void* pBlock, size_t nSize)
{
    volatile unsigned char* b = static_cast<volatile unsigned char*>(pBlock);
    for (size_t i = 0; i < nSize; ++i)
        b[i] = 0xDD;
    void* const* pTable = DeadTable();
    volatile unsigned char* pFrom = reinterpret_cast<volatile unsigned char*>(&pTable);
    for (size_t i = 0; i < sizeof(pTable); ++i)
        b[i] = pFrom[i];
}

template <class T>
class DeadTrap
{
public:
    enum : unsigned char { PATTERN = 0xDD };
    DeadTrap() { new (m_storage) T; }
    ~DeadTrap() { Kill(); }
    T* Get() { return reinterpret_cast<T*>(m_storage); }
    T* operator->() { return Get(); }
    T& operator*() { return *Get(); }
    bool IsDead() const { return m_bDead; }

    void Kill()
    {
        if (m_bDead)
            return;
        Get()->~T();
        Poison(m_storage, sizeof(m_storage));
        m_bDead = true;
    }

    // Bytes of the dead object written since it died.
    size_t WrittenBytes() const
    {
        size_t n = 0;
        for (size_t i = sizeof(void*); i < sizeof(m_storage); ++i)
            n += m_storage[i] != PATTERN;
        void* const* pTable = nullptr;
        memcpy(&pTable, m_storage, sizeof(pTable));
        return n + (pTable != DeadTable() ? 1 : 0);
    }

private:
    alignas(T) unsigned char m_storage[sizeof(T)];
    bool m_bDead = false;
};

} // namespace wgtest

namespace wgtest {

// The same for heap objects the harness made through a factory (their exact
// type unknown): Bury destroys one through its virtual destructor, poisons
// the block it lived in and keeps the block until the graveyard goes, so a
// later call or write into it is seen by Disturbed().
class Graveyard
{
public:
    template <class T>
    void Bury(T* p)
    {
        if (!p)
            return;
        // The dynamic type's size is that of the allocation holding it.
        void* pBlock = dynamic_cast<void*>(p);
        const size_t n = _msize(pBlock);
        p->~T();
        Poison(pBlock, n);
        m_graves.push_back({ pBlock, n });
    }
    // Dead objects called or written since they were buried.
    size_t Disturbed() const
    {
        size_t n = 0;
        for (const Grave& g : m_graves)
        {
            const unsigned char* b = (const unsigned char*)g.pBlock;
            bool bTouched = memcmp(b, &DeadTableRef(), sizeof(void*)) != 0;
            for (size_t i = sizeof(void*); i < g.nSize && !bTouched; ++i)
                bTouched = b[i] != 0xDD;
            n += bTouched;
        }
        return n;
    }
    void Clear()
    {
        for (const Grave& g : m_graves)
            ::operator delete(g.pBlock);
        m_graves.clear();
    }
    ~Graveyard() { Clear(); }

private:
    struct Grave { void* pBlock; size_t nSize; };
    std::vector<Grave> m_graves;
    static void* const& DeadTableRef()
    {
        static void* const s_p = (void*)DeadTable();
        return s_p;
    }
};

} // namespace wgtest
