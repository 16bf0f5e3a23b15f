#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/path.h"
#include "data/prj_option.h"
#include "data/project_backup.h"
#include "db_test_util.h"
#include "support/test_env.h"

namespace {

const std::string kQuestion = "データが存在しません！デフォルトデータを作成しますか？\n";
const std::string kQuestionTitle = "デフォルトデータ作成の確認";
const std::string kDataFailed = "「data」フォルダのバックアップに失敗…";
const std::string kEDataFailed = "「e_data」フォルダのバックアップに失敗…";

tWnd Owner() { return reinterpret_cast<tWnd>(0x1234); }

class DefaultData : public cCoreTest {
protected:
    void MakeDefaultFolder()
    {
        cFileSystem& fs = FileSystem();
        ASSERT_TRUE(fs.MakeFolder("default"));
        ASSERT_TRUE(fs.MakeFolder("default\\database"));
        ASSERT_TRUE(fs.MakeFolder("default\\stg4"));
        ASSERT_TRUE(WriteFileBytes("default\\System.dat", {0xB6, 3, 0, 0}));
        ASSERT_TRUE(WriteFileBytes("default\\database\\Anime.dat", {1, 2, 3}));
        ASSERT_TRUE(WriteFileBytes("default\\stg4\\Default.stg4_950", {4}));
    }
    void ExpectDefaultFolderUntouched()
    {
        EXPECT_EQ(ReadFileBytes("default\\System.dat"), (std::vector<u8>{0xB6, 3, 0, 0}));
        EXPECT_EQ(ReadFileBytes("default\\database\\Anime.dat"), (std::vector<u8>{1, 2, 3}));
        EXPECT_EQ(ReadFileBytes("default\\stg4\\Default.stg4_950"), std::vector<u8>{4});
    }
    void ExpectNoDataFolder()
    {
        EXPECT_FALSE(FileSystem().Exists("data"));
        EXPECT_FALSE(FileSystem().Exists("data.new"));
    }
    void ExpectOneQuestion()
    {
        ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
        const cFakeHost::cMessage& m = FakeHost().m_Messages[0];
        EXPECT_EQ(m.strText, kQuestion);
        EXPECT_EQ(m.strTitle, kQuestionTitle);
        EXPECT_EQ(m.uType, static_cast<u32>(kMbYesNo));
        EXPECT_EQ(m.hOwner, Owner());
    }
};

TEST_F(DefaultData, YesCopiesTheDefaultFolderIntoData)
{
    MakeDefaultFolder();
    FakeHost().m_Answers.push_back(kIdYes);
    EXPECT_TRUE(CreateDefaultData(Owner()));
    ExpectOneQuestion();
    EXPECT_EQ(ReadFileBytes("data\\System.dat"), (std::vector<u8>{0xB6, 3, 0, 0}));
    EXPECT_EQ(ReadFileBytes("data\\database\\Anime.dat"), (std::vector<u8>{1, 2, 3}));
    EXPECT_EQ(ReadFileBytes("data\\stg4\\Default.stg4_950"), std::vector<u8>{4});
    EXPECT_FALSE(FileSystem().Exists("data\\default"));
    EXPECT_FALSE(FileSystem().Exists("data.new"));
    ExpectDefaultFolderUntouched();

    // The next start finds the data folder and asks nothing.
    FakeHost().m_Messages.clear();
    EXPECT_TRUE(CreateDefaultData(Owner()));
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_EQ(FakeHost().m_Copies.size(), 1u);
}

TEST_F(DefaultData, NoLeavesEverythingUntouched)
{
    MakeDefaultFolder();
    FakeHost().m_Answers.push_back(kIdNo);
    EXPECT_FALSE(CreateDefaultData(Owner()));
    ExpectOneQuestion();
    ExpectNoDataFolder();
    ExpectDefaultFolderUntouched();
    EXPECT_TRUE(FakeHost().m_Copies.empty());
}

TEST_F(DefaultData, MissingDefaultFolderFailsWithoutAQuestion)
{
    EXPECT_FALSE(CreateDefaultData(Owner()));
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    ExpectNoDataFolder();
    EXPECT_FALSE(FileSystem().Exists("default"));
}

TEST_F(DefaultData, ExistingDataIsNeverQuestioned)
{
    ASSERT_TRUE(FileSystem().MakeFolder("data"));
    for (bool bDefault : {false, true}) {
        if (bDefault) MakeDefaultFolder();
        EXPECT_TRUE(CreateDefaultData(Owner()));
        EXPECT_TRUE(FakeHost().m_Messages.empty());
        EXPECT_TRUE(FakeHost().m_Copies.empty());
    }
}

TEST_F(DefaultData, AFailedCopyLeavesNoDataFolder)
{
    MakeDefaultFolder();
    struct cCase {
        const char* lpWhat;
        bool bHostFails;
        const char* lpFailingFile;
    } cases[] = {
        {"the shell's copy fails", true, ""},
        {"a file fails half-way", false, "Default.stg4_950"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        FakeHost().Reset();
        FakeHost().m_bCopyFails = c.bHostFails;
        FakeHost().m_Answers.push_back(kIdYes);
        cFaultFs fs;
        fs.m_strFailCopy = c.lpFailingFile;
        SetFileSystem(&fs);
        EXPECT_FALSE(CreateDefaultData(Owner()));
        SetFileSystem(nullptr);
        ExpectOneQuestion();
        ExpectNoDataFolder();
        ExpectDefaultFolderUntouched();
    }
}

TEST_F(DefaultData, AFileNamedDataIsLeftAlone)
{
    MakeDefaultFolder();
    ASSERT_TRUE(WriteFileBytes("data", {7}));
    FakeHost().m_Answers.push_back(kIdYes);
    EXPECT_FALSE(CreateDefaultData(Owner()));
    EXPECT_EQ(ReadFileBytes("data"), std::vector<u8>{7});
    EXPECT_TRUE(FakeHost().m_Copies.empty());
}

TEST(TimedBackup, IsDueAfterTheIntervalOrARestart)
{
    struct cCase {
        u32 dwInterval, dwLast, dwNow;
        bool bDue;
    } cases[] = {
        {24, 1000, 2439, false},
        {24, 1000, 2440, true},
        {24, 1000, 5, true},        // the system restarted
        {24, 1000, 1000, false},
        {0, 1000, 1000, true},      // an interval of 0: every start
        {0, 0, 0, true},
        {1, 0, 59, false},
        {1, 0, 60, true},
    };
    for (const cCase& c : cases)
        EXPECT_EQ(IsBackupDue(c.dwInterval, c.dwLast, c.dwNow), c.bDue)
            << c.dwInterval << " h, last " << c.dwLast << ", now " << c.dwNow;
    EXPECT_EQ(TickToMinutes(2440u * 60 * 1000 + 59999), 2440u);
}

class Backup : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        cFileSystem& fs = FileSystem();
        ASSERT_TRUE(fs.MakeFolder("data"));
        ASSERT_TRUE(fs.MakeFolder("data\\database"));
        ASSERT_TRUE(WriteFileBytes("data\\PrjOption.dat", {1}));
        ASSERT_TRUE(WriteFileBytes("data\\database\\Bgm.dat", {2}));
        ASSERT_TRUE(fs.MakeFolder("e_data"));
        ASSERT_TRUE(WriteFileBytes("e_data\\EditConfig.dat", {3}));
        // The backups of an earlier start.
        ASSERT_TRUE(fs.MakeFolder("data_backup"));
        ASSERT_TRUE(WriteFileBytes("data_backup\\PrjOption.dat", {9}));
        ASSERT_TRUE(WriteFileBytes("data_backup\\gone.dat", {9}));
        ASSERT_TRUE(fs.MakeFolder("e_data_backup"));
        ASSERT_TRUE(WriteFileBytes("e_data_backup\\EditConfig.dat", {8}));
        ASSERT_TRUE(OpenReportLog("Report_Editor.txt"));
    }
    // Project options with a daily backup last run at minute 1000.
    static cPrjOption Daily()
    {
        cPrjOption options;
        options.m_dwBackupInterval = 24;
        options.m_dwLastBackup = 1000;
        return options;
    }
    // Runs the backup due at minute 2440.
    eTimedBackup RunDue()
    {
        m_Options = Daily();
        return RunTimedBackup(Owner(), m_Options, 2440);
    }
    static u32 SavedLastBackup(const char* lpPath)
    {
        cPrjOption saved;
        EXPECT_EQ(saved.LoadFile(lpPath), 1u);
        return saved.m_dwLastBackup;
    }
    // The time of the backup is kept in the options, in their file and in
    // the backup's copy of it.
    void ExpectRecorded()
    {
        EXPECT_EQ(m_Options.m_dwLastBackup, 2440u);
        EXPECT_EQ(SavedLastBackup("data\\PrjOption.dat"), 2440u);
        EXPECT_EQ(SavedLastBackup("data_backup\\PrjOption.dat"), 2440u);
    }
    // The old time stays; once the options were saved for the backup, their
    // file holds the old time again.
    void ExpectNotRecorded(bool bSaved)
    {
        EXPECT_EQ(m_Options.m_dwLastBackup, 1000u);
        if (bSaved)
            EXPECT_EQ(SavedLastBackup("data\\PrjOption.dat"), 1000u);
        else
            EXPECT_EQ(ReadFileBytes("data\\PrjOption.dat"), std::vector<u8>{1});
    }
    void ExpectOldBackups()
    {
        EXPECT_EQ(ReadFileBytes("data_backup\\PrjOption.dat"), std::vector<u8>{9});
        EXPECT_EQ(ReadFileBytes("data_backup\\gone.dat"), std::vector<u8>{9});
        EXPECT_FALSE(FileSystem().Exists("data_backup\\database"));
        EXPECT_FALSE(FileSystem().Exists("data_backup.new"));
        EXPECT_FALSE(FileSystem().Exists("data_backup.old"));
    }
    cPrjOption m_Options = Daily();
};

