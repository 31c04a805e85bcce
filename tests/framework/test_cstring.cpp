// Tests for CString: sharing, raw buffers, formatting, the clamping rules for
// bad input, and DBCS-aware searching in the GBK code page.
#include <gtest/gtest.h>
#include "afxstr.h"
#include "afxmodule.h"

#include <limits.h>
#include <string.h>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

// The content, checking on the way that the stored length matches the terminator.
std::string Str(const CString& s)
{
    const char* p = s;
    EXPECT_EQ(strlen(p), static_cast<size_t>(s.GetLength())) << "length out of step with content \"" << p << "\"";
    return p;
}

const void* Buf(const CString& s) { return static_cast<LPCTSTR>(s); }

// A string whose buffer has plenty of spare room, so that writers could be
// tempted to work in place.
CString WithSpareRoom(const char* psz)
{
    CString s;
    s.GetBuffer(256);
    s.ReleaseBuffer(0);
    s = psz;
    return s;
}

class CStringGbk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (GetACP() != 936)
            GTEST_SKIP() << "needs ANSI code page 936 (GBK); run under Wine with LC_ALL=zh_CN.UTF-8";
    }
};

} // namespace

TEST(CStringConstruct, DegenerateArgumentsGiveEmptyOrShortStrings)
{
    EXPECT_EQ(Str(CString(static_cast<const char*>(nullptr))), "");
    EXPECT_EQ(Str(CString(static_cast<const char*>(nullptr), 4)), "");
    EXPECT_EQ(Str(CString("abc", -1)), "");
    EXPECT_EQ(Str(CString('x', -3)), "");
    EXPECT_EQ(Str(CString('\0', 4)), "");
    EXPECT_EQ(Str(CString(static_cast<LPCWSTR>(nullptr))), "");
    EXPECT_EQ(Str(CString(MAKEINTRESOURCEA(54321))), "") << "a resource id must not be read as a pointer";
    const char unterminated[3] = { 'a', 'b', 'c' };
    EXPECT_EQ(Str(CString(unterminated, 3)), "abc");
    EXPECT_EQ(Str(CString("ab\0cd", 5)), "ab");
    EXPECT_EQ(Str(CString("ab") + static_cast<const char*>(nullptr) + '\0'), "ab");
}

TEST(CStringSharing, EveryMutatorLeavesOtherCopiesAlone)
{
    struct Case { const char* name; void (*mutate)(CString&); };
    const Case cases[] = {
        { "SetAt", [](CString& s) { s.SetAt(1, '#'); } },
        { "+= string", [](CString& s) { s += "tail"; } },
        { "+= char", [](CString& s) { s += '!'; } },
        { "= char*", [](CString& s) { s = "other"; } },
        { "MakeUpper", [](CString& s) { s.MakeUpper(); } },
        { "MakeLower", [](CString& s) { s.MakeLower(); } },
        { "MakeReverse", [](CString& s) { s.MakeReverse(); } },
        { "Replace char", [](CString& s) { s.Replace('e', 'E'); } },
        { "Replace string", [](CString& s) { s.Replace("Case", "-"); } },
        { "Remove", [](CString& s) { s.Remove('e'); } },
        { "Insert", [](CString& s) { s.Insert(3, "++"); } },
        { "Delete", [](CString& s) { s.Delete(2, 3); } },
        { "TrimLeft", [](CString& s) { s.TrimLeft(); } },
        { "TrimRight", [](CString& s) { s.TrimRight(); } },
        { "Empty", [](CString& s) { s.Empty(); } },
        { "Format", [](CString& s) { s.Format("%d", 42); } },
        { "GetBuffer", [](CString& s) { s.GetBuffer(0)[1] = '#'; s.ReleaseBuffer(); } },
        { "GetBufferSetLength", [](CString& s) { s.GetBufferSetLength(3); s.ReleaseBuffer(); } },
        { "ReleaseBuffer(n)", [](CString& s) { s.GetBuffer(0); s.ReleaseBuffer(4); } },
    };
    const char* text = " Mixed Case e ";
    for (const Case& c : cases)
    {
        CString expected(text);
        c.mutate(expected);
        for (bool bMutateCopy : { true, false })
        {
            CString original = WithSpareRoom(text);
            CString copy(original);
            CString& target = bMutateCopy ? copy : original;
            CString& other = bMutateCopy ? original : copy;
            c.mutate(target);
            EXPECT_EQ(Str(target), Str(expected)) << c.name;
            EXPECT_EQ(Str(other), text) << c.name << (bMutateCopy ? " on the copy" : " on the original");
        }
    }
}

