// The Windows file system: the ANSI functions take the CP932 paths as they are.
#include <windows.h>
#include <io.h>

#include "app/file_system.h"
#include "app/path.h"

namespace {

class cWin32FileSystem : public cFileSystem {
public:
    FILE* Open(const std::string& strPath, const char* lpMode) override
    {
        return fopen(strPath.c_str(), lpMode);
    }
    bool Flush(FILE* fp) override { return fflush(fp) == 0 && _commit(_fileno(fp)) == 0; }
    bool Exists(const std::string& strPath) override
    {
        return !strPath.empty() && GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    bool IsFolder(const std::string& strPath) override
    {
        DWORD dw = strPath.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(strPath.c_str());
        return dw != INVALID_FILE_ATTRIBUTES && (dw & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool MakeFolder(const std::string& strPath) override
    {
        return CreateDirectoryA(strPath.c_str(), nullptr) != 0;
    }
    bool RemoveFile(const std::string& strPath) override
    {
        return DeleteFileA(strPath.c_str()) != 0;
    }
    bool RemoveFolder(const std::string& strPath) override
    {
        return RemoveDirectoryA(strPath.c_str()) != 0;
    }
    bool MoveOver(const std::string& strFrom, const std::string& strTo) override
    {
        return MoveFileExA(strFrom.c_str(), strTo.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    bool Rename(const std::string& strFrom, const std::string& strTo) override
    {
        return MoveFileExA(strFrom.c_str(), strTo.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    }
    bool CopyOneFile(const std::string& strFrom, const std::string& strTo) override
    {
        return CopyFileA(strFrom.c_str(), strTo.c_str(), TRUE) != 0;
    }
    bool ListFolder(const std::string& strFolder, std::vector<cDirEntry>& entries) override
    {
        std::string strPattern = strFolder;
        if (!strPattern.empty() && !EndsWithSeparator(strPattern)) strPattern += '\\';
        strPattern += '*';
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA(strPattern.c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
        do {
            std::string strName(fd.cFileName);
            if (strName == "." || strName == "..") continue;
            cDirEntry e;
            e.strName = strName;
            e.bFolder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            entries.push_back(e);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
        return true;
    }
    bool GetCurrentFolder(std::string& strPath) override
    {
        char buf[MAX_PATH];
        DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
        if (n == 0 || n >= sizeof buf) return false;
        strPath.assign(buf, n);
        return true;
    }
    bool SetCurrentFolder(const std::string& strPath) override
    {
        return SetCurrentDirectoryA(strPath.c_str()) != 0;
    }
};

}  // namespace

cFileSystem& PlatformFileSystem()
{
    static cWin32FileSystem fs;
    return fs;
}
