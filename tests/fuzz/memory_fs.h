#pragma once
// A file system held in memory, for the fuzz targets: a loader reads the
// input as a file and a save writes into memory, with nothing on the disk
// and nothing that grows from one input to the next. Streams are real FILE
// objects (C library cookies), so the core's readers and writers run
// unchanged; a stream opened for writing stores its file when it is closed.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/file_system.h"
#include "app/types.h"

class cMemoryFs : public cFileSystem {
public:
    // Forgets every file and folder.
    void Reset();
    void Put(const std::string& strPath, const u8* lpData, size_t nSize);
    void Put(const std::string& strPath, const std::vector<u8>& bytes) { Put(strPath, bytes.data(), bytes.size()); }
    // The content of a file; false when there is none.
    bool Get(const std::string& strPath, std::vector<u8>& bytes) const;

    FILE* Open(const std::string& strPath, const char* lpMode) override;
    bool Exists(const std::string& strPath) override;
    bool IsFolder(const std::string& strPath) override;
    bool MakeFolder(const std::string& strPath) override;
    bool RemoveFile(const std::string& strPath) override;
    bool RemoveFolder(const std::string& strPath) override;
    bool MoveOver(const std::string& strFrom, const std::string& strTo) override;
    bool Rename(const std::string& strFrom, const std::string& strTo) override;
    bool CopyOneFile(const std::string& strFrom, const std::string& strTo) override;
    bool ListFolder(const std::string& strFolder, std::vector<cDirEntry>& entries) override;
    bool GetCurrentFolder(std::string& strPath) override;
    bool SetCurrentFolder(const std::string& strPath) override;

private:
    static std::string Key(const std::string& strPath);

    std::map<std::string, std::vector<u8>> m_Files;
    std::set<std::string> m_Folders;
};
