// Opening a stage on a real Windows stack: the file is read on the worker
// thread while the GUI thread waits and keeps its queue empty; a load that
// fails leaves the open stage as it was; what goes wrong on the worker
// reaches the main window through the GUI thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/win32/host_win32.h"
#include "app/win32/thread.h"
#include "data/win32/stage_loader.h"
#include "support/forwarding_fs.h"
#include "support/win32/win_test.h"

namespace {

constexpr UINT kProbe = WM_USER + 7;

// The platform's file system; the first reading of a stage file on another
// thread than the GUI thread records that thread and runs the test's action
// there, before the file is read.
class cWorkerFs : public cForwardingFs {
public:
    DWORD m_dwGuiThread = GetCurrentThreadId();
    std::atomic<DWORD> m_dwReader{0};
    std::function<void()> m_OnWorker;

    FILE* Open(const std::string& strPath, const char* lpMode) override
    {
        if (strPath.find(".stg4_") != std::string::npos && GetCurrentThreadId() != m_dwGuiThread &&
            m_dwReader.exchange(GetCurrentThreadId()) == 0 && m_OnWorker)
            m_OnWorker();
        return cForwardingFs::Open(strPath, lpMode);
    }
};

// A window that counts the probes dispatched to it.
int g_nDispatched = 0;
LRESULT CALLBACK ProbeProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == kProbe) ++g_nDispatched;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

