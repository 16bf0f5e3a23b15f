#include <gtest/gtest.h>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/log.h"
#include "data/database.h"
#include "data/project_paths.h"
#include "flow/ed_shot.h"
#include "flow/flow_refs.h"
#include "db_test_util.h"
#include "support/test_env.h"

using namespace dbbytes;

namespace {

const char* const kTablePaths[] = {
    "data\\database\\AnimeSet.dat",  "data\\database\\Anime.dat",       "data\\database\\Bmp_CharaExc.dat",
    "data\\database\\SwordType.dat", "data\\database\\Effect.dat",      "data\\database\\CharaEffect.dat",
    "data\\database\\ScrEffect.dat", "data\\database\\Picture.dat",     "data\\database\\Sound.dat",
    "data\\database\\Bgm.dat",
};

// The default database as written at version 950, file by file, built from
// the record layouts and the default records of each table.
std::vector<std::vector<u8>> DefaultFiles()
{
    const std::vector<u8> noParams = cBytes().U32(0).U32(0).U32(0).U32(0).U32(0);
    auto basicAnime = [](cBytes& b, const std::string& strName) {
        // numeric block: sample number u16, sample kind u8, start frame u16
        b.U32(3).U16(0).U8(1).U16(0).U32(1).Str(strName);
        // one pattern: frame 0, display time 1, no command; no strings
        b.U32(1).U32(3).U32(0).U32(1).U32(0).U32(0);
    };
    cBytes animeSet;
    animeSet.U32(950).U32(1).U32(3).U32(4).U32(8).U32(0).U32(1).Str("").U32(4);
    for (const char* lpName : {"立ち", "立ち移動", "飛行", "飛行移動"}) basicAnime(animeSet, lpName);
    cBytes anime;
    anime.U32(950).U32(2);
    basicAnime(anime, "なし");
    basicAnime(anime, "アクションA");

    cBytes charaExc, effect, charaEffect, scrEffect, picture, sound, bgm;
    charaExc.U32(950).U32(2);
    effect.U32(950).U32(2);
    picture.U32(950).U32(2);
    sound.U32(950).U32(2);
    bgm.U32(950).U32(2);
    for (int i = 0; i < 2; ++i) {
        charaExc.U32(3).U32(0).U32(0).U32(2).U32(2).Str("").Str("");
        effect.U32(4).U32(0).U32(32).U32(32).U32(0).U32(2).Str("").Str("").U32(1).U32(2).U32(0).U32(1).U32(0);
        picture.U32(1).U32(0).U32(2).Str("").Str("");
        sound.U32(1).U32(0).U32(2).Str("").Str("");
        bgm.U32(2).U32(0).U32(100).U32(2).Str("").Str("");
    }
    // Record 0 of both effect tables is "no effect"; record 1 is a new record.
    for (cBytes* lpTable : {&charaEffect, &scrEffect}) {
        lpTable->U32(950).U32(2);
        lpTable->U32(2).U32(0).Raw(noParams).U32(1).Str("");
        lpTable->U32(2).U32(1).Raw(noParams).U32(1).Str("");
    }
    cBytes sword;
    sword.U32(950).U32(1).U32(1).U32(0).U32(3).Str("").Str("").Str("").U32(1);
    sword.U32(10).U32(0).U32(0).U32(1).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0).U32(1).U32(0);
    return {animeSet, anime, charaExc, sword, effect, charaEffect, scrEffect, picture, sound, bgm};
}

template <class T>
bool SameTable(const std::vector<T>& a, const std::vector<T>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!cEdData::IsEqual(a[i], b[i])) return false;
    return true;
}

class Database : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        CreateFolders(g_lpProjectFolders);
    }
    // Every table of the default database saved.
    void SaveDefaults()
    {
        cDatabase db;
        ASSERT_EQ(db.Save(false), 1u);
    }
    std::vector<std::vector<u8>> AllFiles()
    {
        std::vector<std::vector<u8>> files;
        for (const char* lpPath : kTablePaths) files.push_back(ReadFileBytes(lpPath));
        return files;
    }
};

