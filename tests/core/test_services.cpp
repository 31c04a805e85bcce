// Library services: the event center, the hot-key center's two keyboard
// hooks, the worker thread and the version test.
#include "wgtest.h"
#include <atomic>

using namespace wgtest;

namespace {

// ---- event center ------------------------------------------------------------

std::vector<std::string> g_eventLog;
void CALLBACK LogEvent(UINT nMsg, UINT wParam, LPARAM lParam)
{
    g_eventLog.push_back(Fmt("%u %u %lld", nMsg, wParam, (long long)lParam));
}

TEST(EventCenter, CallsTheCallbackWithTheThreeValuesOnlyWhenOneIsSet)
{
    g_eventLog.clear();
    CWGEventCenter ec;
    ec.OnEvent(1002, 0, 5);   // no callback: nothing happens
    ec.SetEventProc(LogEvent);
    const LPARAM lWide = (LPARAM)&ec;   // a pointer travels whole
    ec.OnEvent(1002, 0, lWide);
    ec.OnEvent(7, 8, -9);
    ec.SetEventProc(nullptr);
    ec.OnEvent(1002, 0, 1);
    EXPECT_EQ((std::vector<std::string>{ Fmt("1002 0 %lld", (long long)lWide), "7 8 -9" }), g_eventLog);
}

// ---- hot-key center ------------------------------------------------------------

Log g_keyLog;
int g_nSwallowKey = 0;   // a virtual-key code the callbacks swallow

int CALLBACK AppKeyProc(UINT nMsg, UINT nKey, LPARAM nData)
{
    g_keyLog.Add(Fmt("app %x %02x %s", nMsg, nKey, (nData & (1 << 30)) ? "was-down" : "was-up"));
    return (int)nKey == g_nSwallowKey;
}
int CALLBACK SecondKeyProc(UINT, UINT, LPARAM)
{
    g_keyLog.Add("second");
    return 0;
}
int CALLBACK GlobalKeyProc(UINT nMsg, UINT nKey, LPARAM nData)
{
    if (nKey == VK_LMENU)   // Alt arrives as VK_MENU or its left-hand code
        nKey = VK_MENU;
    g_keyLog.Add(Fmt("global %x %02x%s", nMsg, nKey, (nData & LLKHF_UP) ? " up" : ""));
    return (int)nKey == g_nSwallowKey;
}

// A focused window that logs the key messages it receives (and keeps the
// system keys from the default handling, which would start menu mode).
class KeyWindow : public CWnd
{
public:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_KEYDOWN || message == WM_KEYUP || (message == WM_SYSKEYDOWN && wParam != VK_MENU))
            g_keyLog.Add(Fmt("wnd %s %02x", message == WM_KEYDOWN ? "down" : message == WM_KEYUP ? "up" : "sysdown",
                             (UINT)wParam));
        if (message >= WM_KEYFIRST && message <= WM_KEYLAST)
            return 0;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

struct KeyStroke { WORD vk; bool bUp; };

// Injects the strokes from a helper thread while this thread pumps, so that
// a low-level hook installed here is called in the meantime.
DWORD WINAPI InjectKeys(LPVOID pParam)
{
    for (const KeyStroke& k : *static_cast<std::vector<KeyStroke>*>(pParam))
    {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = k.vk;
        in.ki.dwFlags = k.bUp ? KEYEVENTF_KEYUP : 0;
        ::SendInput(1, &in, sizeof(INPUT));
    }
    return 0;
}

class HotKeyTest : public ::testing::Test
{
protected:
    KeyWindow m_wnd;
    void SetUp() override
    {
        g_nSwallowKey = 0;
        ASSERT_TRUE(m_wnd.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "keys", WS_POPUP | WS_VISIBLE, 700, 700, 80, 60,
                                   nullptr, nullptr));
        ::SetForegroundWindow(m_wnd.m_hWnd);
        m_wnd.SetFocus();
        Pump();
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        Pump();
    }
    // Types the strokes ("A" down, "a" up; "!" Alt down, "1" Alt up) and
    // returns the log, or only its lines starting with pszOnly: the
    // low-level hook runs while the injecting thread waits, the window's
    // messages when this thread pumps, so each sequence is exact but not
    // their interleaving.
    std::string Type(const char* pszKeys, const char* pszOnly = "")
    {
        std::vector<KeyStroke> keys;
        for (const char* p = pszKeys; *p; ++p)
            keys.push_back({ (WORD)(*p == '!' || *p == '1' ? VK_MENU : toupper(*p)), *p == '1' || islower(*p) });
        g_keyLog.Clear();
        HANDLE hThread = ::CreateThread(nullptr, 0, InjectKeys, &keys, 0, nullptr);
        while (::MsgWaitForMultipleObjects(1, &hThread, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
            Pump();
        ::CloseHandle(hThread);
        Pump();   // SendInput has queued every stroke by the time it returns
        return g_keyLog.Joined(pszOnly);
    }
};

TEST_F(HotKeyTest, AppHookReportsFirstStrokesAsDownRepeatsAndReleasesAsUpAndSwallows)
{
    CWGHotKeyCenter hk;
    hk.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());
    EXPECT_EQ("app 100 41 was-up | wnd down 41 | app 101 41 was-down | wnd down 41 | app 101 41 was-down | wnd up 41",
              Type("AAa"));
    g_nSwallowKey = 'B';
    EXPECT_EQ("app 100 42 was-up | app 101 42 was-down | app 100 43 was-up | wnd down 43 | app 101 43 was-down | "
              "wnd up 43", Type("BbCc"));
}

TEST_F(HotKeyTest, SecondAppCallbackIsIgnoredUntilTheFirstIsCleared)
{
    CWGHotKeyCenter hk;
    hk.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());
    hk.SetAppHotKeyProc(SecondKeyProc, ::GetCurrentThreadId());
    EXPECT_EQ("app 100 44 was-up | wnd down 44 | app 101 44 was-down | wnd up 44", Type("Dd"));
    hk.SetAppHotKeyProc(nullptr, 0);
    EXPECT_EQ("wnd down 45 | wnd up 45", Type("Ee"));
    hk.SetAppHotKeyProc(SecondKeyProc, ::GetCurrentThreadId());
    EXPECT_EQ("second | wnd down 46 | second | wnd up 46", Type("Ff"));
}

