#include "app/file_system.h"

namespace {
cFileSystem* g_lpFs = nullptr;
}

size_t cFileSystem::Write(FILE* fp, const void* lpData, size_t nSize) { return fwrite(lpData, 1, nSize, fp); }

bool cFileSystem::Flush(FILE* fp) { return fflush(fp) == 0; }

bool cFileSystem::Close(FILE* fp) { return fclose(fp) == 0; }

cFileSystem& FileSystem() { return g_lpFs ? *g_lpFs : PlatformFileSystem(); }

cFileSystem* SetFileSystem(cFileSystem* lpFs)
{
    cFileSystem* lpOld = &FileSystem();
    g_lpFs = lpFs;
    return lpOld;
}

bool CopyTreeByFiles(cFileSystem& fs, const std::string& strDst, const std::string& strSrc)
{
    std::vector<cDirEntry> entries;
    if (!fs.IsFolder(strSrc) || fs.Exists(strDst)) return false;
    if (!fs.ListFolder(strSrc, entries) || !fs.MakeFolder(strDst)) return false;
    for (const cDirEntry& e : entries) {
        std::string strFrom = strSrc + "\\" + e.strName;
        std::string strTo = strDst + "\\" + e.strName;
        bool bOk = e.bFolder ? CopyTreeByFiles(fs, strTo, strFrom) : fs.CopyOneFile(strFrom, strTo);
        if (!bOk) return false;
    }
    return true;
}
