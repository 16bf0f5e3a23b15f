#include "support/test_env.h"

#include <cstring>
#include <random>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/path.h"
#include "app/str_util.h"
#include "data/ed_data.h"
#include "data/project_data.h"

cFakeHost& FakeHost()
{
    static cFakeHost host;
    return host;
}

std::string TempName()
{
    static std::mt19937 rng{std::random_device{}()};
    static int s_nCounter = 0;
    return Format("t_%08x_%d", static_cast<unsigned>(rng()), ++s_nCounter);
}

void cCoreTest::SetUp()
{
    FakeHost().Reset();
    SetHost(&FakeHost());
    SetFileSystem(nullptr);
    ClearFatalErrorForTests();
    InitErrLog(0, "EC_Editor.txt");
    SetDataVersion(kDataVersion);
    g_dwReadVersion = 0;

    cFileSystem& fs = FileSystem();
    ASSERT_TRUE(fs.GetCurrentFolder(m_strPrevious));
    const std::string strName = TempName();
    ASSERT_TRUE(fs.MakeFolder(strName));
    ASSERT_TRUE(fs.SetCurrentFolder(strName));
    ASSERT_TRUE(fs.GetCurrentFolder(m_strFolder));
}

void cCoreTest::TearDown()
{
    OpenReportLog("");  // forget the report log of this test
    cFileSystem& fs = FileSystem();
    SetFileSystem(nullptr);
    fs.SetCurrentFolder(m_strPrevious);
    DeleteFolderTree(m_strFolder);
    ClearFatalErrorForTests();
    SetHost(&FakeHost());
}

std::vector<u8> ReadFileBytes(const std::string& strPath, bool* lpOk)
{
    std::vector<u8> bytes;
    FILE* fp = FileSystem().Open(strPath, "rb");
    if (lpOk) *lpOk = fp != nullptr;
    if (!fp) return bytes;
    u8 buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, fp)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    fclose(fp);
    return bytes;
}

bool WriteFileBytes(const std::string& strPath, const std::vector<u8>& bytes)
{
    FILE* fp = FileSystem().Open(strPath, "wb");
    if (!fp) return false;
    bool bOk = bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return fclose(fp) == 0 && bOk;
}

std::string ReadFileText(const std::string& strPath)
{
    std::string str;
    FILE* fp = FileSystem().Open(strPath, "r");
    if (!fp) return str;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, fp)) > 0) str.append(buf, n);
    fclose(fp);
    return str;
}

namespace {

void AddToSnapshot(const std::string& strFolder, const std::string& strPrefix, tFolderSnapshot& snapshot)
{
    std::vector<cDirEntry> entries;
    if (!FileSystem().ListFolder(strFolder, entries)) return;
    for (const cDirEntry& e : entries) {
        const std::string strPath = strFolder + "\\" + e.strName, strName = strPrefix + e.strName;
        if (e.bFolder)
            AddToSnapshot(strPath, strName + "\\", snapshot);
        else
            snapshot[strName] = ReadFileBytes(strPath);
    }
}

}  // namespace

tFolderSnapshot SnapshotFolder(const std::string& strFolder)
{
    tFolderSnapshot snapshot;
    AddToSnapshot(strFolder, "", snapshot);
    return snapshot;
}

void ResetProjectData()
{
    RemoveProjectContext();
    g_EditConfig = cEditConfig();
    g_GValInfo = cGValInfo(kGValCount);
    g_Database = cDatabase();
    g_System = cSystem();
    g_CommonPalette = cCommonPalette();
    g_WorldMap = cWorldMap();
    g_PrjOption = cPrjOption();
    g_Stage = cStage();
}

std::string FixturePath(const std::string& strName)
{
    std::string str = std::string(TARVENOL_FIXTURES) + "/" + strName;
    for (char& c : str)
        if (c == '/') c = '\\';
#ifdef _WIN32
    return "Z:" + str;
#else
    return str;
#endif
}

std::string Hex(const std::vector<u8>& bytes)
{
    std::string str;
    for (size_t i = 0; i < bytes.size(); ++i) StrAppendFormat(str, i ? " %02X" : "%02X", bytes[i]);
    return str;
}
