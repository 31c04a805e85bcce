#pragma once

#include "afxdef.h"
#include <stdarg.h>

static_assert(sizeof(TCHAR) == 1, "the WG framework is an MBCS (non-UNICODE) build");

// Header that precedes the characters of every CString buffer.
struct CStringData
{
    long nRefs;         // >= 1 shared count; -1 = locked (never shared) or the empty string
    int nDataLength;    // bytes, without the terminator
    int nAllocLength;   // capacity, without the terminator
    char* data() { return reinterpret_cast<char*>(this + 1); }
};

// CString: the framework's string class, MFC 4.2 style, MBCS build: a
// reference-counted, copy-on-write byte string in the system ANSI code page
// (CP_ACP, such as GBK/936). Construct it from a char pointer, a character,
// another CString or nothing (empty). Lengths and positions count bytes, like
// MFC's MBCS build; searching and case/whitespace handling are DBCS-aware: a
// search never matches the trail byte of a double-byte character, and
// MakeReverse keeps double-byte characters intact.
//
// Invariants and defined behaviour for bad input (MFC asserts; we never crash):
//  * Content holds bytes 0x01-0xFF only. Anything that would put a NUL inside
//    the string stops at that NUL instead (constructors, ReleaseBuffer) or is
//    ignored (appending or inserting '\0'). SetAt(i, '\0') truncates at i.
//  * A NULL `const char*` argument acts as "".
//  * Mid/Left/Right clamp: negative start or count -> 0, past the end -> up to
//    the end. Mid(-2, 3) is Mid(0, 3), as in MFC.
//  * GetAt/operator[] out of range return '\0'; SetAt out of range does nothing.
//  * Insert: index < 0 inserts at 0, past the end appends. Delete clamps start
//    and count. Both return the new length.
//  * Find(.., nStart): nStart < 0 searches from 0; a start past the last place
//    a match could begin gives -1.
//    A start inside a double-byte character begins at the next character.
//  * Out of memory (or a length beyond INT_MAX) throws std::bad_alloc.
//  * Format/FormatV use the Microsoft CRT format syntax (%I64d, %S = wide
//    string) just like MFC on Windows. Pass CStrings as (LPCTSTR)s: a class
//    object passed through "..." is not a char pointer with g++, so Format
//    is checked like printf and the build treats a mismatch as an error.
//
// Thread safety: distinct CString objects may be used from different threads
// even when they share a buffer (the reference count is interlocked); one
// object must not be used from two threads at once.
class AFX_FW_API CString
{
public:
// Construction
    CString();
    CString(const CString& stringSrc);
    CString(char ch, int nRepeat = 1);        // ch == '\0' or nRepeat < 1 -> empty
    CString(const char* lpsz);                // MAKEINTRESOURCE(id) loads string id, like MFC
    CString(const char* lpch, int nLength);   // up to nLength bytes, stops at a NUL
    CString(const unsigned char* psz);
    CString(LPCWSTR lpsz);                    // converted to CP_ACP
    ~CString();

// Attributes & element access
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();                             // frees the buffer (unless locked)

    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCTSTR() const { return m_pchData; }

// Assignment & concatenation
    const CString& operator=(const CString& stringSrc);
    const CString& operator=(char ch);
    const CString& operator=(const char* lpsz);
    const CString& operator=(const unsigned char* psz);
    const CString& operator=(LPCWSTR lpsz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(char ch);
    const CString& operator+=(const char* lpsz);

// Comparison (<0, 0, >0; bytes compare unsigned, so DBCS sorts after ASCII)
    int Compare(const char* lpsz) const;
    int CompareNoCase(const char* lpsz) const;   // folds ASCII letters outside DBCS characters
    int Collate(const char* lpsz) const;         // locale-aware (CompareString, user locale)

// Extraction (byte counts, clamped - see top of file)
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const char* lpszCharSet) const;   // leading run of characters in the set
    CString SpanExcluding(const char* lpszCharSet) const;   // leading run of characters not in the set

// In-place changes (all DBCS-aware; ASCII-only case mapping, like the CRT "C" locale)
    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    int Replace(char chOld, char chNew);      // chNew == '\0' removes; returns the count
    int Replace(const char* lpszOld, const char* lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, const char* pstr);
    int Delete(int nIndex, int nCount = 1);

    void TrimLeft();                          // whitespace: space \t \n \v \f \r
    void TrimLeft(char chTarget);
    void TrimLeft(const char* lpszTargets);   // any character of the set
    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(const char* lpszTargets);

// Searching (return a byte index or -1)
    // Searching for '\0' finds nothing; an empty (or NULL) substring is found
    // at the start position.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(const char* lpszSub) const;
    int Find(const char* lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* lpszCharSet) const;

// Formatting
#if defined(__GNUC__)
    void Format(const char* lpszFormat, ...) __attribute__((format(ms_printf, 2, 3)));
#else
    void Format(const char* lpszFormat, ...);
#endif
    void FormatV(const char* lpszFormat, va_list argList);   // NULL or bad format -> empty

// Resources
    // String table of the first module of the resource chain that has the
    // string's block (AfxFindResourceHandle); FALSE (and empty) if missing.
    BOOL LoadString(UINT nID);

// Raw buffer access.
// GetBuffer unshares the buffer and returns room for max(n, length) bytes plus
// a terminator, keeping the content. Call ReleaseBuffer before using any other
// member; ReleaseBuffer(-1) takes the length up to the first NUL.
    char* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    char* GetBufferSetLength(int nNewLength);   // new bytes are zero until written
    void FreeExtra();
    // A locked buffer is never shared, so a pointer from LockBuffer stays valid
    // while the string is copied; UnlockBuffer makes it shareable again.
    char* LockBuffer();
    void UnlockBuffer();

// Implementation
protected:
    char* m_pchData;   // characters; the CStringData header sits just before them

    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void Release();
    void CopyBeforeWrite();
    void ReplaceRange(int nIndex, int nCount, const char* lpch, int nLen);
};

// Concatenation; appending '\0' or NULL adds nothing.
AFX_FW_API CString operator+(const CString& string1, const CString& string2);
AFX_FW_API CString operator+(const CString& string, char ch);
AFX_FW_API CString operator+(char ch, const CString& string);
AFX_FW_API CString operator+(const CString& string, const char* lpsz);
AFX_FW_API CString operator+(const char* lpsz, const CString& string);

// Comparison operators; a NULL `const char*` compares as "".
inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, const char* s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const char* s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, const char* s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const char* s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const CString& s1, const char* s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const char* s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const CString& s1, const char* s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const char* s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const CString& s1, const char* s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const char* s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const CString& s1, const char* s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const char* s1, const CString& s2) { return s2.Compare(s1) <= 0; }
