// afxstr.cpp - CString implementation (see afxstr.h for the rules).
#include "afxstr.h"
#include "afxmodule.h"

#include <limits.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <new>
#include <utility>

namespace {

// The shared empty string: nRefs == -1 so it is never shared by count, never
// written and never freed. Every empty CString points at it.
struct NilString
{
    CStringData hdr;
    char nul;
};
NilString g_nil = { { -1, 0, 0 }, '\0' };
static_assert(offsetof(NilString, nul) == sizeof(CStringData), "nil terminator must follow the header");

inline bool IsNil(const CStringData* p) { return p == &g_nil.hdr; }

// Lengths of external strings; a NULL pointer is "".
inline int SafeLen(const char* psz)
{
    size_t n = psz != nullptr ? strlen(psz) : 0;
    return n <= INT_MAX ? static_cast<int>(n) : throw std::bad_alloc();
}

// Size of the character at p: 2 for a lead byte followed by a trail byte,
// else 1. A lead byte right before the terminator counts as a single byte.
inline int CharLen(const char* p)
{
    return (p[0] != '\0' && p[1] != '\0' && IsDBCSLeadByte(static_cast<BYTE>(p[0]))) ? 2 : 1;
}

// First character boundary at or after byte n (n <= strlen(s)). Boundaries
// can only be found by walking from the start: trail bytes look like anything.
int BoundaryAtOrAfter(const char* s, int n)
{
    int i = 0;
    while (i < n)
        i += CharLen(s + i);
    return i;
}

// Is the character p[0..n) one of the characters of the set?
bool SetHasChar(const char* pszSet, const char* p, int n)
{
    if (pszSet == nullptr)
        return false;
    for (const char* q = pszSet; *q != '\0'; q += CharLen(q))
        if (CharLen(q) == n && memcmp(q, p, n) == 0)
            return true;
    return false;
}

// Does sub[0..nSub) occur at s+i, starting and ending on character boundaries?
// i must already be a boundary.
bool MatchAt(const char* s, int nLen, int i, const char* sub, int nSub)
{
    if (nSub > nLen - i || memcmp(s + i, sub, nSub) != 0)
        return false;
    int k = i;
    while (k < i + nSub)
        k += CharLen(s + k);
    return k == i + nSub;   // a trailing lone lead byte in sub must not eat half a character
}

inline bool IsSpaceChar(const char* p, int n)
{
    return n == 1 && *p != '\0' && strchr(" \t\n\v\f\r", *p) != nullptr;
}

// Byte length of the leading run of characters satisfying match(p, n).
template <class Pred>
int LeadingRun(const char* s, Pred match)
{
    int i = 0;
    while (s[i] != '\0')
    {
        int n = CharLen(s + i);
        if (!match(s + i, n))
            break;
        i += n;
    }
    return i;
}

// Start of the trailing run of matching characters (the length if none).
template <class Pred>
int TrailingRunStart(const char* s, Pred match)
{
    int i = 0, start = -1;
    while (s[i] != '\0')
    {
        int n = CharLen(s + i);
        if (!match(s + i, n))
            start = -1;
        else if (start < 0)
            start = i;
        i += n;
    }
    return start < 0 ? i : start;
}

inline unsigned char FoldLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Buffer management

void CString::Init() { m_pchData = g_nil.hdr.data(); }

// Points m_pchData at a new unshared buffer of nLen bytes (length nLen,
// terminated). The previous buffer is not released.
void CString::AllocBuffer(int nLen)
{
    if (nLen < 0 || static_cast<size_t>(nLen) > INT_MAX - sizeof(CStringData) - 1)
        throw std::bad_alloc();
    CStringData* p = static_cast<CStringData*>(::operator new(sizeof(CStringData) + nLen + 1));
    p->nRefs = 1;
    p->nDataLength = p->nAllocLength = nLen;
    p->data()[nLen] = '\0';
    m_pchData = p->data();
}

void CString::Release()
{
    CStringData* p = GetData();
    if (IsNil(p))
        return;
    if (InterlockedDecrement(&p->nRefs) <= 0)   // a locked buffer (-1) is ours alone
        ::operator delete(p);
    Init();
}

void CString::CopyBeforeWrite()
{
    if (GetData()->nRefs > 1)
    {
        CString tmp(m_pchData, GetLength());
        std::swap(m_pchData, tmp.m_pchData);   // tmp drops our share of the old buffer
    }
}

// Replaces bytes [nIndex, nIndex + nCount) by lpch[0..nLen): the one primitive
// behind assignment, concatenation, Insert and Delete. The range must be
// valid; lpch may point into this string. Works in place when the buffer is
// ours, big enough and not the source; otherwise builds a new one, with room
// to spare when appending so that repeated += stays linear.
void CString::ReplaceRange(int nIndex, int nCount, const char* lpch, int nLen)
{
    CStringData* p = GetData();
    int nOld = p->nDataLength, nTail = nOld - nIndex - nCount;
    if (nLen > INT_MAX - (nOld - nCount))
        throw std::bad_alloc();
    int nNew = nOld - nCount + nLen;
    uintptr_t src = reinterpret_cast<uintptr_t>(lpch), buf = reinterpret_cast<uintptr_t>(m_pchData);
    bool bAliased = nLen > 0 && src >= buf && src <= buf + p->nAllocLength;
    if (!IsNil(p) && p->nRefs <= 1 && nNew <= p->nAllocLength && !bAliased)
    {
        memmove(m_pchData + nIndex + nLen, m_pchData + nIndex + nCount, nTail);
        if (nLen > 0)
            memcpy(m_pchData + nIndex, lpch, nLen);
        p->nDataLength = nNew;
        m_pchData[nNew] = '\0';
        return;
    }
    CString tmp;
    if (nNew > 0)
    {
        int nGrow = (nIndex > 0 && nTail == 0 && nOld < INT_MAX / 3) ? nOld + nOld / 2 : 0;
        tmp.AllocBuffer(nGrow > nNew ? nGrow : nNew);
        tmp.GetData()->nDataLength = nNew;
        tmp.m_pchData[nNew] = '\0';
        memcpy(tmp.m_pchData, m_pchData, nIndex);
        if (nLen > 0)
            memcpy(tmp.m_pchData + nIndex, lpch, nLen);
        memcpy(tmp.m_pchData + nIndex + nLen, m_pchData + nIndex + nCount, nTail);
    }
    std::swap(m_pchData, tmp.m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Construction & assignment

CString::CString() { Init(); }

CString::CString(const CString& stringSrc)
{
    Init();
    *this = stringSrc;
}

CString::CString(char ch, int nRepeat)
{
    Init();
    if (ch != '\0' && nRepeat > 0)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, nRepeat);
    }
}

CString::CString(const char* lpsz)
{
    Init();
    if (lpsz != nullptr && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else
        *this = lpsz;
}

CString::CString(const char* lpch, int nLength)
{
    Init();
    if (lpch != nullptr && nLength > 0)
        ReplaceRange(0, 0, lpch, static_cast<int>(strnlen(lpch, nLength)));
}

CString::CString(const unsigned char* psz) { Init(); *this = psz; }
CString::CString(LPCWSTR lpsz) { Init(); *this = lpsz; }
CString::~CString() { Release(); }

void CString::Empty()
{
    if (GetData()->nRefs < 0)
        ReplaceRange(0, GetLength(), nullptr, 0);   // locked: keep the buffer the caller holds
    else
        Release();
}

const CString& CString::operator=(const CString& stringSrc)
{
    CStringData* pSrc = stringSrc.GetData();
    if (m_pchData == stringSrc.m_pchData)
        return *this;
    if ((GetData()->nRefs < 0 && !IsNil(GetData())) || pSrc->nRefs < 0)
    {
        ReplaceRange(0, GetLength(), stringSrc.m_pchData, pSrc->nDataLength);   // a locked buffer is never shared
    }
    else
    {
        InterlockedIncrement(&pSrc->nRefs);
        Release();
        m_pchData = stringSrc.m_pchData;
    }
    return *this;
}

const CString& CString::operator=(char ch)
{
    ReplaceRange(0, GetLength(), &ch, ch != '\0' ? 1 : 0);
    return *this;
}

const CString& CString::operator=(const char* lpsz)
{
    ReplaceRange(0, GetLength(), lpsz, SafeLen(lpsz));
    return *this;
}

const CString& CString::operator=(const unsigned char* psz) { return *this = reinterpret_cast<const char*>(psz); }

const CString& CString::operator=(LPCWSTR lpsz)
{
    int nBytes = (lpsz != nullptr && *lpsz != L'\0')
        ? WideCharToMultiByte(CP_ACP, 0, lpsz, -1, nullptr, 0, nullptr, nullptr) : 0;
    CString tmp;
    if (nBytes > 1)
    {
        tmp.AllocBuffer(nBytes - 1);
        WideCharToMultiByte(CP_ACP, 0, lpsz, -1, tmp.m_pchData, nBytes, nullptr, nullptr);
    }
    return *this = tmp;
}

/////////////////////////////////////////////////////////////////////////////
// Element access & concatenation

char CString::GetAt(int nIndex) const { return (nIndex >= 0 && nIndex < GetLength()) ? m_pchData[nIndex] : '\0'; }

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    if (ch == '\0')
        return (void)Delete(nIndex, GetLength() - nIndex);
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

const CString& CString::operator+=(const CString& string)
{
    ReplaceRange(GetLength(), 0, string.m_pchData, string.GetLength());
    return *this;
}

const CString& CString::operator+=(char ch)
{
    ReplaceRange(GetLength(), 0, &ch, ch != '\0' ? 1 : 0);
    return *this;
}

const CString& CString::operator+=(const char* lpsz)
{
    ReplaceRange(GetLength(), 0, lpsz, SafeLen(lpsz));
    return *this;
}

static CString Concat(const char* lpch1, int nLen1, const char* lpch2, int nLen2)
{
    CString s;
    if (nLen2 > INT_MAX - nLen1)
        throw std::bad_alloc();
    if (nLen1 + nLen2 > 0)
    {
        char* p = s.GetBuffer(nLen1 + nLen2);   // exact size, unlike +=
        if (nLen1 > 0)
            memcpy(p, lpch1, nLen1);
        if (nLen2 > 0)
            memcpy(p + nLen1, lpch2, nLen2);
        s.ReleaseBuffer(nLen1 + nLen2);
    }
    return s;
}

CString operator+(const CString& s1, const CString& s2) { return Concat(s1, s1.GetLength(), s2, s2.GetLength()); }
CString operator+(const CString& s, char ch) { return Concat(s, s.GetLength(), &ch, ch != '\0' ? 1 : 0); }
CString operator+(char ch, const CString& s) { return Concat(&ch, ch != '\0' ? 1 : 0, s, s.GetLength()); }
CString operator+(const CString& s, const char* lpsz) { return Concat(s, s.GetLength(), lpsz, SafeLen(lpsz)); }
CString operator+(const char* lpsz, const CString& s) { return Concat(lpsz, SafeLen(lpsz), s, s.GetLength()); }

/////////////////////////////////////////////////////////////////////////////
// Comparison

int CString::Compare(const char* lpsz) const
{
    int n = strcmp(m_pchData, lpsz != nullptr ? lpsz : "");
    return n < 0 ? -1 : (n > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* lpsz) const
{
    const char* a = m_pchData;
    const char* b = lpsz != nullptr ? lpsz : "";
    for (;;)
    {
        int na = CharLen(a), nb = CharLen(b);
        // Only single-byte characters fold: a trail byte may look like a letter.
        unsigned ca = na == 1 ? FoldLower(*a) : static_cast<unsigned char>(*a);
        unsigned cb = nb == 1 ? FoldLower(*b) : static_cast<unsigned char>(*b);
        if (ca == cb && (na == 2 || nb == 2))
        {
            ca = na == 2 ? static_cast<unsigned char>(a[1]) : 0;
            cb = nb == 2 ? static_cast<unsigned char>(b[1]) : 0;
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (*a == '\0')
            return 0;
        a += na;
        b += nb;
    }
}

int CString::Collate(const char* lpsz) const
{
    int n = CompareStringA(LOCALE_USER_DEFAULT, 0, m_pchData, -1, lpsz != nullptr ? lpsz : "", -1);
    return n == 0 ? Compare(lpsz) : n - CSTR_EQUAL;
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - (nFirst > 0 ? nFirst : 0));
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLen = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > nLen)
        nFirst = nLen;
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLen - nFirst)
        nCount = nLen - nFirst;
    if (nFirst == 0 && nCount == nLen)
        return *this;   // shares the buffer
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    int nLen = GetLength();
    if (nCount < 0)
        nCount = 0;
    return Mid(nCount < nLen ? nLen - nCount : 0, nCount);
}

CString CString::SpanIncluding(const char* lpszCharSet) const
{
    return Left(LeadingRun(m_pchData, [=](const char* p, int n) { return SetHasChar(lpszCharSet, p, n); }));
}

CString CString::SpanExcluding(const char* lpszCharSet) const
{
    return Left(LeadingRun(m_pchData, [=](const char* p, int n) { return !SetHasChar(lpszCharSet, p, n); }));
}

/////////////////////////////////////////////////////////////////////////////
// In-place changes

// Maps single-byte characters in [chFrom, chFrom + 25] by adding nDelta.
static void MapLetters(char* p, char chFrom, int nDelta)
{
    for (; *p != '\0'; p += CharLen(p))
        if (*p >= chFrom && *p <= chFrom + 25 && CharLen(p) == 1)
            *p = static_cast<char>(*p + nDelta);
}

void CString::MakeUpper()
{
    if (!IsEmpty())
    {
        CopyBeforeWrite();
        MapLetters(m_pchData, 'a', 'A' - 'a');
    }
}

void CString::MakeLower()
{
    if (!IsEmpty())
    {
        CopyBeforeWrite();
        MapLetters(m_pchData, 'A', 'a' - 'A');
    }
}

void CString::MakeReverse()
{
    if (GetLength() < 2)
        return;
    CopyBeforeWrite();
    // Swap the bytes of each double-byte character first, so that reversing
    // the whole buffer puts them back in lead/trail order.
    for (char* p = m_pchData; *p != '\0';)
    {
        int n = CharLen(p);
        if (n == 2)
            std::swap(p[0], p[1]);
        p += n;
    }
    for (char *l = m_pchData, *r = m_pchData + GetLength() - 1; l < r; ++l, --r)
        std::swap(*l, *r);
}

int CString::Replace(char chOld, char chNew)
{
    if (chNew == '\0')
        return Remove(chOld);
    if (chOld == chNew || Find(chOld) < 0)
        return 0;
    CopyBeforeWrite();
    int nCount = 0;
    for (char* p = m_pchData; *p != '\0'; p += CharLen(p))
    {
        if (*p == chOld && CharLen(p) == 1)
        {
            *p = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(const char* lpszOld, const char* lpszNew)
{
    int nOld = SafeLen(lpszOld), nNew = SafeLen(lpszNew), nLen = GetLength();
    if (nOld == 0)
        return 0;
    // One pass to count, one to copy into a new buffer (the arguments may
    // point into this string).
    auto scan = [&](char* out) {
        int nCount = 0;
        for (int i = 0; i < nLen;)
        {
            bool bMatch = MatchAt(m_pchData, nLen, i, lpszOld, nOld);
            const char* from = bMatch ? lpszNew : m_pchData + i;
            int nCopy = bMatch ? nNew : CharLen(m_pchData + i);
            if (out != nullptr && nCopy > 0)
            {
                memcpy(out, from, nCopy);
                out += nCopy;
            }
            nCount += bMatch;
            i += bMatch ? nOld : nCopy;
        }
        return nCount;
    };
    int nCount = scan(nullptr);
    long long nResult = nLen + static_cast<long long>(nCount) * (nNew - nOld);
    if (nCount == 0)
        return 0;
    if (nResult > INT_MAX)
        throw std::bad_alloc();
    CString tmp;
    if (nResult > 0)
    {
        tmp.AllocBuffer(static_cast<int>(nResult));
        scan(tmp.m_pchData);
    }
    std::swap(m_pchData, tmp.m_pchData);
    return nCount;
}

int CString::Remove(char chRemove)
{
    if (chRemove == '\0' || Find(chRemove) < 0)
        return 0;
    CopyBeforeWrite();
    char* out = m_pchData;
    for (char* p = m_pchData; *p != '\0';)
    {
        int n = CharLen(p);
        if (n == 1 && *p == chRemove)
            ++p;
        else
            while (n-- > 0)
                *out++ = *p++;
    }
    int nCount = GetLength() - static_cast<int>(out - m_pchData);
    *out = '\0';
    GetData()->nDataLength -= nCount;
    return nCount;
}

int CString::Insert(int nIndex, char ch) { char sz[2] = { ch, '\0' }; return Insert(nIndex, sz); }

int CString::Insert(int nIndex, const char* pstr)
{
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLen)
        nIndex = nLen;
    int nIns = SafeLen(pstr);
    if (nIns > 0)
        ReplaceRange(nIndex, 0, pstr, nIns);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < nLen)
        ReplaceRange(nIndex, nCount < nLen - nIndex ? nCount : nLen - nIndex, nullptr, 0);
    return GetLength();
}

void CString::TrimLeft() { Delete(0, LeadingRun(m_pchData, IsSpaceChar)); }

void CString::TrimLeft(char chTarget) { char sz[2] = { chTarget, '\0' }; TrimLeft(sz); }

void CString::TrimLeft(const char* lpszTargets)
{
    Delete(0, LeadingRun(m_pchData, [=](const char* p, int n) { return SetHasChar(lpszTargets, p, n); }));
}

void CString::TrimRight()
{
    int nStart = TrailingRunStart(m_pchData, IsSpaceChar);
    Delete(nStart, GetLength() - nStart);
}

void CString::TrimRight(char chTarget) { char sz[2] = { chTarget, '\0' }; TrimRight(sz); }

void CString::TrimRight(const char* lpszTargets)
{
    int nStart = TrailingRunStart(m_pchData, [=](const char* p, int n) { return SetHasChar(lpszTargets, p, n); });
    Delete(nStart, GetLength() - nStart);
}

/////////////////////////////////////////////////////////////////////////////
// Searching

int CString::Find(char ch) const { return Find(ch, 0); }

int CString::Find(char ch, int nStart) const
{
    int nLen = GetLength();
    if (ch == '\0' || nStart >= nLen)
        return -1;
    for (int i = BoundaryAtOrAfter(m_pchData, nStart < 0 ? 0 : nStart); i < nLen; i += CharLen(m_pchData + i))
        if (m_pchData[i] == ch && CharLen(m_pchData + i) == 1)
            return i;
    return -1;
}

int CString::Find(const char* lpszSub) const { return Find(lpszSub, 0); }

int CString::Find(const char* lpszSub, int nStart) const
{
    int nLen = GetLength(), nSub = SafeLen(lpszSub);
    if (nStart < 0)
        nStart = 0;
    if (nStart > nLen - nSub)
        return -1;
    for (int i = BoundaryAtOrAfter(m_pchData, nStart); i <= nLen - nSub; i += CharLen(m_pchData + i))
        if (MatchAt(m_pchData, nLen, i, lpszSub, nSub))
            return i;
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int nFound = -1;
    if (ch != '\0')
        for (int i = 0; m_pchData[i] != '\0'; i += CharLen(m_pchData + i))
            if (m_pchData[i] == ch && CharLen(m_pchData + i) == 1)
                nFound = i;
    return nFound;
}

int CString::FindOneOf(const char* lpszCharSet) const
{
    int n = LeadingRun(m_pchData, [=](const char* p, int c) { return !SetHasChar(lpszCharSet, p, c); });
    return n < GetLength() ? n : -1;
}

/////////////////////////////////////////////////////////////////////////////
// Formatting & resources

void CString::Format(const char* lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* lpszFormat, va_list argList)
{
    // Measure, then print into a new buffer: the arguments may point into
    // this string, so the old content must live until we are done.
    CString tmp;
    if (lpszFormat != nullptr)
    {
        va_list args;
        va_copy(args, argList);
        int nLen = _vscprintf(lpszFormat, args);
        va_end(args);
        if (nLen > 0)
        {
            tmp.AllocBuffer(nLen);
            va_copy(args, argList);
            int nWritten = _vsnprintf(tmp.m_pchData, nLen + 1, lpszFormat, args);
            va_end(args);
            nWritten = nWritten < 0 ? 0 : (nWritten > nLen ? nLen : nWritten);
            tmp.m_pchData[nWritten] = '\0';
            tmp.GetData()->nDataLength = static_cast<int>(strlen(tmp.m_pchData));   // "%c" of 0 ends it
        }
    }
    *this = tmp;
}

BOOL CString::LoadString(UINT nID)
{
    CString tmp;
    // String tables are blocks of 16 counted UTF-16 strings; string nID lives
    // in block nID / 16 + 1 at position nID % 16.
    LPCSTR lpszBlock = MAKEINTRESOURCEA((nID >> 4) + 1);
    HINSTANCE hInst = AfxFindResourceHandle(lpszBlock, RT_STRING);
    HRSRC hRes = nID <= 0xFFFF ? FindResourceA(hInst, lpszBlock, RT_STRING) : nullptr;
    HGLOBAL hGlobal = hRes != nullptr ? LoadResource(hInst, hRes) : nullptr;
    const WCHAR* p = hGlobal != nullptr ? static_cast<const WCHAR*>(LockResource(hGlobal)) : nullptr;
    if (p != nullptr)
    {
        const WCHAR* pEnd = p + SizeofResource(hInst, hRes) / sizeof(WCHAR);
        for (UINT i = 0; i < nID % 16 && p < pEnd; ++i)
            p += 1 + *p;
        if (p < pEnd && *p != 0 && *p < pEnd - p)
        {
            int nBytes = WideCharToMultiByte(CP_ACP, 0, p + 1, *p, nullptr, 0, nullptr, nullptr);
            if (nBytes > 0)
            {
                tmp.AllocBuffer(nBytes);
                WideCharToMultiByte(CP_ACP, 0, p + 1, *p, tmp.m_pchData, nBytes, nullptr, nullptr);
                tmp.GetData()->nDataLength = static_cast<int>(strlen(tmp.m_pchData));
            }
        }
    }
    *this = tmp;
    return !IsEmpty();
}

/////////////////////////////////////////////////////////////////////////////
// Raw buffer access

char* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        nMinBufLength = 0;
    CStringData* p = GetData();
    if (IsNil(p) || p->nRefs > 1 || nMinBufLength > p->nAllocLength)
    {
        int nLen = p->nDataLength;
        CString tmp;
        tmp.AllocBuffer(nMinBufLength > nLen ? nMinBufLength : nLen);
        memcpy(tmp.m_pchData, m_pchData, nLen + 1);
        tmp.GetData()->nDataLength = nLen;
        std::swap(m_pchData, tmp.m_pchData);
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (IsNil(GetData()))
        return;
    CopyBeforeWrite();
    CStringData* p = GetData();
    if (nNewLength < 0 || nNewLength > p->nAllocLength)
        nNewLength = p->nAllocLength;
    nNewLength = static_cast<int>(strnlen(m_pchData, nNewLength));
    p->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

char* CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    int nOld = GetLength();
    GetBuffer(nNewLength);
    if (nNewLength > nOld)
        memset(m_pchData + nOld, 0, nNewLength - nOld);
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
    return m_pchData;
}

void CString::FreeExtra()
{
    CStringData* p = GetData();
    if (IsNil(p) || p->nRefs < 0 || p->nDataLength == p->nAllocLength)
        return;   // a locked buffer must stay where it is
    CString tmp(m_pchData, p->nDataLength);
    std::swap(m_pchData, tmp.m_pchData);
}

char* CString::LockBuffer()
{
    char* psz = GetBuffer(0);
    GetData()->nRefs = -1;
    return psz;
}

void CString::UnlockBuffer()
{
    CStringData* p = GetData();
    if (!IsNil(p) && p->nRefs == -1)
        p->nRefs = 1;
}