TEST_F(Database, DefaultTablesAreSavedByteForByteAndReloadEqual)
{
    cDatabase db;
    std::vector<std::string> failed;
    ASSERT_EQ(db.Save(false, &failed), 1u);
    EXPECT_TRUE(failed.empty());
    const std::vector<std::vector<u8>> expected = DefaultFiles();
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(kTablePaths[i]);
        EXPECT_BYTES(expected[i], ReadFileBytes(kTablePaths[i]));
        EXPECT_FALSE(FileSystem().Exists(std::string(kTablePaths[i]) + ".tmp"));
    }

    // Loading over a database with other contents gives the saved one back.
    cDatabase back;
    back.m_vAnime.resize(7);
    back.m_vBgm[1].m_dwVolume = 3;
    back.m_vSwordType[0].m_vPos.clear();
    ASSERT_EQ(back.Load(), 1u);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_TRUE(SameTable(db.m_vAnimeSet, back.m_vAnimeSet));
    EXPECT_TRUE(SameTable(db.m_vAnime, back.m_vAnime));
    EXPECT_TRUE(SameTable(db.m_vCharaExcBmp, back.m_vCharaExcBmp));
    EXPECT_TRUE(SameTable(db.m_vSwordType, back.m_vSwordType));
    EXPECT_TRUE(SameTable(db.m_vEffect, back.m_vEffect));
    EXPECT_TRUE(SameTable(db.m_vCharaEffect, back.m_vCharaEffect));
    EXPECT_TRUE(SameTable(db.m_vScrEffect, back.m_vScrEffect));
    EXPECT_TRUE(SameTable(db.m_vPicture, back.m_vPicture));
    EXPECT_TRUE(SameTable(db.m_vSound, back.m_vSound));
    EXPECT_TRUE(SameTable(db.m_vBgm, back.m_vBgm));
    // The lists behind the registered fields came back too.
    EXPECT_EQ(back.m_vAnimeSet[0].m_vAnime.size(), 4u);
    EXPECT_EQ(back.m_vAnimeSet[0].m_vAnime[3].m_strName, "飛行移動");
    ASSERT_EQ(back.m_vSwordType[0].m_vPos.size(), 1u);
    EXPECT_EQ(back.m_vSwordType[0].m_vPos[0].m_dwTime, 1u);

    // Saving what was loaded writes the same bytes again.
    ASSERT_EQ(back.Save(false), 1u);
    EXPECT_EQ(AllFiles(), expected);
}

TEST_F(Database, LoadStopsAtTheFirstFileThatFails)
{
    SaveDefaults();
    OpenReportLog("Report_Editor.txt");
    // Readable tables before and after the failing one.
    ASSERT_TRUE(WriteFileBytes(kTablePaths[1], TableFile(950, 2, [](cBytes& b) {
                                   Anime(b, 950, "走る");
                                   Anime(b, 950, "跳ぶ");
                               })));
    ASSERT_TRUE(WriteFileBytes(kTablePaths[8],
                               TableFile(950, 1, [](cBytes& b) { FileEntry(b, 950, "s", "wave\\s.wav", 0); })));
    const std::string strMissing =
        "data\\database\\Picture.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。";
    const std::string strNewer =
        "data\\database\\Picture.dat の読み込みに失敗しました！\n実行ファイル(.exe)より上位のバージョンのファイルは使用できません。";
    struct cCase {
        const char* lpWhat;
        bool bPresent;
        std::vector<u8> picture;
        std::string strMessage;
        u32 bNewer;
    } cases[] = {
        {"missing", false, {}, strMissing, 0},
        {"newer", true, cBytes().U32(951).U32(0), strNewer, 1},
        {"record cut short", true, cBytes().U32(950).U32(1).U32(1).U32(0).U32(2).U32(5).U8('a'), strMissing, 0},
        {"more records than the file holds", true, cBytes().U32(950).U32(1000), strMissing, 0},
        {"no version word", true, cBytes().U8(0xB6).U8(3), strMissing, 0},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        FakeHost().m_Messages.clear();
        FileSystem().RemoveFile(kTablePaths[7]);
        if (c.bPresent) {
            ASSERT_TRUE(WriteFileBytes(kTablePaths[7], c.picture));
        }
        cDatabase db;
        db.m_vPicture[1].m_strName = "kept";
        EXPECT_EQ(db.Load(), 0u);
        EXPECT_EQ(g_bNewerFile, c.bNewer);
        ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
        EXPECT_EQ(FakeHost().m_Messages[0].strText, c.strMessage);
        EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "エラー");
        EXPECT_NE(ReadFileText("Report_Editor.txt").find(c.strMessage), std::string::npos);
        // The tables before it were read, the failing one and those after it not.
        ASSERT_EQ(db.m_vAnime.size(), 2u);
        EXPECT_EQ(db.m_vAnime[0].m_strName, "走る");
        EXPECT_EQ(db.m_vAnime[1].m_strName, "跳ぶ");
        EXPECT_EQ(db.m_vPicture.size(), 2u);
        EXPECT_EQ(db.m_vPicture[1].m_strName, "kept");
        EXPECT_EQ(db.m_vSound[0].m_strPath, "");
    }
}

