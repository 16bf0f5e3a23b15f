// The stage window's file sequences: the .plt4 layout against a hand-built
// file and its refusals, the overwrite save failing at each of its steps,
// the save to a chosen file with the older file of the same stage, and the
// check that the stage file is still there.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/fatal.h"
#include "app/file_system.h"
#include "data/common_palette.h"
#include "data/palette_set.h"
#include "data/project_paths.h"
#include "data/stage_recovery.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/stage_files.h"
#include "stage_test_util.h"

namespace {

const std::string kStage = "data\\stg4\\a.stg4_950";
const std::string kBackup = "data\\work\\a.stg4_950";

// The real steps, any of them made to fail by its name: "backup" (the move
// to data\work\), "write", "restore" (the move back), "delete", "move old"
// and "delete old".
class cFailingOps : public cStageFileOps {
public:
    std::set<std::string> failing;
    std::vector<std::string> done;

    bool Move(const std::string& strFrom, const std::string& strTo) override
    {
        const char* lpStep = strTo.rfind("data\\work\\", 0) == 0       ? "backup"
                             : strFrom.rfind("data\\work\\", 0) == 0   ? "restore"
                                                                        : "move old";
        return Step(lpStep) && cStageFileOps::Move(strFrom, strTo);
    }
    bool Write(const cStage& stage, const std::string& strPath) override
    {
        return Step("write") && cStageFileOps::Write(stage, strPath);
    }
    bool Delete(const std::string& strPath) override
    {
        return Step(strPath.rfind("data\\work\\", 0) == 0 ? "delete" : "delete old") &&
               cStageFileOps::Delete(strPath);
    }

private:
    bool Step(const char* lpStep)
    {
        done.push_back(lpStep);
        return !failing.count(lpStep);
    }
};

class StageFiles : public cStageTest {
protected:
    void SetUp() override
    {
        cStageTest::SetUp();
        for (const char* lpFolder : {"data", "data\\stg4", "data\\work", "data\\plt4"})
            ASSERT_TRUE(FileSystem().MakeFolder(lpFolder));
        InstallPalettes(m_Common, m_Stage);
    }
    void TearDown() override
    {
        RemovePalettes();
        cStageTest::TearDown();
    }

    // A stage file as the core writes it for a stage of the given name.
    std::vector<u8> StageBytes(const char* lpName)
    {
        cStage stage;
        stage.m_strName = lpName;
        EXPECT_EQ(stage.SaveFile("data\\expected.tmp"), 1u);
        std::vector<u8> bytes = ReadFileBytes("data\\expected.tmp");
        FileSystem().RemoveFile("data\\expected.tmp");
        return bytes;
    }
    void WriteStage(const std::string& strPath, const char* lpName)
    {
        ASSERT_TRUE(WriteFileBytes(strPath, StageBytes(lpName)));
    }
    std::vector<std::string> ErrorTexts() const
    {
        std::vector<std::string> texts;
        for (const cFakeHost::cMessage& m : FakeHost().m_Messages) texts.push_back(m.strText);
        return texts;
    }

