// The top-level window, the message loop with its frame tick and 60 frames
// a second pacing, and the worker thread.
#include <atomic>
#include <thread>

#include "app/log.h"
#include "data/project_data.h"
#include "editor/main_wnd.h"
#include "editor/message_loop.h"
#include "app/win32/thread.h"
#include "database_editor/database_dlg.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/stage_edit_wnd.h"
#include "support/win32/main_window.h"
#include "win_test_util.h"

namespace {

// The top-level window as start-up makes it.
class MainWindow : public cEditorWindowsTest {};

// Runs the real loop until nMs have passed; the frames the test dialog saw.
int RunLoopFor(DWORD nMs, cTestDlg& counter)
{
    const DWORD dwGui = GetCurrentThreadId();
    std::thread stopper([=] {
        Sleep(nMs);
        PostThreadMessageA(dwGui, WM_QUIT, 7, 0);
    });
    const int nBefore = counter.m_nFrames;
    EXPECT_EQ(RunMessageLoop(), 7);
    stopper.join();
    return counter.m_nFrames - nBefore;
}

TEST_F(MainWindow, FrameTickPacesAt60WhileAnAnimatedPageIsShown)
{
    cStageEditWnd* lpStage = StageWnd();
    cDatabaseDlg* lpDb = new cDatabaseDlg(1, lpStage, &g_WndList);
    std::vector<cTestDlg*> pages;
    for (u16 wId : {IDD_TEST_PAGE1, IDD_TEST_PAGE2, IDD_TEST_PAGE3}) {
        pages.push_back(new cTestDlg(wId, kModePage, &g_WndList, lpStage));
        lpDb->AddPage(pages.back());
    }
    lpStage->m_lpDatabaseWnd = lpDb;
    g_WndList.AddGroup(lpDb, &lpStage->m_lpDatabaseWnd);
    ASSERT_TRUE(lpDb->Run());
    cTestDlg counter;
    counter.Create(0, true);
    g_bAppActive = 1;

    // Page 0 animates: frames come without any message, about 60 a second.
    DWORD dwStart = timeGetTime();
    int nFrames = RunLoopFor(1000, counter);
    DWORD dwElapsed = timeGetTime() - dwStart;
    std::printf("animated page: %d frames in %lu ms\n", nFrames, dwElapsed);
    // Frames come on their own, with no message; how many a busy machine
    // manages is not this test's business.
    EXPECT_GT(nFrames, 5);
    EXPECT_LE(nFrames, static_cast<int>(dwElapsed / 16) + 2) << "never faster than the gate";
    EXPECT_GT(pages[0]->m_nDraws, 0) << "the database window's step draws its current page";

    // Any other page: the tick sleeps until a message arrives.
    lpDb->SetCurPage(2);
    nFrames = RunLoopFor(600, counter);
    std::printf("still page: %d frames in 600 ms\n", nFrames);
    EXPECT_LT(nFrames, 10);

    // Inactive: the loop only waits. Activation messages still on their way
    // (a busy machine delivers them late) would make the application active
    // again, so let them arrive first.
    Pump(200);
    g_bAppActive = 0;
    lpDb->SetCurPage(0);
    EXPECT_EQ(RunLoopFor(300, counter), 0);

    lpStage->m_lpDatabaseWnd = nullptr;
    delete lpDb;
    for (cTestDlg* p : pages) delete p;
    counter.Close(0);
}

TEST_F(MainWindow, CloseAsksTheQuitQuestionAndEscapeToo)
{
    FakeHost().m_Answers = {kIdNo, kIdNo, kIdYes};
    SendMessageA(m_hMain, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(m_hMain));
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "終了しますか？\n");
    EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "終了確認");
    EXPECT_EQ(FakeHost().m_Messages[0].hOwner, m_hMain);

    SendMessageA(m_hMain, WM_KEYDOWN, VK_ESCAPE, 0);
    Pump(100, [] { return FakeHost().m_Messages.size() == 2; });
    EXPECT_EQ(FakeHost().m_Messages.size(), 2u);
    EXPECT_TRUE(IsWindow(m_hMain));

    // Yes: the window goes, the worker stops and the loop is told to quit.
    std::atomic<bool> bRunning{true};
    ASSERT_TRUE(g_Thread.Start(
        [](void*) -> unsigned {
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            }
            return 0;
        },
        nullptr));
    HANDLE hThread = g_Thread.GetHandle();
    (void)bRunning;
    SendMessageA(m_hMain, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(m_hMain));
    EXPECT_EQ(g_Thread.GetHandle(), nullptr) << "the worker was stopped";
    EXPECT_LT(g_Thread.GetStopRounds(), 200u);
    (void)hThread;
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainWindow, ActivationCopyDataAndRebuild)
{
    g_bAppActive = 0;
    SetWindowPos(m_hMain, nullptr, 9998, 9998, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(g_bAppActive, 1u) << "every position change marks the application active";
    SendMessageA(m_hMain, WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(g_bAppActive, 0u);

    // The game program's end report clears the test-play flag.
    g_EditState.m_bTestPlay = 1;
    COPYDATASTRUCT cds = {5, 0, nullptr};
    SendMessageA(m_hMain, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    EXPECT_EQ(g_EditState.m_bTestPlay, 1u);
    cds.dwData = 0;
    SendMessageA(m_hMain, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    EXPECT_EQ(g_EditState.m_bTestPlay, 0u);

    // The rebuild keeps the stage path and a running test play; the registry
    // holds the new windows only: the stage window, its six palette windows
    // and the group window.
    g_EditState.m_strStagePath = "data\\stg4\\a.stg4_950";
    g_EditState.m_bHasPath = 1;
    g_EditState.m_bTestPlay = 1;
    g_WorldCursor.m_vRecord.assign(5, {1, 2, 3, 4});
    cStageEditWnd* lpOld = StageWnd();
    HWND hOld = lpOld->GetHwnd();
    SendMessageA(m_hMain, WM_USER, 1, 0);
    EXPECT_FALSE(IsWindow(hOld));
    ASSERT_TRUE(StageWnd() && StageWnd()->GetHwnd());
    EXPECT_EQ(g_WndList.WndCount(), 8u);
    EXPECT_TRUE(g_WndList.Contains(StageWnd()));
    EXPECT_EQ(g_EditState.m_strStagePath, "data\\stg4\\a.stg4_950");
    EXPECT_EQ(g_EditState.m_bHasPath, 1u);
    EXPECT_EQ(g_EditState.m_bTestPlay, 1u);
    g_EditState.m_bTestPlay = 0;
    ASSERT_EQ(g_WorldCursor.m_vRecord.size(), 1u);
    EXPECT_EQ(g_WorldCursor.m_lpCurrent, &g_WorldCursor.m_vRecord[0]);
    EXPECT_EQ(g_WorldCursor.m_vRecord[0][0], 0u);

    // Restoring brings the minimised editor back and asks for the focus.
    StageWnd()->MinimizeAll();
    EXPECT_FALSE(IsWindowVisible(StageWnd()->GetHwnd()));
    g_bFocusRequest = 0;
    SendMessageA(m_hMain, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsWindowVisible(StageWnd()->GetHwnd()));
    EXPECT_EQ(StageWnd()->m_bMinimized, 0u);
    EXPECT_EQ(g_bFocusRequest, 1u);
}

class WorkerThread : public cWinTest {};

TEST_F(WorkerThread, RunsAJobWhileTheGuiThreadWaitsThenStops)
{
    struct cJob {
        u64 qwSum = 0;
        u32 bDone = 0;
    } job;
    cThread worker;
    ASSERT_TRUE(worker.Start(
        [](void* lpArg) -> unsigned {
            cJob* lpJob = static_cast<cJob*>(lpArg);
            for (u64 i = 1; i <= 2000000; ++i) lpJob->qwSum += i;
            Sleep(50);
            lpJob->bDone = 1;
            return 0;
        },
        &job));
    // The GUI thread polls the worker and takes every message off its queue
    // without dispatching it.
    PostMessageA(nullptr, WM_USER + 5, 0, 0);
    int nRemoved = 0;
    while (WaitForSingleObject(worker.GetHandle(), 0) == WAIT_TIMEOUT) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ++nRemoved;
        Sleep(1);
    }
    EXPECT_GE(nRemoved, 1);
    EXPECT_EQ(job.bDone, 1u);
    EXPECT_EQ(job.qwSum, 2000001000000ull);
    worker.Stop();
    EXPECT_EQ(worker.GetHandle(), nullptr);
    EXPECT_EQ(worker.GetStopRounds(), 0u) << "a finished worker is closed without waiting";
}

TEST_F(WorkerThread, StopEndsAListeningWorkerAndTerminatesADeafOne)
{
    InitErrLog(1, "EC_Editor.txt");
    cThread worker;
    worker.Stop();  // nothing to stop: no log line
    EXPECT_EQ(ReadFileText("EC_Editor.txt"), "");

    ASSERT_TRUE(worker.Start(
        [](void*) -> unsigned {
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            }
            return 0;
        },
        nullptr));
    Sleep(20);
    worker.Stop();
    EXPECT_EQ(worker.GetHandle(), nullptr);
    EXPECT_LT(worker.GetStopRounds(), 200u);
    EXPECT_EQ(ReadFileText("EC_Editor.txt"), "Exit A\nExit B\nExit C\nExit D\nExit E\n");

    static std::atomic<bool> s_bRun;
    s_bRun = true;
    ASSERT_TRUE(worker.Start(
        [](void*) -> unsigned {
            while (s_bRun) Sleep(1);  // never looks at its queue
            return 0;
        },
        nullptr));
    worker.Stop();
    EXPECT_GE(worker.GetStopRounds(), 200u);
    EXPECT_EQ(worker.GetHandle(), nullptr);
    s_bRun = false;
    InitErrLog(0, "EC_Editor.txt");
}

}  // namespace