TEST_F(Database, NewerFileStopsTheLoadBeforeLaterTables)
{
    SaveDefaults();
    ASSERT_TRUE(WriteFileBytes(kTablePaths[0], TableFile(951, 1, [](cBytes& b) {
                                   AnimeSet(b, 950, "new", 1, 2, 3, {"a", "b", "c", "d"});
                               })));
    ASSERT_TRUE(WriteFileBytes(kTablePaths[1], TableFile(950, 1, [](cBytes& b) { Anime(b, 950, "走る"); })));
    cDatabase db;
    EXPECT_EQ(db.Load(), 0u);
    EXPECT_EQ(g_bNewerFile, 1u);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText,
              "data\\database\\AnimeSet.dat の読み込みに失敗しました！\n実行ファイル(.exe)より上位のバージョンのファイルは使用できません。");
    EXPECT_EQ(db.m_vAnimeSet[0].m_strName, "");
    EXPECT_EQ(db.m_vAnime[0].m_strName, "なし");
}

TEST_F(Database, TheNoneEntryOfBothEffectTablesHasNoEffect)
{
    SaveDefaults();
    for (const char* lpPath : {kTablePaths[5], kTablePaths[6]}) {
        ASSERT_TRUE(WriteFileBytes(lpPath, TableFile(950, 2, [](cBytes& b) {
                                       KindEffect(b, "none", 5, {1, 2, 3, 4, 5});
                                       KindEffect(b, "x", 5, {1, 2, 3, 4, 5});
                                   })));
    }
    cDatabase db;
    ASSERT_EQ(db.Load(), 1u);
    EXPECT_EQ(db.m_vCharaEffect[0].m_dwKind, 0u);
    EXPECT_EQ(db.m_vScrEffect[0].m_dwKind, 0u);
    EXPECT_EQ(db.m_vCharaEffect[1].m_dwKind, 5u);
    EXPECT_EQ(db.m_vCharaEffect[0].m_anParam[4], 5);

    // Whatever a page put there, the save writes kind 0.
    db.m_vScrEffect[0].m_dwKind = 7;
    ASSERT_EQ(db.Save(false), 1u);
    EXPECT_BYTES(TableFile(950, 2, [](cBytes& b) {
                     KindEffect(b, "none", 0, {1, 2, 3, 4, 5});
                     KindEffect(b, "x", 5, {1, 2, 3, 4, 5});
                 }),
                 ReadFileBytes(kTablePaths[6]));
}

TEST_F(Database, OldSwordTypeFilesCountOnlyTheirFirst128Records)
{
    SaveDefaults();
    struct cCase {
        u32 dwVersion;
        u32 nStored;
        size_t nLoaded;
    } cases[] = {{827, 200, 128}, {827, 129, 128}, {827, 128, 128}, {828, 200, 200}, {950, 300, 300}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dwVersion << " with " << c.nStored);
        ASSERT_TRUE(WriteFileBytes(kTablePaths[3], TableFile(c.dwVersion, c.nStored, [&](cBytes& b) {
                                       for (u32 i = 0; i < c.nStored; ++i)
                                           SwordType(b, c.dwVersion, std::to_string(i), "", "", 0, {});
                                   })));
        cDatabase db;
        ASSERT_EQ(db.Load(), 1u);
        ASSERT_EQ(db.m_vSwordType.size(), c.nLoaded);
        EXPECT_EQ(db.m_vSwordType.back().m_strName, std::to_string(c.nLoaded - 1));
    }
}