    cCommonPalette m_Common;
    cStage m_Stage;
    cEditState m_State;
};

TEST_F(StageFiles, AStagePaletteFileIsTheVersionThenThreeCountedLists)
{
    m_Stage.m_Palette.m_vBlock.resize(3);
    m_Stage.m_Palette.m_vBlock[2].m_strName = "岩";
    m_Stage.m_Palette.m_vBlock[2].m_wGraphic = 12;
    m_Stage.m_Palette.m_vChara.resize(2);
    m_Stage.m_Palette.m_vChara[1].m_strName = "敵";
    m_Stage.m_Palette.m_vItem.resize(2);
    m_Stage.m_Palette.m_vItem[1].m_wGraphic = 4;
    ASSERT_TRUE(SaveStagePaletteFile(m_Stage, "data\\plt4\\p.plt4", nullptr));

    cBytes b;
    b.U32(950);
    const cPaletteLists& p = m_Stage.m_Palette;
    b.U32(3);
    for (const cEdBlock& e : p.m_vBlock) b.Raw(BlockBody(Checked(e)));
    b.U32(2);
    for (const cEdChara& e : p.m_vChara) b.Raw(CharaBody(950, Checked(e)));
    b.U32(2);
    for (const cEdItem& e : p.m_vItem) b.Raw(ItemBody(Checked(e)));
    EXPECT_FILE_BYTES(b.Get(), ReadFileBytes("data\\plt4\\p.plt4"));

    cStage loaded;
    loaded.m_Palette.m_vBlock.resize(7);
    {
        const cPaletteScope scope(ePaletteSide::Stage, loaded.m_Palette);
        ASSERT_TRUE(LoadStagePaletteFile(loaded, "data\\plt4\\p.plt4", nullptr));
    }
    EXPECT_TRUE(loaded.m_Palette == m_Stage.m_Palette);
    ExpectQuiet();
}

TEST_F(StageFiles, ABadStagePaletteFileIsRefusedAndTheStageKept)
{
    m_Stage.m_Palette.m_vBlock.resize(2);
    ASSERT_TRUE(SaveStagePaletteFile(m_Stage, "data\\plt4\\p.plt4", nullptr));
    std::vector<u8> good = ReadFileBytes("data\\plt4\\p.plt4");
    std::vector<u8> newer = good;
    newer[0] = 951 & 0xFF;
    newer[1] = 951 >> 8;
    std::vector<u8> shortFile(good.begin(), good.end() - 3);
    std::vector<u8> hugeCount = good;
    hugeCount[4] = hugeCount[5] = hugeCount[6] = 0xFF;
    const struct {
        const char* lpName;
        std::vector<u8> bytes;
        const char* lpReason;
    } kCases[] = {
        {"newer.plt4", newer, "上位のバージョン"},
        {"short.plt4", shortFile, "壊れています"},
        {"huge.plt4", hugeCount, "壊れています"},
        {"missing.plt4", {}, "の読み込みに失敗しました！"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.lpName);
        FakeHost().Reset();
        const std::string strPath = std::string("data\\plt4\\") + c.lpName;
        if (!c.bytes.empty()) {
            ASSERT_TRUE(WriteFileBytes(strPath, c.bytes));
        }
        cStage stage;
        stage.m_Palette.m_vChara.resize(4);
        stage.m_Palette.m_vChara[3].m_strName = "そのまま";
        const cPaletteLists before = stage.m_Palette;
        EXPECT_FALSE(LoadStagePaletteFile(stage, strPath, nullptr));
        EXPECT_TRUE(stage.m_Palette == before);
        ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
        EXPECT_NE(FakeHost().m_Messages[0].strText.find(strPath), std::string::npos);
        EXPECT_NE(FakeHost().m_Messages[0].strText.find(c.lpReason), std::string::npos);
        EXPECT_EQ(FakeHost().m_nCloseRequests, 0) << "the editor goes on";
        EXPECT_FALSE(IsFatalError());
    }
}

TEST_F(StageFiles, ARefusedPaletteSaveIsReported)
{
    SetFatalError();
    EXPECT_FALSE(SaveStagePaletteFile(m_Stage, "data\\plt4\\p.plt4", nullptr));
    EXPECT_FALSE(FileSystem().Exists("data\\plt4\\p.plt4"));
    EXPECT_FALSE(FakeHost().m_Messages.empty());
    ClearFatalErrorForTests();
    FakeHost().Reset();
    EXPECT_FALSE(SaveStagePaletteFile(m_Stage, "data\\nofolder\\p.plt4", nullptr));
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "data\\nofolder\\p.plt4 の保存に失敗しました！");
}

TEST_F(StageFiles, TheOverwriteBranchNeedsThisVersionsExtension)
{
    EXPECT_EQ(StageFileExt(), "stg4_950");
    EXPECT_TRUE(IsOverwriteSave(kStage, true));
    EXPECT_FALSE(IsOverwriteSave(kStage, false));
    EXPECT_FALSE(IsOverwriteSave("", true));
    EXPECT_FALSE(IsOverwriteSave("data\\stg4\\a.stg4_900", true));
    EXPECT_FALSE(IsOverwriteSave("data\\stg4\\a.STG4_950", true)) << "compared exactly";
    EXPECT_EQ(ProposedSaveName("data\\stg4\\a.stg4_900", true), "data\\stg4\\a.stg4_950");
    EXPECT_EQ(ProposedSaveName("data\\stg4\\a.stg4_900", false), "");
    EXPECT_EQ(ProposedSaveName("", true), "");
}

