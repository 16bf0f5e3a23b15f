#include "data/win32/stage_loader.h"

#include <windows.h>

#include <new>

#include "app/deferred_host.h"
#include "app/fatal.h"
#include "app/log.h"
#include "app/str_util.h"
#include "app/win32/thread.h"
#include "data/stage_recovery.h"

namespace {

struct cLoadJob {
    cEdData* lpScratch;
    std::string strPath;
    eLoadResult eResult = eLoadResult::Refused;
    bool bOutOfMemory = false;
};

unsigned __stdcall LoadOnWorker(void* lpArg)
{
    cLoadJob& job = *static_cast<cLoadJob*>(lpArg);
    try {
        job.eResult = job.lpScratch->ReadDataFile(job.strPath);
    } catch (const std::bad_alloc&) {
        job.bOutOfMemory = true;
        job.eResult = eLoadResult::Damaged;
    }
    return 0;
}

// Waits for the worker, taking the queued messages off without dispatching
// them. Returns whether a WM_QUIT was among them (its exit code in nCode).
bool WaitForWorker(HANDLE hThread, int& nCode)
{
    bool bQuit = false;
    while (WaitForSingleObject(hThread, 0) == WAIT_TIMEOUT) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ErrLog("msg.message == WM_QUIT");
                bQuit = true;
                nCode = static_cast<int>(msg.wParam);
            }
            continue;
        }
        MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_ALLINPUT);
    }
    return bQuit;
}

void ReportFailure(const std::string& strPath, eLoadResult eResult)
{
    std::string strText = Format("ステージファイル %s の読み込みに失敗しました！", strPath.c_str());
    if (eResult == eLoadResult::Damaged)
        strText += "\nファイルが壊れています。";
    else if (g_bNewerFile)
        strText += "\n実行ファイル(.exe)より上位のバージョンのファイルは使用できません。";
    strText += "\n編集中のステージはそのままです。";
    ErrorBox(strText);
}

}  // namespace

eLoadResult LoadStageInBackground(cStage& stage, const std::string& strPath)
{
    RecoverBrokenFile(strPath);
    std::unique_ptr<cEdData> scratch = stage.ScratchForLoad();
    cLoadJob job{scratch.get(), strPath};

    // Nothing on the worker reaches a window: this thread passes it on.
    cHost& real = Host();
    cDeferredHost deferred(real);
    SetHost(&deferred);
    bool bQuit = false;
    int nQuitCode = 0;
    if (g_Thread.Start(&LoadOnWorker, &job)) {
        bQuit = WaitForWorker(g_Thread.GetHandle(), nQuitCode);
        g_Thread.Stop();
    } else {
        LoadOnWorker(&job);
    }
    SetHost(&real);
    deferred.Replay();
    if (job.bOutOfMemory) ReportOutOfMemory();

    if (bQuit) {
        PostQuitMessage(nQuitCode);
        return eLoadResult::Refused;
    }
    if (job.eResult == eLoadResult::Loaded) {
        stage.TakeFrom(*scratch);
        return eLoadResult::Loaded;
    }
    ReportFailure(strPath, job.eResult);
    return job.eResult;
}
