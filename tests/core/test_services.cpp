// Library services: the event center, the hot-key center's two keyboard
// hooks, the worker thread and the version test.
#include "wgtest.h"
#include <atomic>
#include <string.h>
#include <vector>

using namespace wgtest;

namespace {

// ---- event center ------------------------------------------------------------------

std::vector<std::string> g_eventLog;
void CALLBACK LogEvent(UINT nMsg, UINT wParam, LPARAM lParam)
{
    g_eventLog.push_back(Fmt("%u %u %lld", nMsg, wParam, (long long)lParam));
}
void CALLBACK OtherEvent(UINT, UINT, LPARAM) { g_eventLog.push_back("other"); }

TEST(EventCenter, CallsTheCallbackWithTheThreeValuesOnlyWhenOneIsSet)
{
    g_eventLog.clear();
    CWGEventCenter ec;
    EXPECT_EQ(nullptr, ec.GetEventProc());
    ec.OnEvent(1002, 0, 5);   // no callback: nothing happens
    ec.SetEventProc(LogEvent);
    EXPECT_EQ(LogEvent, ec.GetEventProc());
    const LPARAM lWide = (LPARAM)&ec;   // a pointer travels whole
    ec.OnEvent(1002, 0, lWide);
    ec.OnEvent(7, 8, -9);
    ec.SetEventProc(nullptr);
    ec.OnEvent(1002, 0, 1);
    ASSERT_EQ(2u, g_eventLog.size());
    EXPECT_EQ(Fmt("1002 0 %lld", (long long)lWide), g_eventLog[0]);
    EXPECT_EQ("7 8 -9", g_eventLog[1]);
}

TEST(EventCenter, CopiesCarryTheCallbackAndTheLibraryHasOne)
{
    CWGEventCenter a;
    a.SetEventProc(LogEvent);
    CWGEventCenter b(a);
    EXPECT_EQ(LogEvent, b.GetEventProc());
    CWGEventCenter c;
    c.SetEventProc(OtherEvent);
    c = a;
    EXPECT_EQ(LogEvent, c.GetEventProc());
    EXPECT_EQ(&CVRK_WG::GetEventCenter(), &CVRK_WG::GetEventCenter());
    EXPECT_EQ(nullptr, CVRK_WG::GetEventCenter().GetEventProc());
}

// ---- hot-key center ---------------------------------------------------------------------

Log g_keyLog;
int g_nSwallowKey = 0;   // a virtual-key code the callbacks swallow

int CALLBACK AppKeyProc(UINT nMsg, UINT nKey, LPARAM nData)
{
    g_keyLog.Add(Fmt("app %x %02x %s", nMsg, nKey, (nData & (1 << 30)) ? "was-down" : "was-up"));
    return (int)nKey == g_nSwallowKey;
}
int CALLBACK SecondAppKeyProc(UINT, UINT, LPARAM)
{
    g_keyLog.Add("second");
    return 0;
}
int CALLBACK GlobalKeyProc(UINT nMsg, UINT nKey, LPARAM nData)
{
    // Alt arrives as VK_MENU or its left-hand code, depending on the system.
    if (nKey == VK_LMENU)
        nKey = VK_MENU;
    g_keyLog.Add(Fmt("global %x %02x%s", nMsg, nKey, (nData & LLKHF_UP) ? " up" : ""));
    return (int)nKey == g_nSwallowKey;
}

// A focused window that logs the key messages it receives (and keeps the
// system keys away from the default handling, which would start menu mode).
class KeyWindow : public CWnd
{
public:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message)
        {
        case WM_KEYDOWN: g_keyLog.Add(Fmt("wnd down %02x", (UINT)wParam)); return 0;
        case WM_KEYUP: g_keyLog.Add(Fmt("wnd up %02x", (UINT)wParam)); return 0;
        case WM_SYSKEYDOWN:
            if (wParam != VK_MENU)
                g_keyLog.Add(Fmt("wnd sysdown %02x", (UINT)wParam));
            return 0;
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
        case WM_CHAR:
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }
};

// Injects key strokes from a helper thread while this thread pumps, so that
// a low-level hook installed here can be called in the meantime.
struct KeyStroke { WORD vk; bool bUp; };

