#pragma once
// Writes a file safely: the text goes to a temporary file beside the target,
// every write and the close are checked, and only then the temporary file
// replaces the target. A failure at any step leaves the old file as it was.
#include <cstdio>
#include <string>

#include "app/types.h"

class cSafeFile {
public:
    cSafeFile() = default;
    cSafeFile(const cSafeFile&) = delete;
    cSafeFile& operator=(const cSafeFile&) = delete;
    ~cSafeFile() { Abandon(); }

    // Opens the temporary file; false when it can't be created.
    bool Open(const std::string& strTarget);
    bool IsOpen() const { return m_fp != nullptr; }
    void Write(const void* lpData, size_t nSize);
    // True once any write has failed.
    bool Failed() const { return m_bFailed; }
    // Flushes, closes and replaces the target: 1 on success, else 0 with the
    // target untouched and the temporary file removed.
    u32 Commit();
    // Drops the temporary file; the target stays as it was.
    void Abandon();

    static std::string TempNameOf(const std::string& strTarget) { return strTarget + ".tmp"; }

private:
    FILE* m_fp = nullptr;
    std::string m_strTarget;
    std::string m_strTemp;
    bool m_bFailed = false;
};