class StageLoad : public cWinTest {
protected:
    void SetUp() override
    {
        cWinTest::SetUp();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ProbeProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "StageLoadProbe";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowA("StageLoadProbe", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        g_nDispatched = 0;
        ASSERT_TRUE(FileSystem().MakeFolder("data"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\work"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\stg4"));
        cStage stored;
        stored.m_strName = "読み込まれたステージ";
        ASSERT_TRUE(stored.SetSize(64, 40, 0, 0));
        stored.m_vBlockGrid[stored.CellOf(63, 39)].m_wGraphic = 3;
        ASSERT_EQ(stored.SaveFile(m_strPath), 1u);
        m_Open.m_strName = "開いているステージ";
        m_Open.m_vCharaGrid[7].m_wGraphic = 2;
        m_OpenBytes = Saved(m_Open);
        SetFileSystem(&m_Fs);
    }
    void TearDown() override
    {
        SetFileSystem(nullptr);
        DestroyWindow(m_hWnd);
        cWinTest::TearDown();
    }
    static std::vector<u8> Saved(const cStage& s)
    {
        cStage copy = s;
        EXPECT_EQ(copy.SaveFile("copy.dat"), 1u);
        return ReadFileBytes("copy.dat");
    }
    bool ProbeQueued()
    {
        MSG msg;
        return PeekMessageA(&msg, m_hWnd, kProbe, kProbe, PM_NOREMOVE) != 0;
    }

    const std::string m_strPath = "data\\stg4\\s.stg4_950";
    HWND m_hWnd = nullptr;
    cWorkerFs m_Fs;
    cStage m_Open;
    std::vector<u8> m_OpenBytes;
};

TEST_F(StageLoad, TheFileIsReadOnTheWorkerWhileTheGuiThreadWaits)
{
    // The worker posts to the GUI thread and takes its time: the GUI thread
    // takes the message off its queue without dispatching it, and returns
    // only once the worker has ended.
    std::atomic<bool> bWorkerDone{false};
    m_Fs.m_OnWorker = [&] {
        PostMessageA(m_hWnd, kProbe, 0, 0);
        Sleep(150);
        bWorkerDone = true;
    };
    PostMessageA(m_hWnd, kProbe, 0, 0);
    EXPECT_EQ(LoadStageInBackground(m_Open, m_strPath), eLoadResult::Loaded);
    EXPECT_TRUE(bWorkerDone);
    EXPECT_NE(m_Fs.m_dwReader.load(), 0u);
    EXPECT_NE(m_Fs.m_dwReader.load(), GetCurrentThreadId());
    EXPECT_EQ(m_Fs.m_dwReader.load(), g_Thread.GetThreadId());
    EXPECT_EQ(g_Thread.GetHandle(), nullptr);
    EXPECT_EQ(g_nDispatched, 0);
    EXPECT_FALSE(ProbeQueued());
    EXPECT_EQ(m_Open.m_strName, "読み込まれたステージ");
    EXPECT_EQ(m_Open.m_dwWidth, 64u);
    EXPECT_EQ(m_Open.m_vBlockGrid[m_Open.CellOf(63, 39)].m_wGraphic, 3);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
}

TEST_F(StageLoad, AFailedLoadLeavesTheOpenStageUntouched)
{
    std::vector<u8> bytes = ReadFileBytes(m_strPath);
    const struct {
        const char* lpWhat;
        std::vector<u8> file;
        eLoadResult eResult;
        const char* lpReason;
    } rows[] = {
        {"missing", {}, eLoadResult::Refused, "\n編集中のステージはそのままです。"},
        {"newer", cBytes().U32(951).Raw(std::vector<u8>(bytes.begin() + 4, bytes.end())), eLoadResult::Refused,
         "\n実行ファイル(.exe)より上位のバージョンのファイルは使用できません。\n編集中のステージはそのままです。"},
        {"damaged without a backup", std::vector<u8>(bytes.begin(), bytes.end() - 9), eLoadResult::Damaged,
         "\nファイルが壊れています。\n編集中のステージはそのままです。"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        FakeHost().Reset();
        FileSystem().RemoveFile(m_strPath);
        if (!r.file.empty()) {
            ASSERT_TRUE(WriteFileBytes(m_strPath, r.file));
        }
        EXPECT_EQ(LoadStageInBackground(m_Open, m_strPath), r.eResult);
        EXPECT_EQ(Saved(m_Open), m_OpenBytes);
        ASSERT_FALSE(FakeHost().m_Messages.empty());
        EXPECT_EQ(FakeHost().m_Messages.back().strText,
                  "ステージファイル data\\stg4\\s.stg4_950 の読み込みに失敗しました！" + std::string(r.lpReason));
        EXPECT_EQ(FakeHost().m_Messages.back().strTitle, "エラー");
        EXPECT_FALSE(IsFatalError());
    }
}

// A damaged file with a good backup is restored before the worker reads it.
TEST_F(StageLoad, ADamagedFileIsRestoredFromItsBackupFirst)
{
    const std::vector<u8> good = ReadFileBytes(m_strPath);
    ASSERT_TRUE(WriteFileBytes("data\\work\\s.stg4_950", good));
    ASSERT_TRUE(WriteFileBytes(m_strPath, std::vector<u8>(good.begin(), good.end() - 2)));
    EXPECT_EQ(LoadStageInBackground(m_Open, m_strPath), eLoadResult::Loaded);
    EXPECT_EQ(m_Open.m_strName, "読み込まれたステージ");
    EXPECT_EQ(ReadFileBytes(m_strPath + ".broken").size(), good.size() - 2);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "ファイルの復旧");
}

// A fatal error on the worker closes the main window through the GUI
// thread: the close request is posted after the wait, so the wait can't
// swallow it.
TEST_F(StageLoad, AFatalErrorOnTheWorkerReachesTheMainWindowAfterTheWait)
{
    cWin32Host host;
    host.SetMainWindow(m_hWnd);
    SetHost(&host);
    m_Fs.m_OnWorker = [] { ReportBadIndex('V', 9, 0, 4); };
    EXPECT_EQ(LoadStageInBackground(m_Open, m_strPath), eLoadResult::Loaded);
    SetHost(&FakeHost());
    EXPECT_TRUE(IsFatalError());
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, m_hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    ClearFatalErrorForTests();
}

// A request to quit while the worker reads is kept for the message loop;
// the stage stays as it was.
TEST_F(StageLoad, AQuitDuringTheLoadIsPostedAgain)
{
    const DWORD dwGui = GetCurrentThreadId();
    m_Fs.m_OnWorker = [dwGui] { PostThreadMessageA(dwGui, WM_QUIT, 3, 0); Sleep(50); };
    EXPECT_EQ(LoadStageInBackground(m_Open, m_strPath), eLoadResult::Refused);
    EXPECT_EQ(Saved(m_Open), m_OpenBytes);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
}

}  // namespace