TEST_F(HotKeyTest, HooksReportToTheNewestCenterAndDieWithTheirCenter)
{
    {
        CWGHotKeyCenter older;
        CWGHotKeyCenter newer;
        EXPECT_EQ(&newer, CWGHotKeyCenter::GetCurrent());
        older.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());   // hooked, but not current
        EXPECT_EQ("wnd down 47 | wnd up 47", Type("Gg"));
    }
    EXPECT_EQ(nullptr, CWGHotKeyCenter::GetCurrent());
    {
        CWGHotKeyCenter hk;
        hk.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());
        hk.SetGlobalHotKeyProc(GlobalKeyProc);
    }
    EXPECT_EQ("wnd down 48 | wnd up 48", Type("Hh"));
}

TEST_F(HotKeyTest, GlobalHookSeesEveryStrokeAndSystemKeysAsPlainOnes)
{
    CWGHotKeyCenter hk;
    hk.SetGlobalHotKeyProc(GlobalKeyProc);
    hk.SetGlobalHotKeyProc(SecondKeyProc);   // ignored while one is set
    EXPECT_EQ("global 100 4a | global 101 4a up", Type("Jj", "global"));
    EXPECT_EQ("wnd down 4a | wnd up 4a", Type("Jj", "wnd"));

    // Alt+X: WM_SYSKEYDOWN and WM_SYSKEYUP reach the callback as 0x100 and 0x101.
    EXPECT_EQ("global 100 12 | global 100 58 | global 101 58 up | global 101 12 up", Type("!Xx1", "global"));
    EXPECT_EQ("wnd sysdown 58 | wnd up 12", Type("!Xx1", "wnd"));

    g_nSwallowKey = 'K';   // swallowed keys reach no window
    EXPECT_EQ("global 100 4b | global 101 4b up | global 100 4c | global 101 4c up", Type("KkLl", "global"));
    EXPECT_EQ("wnd down 4c | wnd up 4c", Type("KkLl", "wnd"));

    hk.SetGlobalHotKeyProc(nullptr);
    EXPECT_EQ("wnd down 4d | wnd up 4d", Type("Mm"));
}

// ---- worker thread -------------------------------------------------------------

// Runs until asked to stop; signals when Run has begun.
class Worker : public CWGThread
{
public:
    std::atomic<int> m_nRuns{ 0 }, m_nRequests{ 0 };
    std::atomic<long> m_nRunArg{ -1 };
    HANDLE m_hStarted = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_hThreadCopy = Copy(m_hThread);   // to see the thread end after Stop
    ~Worker()
    {
        Stop();
        ::CloseHandle(m_hStarted);
        ::CloseHandle(m_hThreadCopy);
    }
    static HANDLE Copy(HANDLE h)
    {
        HANDLE hCopy = nullptr;
        ::DuplicateHandle(::GetCurrentProcess(), h, ::GetCurrentProcess(), &hCopy, 0, FALSE, DUPLICATE_SAME_ACCESS);
        return hCopy;
    }
    virtual void Run(long nArg)
    {
        m_nRunArg = nArg;
        ++m_nRuns;
        ::SetEvent(m_hStarted);
        while (!m_nRequests)
            ::Sleep(1);
    }
    virtual void RequestStop() { ++m_nRequests; }
    std::string Counts() { return Fmt("runs %d arg %ld requests %d", (int)m_nRuns, (long)m_nRunArg, (int)m_nRequests); }
};

