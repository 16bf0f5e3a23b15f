#pragma once
// The platform's file system, passed through; tests derive from it and make
// one step fail.
#include "app/file_system.h"

class cForwardingFs : public cFileSystem {
public:
    FILE* Open(const std::string& s, const char* m) override { return m_Real.Open(s, m); }
    size_t Write(FILE* fp, const void* p, size_t n) override { return m_Real.Write(fp, p, n); }
    bool Flush(FILE* fp) override { return m_Real.Flush(fp); }
    bool Close(FILE* fp) override { return m_Real.Close(fp); }
    bool Exists(const std::string& s) override { return m_Real.Exists(s); }
    bool IsFolder(const std::string& s) override { return m_Real.IsFolder(s); }
    bool MakeFolder(const std::string& s) override { return m_Real.MakeFolder(s); }
    bool RemoveFile(const std::string& s) override { return m_Real.RemoveFile(s); }
    bool RemoveFolder(const std::string& s) override { return m_Real.RemoveFolder(s); }
    bool MoveOver(const std::string& a, const std::string& b) override { return m_Real.MoveOver(a, b); }
    bool Rename(const std::string& a, const std::string& b) override { return m_Real.Rename(a, b); }
    bool CopyOneFile(const std::string& a, const std::string& b) override { return m_Real.CopyOneFile(a, b); }
    bool ListFolder(const std::string& s, std::vector<cDirEntry>& e) override { return m_Real.ListFolder(s, e); }
    bool GetCurrentFolder(std::string& s) override { return m_Real.GetCurrentFolder(s); }
    bool SetCurrentFolder(const std::string& s) override { return m_Real.SetCurrentFolder(s); }

protected:
    cFileSystem& m_Real = PlatformFileSystem();
};