TEST_F(Backup, ADueBackupReplacesBothBackupsThenRecordsTheTime)
{
    EXPECT_EQ(RunDue(), eTimedBackup::Done);
    EXPECT_EQ(ReadFileBytes("data_backup\\database\\Bgm.dat"), std::vector<u8>{2});
    EXPECT_FALSE(FileSystem().Exists("data_backup\\gone.dat"));
    EXPECT_EQ(ReadFileBytes("e_data_backup\\EditConfig.dat"), std::vector<u8>{3});
    ExpectRecorded();
    // The data folder's copy ran under the wait message, which is closed again.
    ASSERT_EQ(FakeHost().m_WaitMessages.size(), 1u);
    EXPECT_EQ(FakeHost().m_WaitMessages[0].strText, "エディットデータをバックアップしています...");
    EXPECT_EQ(FakeHost().m_WaitMessages[0].strTitle, "バックアップ");
    EXPECT_EQ(FakeHost().m_WaitMessages[0].hOwner, Owner());
    EXPECT_EQ(FakeHost().m_nOpenWaitMessages, 0);
    ASSERT_EQ(FakeHost().m_Copies.size(), 2u);
    EXPECT_TRUE(FakeHost().m_Copies[0].bWaitShown);
    EXPECT_FALSE(FakeHost().m_Copies[1].bWaitShown);
    EXPECT_EQ(ReadFileText("Report_Editor.txt").find("失敗"), std::string::npos);
}