TEST(WorkerThread, StartRunsOnceWithTheArgumentAndStopAsksItToReturn)
{
    Worker w;
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, ::WaitForSingleObject(w.m_hThreadCopy, 0));   // created suspended
    w.m_nArg = 42;
    w.Start();
    ASSERT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(w.m_hStarted, 20000));
    w.Start();   // already running: nothing
    w.Stop();
    w.Stop();    // twice: nothing more
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(w.m_hThreadCopy, 0));
    EXPECT_EQ("runs 1 arg 42 requests 1", w.Counts());
}

TEST(WorkerThread, StopBeforeStartOrDestructionEndsTheThreadWithoutRunForGood)
{
    Worker w;
    w.Stop();
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(w.m_hThreadCopy, 20000));
    w.Start();   // a stopped object never starts again
    EXPECT_EQ("runs 0 arg -1 requests 0", w.Counts());
    HANDLE hThread = Worker::Copy(Worker().m_hThreadCopy);   // never started, destroyed at once
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 20000));
    ::CloseHandle(hThread);
}

// ---- version test --------------------------------------------------------------

struct FakeOs { DWORD dwPlatform, dwMajor, dwMinor; BOOL bOk; };
FakeOs g_os;
int g_nQueries = 0;
DWORD g_dwSizeSeen = 0;

BOOL WINAPI FakeVersionQuery(LPOSVERSIONINFOA p)
{
    ++g_nQueries;
    g_dwSizeSeen = p->dwOSVersionInfoSize;
    p->dwPlatformId = g_os.dwPlatform;
    p->dwMajorVersion = g_os.dwMajor;
    p->dwMinorVersion = g_os.dwMinor;
    return g_os.bOk;
}

class VersionTest : public ::testing::Test
{
protected:
    WGVERSIONQUERY m_pfnOld = WGSetVersionQuery(FakeVersionQuery);
    void TearDown() override
    {
        WGSetVersionQuery(m_pfnOld);
        WGSetVersionCode(-1);
    }
    long Code(FakeOs os)
    {
        WGSetVersionCode(-1);
        g_os = os;
        return WGGetVersionCode();
    }
};

TEST_F(VersionTest, MapsEachPlatformAndVersionToItsCode)
{
    struct { FakeOs os; long code; } cases[] = {
        { { 1, 4, 0, TRUE }, 1 }, { { 1, 4, 1, TRUE }, 1 }, { { 1, 4, 90, TRUE }, 0 }, { { 1, 5, 0, TRUE }, 0 },
        { { 2, 5, 0, TRUE }, 2 }, { { 2, 5, 1, TRUE }, 3 }, { { 2, 5, 2, TRUE }, 0 },
        { { 2, 6, 0, TRUE }, 4 }, { { 2, 6, 1, TRUE }, 5 }, { { 2, 6, 2, TRUE }, 0 }, { { 2, 6, 3, TRUE }, 0 },
        { { 2, 10, 0, TRUE }, 0 }, { { 2, 4, 0, TRUE }, 0 }, { { 0, 6, 1, TRUE }, 0 }, { { 2, 6, 1, FALSE }, 0 },
    };
    for (const auto& c : cases)
    {
        g_dwSizeSeen = 0;
        EXPECT_EQ(c.code, Code(c.os)) << c.os.dwPlatform << " " << c.os.dwMajor << "." << c.os.dwMinor;
        EXPECT_EQ(148u, g_dwSizeSeen);
    }
}

TEST_F(VersionTest, AsksTheSystemOnceAndThenAnswersFromTheCache)
{
    g_nQueries = 0;
    EXPECT_EQ(5, Code({ 2, 6, 1, TRUE }));
    g_os = { 2, 5, 1, TRUE };
    EXPECT_EQ(5, WGGetVersionCode());
    EXPECT_EQ(0, Code({ 2, 6, 1, FALSE }));   // a failed query is cached as 0 too
    g_os = { 2, 6, 1, TRUE };
    EXPECT_EQ(0, WGGetVersionCode());
    WGSetVersionCode(4);                      // a forced code is answered without asking
    EXPECT_EQ(4, WGGetVersionCode());
    EXPECT_EQ(2, g_nQueries);
}

// The tests' Wine prefix must report Windows 10, or every dialog test runs
// the system frame instead of the custom one.
TEST_F(VersionTest, TheTestSystemIsWindows10)
{
    WGSetVersionQuery(nullptr);
    WGSetVersionCode(-1);
    EXPECT_EQ(0, WGGetVersionCode());
}

} // namespace