// Each step of the overwrite failing: the stage file holds the old or the
// new stage (after what the next load restores), the result and the flag
// say which, and data\work\ is left empty whenever the file is whole.
TEST_F(StageFiles, TheOverwriteKeepsTheOldFileUntilTheNewOneIsWritten)
{
    const struct {
        const char* lpWhat;
        std::set<std::string> failing;
        bool bStale;      // an earlier save left its backup
        bool bFatal;      // saves are refused
        eStageSave eResult;
        bool bNewFile;
        bool bBackupLeft;
    } kCases[] = {
        {"every step succeeds", {}, false, false, eStageSave::Written, true, false},
        {"a stale backup is replaced", {}, true, false, eStageSave::Written, true, false},
        {"the backup can't be made", {"backup"}, false, false, eStageSave::Failed, false, false},
        {"the backup can't be made over a stale one", {"backup"}, true, false, eStageSave::Failed, false, true},
        {"the write fails", {"write"}, false, false, eStageSave::Failed, false, false},
        {"the write is refused", {}, false, true, eStageSave::Failed, false, false},
        {"the write and the move back fail", {"write", "restore"}, false, false, eStageSave::Failed, false, true},
        {"the backup can't be deleted", {"delete"}, false, false, eStageSave::Written, true, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.lpWhat);
        FakeHost().Reset();
        WriteStage(kStage, "古い");
        if (c.bStale) WriteStage(kBackup, "もっと古い");
        else FileSystem().RemoveFile(kBackup);
        if (c.bFatal) SetFatalError();
        m_State.m_strStagePath = kStage;
        m_State.m_bStageModified = 1;
        cStage stage;
        stage.m_strName = "新しい";
        cFailingOps ops;
        ops.failing = c.failing;

        EXPECT_EQ(OverwriteStage(stage, m_State, ops, nullptr), c.eResult);
        EXPECT_EQ(m_State.m_bStageModified, c.eResult == eStageSave::Written ? 0u : 1u);
        EXPECT_EQ(FileSystem().Exists(kBackup), c.bBackupLeft);
        EXPECT_EQ(FakeHost().m_nOpenWaitMessages, 0);
        if (c.eResult == eStageSave::Failed) {
            EXPECT_FALSE(FakeHost().m_Messages.empty()) << "the user is told";
        }
        if (c.bFatal) ClearFatalErrorForTests();
        RecoverBrokenFile(kStage);
        EXPECT_FILE_BYTES(StageBytes(c.bNewFile ? "新しい" : "古い"), ReadFileBytes(kStage));
    }
}

TEST_F(StageFiles, AnUnchangedStageIsNotWrittenAndAMissingFileIsWrittenAnew)
{
    WriteStage(kStage, "古い");
    m_State.m_strStagePath = kStage;
    cStage stage;
    stage.m_strName = "新しい";
    cFailingOps ops;
    EXPECT_EQ(OverwriteStage(stage, m_State, ops, nullptr), eStageSave::Unchanged);
    EXPECT_TRUE(ops.done.empty());
    EXPECT_TRUE(FakeHost().m_WaitMessages.empty());

    // Renamed outside the editor: written without a backup.
    FileSystem().RemoveFile(kStage);
    m_State.m_bStageModified = 1;
    EXPECT_EQ(OverwriteStage(stage, m_State, ops, nullptr), eStageSave::Written);
    EXPECT_EQ(ops.done, std::vector<std::string>{"write"});
    EXPECT_FILE_BYTES(StageBytes("新しい"), ReadFileBytes(kStage));
    ASSERT_EQ(FakeHost().m_WaitMessages.size(), 1u);
    EXPECT_EQ(FakeHost().m_WaitMessages[0].strTitle, "ステージの保存");
    EXPECT_EQ(FakeHost().m_WaitMessages[0].strText, "ステージを保存しています...");
    ExpectQuiet();
}

