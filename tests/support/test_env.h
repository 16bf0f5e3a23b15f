#pragma once
// Shared test environment: every test of a cCoreTest fixture runs in a fresh,
// empty project folder (the current directory), with the fake host reset,
// the fatal-error flag clear and the data version at 950.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/fake_host.h"

class cCoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string m_strFolder;  // the project folder (absolute)
    std::string m_strPrevious;
};

// A new name for a temporary folder.
std::string TempName();

// The whole content of a file, or an empty vector when it can't be read;
// bOk says which.
std::vector<u8> ReadFileBytes(const std::string& strPath, bool* lpOk = nullptr);
bool WriteFileBytes(const std::string& strPath, const std::vector<u8>& bytes);
std::string ReadFileText(const std::string& strPath);
// Every file under a folder (paths relative to it) with its bytes.
typedef std::map<std::string, std::vector<u8>> tFolderSnapshot;
tFolderSnapshot SnapshotFolder(const std::string& strFolder);

// A shipped fixture file, as a path the program can open.
std::string FixturePath(const std::string& strName);

// Builds expected file contents by hand, little-endian.
class cBytes {
public:
    cBytes& U8(u8 v) { m_Bytes.push_back(v); return *this; }
    cBytes& U16(u16 v) { return U8(v & 0xFF).U8(v >> 8); }
    cBytes& U32(u32 v) { return U16(v & 0xFFFF).U16(v >> 16); }
    cBytes& Double(double v);
    // A stored string: u32 length + 1, then the text and its NUL.
    cBytes& Str(const std::string& s);
    cBytes& Raw(const std::vector<u8>& bytes);
    const std::vector<u8>& Get() const { return m_Bytes; }
    operator const std::vector<u8>&() const { return m_Bytes; }

private:
    std::vector<u8> m_Bytes;
};

// Hex dump for readable failures.
std::string Hex(const std::vector<u8>& bytes);
#define EXPECT_BYTES(expected, actual) EXPECT_EQ(Hex(expected), Hex(actual))
