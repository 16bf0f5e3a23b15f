#pragma once
// Shared test environment: every test of a cCoreTest fixture runs in a fresh,
// empty project folder (the current directory), with the fake host reset,
// the fatal-error flag clear and the data version at 950.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "support/bytes.h"
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

// The project's global data objects back at their defaults, and no project
// context installed (after a test that loaded a project).
void ResetProjectData();

// A shipped fixture file, as a path the program can open.
std::string FixturePath(const std::string& strName);

// Hex dump for readable failures.
std::string Hex(const std::vector<u8>& bytes);
#define EXPECT_BYTES(expected, actual) EXPECT_EQ(Hex(expected), Hex(actual))

// Long files: the sizes and the first difference, with some bytes around it.
inline ::testing::AssertionResult SameFileBytes(const std::vector<u8>& expected, const std::vector<u8>& actual)
{
    if (expected == actual) return ::testing::AssertionSuccess();
    size_t n = 0;
    while (n < expected.size() && n < actual.size() && expected[n] == actual[n]) ++n;
    auto around = [n](const std::vector<u8>& b) {
        const size_t nFrom = n < 16 ? 0 : n - 16;
        return Hex(std::vector<u8>(b.begin() + std::min(nFrom, b.size()), b.begin() + std::min(n + 16, b.size())));
    };
    return ::testing::AssertionFailure() << "sizes " << expected.size() << " and " << actual.size()
                                         << ", first difference at byte " << n << "\n  expected ..." << around(expected)
                                         << "\n  actual   ..." << around(actual);
}
#define EXPECT_FILE_BYTES(expected, actual) EXPECT_TRUE(SameFileBytes(expected, actual))