DWORD WINAPI InjectKeys(LPVOID pParam)
{
    const std::vector<KeyStroke>& keys = *static_cast<std::vector<KeyStroke>*>(pParam);
    for (const KeyStroke& k : keys)
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
        g_keyLog.Clear();
        g_nSwallowKey = 0;
        ASSERT_TRUE(m_wnd.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "keys", WS_POPUP | WS_VISIBLE, 700, 700,
                                   80, 60, nullptr, nullptr));
        ::SetForegroundWindow(m_wnd.m_hWnd);
        m_wnd.SetFocus();
        Pump();
        g_keyLog.Clear();
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        Pump();
    }
    void Type(std::vector<KeyStroke> keys)
    {
        HANDLE hThread = ::CreateThread(nullptr, 0, InjectKeys, &keys, 0, nullptr);
        ASSERT_NE(nullptr, hThread);
        for (;;)
        {
            DWORD r = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, 20000, QS_ALLINPUT);
            Pump();
            if (r != WAIT_OBJECT_0 + 1)
                break;
        }
        ::CloseHandle(hThread);
        // SendInput has queued every stroke by the time it returns.
        Pump();
    }
};

TEST_F(HotKeyTest, AppHookReportsFirstStrokesAsDownAndRepeatsAndReleasesAsUp)
{
    CWGHotKeyCenter hk;
    EXPECT_EQ(&hk, CWGHotKeyCenter::GetCurrent());
    hk.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());
    EXPECT_EQ(AppKeyProc, hk.GetAppHotKeyProc());
    Type({ { 'A', false }, { 'A', false }, { 'A', false }, { 'A', true } });
    EXPECT_EQ("app 100 41 was-up | wnd down 41 | app 101 41 was-down | wnd down 41 | "
              "app 101 41 was-down | wnd down 41 | app 101 41 was-down | wnd up 41",
              g_keyLog.Joined());
}

TEST_F(HotKeyTest, AppCallbackReturningNonzeroSwallowsTheKey)
{
    CWGHotKeyCenter hk;
    hk.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());
    g_nSwallowKey = 'B';
    Type({ { 'B', false }, { 'B', true }, { 'C', false }, { 'C', true } });
    EXPECT_EQ("app 100 42 was-up | app 101 42 was-down | app 100 43 was-up | wnd down 43 | "
              "app 101 43 was-down | wnd up 43",
              g_keyLog.Joined());
}

TEST_F(HotKeyTest, SecondAppCallbackIsIgnoredUntilTheFirstIsCleared)
{
    CWGHotKeyCenter hk;
    hk.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());
    hk.SetAppHotKeyProc(SecondAppKeyProc, ::GetCurrentThreadId());
    EXPECT_EQ(AppKeyProc, hk.GetAppHotKeyProc());
    Type({ { 'D', false }, { 'D', true } });
    EXPECT_EQ("app 100 44 was-up | wnd down 44 | app 101 44 was-down | wnd up 44", g_keyLog.Joined());

    g_keyLog.Clear();
    hk.SetAppHotKeyProc(nullptr, 0);
    EXPECT_EQ(nullptr, hk.GetAppHotKeyProc());
    Type({ { 'E', false }, { 'E', true } });
    EXPECT_EQ("wnd down 45 | wnd up 45", g_keyLog.Joined());

    g_keyLog.Clear();
    hk.SetAppHotKeyProc(SecondAppKeyProc, ::GetCurrentThreadId());
    Type({ { 'F', false } , { 'F', true } });
    EXPECT_EQ("second | wnd down 46 | second | wnd up 46", g_keyLog.Joined());
}

TEST_F(HotKeyTest, HooksReportToTheNewestCenterAndDieWithTheirCenter)
{
    {
        CWGHotKeyCenter older;
        CWGHotKeyCenter newer;
        EXPECT_EQ(&newer, CWGHotKeyCenter::GetCurrent());
        older.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());   // hooked, but not current
        Type({ { 'G', false }, { 'G', true } });
        EXPECT_EQ("wnd down 47 | wnd up 47", g_keyLog.Joined());
    }
    EXPECT_EQ(nullptr, CWGHotKeyCenter::GetCurrent());
    g_keyLog.Clear();
    {
        CWGHotKeyCenter hk;
        hk.SetAppHotKeyProc(AppKeyProc, ::GetCurrentThreadId());
        hk.SetGlobalHotKeyProc(GlobalKeyProc);
    }
    Type({ { 'H', false }, { 'H', true } });
    EXPECT_EQ("wnd down 48 | wnd up 48", g_keyLog.Joined());
}

// The low-level hook runs while the injecting thread waits, the window's
// messages when this thread pumps: each sequence is exact, their interleaving
// is not.
std::string Only(const char* pszPrefix)
{
    std::string s;
    for (const auto& l : g_keyLog.lines)
        if (l.compare(0, strlen(pszPrefix), pszPrefix) == 0)
            s += (s.empty() ? "" : " | ") + l;
    return s;
}

