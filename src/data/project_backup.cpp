#include "data/project_backup.h"

#include <string>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/host.h"
#include "app/log.h"
#include "app/path.h"
#include "data/prj_option.h"
#include "data/project_paths.h"

namespace {

bool CanBackUp(ePath nFrom) { return !IsFatalError() && FileSystem().IsFolder(g_strPath[nFrom]); }

// A folder entry of the path table without its trailing separator, so that
// it also names a file of the same name.
std::string WithoutSeparator(ePath nFolder)
{
    std::string str = g_strPath[nFolder];
    if (EndsWithSeparator(str)) str.pop_back();
    return str;
}

}  // namespace

bool CreateDefaultData(tWnd hOwner)
{
    cFileSystem& fs = FileSystem();
    if (fs.IsFolder(g_strPath[kPathData])) return true;
    if (!fs.IsFolder(g_strPath[kPathDefault])) return false;
    if (ShowMessageBox(hOwner, "データが存在しません！デフォルトデータを作成しますか？\n", "デフォルトデータ作成の確認",
                       kMbYesNo) != kIdYes)
        return false;
    // A file in the data folder's place is the user's; leave it alone.
    if (fs.Exists(WithoutSeparator(kPathData))) return false;
    // The copy becomes the data folder only once it is complete, so that an
    // interrupted copy is never taken for the project's data.
    return CopyFolder(hOwner, g_strPath[kPathData], g_strPath[kPathDefault]) != 0;
}

bool BackupEditData(tWnd hOwner)
{
    if (!CanBackUp(kPathData)) return false;
    Host().ShowWaitMessage(hOwner, "エディットデータをバックアップしています...", "バックアップ");
    u32 bOk = CopyFolder(hOwner, g_strPath[kPathDataBackup], g_strPath[kPathData]);
    Host().CloseWaitMessage();
    return bOk != 0;
}

bool BackupEditorSettings(tWnd hOwner)
{
    return CanBackUp(kPathEData) && CopyFolder(hOwner, g_strPath[kPathEDataBackup], g_strPath[kPathEData]) != 0;
}

bool RecoverBackups()
{
    if (IsFatalError()) return false;
    const bool bData = RecoverFolderCopy(g_strPath[kPathDataBackup]) != 0;
    return RecoverFolderCopy(g_strPath[kPathEDataBackup]) != 0 && bData;
}

bool IsBackupDue(u32 dwIntervalHours, u32 dwLastMinutes, u32 dwNowMinutes)
{
    const s32 nDue = static_cast<s32>(dwIntervalHours * 60 + dwLastMinutes);
    const s32 nNow = static_cast<s32>(dwNowMinutes);
    return nNow >= nDue || nNow < static_cast<s32>(dwLastMinutes);
}

eTimedBackup RunTimedBackup(tWnd hOwner, cPrjOption& options, u32 dwNowMinutes)
{
    if (!options.m_dwBackupOn) return eTimedBackup::Off;
    if (!IsBackupDue(options.m_dwBackupInterval, options.m_dwLastBackup, dwNowMinutes)) return eTimedBackup::NotDue;
    // The options are saved with the new time first, so that the backup
    // holds it; a backup that fails puts the old time back, to be tried
    // again at the next start.
    const char* lpOptions = g_strPath[kPathPrjOption];
    const u32 dwPrevious = options.m_dwLastBackup;
    options.m_dwLastBackup = dwNowMinutes;
    const bool bSaved = options.SaveFile(lpOptions) != 0;
    if (!bSaved) LogPrintfBoth("%s の保存に失敗…", lpOptions);
    bool bOk = true;
    if (!BackupEditData(hOwner)) {
        LogText("「data」フォルダのバックアップに失敗…");
        bOk = false;
        options.m_dwLastBackup = dwPrevious;
        if (bSaved && !options.SaveFile(lpOptions)) LogPrintfBoth("%s の保存に失敗…", lpOptions);
    }
    if (!BackupEditorSettings(hOwner)) {
        LogText("「e_data」フォルダのバックアップに失敗…");
        bOk = false;
    }
    return bOk ? eTimedBackup::Done : eTimedBackup::Failed;
}