TEST_F(Database, StartUpUpgradeRewritesOnlyOlderFiles)
{
    SaveDefaults();
    // Anime.dat is current but differs from what the program holds; Bgm.dat
    // is old; Sound.dat is newer; Picture.dat is missing.
    const std::vector<u8> currentAnime = TableFile(950, 1, [](cBytes& b) { Anime(b, 950, "走る"); });
    const std::vector<u8> newerSound = cBytes().U32(951).U32(0);
    ASSERT_TRUE(WriteFileBytes(kTablePaths[1], currentAnime));
    ASSERT_TRUE(WriteFileBytes(kTablePaths[9], TableFile(900, 1, [](cBytes& b) { Bgm(b, 900, "b", "bgm\\b.mid", 1, 40); })));
    ASSERT_TRUE(WriteFileBytes(kTablePaths[8], newerSound));
    ASSERT_TRUE(FileSystem().RemoveFile(kTablePaths[7]));
    std::vector<std::vector<u8>> before = AllFiles();

    cDatabase db;
    db.m_vBgm[1].m_strName = "held";
    db.m_vAnime[1].m_strName = "held";
    std::vector<std::string> failed;
    EXPECT_EQ(db.Save(true, &failed), 1u);
    EXPECT_TRUE(failed.empty());
    std::vector<std::vector<u8>> after = AllFiles();
    for (size_t i = 0; i < 9; ++i) EXPECT_EQ(after[i], before[i]) << kTablePaths[i];
    EXPECT_FALSE(FileSystem().Exists(kTablePaths[7]));
    EXPECT_BYTES(TableFile(950, 2, [](cBytes& b) {
                     Bgm(b, 950, "", "", 0, 100);
                     Bgm(b, 950, "held", "", 0, 100);
                 }),
                 after[9]);
}

TEST_F(Database, NothingIsWrittenUnderTheFatalErrorFlag)
{
    SaveDefaults();
    const std::vector<std::vector<u8>> before = AllFiles();
    ASSERT_TRUE(FileSystem().RemoveFile(kTablePaths[4]));
    SetFatalError();
    cDatabase db;
    db.m_vAnime[0].m_strName = "changed";
    std::vector<std::string> failed;
    EXPECT_EQ(db.Save(false, &failed), 0u);
    EXPECT_EQ(failed.size(), 10u);
    EXPECT_FALSE(FileSystem().Exists(kTablePaths[4]));
    std::vector<std::vector<u8>> after = AllFiles();
    for (size_t i = 0; i < 10; ++i) {
        if (i != 4) {
            EXPECT_EQ(after[i], before[i]) << kTablePaths[i];
        }
        EXPECT_FALSE(FileSystem().Exists(std::string(kTablePaths[i]) + ".tmp"));
    }
}

TEST_F(Database, AFailedTableSaveIsReportedAndKeepsTheOldFile)
{
    SaveDefaults();
    const std::vector<std::vector<u8>> before = AllFiles();
    cDatabase db;
    for (cEdEffect& e : db.m_vEffect) e.m_strName = "e";
    for (cEdBgm& b : db.m_vBgm) b.m_strName = "b";
    cFaultFs fs;
    fs.m_strFailReplace = "Effect.dat";  // also hits CharaEffect.dat and ScrEffect.dat
    SetFileSystem(&fs);
    std::vector<std::string> failed;
    EXPECT_EQ(db.Save(false, &failed), 0u);
    SetFileSystem(nullptr);
    EXPECT_EQ(failed, (std::vector<std::string>{kTablePaths[4], kTablePaths[5], kTablePaths[6]}));
    std::vector<std::vector<u8>> after = AllFiles();
    EXPECT_EQ(after[4], before[4]);
    EXPECT_FALSE(FileSystem().Exists(std::string(kTablePaths[4]) + ".tmp"));
    // The files after the failing ones were still written.
    EXPECT_NE(after[9], before[9]);
}