TEST_F(HotKeyTest, GlobalHookSeesEveryStrokeAndSystemKeysAsPlainOnes)
{
    CWGHotKeyCenter hk;
    hk.SetGlobalHotKeyProc(GlobalKeyProc);
    hk.SetGlobalHotKeyProc(SecondAppKeyProc);   // ignored while one is set
    EXPECT_EQ(GlobalKeyProc, hk.GetGlobalHotKeyProc());
    Type({ { 'J', false }, { 'J', true } });
    EXPECT_EQ("global 100 4a | global 101 4a up", Only("global"));
    EXPECT_EQ("wnd down 4a | wnd up 4a", Only("wnd"));

    // Alt+X: WM_SYSKEYDOWN and WM_SYSKEYUP reach the callback as 0x100 and 0x101.
    g_keyLog.Clear();
    Type({ { VK_MENU, false }, { 'X', false }, { 'X', true }, { VK_MENU, true } });
    EXPECT_EQ("global 100 12 | global 100 58 | global 101 58 up | global 101 12 up", Only("global"));
    EXPECT_EQ("wnd sysdown 58 | wnd up 12", Only("wnd"));

    // Swallowed keys reach no window.
    g_keyLog.Clear();
    g_nSwallowKey = 'K';
    Type({ { 'K', false }, { 'K', true }, { 'L', false }, { 'L', true } });
    EXPECT_EQ("global 100 4b | global 101 4b up | global 100 4c | global 101 4c up", Only("global"));
    EXPECT_EQ("wnd down 4c | wnd up 4c", Only("wnd"));

    g_keyLog.Clear();
    hk.SetGlobalHotKeyProc(nullptr);
    EXPECT_EQ(nullptr, hk.GetGlobalHotKeyProc());
    Type({ { 'M', false }, { 'M', true } });
    EXPECT_EQ("wnd down 4d | wnd up 4d", g_keyLog.Joined());
}

TEST(HotKeyCenter, CopiesCarryBothCallbacks)
{
    CWGHotKeyCenter a;
    EXPECT_EQ(nullptr, a.GetAppHotKeyProc());
    EXPECT_EQ(nullptr, a.GetGlobalHotKeyProc());
    CWGHotKeyCenter b;
    CWGHotKeyCenter c(b);
    EXPECT_EQ(&c, CWGHotKeyCenter::GetCurrent());
    c = a;
    EXPECT_EQ(nullptr, c.GetAppHotKeyProc());
    // Clearing what was never set is harmless.
    a.SetAppHotKeyProc(nullptr, 0);
    a.SetGlobalHotKeyProc(nullptr);
    EXPECT_EQ(nullptr, a.GetAppHotKeyProc());
}

// ---- worker thread ----------------------------------------------------------------------------

struct ThreadCounters
{
    std::atomic<int> nRuns{ 0 };
    std::atomic<int> nRequests{ 0 };
    std::atomic<long> nArg{ -1 };
};

// Runs until asked to stop; signals when Run has begun.
class Worker : public CWGThread
{
public:
    ThreadCounters& m_c;
    std::atomic<bool> m_bStop{ false };
    HANDLE m_hStarted;
    explicit Worker(ThreadCounters& c) : m_c(c) { m_hStarted = ::CreateEventA(nullptr, TRUE, FALSE, nullptr); }
    ~Worker()
    {
        Stop();
        ::CloseHandle(m_hStarted);
    }
    virtual void Run(long nArg)
    {
        m_c.nArg = nArg;
        ++m_c.nRuns;
        ::SetEvent(m_hStarted);
        while (!m_bStop)
            ::Sleep(1);
    }
    virtual void RequestStop()
    {
        ++m_c.nRequests;
        m_bStop = true;
    }
};

TEST(WorkerThread, IsCreatedSuspendedWithItsParameterBlock)
{
    ThreadCounters c;
    Worker w(c);
    EXPECT_EQ(0, w.m_nState);
    EXPECT_NE(nullptr, w.m_hThread);
    EXPECT_EQ(&w, w.m_pOwner);
    EXPECT_EQ(0, w.m_nArg);
    EXPECT_FALSE(w.m_bSkipRun);
    EXPECT_FALSE(w.m_bFinished);
    // Suspended: the thread has not ended and has run nothing.
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, ::WaitForSingleObject(w.m_hThread, 0));
    EXPECT_EQ(0, c.nRuns);
}