TEST(CStringSharing, LockedBufferIsNeverShared)
{
    CString a("locked");
    char* p = a.LockBuffer();
    CString b(a), c("x");
    c = a;
    EXPECT_NE(Buf(a), Buf(b));
    EXPECT_NE(Buf(a), Buf(c));
    p[0] = 'L';
    EXPECT_EQ(Str(a), "Locked");
    EXPECT_EQ(Str(b), "locked");
    a = "xyz";   // fits: the locked buffer stays where the caller holds it
    EXPECT_EQ(static_cast<const void*>(p), Buf(a));
    a.Empty();
    EXPECT_EQ(static_cast<const void*>(p), Buf(a));
    EXPECT_EQ(Str(a), "");
    a = b;
    EXPECT_EQ(static_cast<const void*>(p), Buf(a));
    a.UnlockBuffer();
    CString d(a);
    EXPECT_EQ(Buf(a), Buf(d));
}

TEST(CStringSharing, ConcurrentCopiesKeepTheCountExact)
{
    CString master("shared across threads");
    std::atomic<int> nBad(0), nReady(0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (++nReady; nReady < 4;)   // start together to collide as often as possible
                std::this_thread::yield();
            for (int i = 0; i < 100000; ++i)
            {
                CString c(master), d;
                d = c;
                if (d.GetLength() != 21)
                    ++nBad;
            }
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(nBad.load(), 0);
    // With every copy gone the buffer must be ours alone again: written in place.
    const void* before = Buf(master);
    master.SetAt(0, 'S');
    EXPECT_EQ(before, Buf(master));
    EXPECT_EQ(Str(master), "Shared across threads");
}

TEST(CStringBuffer, GrowThroughACopyReleaseLengthsAndFreeExtra)
{
    CString a("abc");
    CString b(a);
    char* p = b.GetBuffer(10);
    EXPECT_STREQ(p, "abc");
    memcpy(p, "0123456789", 11);   // all 10 bytes plus the terminator
    b.ReleaseBuffer();
    EXPECT_EQ(Str(b), "0123456789");
    EXPECT_EQ(Str(a), "abc");

    CString s, fresh;
    p = fresh.GetBuffer(4);
    memcpy(p, "abcd", 5);
    fresh.ReleaseBuffer(1000);   // clamped to the buffer, then up to the NUL
    EXPECT_EQ(Str(fresh), "abcd");

    p = s.GetBuffer(8);
    memcpy(p, "ab\0cdef", 8);
    s.ReleaseBuffer(6);   // a NUL inside ends the string
    EXPECT_EQ(Str(s), "ab");

    EXPECT_STREQ(s.GetBuffer(-5), "ab");
    s.ReleaseBuffer();
    CString untouched;
    untouched.ReleaseBuffer(3);
    EXPECT_EQ(Str(untouched), "");

    s = "ab";
    s.GetBuffer(5000);
    s.ReleaseBuffer();
    s.FreeExtra();
    s += "c";
    EXPECT_EQ(Str(s), "abc");
}

// Long output, GBK bytes passed through, arguments inside the string
// itself, Microsoft's syntax and empty results.
TEST(CStringFormat, LengthBytesSourcesAndSyntax)
{
    std::string big(3000, 'q');
    CString s;
    s.Format("<%s|%d>", big.c_str(), 42);
    EXPECT_EQ(Str(s), "<" + big + "|42>");
    s.Format("%s=%d;%c", "\xD6\xD0\xCE\xC4\xD5\x5C", -5, '\xB1');
    EXPECT_EQ(Str(s), "\xD6\xD0\xCE\xC4\xD5\x5C=-5;\xB1");
    s = "abc";
    s.Format("%s-%s-%s", static_cast<LPCTSTR>(s), static_cast<LPCTSTR>(s), static_cast<LPCTSTR>(s));
    EXPECT_EQ(Str(s), "abc-abc-abc");
    s.Format("%.3s", static_cast<LPCTSTR>(s) + 4);
    EXPECT_EQ(Str(s), "abc");
    s.Format("%I64d %S", -1234567890123LL, L"wide");
    EXPECT_EQ(Str(s), "-1234567890123 wide");
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    s = "old";
    s.Format(static_cast<const char*>(nullptr));
    EXPECT_EQ(Str(s), "");
}

TEST(CStringClamp, MidLeftRightAndFindStarts)
{
    const CString s("abcdef");
    EXPECT_EQ(Str(s.Mid(-2)), "abcdef");
    EXPECT_EQ(Str(s.Mid(99)), "");
    EXPECT_EQ(Str(s.Mid(-2, 3)), "abc");
    EXPECT_EQ(Str(s.Mid(2, -1)), "");
    EXPECT_EQ(Str(s.Mid(1, INT_MAX)), "bcdef");
    EXPECT_EQ(Str(s.Mid(INT_MAX, INT_MAX)), "");
    EXPECT_EQ(Str(s.Left(-1)), "");
    EXPECT_EQ(Str(s.Left(99)), "abcdef");
    EXPECT_EQ(Str(s.Right(-1)), "");
    EXPECT_EQ(Str(s.Right(INT_MAX)), "abcdef");
    EXPECT_EQ(s.Find('a', -5), 0);
    EXPECT_EQ(s.Find('f', 6), -1);
    EXPECT_EQ(s.Find("cd", 3), -1);
    EXPECT_EQ(s.Find("ef", 4), 4);
    EXPECT_EQ(s.Find("", 2), 2);
    EXPECT_EQ(s.Find("x", INT_MAX), -1);
    EXPECT_EQ(s.Find('\0'), -1);
    EXPECT_EQ(s.ReverseFind('\0'), -1);
    EXPECT_EQ(s.FindOneOf(nullptr), -1);
}

TEST(CStringClamp, ElementAccessAndInsert)
{
    CString s("abcdef");
    EXPECT_EQ(s.GetAt(-1), '\0');
    EXPECT_EQ(s.GetAt(6), '\0');
    EXPECT_EQ(s[5], 'f');
    EXPECT_EQ(s[6], '\0');
    s.SetAt(-1, 'x');
    s.SetAt(6, 'x');
    EXPECT_EQ(Str(s), "abcdef");
    s.SetAt(2, '\0');
    EXPECT_EQ(Str(s), "ab");
    s = "abc";
    EXPECT_EQ(s.Insert(99, "zz"), 5);
    EXPECT_EQ(s.Insert(-5, "<"), 6);
    EXPECT_EQ(s.Insert(2, static_cast<const char*>(nullptr)), 6);
    EXPECT_EQ(s.Insert(2, '\0'), 6);
    EXPECT_EQ(Str(s), "<abczz");
    CString e;
    EXPECT_EQ(e.Insert(3, 'q'), 1);
    EXPECT_EQ(Str(e), "q");
}

TEST(CStringClamp, DeleteAtBoundaries)
{
    struct { int nIndex, nCount; const char* result; } cases[] = {
        { 0, 1, "bcdef" }, { 4, 100, "abcd" }, { -3, 2, "cdef" }, { 6, 1, "abcdef" }, { 99, 1, "abcdef" },
        { 2, 0, "abcdef" }, { 2, -4, "abcdef" }, { 0, INT_MAX, "" }, { 5, 1, "abcde" },
    };
    for (const auto& c : cases)
    {
        CString s("abcdef");
        EXPECT_EQ(s.Delete(c.nIndex, c.nCount), static_cast<int>(strlen(c.result))) << c.nIndex << "," << c.nCount;
        EXPECT_EQ(Str(s), c.result) << c.nIndex << "," << c.nCount;
    }
}

TEST(CStringEdit, ReplaceTrimAndSpansWithOddArguments)
{
    CString s("a.b.c");
    EXPECT_EQ(s.Replace('.', '\0'), 2);   // replacing with NUL removes
    EXPECT_EQ(Str(s), "abc");
    s = "one two one";
    EXPECT_EQ(s.Replace("one", nullptr), 2);
    EXPECT_EQ(Str(s), " two ");
    EXPECT_EQ(s.Replace("", "x"), 0);
    s = "aaa";
    EXPECT_EQ(s.Replace("aa", "a"), 1);   // matches do not overlap
    EXPECT_EQ(Str(s), "aa");

    s = " \t\r\n x y \v\f ";
    s.TrimLeft();
    s.TrimRight();
    EXPECT_EQ(Str(s), "x y");
    s.TrimRight(static_cast<const char*>(nullptr));
    s.TrimLeft('\0');
    EXPECT_EQ(Str(s), "x y");
    const CString t("2024-06-01");
    EXPECT_EQ(Str(t.SpanExcluding(nullptr)), "2024-06-01");
    EXPECT_EQ(Str(t.SpanIncluding(nullptr)), "");
}

TEST(CStringEdit, SourcesInsideTheStringItselfAndRepeatedAppends)
{
    CString s("hello");
    s = static_cast<LPCTSTR>(s) + 1;
    EXPECT_EQ(Str(s), "ello");
    s += s;
    EXPECT_EQ(Str(s), "elloello");
    s += static_cast<LPCTSTR>(s) + 4;
    EXPECT_EQ(Str(s), "elloelloello");
    s = "ab";
    s.Insert(1, s);
    EXPECT_EQ(Str(s), "aabb");
    s.Replace("b", s);
    EXPECT_EQ(Str(s), "aaaabbaabb");
    s = WithSpareRoom("xy");
    s.Insert(0, static_cast<LPCTSTR>(s) + 1);
    EXPECT_EQ(Str(s), "yxy");
    // Repeated appends with a copy taken on the way.
    CString half;
    s.Empty();
    for (int i = 0; i < 1000; ++i)
    {
        s += (i % 2) ? 'b' : 'a';
        if (i == 499)
            half = s;
    }
    EXPECT_EQ(s.GetLength(), 1000);
    EXPECT_EQ(s.Left(500), half);
}

TEST(CStringCompare, BytesCompareUnsignedAndNoCaseFoldsOnlyLetters)
{
    const CString gbk("\xB0\xA1");
    EXPECT_TRUE(gbk > "z" && "z" < gbk) << "bytes must compare unsigned";
    EXPECT_TRUE(CString() == static_cast<const char*>(nullptr));
    EXPECT_GT(CString("a").Compare(nullptr), 0);
    EXPECT_LT(CString("apple").Compare("apples"), 0);
    EXPECT_EQ(CString("Hello").CompareNoCase("hELLO"), 0);
    EXPECT_LT(CString("_").CompareNoCase("A"), 0) << "letters fold to lower case, as the CRT does";
    EXPECT_GT(CString("a").CompareNoCase(nullptr), 0);
    EXPECT_GT(CString("a").Compare("B"), 0);
    EXPECT_LT(CString("a").Collate("B"), 0) << "Collate sorts by the locale, not by byte";
}

namespace {
BOOL CALLBACK FirstName(HMODULE, LPCSTR, LPSTR lpName, LONG_PTR lParam)
{
    *reinterpret_cast<LPSTR*>(lParam) = lpName;
    return FALSE;
}
}

// Strings load from the extension modules of the resource chain, as bitmaps do.
TEST(CStringResource, LoadsAlongTheResourceChain)
{
    HMODULE hUser = GetModuleHandleA("user32.dll");
    LPSTR lpBlock = nullptr;
    EnumResourceNamesA(hUser, RT_STRING, FirstName, reinterpret_cast<LONG_PTR>(&lpBlock));
    if (lpBlock == nullptr || !IS_INTRESOURCE(lpBlock))
        GTEST_SKIP() << "user32 has no string table to load from";
    UINT nID = (LOWORD(reinterpret_cast<ULONG_PTR>(lpBlock)) - 1) * 16;
    char sz[1024] = "";
    for (UINT k = 0; k < 16 && sz[0] == '\0'; ++k)
        if (LoadStringA(hUser, nID + k, sz, sizeof(sz)) > 0)
            nID += k;
    ASSERT_NE(sz[0], '\0');

    CString s("old");
    EXPECT_FALSE(s.LoadString(nID));   // not in the program
    EXPECT_EQ(Str(s), "");
    AFX_EXTENSION_MODULE ext = { FALSE, nullptr, nullptr };
    ASSERT_TRUE(AfxInitExtensionModule(ext, hUser));
    new CDynLinkLibrary(ext);
    EXPECT_TRUE(s.LoadString(nID));
    EXPECT_EQ(Str(s), sz);
    EXPECT_EQ(Str(CString(MAKEINTRESOURCEA(nID))), sz);
    AfxTermExtensionModule(ext);
}

TEST_F(CStringGbk, SearchesSkipTrailBytes)
{
    // "\xD5\x5C" is one character whose trail byte is 0x5C, a backslash.
    const CString s("a\xD5\x5C" "b\\c");
    EXPECT_EQ(s.Find('\\'), 4);
    EXPECT_EQ(s.Find('\\', 2), 4) << "a start on a trail byte moves to the next character";
    EXPECT_EQ(s.Find("\\"), 4);
    EXPECT_EQ(s.Find("\\b"), -1);
    EXPECT_EQ(s.Find("\xD5"), -1) << "half a character never matches";
    EXPECT_EQ(s.Find('\xD5'), -1);
    EXPECT_EQ(s.Find("\xD5\x5C"), 1);
    EXPECT_EQ(s.FindOneOf("/\\"), 4);
    EXPECT_EQ(CString("ab\\c").FindOneOf("\xD5\x5C"), -1);
    EXPECT_EQ(CString("\\\xB1\x5C").ReverseFind('\\'), 0);
    EXPECT_EQ(CString("x\xB1\x5C").ReverseFind('\\'), -1);
}

TEST_F(CStringGbk, EditsKeepDoubleByteCharactersIntact)
{
    CString s("\xB1\x5C\\\xD5\x5C");
    EXPECT_EQ(s.Replace('\\', '/'), 1);
    EXPECT_EQ(Str(s), "\xB1\x5C/\xD5\x5C");
    s = "\xB1\x5C\\\xD5\x5C";
    EXPECT_EQ(s.Replace("\\", "//"), 1);
    EXPECT_EQ(Str(s), "\xB1\x5C//\xD5\x5C");
    EXPECT_EQ(s.Remove('/'), 2);
    EXPECT_EQ(Str(s), "\xB1\x5C\xD5\x5C");

    s = "a\xD5\x5C" "b\xB1\x5C";
    s.MakeReverse();
    EXPECT_EQ(Str(s), "\xB1\x5C" "b\xD5\x5C" "a");

    s = "\x81\x61x";   // the trail byte 0x61 is not a letter here
    s.MakeUpper();
    EXPECT_EQ(Str(s), "\x81\x61X");
    s = "\x81\x41X";
    s.MakeLower();
    EXPECT_EQ(Str(s), "\x81\x41x");
    EXPECT_NE(CString("\x81\x41").CompareNoCase("\x81\x61"), 0);

    s = "x\xB1\x5C\\\\";
    s.TrimRight('\\');
    EXPECT_EQ(Str(s), "x\xB1\x5C");
    s.TrimRight("\\");
    EXPECT_EQ(Str(s), "x\xB1\x5C");
    s = "\xB1\x5C";
    s.TrimLeft("\xB1");
    EXPECT_EQ(Str(s), "\xB1\x5C");

    const CString t("\xD5\x5Cx\\y");
    EXPECT_EQ(Str(t.SpanExcluding("\\")), "\xD5\x5Cx");
    EXPECT_EQ(Str(CString("a\xD5\x5C" "a\xD5z").SpanIncluding("\xD5\x5C" "a")), "a\xD5\x5C" "a");
}

TEST_F(CStringGbk, WideStringsRoundTripThroughTheAnsiCodePage)
{
    const wchar_t* w = L"\x4E2D\x6587 ok";   // two Chinese characters
    CString s(w);
    EXPECT_EQ(Str(s), "\xD6\xD0\xCE\xC4 ok");
    CString t("old");
    t = w;
    EXPECT_EQ(t, s);
    wchar_t back[16] = L"";
    ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, s, -1, back, 16), 0);
    EXPECT_STREQ(back, w);
}
