#include <gtest/gtest.h>

#include <map>

#include "app/file_system.h"
#include "app/path.h"
#include "data/stage_recovery.h"
#include "db_test_util.h"
#include "stage_test_util.h"

namespace {

class StageRecovery : public cStageTest {
protected:
    void SetUp() override
    {
        cStageTest::SetUp();
        MakeFolders();
    }
    static void MakeFolders()
    {
        ASSERT_TRUE(FileSystem().MakeFolder("data"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\work"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\stg4"));
        ASSERT_TRUE(FileSystem().MakeFolder("other"));
    }
};

// A good stage file (ends with the marker) and two damaged ones.
std::vector<u8> GoodStage(const std::string& strName)
{
    cStage s;
    s.m_strName = strName;
    return SavedBytes(s);
}
std::vector<u8> Truncated(std::vector<u8> bytes)
{
    bytes.resize(bytes.size() - 3);
    return bytes;
}

// Every file under the folders, by path.
std::map<std::string, std::vector<u8>> Files()
{
    std::map<std::string, std::vector<u8>> files;
    for (const char* lpFolder : {"data\\stg4", "data\\work", "other"}) {
        std::vector<cDirEntry> entries;
        FileSystem().ListFolder(lpFolder, entries);
        for (const cDirEntry& e : entries) {
            const std::string strPath = std::string(lpFolder) + "\\" + e.strName;
            files[strPath] = ReadFileBytes(strPath);
        }
    }
    return files;
}

TEST_F(StageRecovery, DamagedOrMissingFilesComeBackFromAGoodBackupAndNothingIsLost)
{
    const std::vector<u8> good = GoodStage("前回"), newer = GoodStage("今回");
    const std::vector<u8> damaged = Truncated(newer);
    std::vector<u8> noMarker = newer;
    noMarker.back() ^= 0xFF;
    std::vector<u8> old173 = Truncated(newer);
    old173[0] = 173;  // version 173, before the end check
    old173[1] = 0;

    const std::string strRel = "data\\stg4\\a.stg4_950";
    const std::string strBackup = "data\\work\\a.stg4_950";
    const struct {
        const char* lpWhat;
        std::string strGiven;  // the path the caller passes
        std::string strFile;   // where the file lies
        std::vector<u8> file;  // empty: missing
        std::vector<u8> backup;
        eRecovery eResult;
        std::vector<u8> fileAfter;
        std::string strKept;   // where the damaged file went
        const char* lpMessage; // the start of what the user is told
    } rows[] = {
        {"damaged, good backup", strRel, strRel, damaged, good, eRecovery::Restored, good, strRel + ".broken",
         "破損ファイル data\\stg4\\a.stg4_950 を復旧しました！\n※ただし、前回の更新内容が保存されていない可能性があります…"},
        {"wrong marker, good backup", ".\\" + strRel, strRel, noMarker, good, eRecovery::Restored, good,
         strRel + ".broken", "破損ファイル .\\data\\stg4\\a.stg4_950 を復旧しました！"},
        {"damaged, no backup", strRel, strRel, damaged, {}, eRecovery::NotRestored, damaged, "",
         "ステージファイル data\\stg4\\a.stg4_950 は破損していますが、復旧に使えるバックアップがありません！"},
        {"damaged, damaged backup", strRel, strRel, damaged, Truncated(good), eRecovery::NotRestored, damaged, "",
         "ステージファイル data\\stg4\\a.stg4_950 は破損していますが"},
        {"missing, good backup", strRel, strRel, {}, good, eRecovery::Restored, good, "",
         "ステージファイル data\\stg4\\a.stg4_950 をバックアップから復旧しました！"},
        {"missing, damaged backup", strRel, strRel, {}, Truncated(good), eRecovery::Intact, {}, "", nullptr},
        {"intact, an old backup left", strRel, strRel, newer, good, eRecovery::Intact, newer, "", nullptr},
        {"before the marker", strRel, strRel, old173, good, eRecovery::Intact, old173, "", nullptr},
        {"absolute path elsewhere, damaged, good backup", "", "other\\a.stg4_950", damaged, good,
         eRecovery::Restored, good, "other\\a.stg4_950.broken", "破損ファイル "},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        DeleteFolderTree("data");
        DeleteFolderTree("other");
        MakeFolders();
        FakeHost().Reset();
        if (!r.file.empty()) { ASSERT_TRUE(WriteFileBytes(r.strFile, r.file)); }
        if (!r.backup.empty()) { ASSERT_TRUE(WriteFileBytes(strBackup, r.backup)); }
        // A file of the same name in the project's stage folder that an
        // absolute path elsewhere must never touch.
        if (r.strFile != strRel) { ASSERT_TRUE(WriteFileBytes(strRel, newer)); }
        const auto before = Files();
        const std::string strGiven = r.strGiven.empty() ? m_strFolder + "\\" + r.strFile : r.strGiven;

        EXPECT_EQ(RecoverBrokenFile(strGiven), r.eResult);
        const auto after = Files();
        EXPECT_EQ(ReadFileBytes(r.strFile), r.fileAfter);
        if (!r.strKept.empty()) { EXPECT_EQ(ReadFileBytes(r.strKept), r.file); }
        // Nothing lost: every file's content is still somewhere.
        for (const auto& kv : before) {
            bool bFound = false;
            for (const auto& kv2 : after) bFound = bFound || kv2.second == kv.second;
            EXPECT_TRUE(bFound) << kv.first;
        }
        if (r.strFile != strRel) { EXPECT_EQ(ReadFileBytes(strRel), newer); }
        if (r.lpMessage) {
            ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
            EXPECT_EQ(FakeHost().m_Messages[0].strText.rfind(r.lpMessage, 0), 0u) << FakeHost().m_Messages[0].strText;
            EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "ファイルの復旧");
        } else {
            EXPECT_TRUE(FakeHost().m_Messages.empty());
        }
    }
}