TEST(WorkerThread, StartRunsOnceWithTheArgumentAndStopAsksItToReturn)
{
    ThreadCounters c;
    Worker w(c);
    w.m_nArg = 42;
    w.Start();
    EXPECT_EQ(1, w.m_nState);
    ASSERT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(w.m_hStarted, 20000));
    w.Start();   // already running: nothing
    EXPECT_EQ(1, w.m_nState);
    w.Stop();
    EXPECT_EQ(3, w.m_nState);
    EXPECT_TRUE(w.m_bFinished);
    EXPECT_EQ(nullptr, w.m_hThread);
    EXPECT_EQ(1, c.nRuns);
    EXPECT_EQ(42, c.nArg);
    EXPECT_EQ(1, c.nRequests);
    w.Stop();    // twice: nothing more
    EXPECT_EQ(1, c.nRequests);
    EXPECT_EQ(3, w.m_nState);
}

TEST(WorkerThread, StopBeforeStartEndsTheThreadWithoutRun)
{
    ThreadCounters c;
    Worker w(c);
    HANDLE hDup = nullptr;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), w.m_hThread, ::GetCurrentProcess(), &hDup, 0,
                                  FALSE, DUPLICATE_SAME_ACCESS));
    w.Stop();
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(hDup, 20000));
    ::CloseHandle(hDup);
    EXPECT_TRUE(w.m_bSkipRun);
    EXPECT_TRUE(w.m_bFinished);
    EXPECT_EQ(3, w.m_nState);
    EXPECT_EQ(nullptr, w.m_hThread);
    EXPECT_EQ(0, c.nRequests);
    w.Stop();
    w.Start();   // a stopped object never starts again
    EXPECT_EQ(3, w.m_nState);
    EXPECT_EQ(0, c.nRuns);
}

TEST(WorkerThread, DestroyingANeverStartedObjectEndsItsThreadWithoutRun)
{
    ThreadCounters c;
    HANDLE hDup = nullptr;
    {
        Worker w(c);
        ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), w.m_hThread, ::GetCurrentProcess(), &hDup, 0,
                                      FALSE, DUPLICATE_SAME_ACCESS));
    }
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(hDup, 20000));
    ::CloseHandle(hDup);
    EXPECT_EQ(0, c.nRuns);
    EXPECT_EQ(0, c.nRequests);
}

TEST(WorkerThread, TheBaseRunsNothingAndStops)
{
    CWGThread t;
    t.Start();
    t.Stop();
    EXPECT_EQ(3, t.m_nState);
    EXPECT_TRUE(t.m_bFinished);
    EXPECT_FALSE(t.m_bSkipRun);
}

// ---- version test -------------------------------------------------------------------------------

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
    void SetUp() override { m_pfnOld = WGSetVersionQuery(FakeVersionQuery); }
    void TearDown() override
    {
        WGSetVersionQuery(m_pfnOld);
        WGSetVersionCode(-1);
    }
    WGVERSIONQUERY m_pfnOld = nullptr;
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
        WGSetVersionCode(-1);
        g_os = c.os;
        g_nQueries = 0;
        EXPECT_EQ(c.code, WGGetVersionCode()) << c.os.dwPlatform << " " << c.os.dwMajor << "." << c.os.dwMinor;
        EXPECT_EQ(1, g_nQueries);
        EXPECT_EQ(148u, g_dwSizeSeen);
    }
}

TEST_F(VersionTest, AsksTheSystemOnceAndThenAnswersFromTheCache)
{
    WGSetVersionCode(-1);
    g_os = { 2, 6, 1, TRUE };
    g_nQueries = 0;
    EXPECT_EQ(5, WGGetVersionCode());
    g_os = { 2, 5, 1, TRUE };
    EXPECT_EQ(5, WGGetVersionCode());
    EXPECT_EQ(5, WGGetVersionCode());
    EXPECT_EQ(1, g_nQueries);
    // A failed query is cached as 0 too.
    WGSetVersionCode(-1);
    g_os = { 2, 6, 1, FALSE };
    EXPECT_EQ(0, WGGetVersionCode());
    g_os = { 2, 6, 1, TRUE };
    EXPECT_EQ(0, WGGetVersionCode());
    EXPECT_EQ(2, g_nQueries);
    // A forced code is answered without asking.
    WGSetVersionCode(4);
    EXPECT_EQ(4, WGGetVersionCode());
    EXPECT_EQ(2, g_nQueries);
}

TEST_F(VersionTest, TheTestSystemIsWindows10SoTheCustomFrameRuns)
{
    WGSetVersionQuery(nullptr);
    WGSetVersionCode(-1);
    EXPECT_EQ(0, WGGetVersionCode());
}

} // namespace
