#include "app/fatal.h"

#include <atomic>
#include <cstdarg>

#include "app/host.h"
#include "app/log.h"
#include "app/str_util.h"

namespace {
std::atomic<u32> g_bFatalError{0};
const char* const kErrorTitle = "エラー";
}

bool IsFatalError() { return g_bFatalError.load() != 0; }
void SetFatalError() { g_bFatalError.store(1); }
void ClearFatalErrorForTests() { g_bFatalError.store(0); }

int ShowMessageBox(tWnd hOwner, const std::string& strText, const std::string& strTitle, u32 uType)
{
    return Host().ShowMessage(hOwner, strText, strTitle, uType);
}

int ShowActiveMessageBox(const std::string& strText, const std::string& strTitle, u32 uType)
{
    return ShowMessageBox(Host().ActiveWindow(), strText, strTitle, uType);
}

int ErrorBox(const std::string& strText) { return ShowActiveMessageBox(strText, kErrorTitle, kMbOk); }

int MesBox(const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    return ShowActiveMessageBox(str, kErrorTitle, kMbOk);
}

int MesBoxOwner(tWnd hOwner, const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    return ShowMessageBox(hOwner, str, kErrorTitle, kMbOk);
}

int DebugMesBox(const char* lpFormat, ...)
{
    if (!IsDebugFlag()) return 0;
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    return ShowActiveMessageBox(str, kErrorTitle, kMbOk);
}

void ReportOutOfMemory()
{
    ErrorBox("メモリが不足しています！");
    SetFatalError();
    Host().CloseMainWindow();
}

void ReportNoResources()
{
    DebugMesBox("システムリソース不足です！");
    Host().Beep();
    SetFatalError();
    Host().CloseMainWindow();
}

void ReportBadIndex(char cKind, long long nIndex, size_t nCount, size_t nElemSize)
{
    LogText(Format("err %c[%d] ( %d , %d )", cKind, static_cast<int>(nIndex), static_cast<int>(nCount),
                   static_cast<int>(nElemSize)));
    SetFatalError();
    Host().CloseMainWindow();
}

bool ConfirmQuit(tWnd hOwner, bool bEnglish)
{
    if (bEnglish) return ShowMessageBox(hOwner, "Would you like to quit?\n", "End confirmation", kMbYesNo) == kIdYes;
    return ShowMessageBox(hOwner, "終了しますか？\n", "終了確認", kMbYesNo) == kIdYes;
}