// Saving a stage of data\stg4\a.stg4_900 under a chosen name, by the
// project option for older files.
TEST_F(StageFiles, SaveAsHandlesTheOlderFileOfTheSameStageOnly)
{
    const std::string kOld = "data\\stg4\\a.stg4_900";
    const std::string kOldVer = "data\\stg4\\old_ver\\a.stg4_900";
    const struct {
        const char* lpWhat;
        std::string strChosen;
        u32 dwOption;
        bool bOverwrite;
        bool bWriteFails;
        bool bOldKept;    // still at its place
        bool bOldMoved;   // in old_ver
    } kCases[] = {
        {"option 0 moves it", "data\\stg4\\a.stg4_950", 0, true, false, false, true},
        {"option 1 keeps it", "data\\stg4\\a.stg4_950", 1, true, false, true, false},
        {"option 2 deletes it", "data\\stg4\\a.stg4_950", 2, true, false, false, false},
        {"the old name typed back, option 0", kOld, 0, true, false, true, false},
        {"the old name typed back, option 2", kOld, 2, true, false, true, false},
        {"another name", "data\\stg4\\b.stg4_950", 2, true, false, true, false},
        {"save-as without overwrite", "data\\stg4\\a.stg4_950", 2, false, false, true, false},
        {"a failed write", "data\\stg4\\a.stg4_950", 2, true, true, true, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.lpWhat);
        FakeHost().Reset();
        for (const std::string& s : {std::string("data\\stg4\\a.stg4_950"), std::string("data\\stg4\\b.stg4_950"), kOldVer})
            FileSystem().RemoveFile(s);
        WriteStage(kOld, "古い");  // a 950 stage under the name of an older version
        m_State.m_strStagePath = kOld;
        m_State.m_bStageModified = 1;
        cStage stage;
        stage.m_strName = "新しい";
        cFailingOps ops;
        if (c.bWriteFails) ops.failing = {"write"};

        const eStageSave eResult = SaveStageAs(stage, m_State, c.strChosen, c.bOverwrite, c.dwOption, ops, nullptr);
        if (c.bWriteFails) {
            EXPECT_EQ(eResult, eStageSave::Failed);
            EXPECT_EQ(m_State.m_strStagePath, kOld);
            EXPECT_EQ(m_State.m_bStageModified, 1u);
            EXPECT_EQ(ErrorTexts(), std::vector<std::string>{c.strChosen + " の保存に失敗しました！"});
        } else {
            EXPECT_EQ(eResult, eStageSave::Written);
            EXPECT_EQ(m_State.m_strStagePath, c.strChosen);
            EXPECT_EQ(m_State.m_bStageModified, 0u);
            EXPECT_FILE_BYTES(StageBytes("新しい"), ReadFileBytes(c.strChosen));
            EXPECT_TRUE(FakeHost().m_Messages.empty());
        }
        if (c.strChosen != kOld) {
            EXPECT_EQ(FileSystem().Exists(kOld), c.bOldKept);
            if (c.bOldKept) {
                EXPECT_FILE_BYTES(StageBytes("古い"), ReadFileBytes(kOld));
            }
        }
        EXPECT_EQ(FileSystem().Exists(kOldVer), c.bOldMoved);
        if (c.bOldMoved) {
            EXPECT_FILE_BYTES(StageBytes("古い"), ReadFileBytes(kOldVer));
        }
        EXPECT_EQ(FakeHost().m_nOpenWaitMessages, 0);
    }
}

TEST_F(StageFiles, TheSaveWarnsOfAMissingPlayerAndKeepsOnlyTheLastOne)
{
    cEdChara player;
    player.m_wGraphic = 1;
    player.m_cControl = 0;
    PrepareStageSave(m_Stage, m_State, nullptr);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "まだプレイヤーが配置されていないので遊ぶことはできません！");
    EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "警告");

    FakeHost().Reset();
    m_Stage.m_vCharaGrid[m_Stage.CellOf(1, 0)] = player;
    m_Stage.m_vCharaGrid[m_Stage.CellOf(3, 2)] = player;
    PrepareStageSave(m_Stage, m_State, nullptr);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_EQ(m_Stage.FindPlayer(), (cCellPos{3, 2}));
}

TEST_F(StageFiles, AStageFileRenamedOutsideIsToldOnce)
{
    CheckStageFileExists(m_State, nullptr);
    WriteStage(kStage, "a");
    m_State.m_strStagePath = kStage;
    CheckStageFileExists(m_State, nullptr);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    FileSystem().RemoveFile(kStage);
    CheckStageFileExists(m_State, nullptr);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "警告");
    EXPECT_EQ(FakeHost().m_Messages[0].strText.rfind("現在編集中のステージのファイル名が変更された可能性があります。", 0), 0u);
}

}  // namespace