TEST_F(Database, DefaultContent)
{
    cDatabase db;
    const size_t counts[] = {db.m_vAnimeSet.size(),  db.m_vAnime.size(),       db.m_vCharaExcBmp.size(),
                             db.m_vSwordType.size(), db.m_vEffect.size(),      db.m_vCharaEffect.size(),
                             db.m_vScrEffect.size(), db.m_vPicture.size(),     db.m_vSound.size(),
                             db.m_vBgm.size()};
    EXPECT_EQ(std::vector<size_t>(std::begin(counts), std::end(counts)),
              (std::vector<size_t>{1, 2, 2, 1, 2, 2, 2, 2, 2, 2}));
    // A new distortion effect has kind 1 and all parameters 0, not kind 1's defaults.
    EXPECT_EQ(db.m_vCharaEffect[1].m_dwKind, 1u);
    EXPECT_EQ(db.m_vCharaEffect[1].m_anParam[0], 0);

    // SetDefaults throws away whatever the tables held.
    db.m_vAnime.clear();
    db.m_vBgm.resize(9);
    db.m_vAnimeSet[0].m_dwFlyOffset = 5;
    db.SetDefaults();
    ASSERT_EQ(db.m_vAnime.size(), 2u);
    EXPECT_EQ(db.m_vAnime[1].m_strName, "アクションA");
    EXPECT_EQ(db.m_vBgm.size(), 2u);
    EXPECT_EQ(db.m_vAnimeSet[0].m_dwFlyOffset, 0u);
}

}  // namespace

TEST_F(Database, FlowRecordsCheckEffectReferencesAgainstTheEffectTable)
{
    cDatabase db;
    db.m_vEffect.resize(3);
    SetFlowRefs(&db);
    cEdShot shot;
    shot.m_wEffect = 2;
    shot.Normalize();
    EXPECT_EQ(shot.m_wEffect, 2);
    shot.m_wEffect = 3;
    shot.Normalize();
    EXPECT_EQ(shot.m_wEffect, 0);
    SetFlowRefs(nullptr);
}

TEST_F(Database, AnswersTableCountsAndSwordTimes)
{
    cDatabase db;
    const struct {
        eFlowRefTable eTable;
        size_t nCount;
        void (*pfnResize)(cDatabase&, size_t);
    } tables[] = {
        {eFlowRefTable::AnimeSet, 3, [](cDatabase& d, size_t n) { d.m_vAnimeSet.resize(n); }},
        {eFlowRefTable::Anime, 4, [](cDatabase& d, size_t n) { d.m_vAnime.resize(n); }},
        {eFlowRefTable::CharaExcBmp, 5, [](cDatabase& d, size_t n) { d.m_vCharaExcBmp.resize(n); }},
        {eFlowRefTable::SwordType, 6, [](cDatabase& d, size_t n) { d.m_vSwordType.resize(n); }},
        {eFlowRefTable::Effect, 7, [](cDatabase& d, size_t n) { d.m_vEffect.resize(n); }},
        {eFlowRefTable::CharaEffect, 8, [](cDatabase& d, size_t n) { d.m_vCharaEffect.resize(n); }},
        {eFlowRefTable::ScrEffect, 9, [](cDatabase& d, size_t n) { d.m_vScrEffect.resize(n); }},
        {eFlowRefTable::Picture, 10, [](cDatabase& d, size_t n) { d.m_vPicture.resize(n); }},
        {eFlowRefTable::Sound, 11, [](cDatabase& d, size_t n) { d.m_vSound.resize(n); }},
        {eFlowRefTable::Bgm, 12, [](cDatabase& d, size_t n) { d.m_vBgm.resize(n); }},
    };
    for (const auto& t : tables) t.pfnResize(db, t.nCount);
    for (const auto& t : tables) EXPECT_EQ(db.Count(t.eTable), t.nCount);

    db.m_vSwordType[1].m_vPos.resize(2);
    db.m_vSwordType[1].m_vPos[0].m_dwTime = 5;
    db.m_vSwordType[1].m_vPos[1].m_dwTime = 70;
    std::vector<u32> times;
    ASSERT_TRUE(db.SwordPosTimes(1, times));
    EXPECT_EQ(times, (std::vector<u32>{5, 70}));
    EXPECT_FALSE(db.SwordPosTimes(6, times));
    EXPECT_TRUE(times.empty());
}
