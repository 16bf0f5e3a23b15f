#include <gtest/gtest.h>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/safe_vector.h"
#include "support/test_env.h"

namespace {

class Logs : public cCoreTest {};

TEST_F(Logs, ReportLogStartsFreshAndTakesTextAsItStands)
{
    ASSERT_TRUE(WriteFileBytes("Report_Editor.txt", {'o', 'l', 'd', '\n'}));
    ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
    EXPECT_EQ(LogPrintf("App : ver %s", "950"), 1u);
    EXPECT_EQ(LogText("100% %s %d"), 1u);
    EXPECT_EQ(LogPrintfBoth("both %d", 7), 1u);
    EXPECT_EQ(ReadFileText("Report_Editor.txt"), "App : ver 950\n100% %s %d\nboth 7\n");
    // With the debug flag off the error log is never written.
    EXPECT_FALSE(FileSystem().Exists("EC_Editor.txt"));
}

TEST_F(Logs, WritersFailQuietlyWithoutAReportLog)
{
    EXPECT_EQ(LogPrintf("x"), 0u);
    EXPECT_EQ(OpenReportLog("missing\\Report_Editor.txt"), 0u);
    EXPECT_EQ(LogText("x"), 0u);
}

TEST_F(Logs, ErrorLogReplacesThePreviousRunThenAppends)
{
    ASSERT_TRUE(WriteFileBytes("EC_Editor.txt", {'o', 'l', 'd', '\n'}));
    InitErrLog(1, "EC_Editor.txt");
    ErrLog("first");
    ErrLogPrintf("second %d", 2);
    EXPECT_EQ(ReadFileText("EC_Editor.txt"), "first\nsecond 2\n");
}

TEST_F(Logs, BoxWriterShowsTheTextAsAnErrorBox)
{
    ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
    LogPrintfBox("音が出ません %d", 3);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "音が出ません 3");
    EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "エラー");
    EXPECT_EQ(ReadFileText("Report_Editor.txt"), "音が出ません 3\n");
}

TEST_F(Logs, SystemReportLinesByteForByte)
{
    cFakeHost& host = FakeHost();
    host.m_Os = {10, 0, 19045, 2, "SP9"};
    host.m_Cpu = {"Brand X", "GenuineTest", 2999999999.0};
    host.m_Memory = {0xFFFFFFFFu, 512u << 20, 0x7FFE0000u, 1u << 30};
    host.m_qwDiskFree = 5000000000ull;  // more than 2 GB: shown as 2048
    host.m_nScreenWidth = 1280;
    host.m_nScreenHeight = 1024;
    host.m_Font = {"ＭＳ Ｐゴシック", 0, -12, 0x22};
    ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
    ASSERT_EQ(WriteSystemReport(), 1u);
    EXPECT_EQ(ReadFileText("Report_Editor.txt"),
              "OS : Windows 10.0？ SP9 PID 2 Build 19045\n"
              "CPU : GenuineTest Brand X 2999\n"
              "Mem Total : 4096.000MB\n"
              "Mem Free : 512MB\n"
              "Vir Total : 2047.875MB\n"
              "Vir Free : 1024MB\n"
              "HD Free : 2048MB\n"
              "Display : (1280,1024)\n"
              "System Font : ＭＳ Ｐゴシック (0,-12) 34\n");
}

TEST_F(Logs, UnknownDiskSpaceReportsZero)
{
    FakeHost().m_bDiskKnown = false;
    FakeHost().m_qwDiskFree = 12345;
    EXPECT_EQ(GetDiskFreeBytes(), 0u);
    FakeHost().m_bDiskKnown = true;
    EXPECT_EQ(GetDiskFreeBytes(), 12345u);
}

TEST(OsNames, NameTable)
{
    struct {
        u32 dwPlatform, dwMajor, dwMinor;
        const char* lpName;
        u32 dwPairMajor, dwPairMinor;
    } cases[] = {
        {0, 3, 10, "Windows 3.1", 1, 0},
        {1, 4, 0, "Windows 95", 1, 0},
        {1, 4, 10, "Windows 98", 1, 10},
        {1, 4, 90, "Windows Me", 1, 90},
        {1, 4, 50, "Windows ？ (4.50)", 4, 50},
        {2, 3, 51, "Windows NT 3.51", 3, 51},
        {2, 4, 0, "Windows NT 4.0", 4, 0},
        {2, 5, 0, "Windows 2000", 5, 0},
        {2, 5, 1, "Windows XP", 5, 1},
        {2, 5, 2, "Windows XP Professional x64 Edition ?", 5, 2},
        {2, 5, 3, "Windows ？ (5.3)", 5, 3},
        {2, 6, 0, "Windows Vista", 6, 0},
        {2, 6, 1, "Windows 7", 6, 1},
        {2, 6, 2, "Windows 8.0？", 6, 2},
        {2, 6, 3, "Windows 8.1？", 6, 3},
        {2, 6, 4, "Windows 8.X？ (6,4)", 6, 4},
        {2, 8, 1, "Windows ？ (8.1)", 8, 1},
        {2, 10, 0, "Windows 10.0？", 10, 0},
        {2, 11, 0, "Windows ？ (11.0)", 11, 0},
        {3, 1, 2, "Windows ？ (1.2)", 1, 2},
    };
    for (const auto& c : cases) {
        cOsVersion ver;
        ver.dwPlatformId = c.dwPlatform;
        ver.dwMajor = c.dwMajor;
        ver.dwMinor = c.dwMinor;
        u32 a = 99, b = 99;
        EXPECT_EQ(OsNameOf(ver, a, b), c.lpName);
        EXPECT_EQ(a, c.dwPairMajor) << c.lpName;
        EXPECT_EQ(b, c.dwPairMinor) << c.lpName;
    }
}

