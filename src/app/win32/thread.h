#pragma once
// The one worker thread of the editor. It has a message queue of its own;
// stopping it posts WM_QUIT until it ends, with a forced end as the last
// resort. The GUI thread alone starts, resumes and stops it.
#include <windows.h>

#include <list>

#include "app/types.h"

class cThread {
public:
    typedef unsigned(__stdcall* tThreadProc)(void*);

    cThread() = default;
    ~cThread();
    cThread(const cThread&) = delete;
    cThread& operator=(const cThread&) = delete;

    // Starts the procedure at once; false when no thread could be made.
    bool Start(tThreadProc lpProc, void* lpArg);
    // True when there is no thread or it could be resumed.
    bool Resume();
    // Ends the thread and closes its handle; nothing without a thread.
    void Stop();

    HANDLE GetHandle() const { return m_hThread; }
    u32 GetThreadId() const { return m_dwThreadId; }
    // Rounds of the last Stop that found the thread still running.
    u32 GetStopRounds() const { return m_nStopRounds; }

private:
    u32 m_dwThreadId = 0;
    HANDLE m_hThread = nullptr;
    std::list<void*> m_Pending;
    u32 m_nStopRounds = 0;
};

// The editor's worker thread.
extern cThread g_Thread;