// A damaged file that was kept before is kept too: the next one takes
// another name.
TEST_F(StageRecovery, AnEarlierDamagedFileIsNotOverwritten)
{
    const std::string strPath = "data\\stg4\\b.stg4_950";
    ASSERT_TRUE(WriteFileBytes(strPath + ".broken", {1, 2, 3}));
    ASSERT_TRUE(WriteFileBytes(strPath, Truncated(GoodStage("x"))));
    ASSERT_TRUE(WriteFileBytes("data\\work\\b.stg4_950", GoodStage("y")));
    EXPECT_EQ(RecoverBrokenFile(strPath), eRecovery::Restored);
    EXPECT_EQ(ReadFileBytes(strPath + ".broken"), (std::vector<u8>{1, 2, 3}));
    EXPECT_EQ(ReadFileBytes(strPath + ".broken2"), Truncated(GoodStage("x")));
    EXPECT_EQ(ReadFileBytes(strPath), GoodStage("y"));
    EXPECT_EQ(StageBackupPath(".\\data\\stg4\\b.stg4_950"), "data\\work\\b.stg4_950");
}

// When the backup can't be moved in, the damaged file goes back where it was.
TEST_F(StageRecovery, AFailedMovePutsTheDamagedFileBack)
{
    const std::string strPath = "data\\stg4\\c.stg4_950";
    ASSERT_TRUE(WriteFileBytes(strPath, Truncated(GoodStage("x"))));
    ASSERT_TRUE(WriteFileBytes("data\\work\\c.stg4_950", GoodStage("y")));
    cFaultFs fs;
    fs.m_strFailReplace = "c.stg4_950";
    SetFileSystem(&fs);
    EXPECT_EQ(RecoverBrokenFile(strPath), eRecovery::NotRestored);
    SetFileSystem(nullptr);
    EXPECT_EQ(ReadFileBytes(strPath), Truncated(GoodStage("x")));
    EXPECT_EQ(ReadFileBytes("data\\work\\c.stg4_950"), GoodStage("y"));
    EXPECT_FALSE(FileSystem().Exists(strPath + ".broken"));
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "破損ファイル data\\stg4\\c.stg4_950 を復旧できませんでした！");
}

}  // namespace
