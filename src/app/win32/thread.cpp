#include "app/win32/thread.h"

#include <process.h>

#include "app/global_order.h"
#include "app/log.h"

cThread g_Thread TARVENOL_GLOBAL(kGlobalThread);

namespace {
// Rounds of about 1 ms after which a worker that ignores WM_QUIT is ended.
constexpr u32 kTerminateAfterRounds = 200;
}

cThread::~cThread()
{
    if (m_hThread) CloseHandle(m_hThread);
}

bool cThread::Start(tThreadProc lpProc, void* lpArg)
{
    unsigned nId = 0;
    uintptr_t h = _beginthreadex(nullptr, 0, lpProc, lpArg, 0, &nId);
    if (h == 0) return false;
    m_hThread = reinterpret_cast<HANDLE>(h);
    m_dwThreadId = nId;
    m_Pending.clear();
    return true;
}

bool cThread::Resume()
{
    if (!m_hThread) return true;
    return ResumeThread(m_hThread) != static_cast<DWORD>(-1);
}

void cThread::Stop()
{
    m_nStopRounds = 0;
    if (!m_hThread) return;
    // A suspended worker must run to see WM_QUIT.
    while (!Resume()) Sleep(1);
    ErrLog("Exit A");
    PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
    ErrLog("Exit B");
    ErrLog("Exit C");
    while (WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT) {
        Sleep(1);
        PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
        if (++m_nStopRounds >= kTerminateAfterRounds) TerminateThread(m_hThread, 0);
    }
    ErrLog("Exit D");
    CloseHandle(m_hThread);
    m_hThread = nullptr;
    ErrLog("Exit E");
}
