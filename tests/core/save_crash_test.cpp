// Crash consistency of the saves: each row is one save, run again with every
// one of its steps failing and, natively, with the process stopped at every
// step. A later save joins as one more row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_system.h"
#include "data/common_palette.h"
#include "data/database.h"
#include "data/gval_info.h"
#include "data/project_backup.h"
#include "data/prj_option.h"
#include "data/project_paths.h"
#include "data/stage.h"
#include "data/project_data.h"
#include "data/project_loader.h"
#include "data/stage_recovery.h"
#include "data/system_data.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/stage_files.h"
#include "support/save_crash.h"
#include "support/test_env.h"

namespace {

std::vector<std::string> TablePaths()
{
    return {g_strPath[kPathAnimeSet], g_strPath[kPathAnime],       g_strPath[kPathCharaExcBmp],
            g_strPath[kPathSwordType], g_strPath[kPathEffect],     g_strPath[kPathCharaEffect],
            g_strPath[kPathScrEffect], g_strPath[kPathPicture],    g_strPath[kPathSound],
            g_strPath[kPathBgm]};
}

void MakeFolders(std::initializer_list<const char*> folders)
{
    for (const char* lpFolder : folders) ASSERT_TRUE(FileSystem().MakeFolder(lpFolder));
}

void PrepareDatabaseFolder() { MakeFolders({"data", "data\\database"}); }

void PrepareDefaultTables()
{
    PrepareDatabaseFolder();
    ASSERT_EQ(cDatabase().Save(false), 1u);
}

// Every table changed, so that an old and a new file always differ.
cDatabase EditedDatabase()
{
    cDatabase db;
    db.m_vAnimeSet[0].m_strName = "主人公";
    db.m_vAnime.emplace_back("ジャンプ");
    db.m_vCharaExcBmp[1].m_strName = "大きい";
    db.m_vSwordType[0].m_strName = "剣";
    db.m_vEffect[1].m_vFrame.resize(5);
    db.m_vCharaEffect[1].m_dwKind = 2;
    db.m_vScrEffect[1].m_dwKind = 3;
    // Pictures enough for a file of several blocks.
    db.m_vPicture.resize(1800);
    for (cEdPicture& picture : db.m_vPicture) picture.m_strPath = "bmp\\picture\\表.bmp";
    db.m_vSound.resize(3);
    db.m_vBgm[1].m_dwVolume = 50;
    return db;
}

bool ApplyDatabase() { return EditedDatabase().Save(false) == 1; }

// A project an older program wrote: the system data, the world map and half
// of the database tables are of version 800.
void PrepareOldProject()
{
    PrepareDatabaseFolder();
    cDatabase db = EditedDatabase();
    ASSERT_EQ(db.Save(false), 1u);
    cSystem sys = cSystem::Defaults();
    sys.m_strTitle = "古いゲーム";
    cWorldMap map;
    map.m_strName = "古い地図";
    SetDataVersion(800);
    EXPECT_EQ(SaveTable(db.m_vAnime, g_strPath[kPathAnime]), 1u);
    EXPECT_EQ(SaveTable(db.m_vSwordType, g_strPath[kPathSwordType]), 1u);
    EXPECT_EQ(SaveTable(db.m_vPicture, g_strPath[kPathPicture]), 1u);
    EXPECT_EQ(SaveTable(db.m_vSound, g_strPath[kPathSound]), 1u);
    EXPECT_EQ(SaveTable(db.m_vBgm, g_strPath[kPathBgm]), 1u);
    EXPECT_EQ(sys.cEdData::SaveFile(g_strPath[kPathSystem]), 1u);
    EXPECT_EQ(map.SaveFile(g_strPath[kPathWorldMap]), 1u);
    SetDataVersion(kDataVersion);
    EXPECT_EQ(cPrjOption().SaveFile(g_strPath[kPathPrjOption]), 1u);
    // Files that the upgrade-save leaves alone, of this version.
    EXPECT_TRUE(SaveGValInfo(cGValInfo(kGValCount), g_strPath[kPathGValInfo]));
    cCommonPalette common;
    common.EnsureMinimum();
    EXPECT_EQ(common.SaveFile(g_strPath[kPathCommonPalette]), 1u);
}

// Start-up's load of the project data and its upgrade-save.
bool LoadAndUpgradeSave()
{
    g_Database.SetDefaults();
    g_System = cSystem::Defaults();
    g_WorldMap.SetDefaults();
    g_PrjOption = cPrjOption();
    return LoadProjectData() && UpgradeSave();
}

std::vector<std::string> UpgradedFiles()
{
    std::vector<std::string> files = TablePaths();
    files.push_back(g_strPath[kPathSystem]);
    files.push_back(g_strPath[kPathWorldMap]);
    return files;
}

// A project whose data and editor settings were backed up before, with
// content that differs from today's in every folder.
void PrepareBackups(bool bPrevious)
{
    MakeFolders({"data", "data\\database", "data\\stg4", "e_data"});
    ASSERT_TRUE(WriteFileBytes("data\\System.dat", {0xB6, 3, 0, 0, 1}));
    ASSERT_TRUE(WriteFileBytes("data\\database\\Anime.dat", {1, 2, 3}));
    ASSERT_TRUE(WriteFileBytes("data\\stg4\\表.stg4_950", std::vector<u8>(3000, 7)));
    ASSERT_TRUE(WriteFileBytes("e_data\\EditConfig.dat", {9, 9}));
    if (!bPrevious) return;
    MakeFolders({"data_backup", "data_backup\\database", "e_data_backup"});
    ASSERT_TRUE(WriteFileBytes("data_backup\\System.dat", {0xB6, 3, 0, 0, 0}));
    ASSERT_TRUE(WriteFileBytes("data_backup\\database\\Anime.dat", {1, 2}));
    ASSERT_TRUE(WriteFileBytes("data_backup\\gone.dat", {5}));
    ASSERT_TRUE(WriteFileBytes("e_data_backup\\EditConfig.dat", {8}));
}

// The timed backup's copies of both folders (the project options it saves
// first are one more safe save of a data file, as in the rows above).
bool TimedBackup() { return BackupEditData(nullptr) && BackupEditorSettings(nullptr); }

const std::string kStageFile = "data\\stg4\\ステージ.stg4_950";
const std::string kStagePaletteFile = "data\\stg4\\ステージ.plt4";

// A stage saved before, then saved again with another name, a new size and
// a block entry more in its palette: the stage file and its palette file.
cStage EditedStage(bool bEdited)
{
    cStage stage;
    if (!bEdited) return stage;
    stage.m_strName = "森";
    stage.SetSize(40, 30, 0, 0);
    stage.m_Palette.m_vBlock.resize(stage.m_Palette.m_vBlock.size() + 1);
    return stage;
}

void PrepareStage()
{
    MakeFolders({"data", "data\\stg4"});
    const cStage stage = EditedStage(false);
    EXPECT_EQ(stage.SaveFile(kStageFile), 1u);
    EXPECT_TRUE(stage.SavePalette(kStagePaletteFile));
}

bool SaveStage()
{
    const cStage stage = EditedStage(true);
    return stage.SaveFile(kStageFile) == 1 && stage.SavePalette(kStagePaletteFile);
}

void PrepareStageOverwrite()
{
    MakeFolders({"data", "data\\stg4", "data\\work"});
    EXPECT_EQ(EditedStage(false).SaveFile(kStageFile), 1u);
}

// The stage window's overwrite: the file moved to data\work\, the stage
// written, the backup deleted.
bool OverwriteStageFile()
{
    cEditState state;
    state.m_strStagePath = kStageFile;
    state.m_bStageModified = 1;
    return OverwriteStage(EditedStage(true), state, StageFileOps(), nullptr) == eStageSave::Written;
}

void PrepareCommonPalette()
{
    MakeFolders({"data"});
    EXPECT_EQ(cCommonPalette().SaveFile(g_strPath[kPathCommonPalette]), 1u);
}

bool SaveCommonPalette()
{
    cCommonPalette palette;
    palette.m_Lists.m_vChara.resize(5);
    return palette.SaveFile(g_strPath[kPathCommonPalette]) == 1;
}

// First start: the data folder is made from the default copy.
void PrepareDefaultFolder()
{
    MakeFolders({"default", "default\\database"});
    ASSERT_TRUE(WriteFileBytes("default\\System.dat", {0xB6, 3, 0, 0}));
    ASSERT_TRUE(WriteFileBytes("default\\database\\Anime.dat", std::vector<u8>(5000, 1)));
}

bool MakeDefaultData()
{
    FakeHost().m_nDefaultAnswer = kIdYes;
    return CreateDefaultData(nullptr);
}

const std::vector<std::string> kBackupFolders = {"data_backup", "e_data_backup", "data", "e_data"};

std::vector<cSaveCrashCase> SaveCases()
{
    return {
        {"database Apply", PrepareDefaultTables, ApplyDatabase, TablePaths()},
        {"first database Apply", PrepareDatabaseFolder, ApplyDatabase, TablePaths()},
        {"stage save", PrepareStage, SaveStage, {kStageFile, kStagePaletteFile}},
        {"stage overwrite", PrepareStageOverwrite, OverwriteStageFile, {kStageFile}, [] { RecoverBrokenFile(kStageFile); }},
        {"common palette save", PrepareCommonPalette, SaveCommonPalette, {g_strPath[kPathCommonPalette]}},
        {"upgrade-save", PrepareOldProject, LoadAndUpgradeSave, UpgradedFiles()},
        {"timed backup", [] { PrepareBackups(true); }, TimedBackup, kBackupFolders, [] { RecoverBackups(); }},
        {"first timed backup", [] { PrepareBackups(false); }, TimedBackup, kBackupFolders, [] { RecoverBackups(); }},
        {"default data", PrepareDefaultFolder, MakeDefaultData, {"data", "default"}},
    };
}

// The project's data objects are put back at their defaults after each test.
class SaveCrash : public cCoreTest {
protected:
    void TearDown() override
    {
        ResetProjectData();
        cCoreTest::TearDown();
    }
};

TEST_F(SaveCrash, EveryFailingStepLeavesOldOrNewContent)
{
    for (const cSaveCrashCase& c : SaveCases()) {
        u32 nSteps = RunSaveCrashCase(c, cCrashFs::eMode::Fail);
        EXPECT_GT(nSteps, 0u) << c.lpName;
    }
}

#ifndef _WIN32
TEST_F(SaveCrash, AProcessStoppedAtAnyStepLeavesOldOrNewContent)
{
    for (const cSaveCrashCase& c : SaveCases()) RunSaveCrashCase(c, cCrashFs::eMode::Stop);
}
#endif

}  // namespace