TEST_F(Backup, NothingHappensWhenOffOrNotDue)
{
    EXPECT_EQ(RunTimedBackup(Owner(), m_Options, 2439), eTimedBackup::NotDue);
    m_Options.m_dwBackupOn = 0;
    EXPECT_EQ(RunTimedBackup(Owner(), m_Options, 5), eTimedBackup::Off);
    EXPECT_TRUE(FakeHost().m_Copies.empty());
    ExpectNotRecorded(false);
    ExpectOldBackups();
}

TEST_F(Backup, AFailedCopyKeepsThePreviousBackupAndTheOldTime)
{
    struct cCase {
        const char* lpWhat;
        bool bHostFails;
        const char* lpFailingFile;
        bool bEDataFails;
    } cases[] = {
        {"the shell's copy fails", true, "", true},
        {"a file fails half-way", false, "Bgm.dat", false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        FakeHost().Reset();
        FakeHost().m_bCopyFails = c.bHostFails;
        ASSERT_TRUE(OpenReportLog("Report_Editor.txt"));
        cFaultFs fs;
        fs.m_strFailCopy = c.lpFailingFile;
        SetFileSystem(&fs);
        EXPECT_EQ(RunDue(), eTimedBackup::Failed);
        SetFileSystem(nullptr);
        ExpectOldBackups();
        ExpectNotRecorded(true);
        EXPECT_EQ(FakeHost().m_nOpenWaitMessages, 0);
        const std::string strLog = ReadFileText("Report_Editor.txt");
        EXPECT_NE(strLog.find(kDataFailed + "\n"), std::string::npos);
        EXPECT_EQ(strLog.find(kEDataFailed) != std::string::npos, c.bEDataFails);
        EXPECT_EQ(ReadFileBytes("e_data_backup\\EditConfig.dat"), std::vector<u8>{c.bEDataFails ? u8(8) : u8(3)});
        // The source is never touched.
        EXPECT_EQ(ReadFileBytes("data\\database\\Bgm.dat"), std::vector<u8>{2});
    }
}

TEST_F(Backup, TheEditorSettingsFailAlone)
{
    ASSERT_TRUE(DeleteFolderTree("e_data"));
    EXPECT_EQ(RunDue(), eTimedBackup::Failed);
    // The data folder's backup counts: its time is recorded.
    ExpectRecorded();
    EXPECT_EQ(ReadFileBytes("data_backup\\database\\Bgm.dat"), std::vector<u8>{2});
    EXPECT_EQ(ReadFileBytes("e_data_backup\\EditConfig.dat"), std::vector<u8>{8});
    const std::string strLog = ReadFileText("Report_Editor.txt");
    EXPECT_EQ(strLog.find(kDataFailed), std::string::npos);
    EXPECT_NE(strLog.find(kEDataFailed), std::string::npos);
}

TEST_F(Backup, NoBackupUnderTheFatalErrorFlag)
{
    SetFatalError();
    EXPECT_FALSE(BackupEditData(Owner()));
    EXPECT_FALSE(BackupEditorSettings(Owner()));
    EXPECT_EQ(RunDue(), eTimedBackup::Failed);
    EXPECT_TRUE(FakeHost().m_Copies.empty());
    EXPECT_TRUE(FakeHost().m_WaitMessages.empty());
    ExpectNotRecorded(false);
    ExpectOldBackups();
}

TEST_F(Backup, MissingDataFolderIsNotBackedUp)
{
    ASSERT_TRUE(DeleteFolderTree("data"));
    EXPECT_FALSE(BackupEditData(Owner()));
    EXPECT_TRUE(FakeHost().m_WaitMessages.empty());
    ExpectOldBackups();
}

}  // namespace
