#include "app/path.h"

#include <cstring>

#include "app/fatal.h"
#include "app/host.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/str_util.h"

namespace {

// Byte positions of the separators, double-byte aware.
std::vector<size_t> SeparatorPositions(const std::string& strPath)
{
    std::vector<size_t> pos;
    for (size_t i = 0; i < strPath.size(); ++i) {
        u8 c = static_cast<u8>(strPath[i]);
        if (IsSjisLead(c) && i + 1 < strPath.size() && IsSjisTrail(static_cast<u8>(strPath[i + 1]))) {
            ++i;
        } else if (c == '\\') {
            pos.push_back(i);
        }
    }
    return pos;
}

std::vector<std::string> SplitComponents(const std::string& strPath)
{
    std::vector<std::string> parts;
    size_t nStart = 0;
    for (size_t nSep : SeparatorPositions(strPath)) {
        parts.push_back(strPath.substr(nStart, nSep - nStart));
        nStart = nSep + 1;
    }
    parts.push_back(strPath.substr(nStart));
    return parts;
}

// ASCII letters compare without case (as the Windows file system does); the
// bytes of double-byte characters compare exactly.
bool SameComponent(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        u8 x = static_cast<u8>(a[i]), y = static_cast<u8>(b[i]);
        if (IsSjisLead(x) && i + 1 < a.size()) {
            if (x != y || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return false;
    }
    return true;
}

// Position of the dot that starts the extension of the file name, or npos.
size_t FindExtDot(const std::string& strPath)
{
    size_t nSep = FindLastSeparator(strPath);
    size_t nStart = nSep == std::string::npos ? 0 : nSep + 1;
    size_t nDot = strPath.rfind('.');
    return nDot != std::string::npos && nDot >= nStart ? nDot : std::string::npos;
}

std::string StripTrailingSeparator(std::string str)
{
    if (str.size() > 1 && EndsWithSeparator(str)) str.pop_back();
    return str;
}

}  // namespace

bool IsAbsolutePath(const std::string& strPath)
{
    if (!strPath.empty() && strPath[0] == '\\') return true;
    return strPath.size() >= 2 && strPath[1] == ':' &&
           ((strPath[0] >= 'A' && strPath[0] <= 'Z') || (strPath[0] >= 'a' && strPath[0] <= 'z'));
}

bool EndsWithSeparator(const std::string& strPath)
{
    return !strPath.empty() && FindLastSeparator(strPath) == strPath.size() - 1;
}

size_t FindLastSeparator(const std::string& strPath, size_t nLast)
{
    size_t nFound = std::string::npos;
    for (size_t nSep : SeparatorPositions(strPath)) {
        if (nSep > nLast) break;
        nFound = nSep;
    }
    return nFound;
}

u32 MakeRelativePath(std::string& strPath, u32 bStrip)
{
    std::string strResult = strPath;
    if (IsAbsolutePath(strPath)) {
        std::string strCur;
        if (!FileSystem().GetCurrentFolder(strCur)) return 0;
        std::vector<std::string> from = SplitComponents(StripTrailingSeparator(strCur));
        std::vector<std::string> to = SplitComponents(strPath);
        if (from.empty() || to.empty() || !SameComponent(from[0], to[0])) return 0;
        size_t nCommon = 0;
        while (nCommon < from.size() && nCommon + 1 < to.size() && SameComponent(from[nCommon], to[nCommon]))
            ++nCommon;
        strResult.clear();
        if (nCommon == from.size()) {
            strResult = ".";
        } else {
            for (size_t i = nCommon; i < from.size(); ++i) strResult += i == nCommon ? ".." : "\\..";
        }
        for (size_t i = nCommon; i < to.size(); ++i) strResult += "\\" + to[i];
    }
    if (bStrip && strResult.compare(0, 2, ".\\") == 0) strResult.erase(0, 2);
    strPath = strResult;
    return 1;
}

u32 MakeAbsolutePath(std::string& strPath)
{
    if (IsAbsolutePath(strPath)) return 1;
    std::string strCur;
    if (!FileSystem().GetCurrentFolder(strCur)) return 0;
    std::vector<std::string> parts;
    for (const std::string& part : SplitComponents(strCur))
        if (parts.empty() || !part.empty()) parts.push_back(part);
    const size_t nRootParts = 1;
    for (const std::string& part : SplitComponents(strPath)) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (parts.size() > nRootParts) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string strResult = parts[0];
    for (size_t i = 1; i < parts.size(); ++i) strResult += "\\" + parts[i];
    if (parts.size() == 1) strResult += "\\";
    if (EndsWithSeparator(strPath) && !EndsWithSeparator(strResult))
        strResult += "\\";
    strPath = strResult;
    return 1;
}

void GetFileName(std::string& strPath)
{
    if (strPath.size() < 2) return;
    size_t nSep = FindLastSeparator(strPath, strPath.size() - 2);
    if (nSep != std::string::npos) strPath.erase(0, nSep + 1);
}

void RemoveFileName(std::string& strPath)
{
    size_t nSep = FindLastSeparator(strPath);
    strPath.resize(nSep == std::string::npos ? 0 : nSep + 1);
}

u32 ChangeFileExt(std::string& strOut, const std::string& strPath, const char* lpExt)
{
    size_t nDot = FindExtDot(strPath);
    strOut = strPath;
    if (nDot == std::string::npos) return 0;
    strOut.resize(lpExt ? nDot + 1 : nDot);
    if (lpExt) strOut += lpExt;
    return 1;
}

u32 RemoveFileExt(std::string& strPath)
{
    size_t nDot = FindExtDot(strPath);
    if (nDot == std::string::npos) return 0;
    strPath.resize(nDot);
    return 1;
}

u32 GetFileExt(std::string& strOut, const std::string& strPath)
{
    size_t nDot = FindExtDot(strPath);
    if (nDot == std::string::npos) return 0;
    strOut = strPath.substr(nDot + 1);
    return 1;
}

bool HasFileExt(const std::string& strPath, const std::string& strExt)
{
    std::string strGot;
    return GetFileExt(strGot, strPath) && strGot == strExt;
}

u32 ListFiles(std::vector<std::string>& list, const std::string& strFolder, const std::string& strExt)
{
    std::vector<cDirEntry> entries;
    if (!FileSystem().ListFolder(strFolder, entries)) return 0;
    u32 bFound = 0;
    for (const cDirEntry& e : entries) {
        std::string strGot;
        if (!GetFileExt(strGot, e.strName) || !SameComponent(strGot, strExt)) continue;
        list.push_back(strFolder + "\\" + e.strName);
        bFound = 1;
    }
    return bFound;
}

u32 FindNumberedFile(std::string& strOut, const std::string& strPath, const char* lpBaseExt)
{
    std::string strBase;
    ChangeFileExt(strBase, strPath, lpBaseExt);
    for (int n = 999; n >= 0; --n) {
        std::string strName = Format("%s_%d%d%d", strBase.c_str(), n / 100, n / 10 % 10, n % 10);
        if (FileSystem().Exists(strName)) {
            strOut = strName;
            return 1;
        }
    }
    return 0;
}

bool ApplyWorkingFolderRule(const std::string& strBuildFolder)
{
    cFileSystem& fs = FileSystem();
    std::string strCurrent;
    if (!fs.GetCurrentFolder(strCurrent) || strCurrent != strBuildFolder) return true;
    if (fs.SetCurrentFolder("..\\Game")) return true;
    ErrLog("SetCurrentDirectory失敗？");
    return false;
}

bool DeleteFolderTree(const std::string& strFolder)
{
    cFileSystem& fs = FileSystem();
    if (!fs.IsFolder(strFolder)) return false;
    std::string strDir = StripTrailingSeparator(strFolder);
    std::vector<cDirEntry> entries;
    if (!fs.ListFolder(strDir, entries)) return false;
    for (const cDirEntry& e : entries) {
        std::string strChild = strDir + "\\" + e.strName;
        if (!(e.bFolder ? DeleteFolderTree(strChild) : fs.RemoveFile(strChild))) return false;
    }
    return fs.RemoveFolder(strDir);
}

namespace {

void DeleteOrSay(const std::string& strPath)
{
    if (FileSystem().Exists(strPath) && !DeleteFolderTree(strPath)) DebugMesBox("削除失敗！");
}

// A folder that is no longer needed is renamed before it is deleted, so that
// a deletion cut short never leaves a partial tree under a name that means
// something.
void DiscardFolder(const std::string& strPath)
{
    const std::string strTrash = strPath + ".del";
    DeleteOrSay(strTrash);
    if (FileSystem().Exists(strPath) && !FileSystem().Rename(strPath, strTrash)) DebugMesBox("削除失敗！");
    DeleteOrSay(strTrash);
}

// CopyFolder keeps the previous copy as "<dst>.old" while it swaps in the new
// one; a stop between the two renames leaves no destination. Puts the
// previous copy back; false when it is missing and can't be.
bool RestorePreviousCopy(const std::string& strTo)
{
    cFileSystem& fs = FileSystem();
    const std::string strOld = strTo + ".old";
    if (fs.Exists(strTo) || !fs.IsFolder(strOld)) return true;
    return fs.Rename(strOld, strTo);
}

bool AbsoluteFolder(std::string& strPath)
{
    if (!MakeAbsolutePath(strPath)) return false;
    strPath = StripTrailingSeparator(strPath);
    return true;
}

}  // namespace

u32 RecoverFolderCopy(const std::string& strDst)
{
    std::string strTo = strDst;
    return AbsoluteFolder(strTo) && RestorePreviousCopy(strTo) ? 1 : 0;
}

u32 CopyFolder(tWnd hOwner, const std::string& strDst, const std::string& strSrc)
{
    cFileSystem& fs = FileSystem();
    std::string strFrom = strSrc, strTo = strDst;
    if (!AbsoluteFolder(strFrom) || !AbsoluteFolder(strTo)) return 0;
    const std::string strNew = strTo + ".new", strOld = strTo + ".old";
    // The previous copy must be in place before its spare is thrown away.
    if (!RestorePreviousCopy(strTo)) return 0;

    DeleteOrSay(strNew);
    if (!Host().CopyFolderTree(hOwner, strNew, strFrom) || !fs.IsFolder(strNew)) {
        DeleteOrSay(strNew);
        return 0;
    }
    DiscardFolder(strOld);
    bool bHadOld = fs.Exists(strTo);
    if (bHadOld && !fs.Rename(strTo, strOld)) {
        DeleteOrSay(strNew);
        return 0;
    }
    if (!fs.Rename(strNew, strTo)) {
        if (bHadOld) fs.Rename(strOld, strTo);
        DeleteOrSay(strNew);
        return 0;
    }
    if (bHadOld) DiscardFolder(strOld);
    return 1;
}

void SplitSelectedFiles(const char* lpBuffer, size_t nSize, std::vector<std::string>& list)
{
    std::vector<std::string> texts;
    size_t i = 0;
    while (i < nSize && lpBuffer[i] != '\0') {
        size_t nLen = strnlen(lpBuffer + i, nSize - i);
        texts.emplace_back(lpBuffer + i, nLen);
        i += nLen + 1;
    }
    if (texts.size() == 1) {
        list.push_back(texts[0]);
        return;
    }
    for (size_t k = 1; k < texts.size(); ++k) list.push_back(texts[0] + "\\" + texts[k]);
}