class OsVersions : public cCoreTest {};

TEST_F(OsVersions, ComparesTheVersionPair)
{
    FakeHost().m_Os = {6, 1, 7601, 2, ""};
    EXPECT_TRUE(IsOsVersion(6, 1));
    EXPECT_FALSE(IsOsVersion(6, 2));
    EXPECT_TRUE(IsOsVersionOrLater(6, 0));
    EXPECT_TRUE(IsOsVersionOrLater(5, 9));
    EXPECT_FALSE(IsOsVersionOrLater(6, 2));
    EXPECT_FALSE(IsOsVersionOrLater(10, 0));
}

class Fatal : public cCoreTest {};

struct cRec16 {
    u32 a, b, c, d;
};

TEST_F(Fatal, BadIndexIsLoggedSetsTheFlagAndYieldsElementZero)
{
    ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
    InitErrLog(1, "EC_Editor.txt");
    cSafeVector<cRec16> vec(3);
    vec[0].a = 11;
    vec[2].a = 33;
    EXPECT_EQ(vec.At(2).a, 33u);
    EXPECT_FALSE(IsFatalError());

    EXPECT_EQ(vec.At(-1).a, 11u);
    EXPECT_TRUE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1);
    EXPECT_EQ(ReadFileText("Report_Editor.txt"), "err V[-1] ( 3 , 16 )\n");
    EXPECT_EQ(ReadFileText("EC_Editor.txt"), "err V[-1] ( 3 , 16 )\n");

    // Every further bad index repeats the report.
    EXPECT_EQ(vec.At(3).a, 11u);
    EXPECT_EQ(FakeHost().m_nCloseRequests, 2);
}

TEST_F(Fatal, EmptyContainersGiveADefaultElement)
{
    ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
    cSafeVector<std::string> vec;
    vec.At(0) = "scribbled";
    EXPECT_EQ(vec.At(5), "");
    cSafeList<int> lst;
    EXPECT_EQ(lst.At(0), 0);
    lst.push_back(4);
    lst.push_back(5);
    EXPECT_EQ(lst.At(1), 5);
    EXPECT_EQ(lst.At(2), 4);
    EXPECT_EQ(ReadFileText("Report_Editor.txt"),
              "err V[0] ( 0 , " + std::to_string(sizeof(std::string)) + " )\nerr V[5] ( 0 , " +
                  std::to_string(sizeof(std::string)) + " )\nerr L[0] ( 0 , 4 )\nerr L[2] ( 2 , 4 )\n");
    EXPECT_TRUE(IsFatalError());
}

TEST_F(Fatal, MessageBoxes)
{
    cFakeHost& host = FakeHost();
    host.m_hActive = reinterpret_cast<tWnd>(0x1234);
    host.m_Answers = {kIdOk};
    EXPECT_EQ(MesBox("%s が見つかりません！", "bmp\\a.bmp"), kIdOk);
    EXPECT_EQ(DebugMesBox("コントロールID 【%u】 が見つかりません！", 1001u), 0);
    InitErrLog(1, "EC_Editor.txt");
    DebugMesBox("コントロールID 【%u】 が見つかりません！", 1001u);
    MesBoxOwner(reinterpret_cast<tWnd>(0x99), "x");
    ASSERT_EQ(host.m_Messages.size(), 3u);
    EXPECT_EQ(host.m_Messages[0].strText, "bmp\\a.bmp が見つかりません！");
    EXPECT_EQ(host.m_Messages[0].strTitle, "エラー");
    EXPECT_EQ(host.m_Messages[0].uType, kMbOk);
    EXPECT_EQ(host.m_Messages[0].hOwner, reinterpret_cast<tWnd>(0x1234));
    EXPECT_EQ(host.m_Messages[1].strText, "コントロールID 【1001】 が見つかりません！");
    EXPECT_EQ(host.m_Messages[2].hOwner, reinterpret_cast<tWnd>(0x99));
    EXPECT_FALSE(IsFatalError());
}

TEST_F(Fatal, OutOfMemoryAndNoResources)
{
    ReportOutOfMemory();
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "メモリが不足しています！");
    EXPECT_TRUE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1);

    ClearFatalErrorForTests();
    ReportNoResources();  // the debug box stays hidden in a normal run
    EXPECT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_nBeeps, 1);
    EXPECT_TRUE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 2);
}

}  // namespace
