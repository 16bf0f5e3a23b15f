#pragma once
// The platform's file system, as the core uses it. Paths are CP932 byte
// strings with backslash separators, relative to the current directory (the
// project folder) or absolute in the platform's form ("C:\x" on Windows,
// "\tmp\x" natively). Implementations turn them into host paths; a 0x5C byte
// that is the second byte of a double-byte character is never a separator.
#include <cstdio>
#include <string>
#include <vector>

struct cDirEntry {
    std::string strName;
    bool bFolder = false;
};

class cFileSystem {
public:
    virtual ~cFileSystem() = default;

    virtual FILE* Open(const std::string& strPath, const char* lpMode) = 0;
    // Writing a file opened for a save. Flush pushes what was written
    // through the C library's buffer and the system's cache to the disk, so
    // that the file is complete before it replaces another.
    virtual size_t Write(FILE* fp, const void* lpData, size_t nSize);
    virtual bool Flush(FILE* fp);
    virtual bool Close(FILE* fp);
    // A file or a folder exists under the path.
    virtual bool Exists(const std::string& strPath) = 0;
    virtual bool IsFolder(const std::string& strPath) = 0;
    virtual bool MakeFolder(const std::string& strPath) = 0;
    virtual bool RemoveFile(const std::string& strPath) = 0;
    // Removes an empty folder.
    virtual bool RemoveFolder(const std::string& strPath) = 0;
    // Moves a file over the target, replacing it; the write is flushed to
    // the disk before it returns.
    virtual bool MoveOver(const std::string& strFrom, const std::string& strTo) = 0;
    // Renames a file or folder; fails when the target exists.
    virtual bool Rename(const std::string& strFrom, const std::string& strTo) = 0;
    virtual bool CopyOneFile(const std::string& strFrom, const std::string& strTo) = 0;
    // The entries of a folder but "." and "..", in the platform's order.
    virtual bool ListFolder(const std::string& strFolder, std::vector<cDirEntry>& entries) = 0;
    virtual bool GetCurrentFolder(std::string& strPath) = 0;
    virtual bool SetCurrentFolder(const std::string& strPath) = 0;
};

// The file system in use: the platform's, unless a test put in another.
cFileSystem& FileSystem();
// Installs a file system (null puts the platform's back); returns the
// previous one.
cFileSystem* SetFileSystem(cFileSystem* lpFs);
// The platform's own implementation.
cFileSystem& PlatformFileSystem();

// Copies a folder tree file by file. The destination must not exist.
bool CopyTreeByFiles(cFileSystem& fs, const std::string& strDst, const std::string& strSrc);
