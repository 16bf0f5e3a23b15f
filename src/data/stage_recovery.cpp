#include "data/stage_recovery.h"

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/host.h"
#include "app/path.h"
#include "app/str_util.h"
#include "data/ed_data.h"
#include "data/project_paths.h"
#include "data/stage.h"

namespace {

// Files from this version on end with the marker.
constexpr u32 kCheckedFrom = 174;
constexpr int kMaxKeptNames = 1000;

const char* const kRecoveryTitle = "ファイルの復旧";
const char* const kNotSavedNote = "\n※ただし、前回の更新内容が保存されていない可能性があります…";

enum class eEnd { Unreadable, Unchecked, Marked, Damaged };

eEnd CheckEnd(const std::string& strPath)
{
    cDataReader file;
    if (!OpenDataFileForRead(strPath, file)) return eEnd::Unreadable;
    if (g_dwReadVersion < kCheckedFrom) return eEnd::Unchecked;
    u32 dwMarker = 0;
    const bool bRead = file.Size() >= 8 && file.Seek(file.Size() - 4) && file.ReadU32(dwMarker);
    return bRead && dwMarker == kStageEndMarker ? eEnd::Marked : eEnd::Damaged;
}

// A name beside the file that nothing uses yet.
bool FreeNameBeside(const std::string& strPath, std::string& strFree)
{
    for (int n = 1; n <= kMaxKeptNames; ++n) {
        strFree = strPath + ".broken" + (n == 1 ? std::string() : Format("%d", n));
        if (!FileSystem().Exists(strFree)) return true;
    }
    return false;
}

void Tell(const std::string& strText) { ShowActiveMessageBox(strText, kRecoveryTitle, kMbOk); }

}  // namespace

std::string StageBackupPath(const std::string& strPath)
{
    std::string strName = strPath;
    GetFileName(strName);
    return std::string(g_strPath[kPathWork]) + strName;
}

bool HasStageEndMarker(const std::string& strPath)
{
    const eEnd e = CheckEnd(strPath);
    return e == eEnd::Marked || e == eEnd::Unchecked;
}

eRecovery RecoverBrokenFile(const std::string& strGiven)
{
    std::string strPath = strGiven;
    if (strPath.compare(0, 2, ".\\") == 0) strPath.erase(0, 2);
    const std::string strBackup = StageBackupPath(strPath);
    cFileSystem& fs = FileSystem();

    if (!fs.Exists(strPath)) {
        // A save that broke off after moving the file away left only the backup.
        if (!fs.Exists(strBackup) || !HasStageEndMarker(strBackup)) return eRecovery::Intact;
        if (!fs.MoveOver(strBackup, strPath)) {
            Tell(Format("ステージファイル %s をバックアップから復旧できませんでした！\nバックアップは %s に残っています。",
                        strGiven.c_str(), strBackup.c_str()));
            return eRecovery::NotRestored;
        }
        Tell(Format("ステージファイル %s をバックアップから復旧しました！", strGiven.c_str()) + kNotSavedNote);
        return eRecovery::Restored;
    }
    if (CheckEnd(strPath) != eEnd::Damaged) return eRecovery::Intact;

    if (!fs.Exists(strBackup) || !HasStageEndMarker(strBackup)) {
        Tell(Format("ステージファイル %s は破損していますが、復旧に使えるバックアップがありません！\nファイルはそのまま残してあります。",
                    strGiven.c_str()));
        return eRecovery::NotRestored;
    }
    // The damaged file is kept under another name, never deleted.
    std::string strKept;
    if (!FreeNameBeside(strPath, strKept) || !fs.Rename(strPath, strKept)) {
        Tell("破損ファイルの退避に失敗しました！");
        return eRecovery::NotRestored;
    }
    if (!fs.MoveOver(strBackup, strPath)) {
        fs.Rename(strKept, strPath);
        Tell(Format("破損ファイル %s を復旧できませんでした！", strGiven.c_str()));
        return eRecovery::NotRestored;
    }
    Tell(Format("破損ファイル %s を復旧しました！", strGiven.c_str()) + kNotSavedNote +
         Format("\n破損したファイルは %s として残してあります。", strKept.c_str()));
    return eRecovery::Restored;
}
