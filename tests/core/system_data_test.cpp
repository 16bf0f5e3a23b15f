#include <gtest/gtest.h>

#include <cstring>

#include "app/fatal.h"
#include "app/file_system.h"
#include "data/database.h"
#include "data/project_paths.h"
#include "data/system_data.h"
#include "system_test_util.h"

namespace {

class SystemData : public cCoreTest {};

const char* const kHelp =
    "「手動登録」によるランキング登録はステージクリア時にF3キーを押しましょう。\r\n\r\n"
    "リプレイは自動保存の設定に関係なくF1・F2キーでも手動保存できます。\r\n"
    "F1キー:現在プレイ中のステージにおける今回のプレイを保存\r\n"
    "F2キー:現在プレイ中のステージにおける1つ前のプレイを保存\r\n\r\n"
    "「リプレイ再生順」の「ソート順＆ステージクリアのみ」では、ファイル名の最後が\r\n"
    "「_CLEAR_」となっているリプレイのみが再生対象となります。";

cBytes& Flags(cBytes& b, std::initializer_list<u8> flags)
{
    b.U32(static_cast<u32>(flags.size()));
    for (u8 f : flags) b.U8(f);
    return b;
}

cBytes& Strs(cBytes& b, std::initializer_list<const char*> texts)
{
    b.U32(static_cast<u32>(texts.size()));
    for (const char* t : texts) b.Str(t);
    return b;
}

cBytes& Items(cBytes& b, std::initializer_list<const char*> texts)
{
    b.U32(static_cast<u32>(texts.size()));
    for (const char* t : texts) b.U32(1).U32(1).U32(1).Str(t);
    return b;
}

// A new project's System.dat, byte by byte from the member and list tables.
std::vector<u8> DefaultFile()
{
    cBytes b;
    b.U32(950).U32(93);
    b.U32(0).U32(100).U32(0).U32(1).U32(0).U32(60).U32(0).U32(0).U32(0).U32(1);  // 1-10
    b.U32(0).U32(0).U32(0).U32(1).U32(1).U32(1).U32(1).U32(1).U32(1).U32(0);     // 11-20
    b.U32(40).U32(1).U32(1).U32(1).U32(1).U32(1).U32(1).U32(1).U32(1).U32(1);    // 21-30
    b.U32(1).U32(0).U32(0).U8(0).U8(0).U8(0).U32(0);                             // 31-37
    b.U32(0).U32(0).U32(0).U32(16).U32(0).U32(1);                                // 39-44
    for (int n = 45; n <= 91; ++n) b.U32(0);                                     // switches
    b.U32(0).U32(2).U32(0);                                                      // 92-94
    b.U32(2).Str("").Str(kHelp);

    Flags(b, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0});  // stock targets
    Flags(b, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // reset after death
    b.U32(5);
    const struct {
        u32 dwDigits;
        const char* lpLabel;
    } status[] = {{4, "スコア"}, {3, "スコア"}, {0, "HP"}, {0, "SP"}, {2, "人"}};
    for (const auto& s : status) b.U32(6).U32(1).U32(1).U32(s.dwDigits).U32(0).U32(0).U32(0).U32(1).Str(s.lpLabel);
    b.U32(4).U32(5).U32(5).U32(5).U32(99);  // initial lives
    b.U32(4).U32(1).U32(1).U32(1).U32(1);   // infinite lives
    b.U32(4);
    for (int i = 0; i < 3; ++i) Flags(b.U32(1).U32(1).U32(0), {1, 1, 1, 1, 1});
    Flags(b.U32(1).U32(0).U32(0), {0, 0, 0, 0, 0});
    Strs(b, {"ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア", "スコア", "残り時間", "クリア時間",
             "残りHP", "残りSP", "ステージに挑む", "やっぱりやめる", "セーブする", "やっぱりやめる",
             "オートセーブＯＮ", "オートセーブＯＦＦ", "保存先が不明です！一度は「セーブ」して下さい！",
             "タイトルへ戻る", "やっぱりやめる", "しゅうりょう", "つづける", "リトライ", "マップへ戻る",
             "次のリプレイへ", "前のリプレイへ", "リプレイの選択へ", "リトライ", "マップへ戻る",
             "Vキーでジャンルの切り替え", "スペースキーでタイトルへ戻る", "スペースキーで終了",
             "F3キーでランキングへ登録", "Cキー：ソートの切り替え", "Vキー：エクスプローラーで開く",
             "Aキー：ファイル情報の更新", "更新日時順↓（推奨）", "更新日時順↑", "ファイル名順↓", "ファイル名順↑"});
    b.U32(17);
    for (int i = 0; i < 17; ++i) b.Str("");
    b.U32(6).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
    Flags(b, {1, 1, 1, 1, 1, 1});
    Items(b, {"はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう"});
    Items(b, {"セーブ", "オートセーブ", "もどる", "タイトルへ"});
    Items(b, {"カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "リプレイ自動保存", "リプレイ再生順",
              "リプレイのメッセージ自動進行秒数", "もどる"});
    Strs(b, {"手動登録（登録名入力）", "手動登録（登録名固定）", "自動登録（登録名入力）", "自動登録（登録名固定）"});
    b.U32(11);
    const struct {
        const char* lpKey;
        u32 dwKind, dwNumber;
    } ini[] = {{"Direct3D", 0, 2},      {"WindowMode", 0, 0},      {"Bpp", 0, 0},     {"VSync", 0, 2},
               {"D3D_FontCache", 0, 0}, {"DD_FontCache", 0, 1},    {"DD_VideoStretch", 0, 0},
               {"ShowFps", 0, 1},       {"FreeStage", 1, 0},       {"English", 0, 0}, {"Midi_DirectMusic", 0, 1}};
    for (const auto& e : ini) b.U32(2).U32(e.dwKind).U32(e.dwNumber).U32(2).Str(e.lpKey).Str("");
    return b;
}

TEST_F(SystemData, NewProjectFileByteForByte)
{
    EXPECT_EQ(strlen(kHelp), 398u);
    EXPECT_EQ(cSystem::FieldTable().Count(950, false), 93u);
    EXPECT_EQ(cSystem::FieldTable().Count(950, true), 2u);
    cSystem sys;
    EXPECT_BYTES(DefaultFile(), SavedBytes(sys));
    EXPECT_TRUE(sys.m_vReplaySaveKind == std::vector<std::string>({"自動保存しない", "ステージクリア時のみ", "全て保存"}));
    EXPECT_TRUE(sys.m_vReplayOrder ==
                std::vector<std::string>({"ソート順", "ソート順＆ステージクリアのみ", "同じリプレイをリピート"}));

    cSystem back;
    back.m_strTitle = "x";
    ASSERT_TRUE(LoadFromBytes(back, DefaultFile()));
    EXPECT_TRUE(back == sys);
}

// Distinct values in every member and list entry.
cSystem Sample()
{
    cSystem s;
    for (int n = 1; n <= cSystem::kLastMember; ++n) s.SetMember(n, sysbytes::IsByteMember(n) ? 200 + n : 1000 + n);
    s.m_strTitle = "マイゲーム";
    s.m_strOptionHelp = "説明";
    for (size_t i = 0; i < s.m_vStockTarget.size(); ++i) s.m_vStockTarget[i] = static_cast<u8>(i);
    for (size_t i = 0; i < s.m_vResetAfterDeath.size(); ++i) s.m_vResetAfterDeath[i] = static_cast<u8>(50 + i);
    for (size_t i = 0; i < s.m_vStatusItem.size(); ++i) {
        cSysStatusItem& item = s.m_vStatusItem[i];
        item.m_bShowNumber = static_cast<u32>(i);
        item.m_dwBarThreshold = static_cast<u32>(10 * i);
        item.m_dwBarUnit = static_cast<u32>(i % 2);
        item.m_strLabel += "!";
    }
    s.m_vInitialLives = {1, 2, 3, 4};
    s.m_vInfiniteLives = {0, 1, 0, 1};
    s.m_vRanking[3].m_bOn = 1;
    s.m_vRanking[3].m_vItem = {1, 0, 1, 0, 1};
    s.m_vGameText[38] = "最後";
    s.m_vSoundEffect[16] = "wave\\rank.wav";
    s.m_vScreenBgm = {0, 1, 2, 3, 4, 5};
    s.m_vScreenBgmLoop = {0, 1, 0, 1, 0, 1};
    s.m_vTitleMenu[6].m_bShown = 0;
    s.m_vPauseMenu[0].m_strText = "保存";
    s.m_vOptionMenu[8].m_strText = "戻る";
    s.m_vRankingKind[0] = "手動";
    s.m_vIniDefault[8].m_strText = "stage01";
    s.m_vIniDefault[10].m_dwNumber = 0;
    return s;
}

TEST_F(SystemData, EveryMemberAndListRoundTripsAtItsPlace)
{
    const cSystem s = Sample();
    // The numbers name the members the settings pages bind.
    EXPECT_EQ(s.m_dwFont, 1006u);
    EXPECT_EQ(s.m_byTransparentG, 235);
    EXPECT_EQ(s.m_bCompatAutoScrollAim, 1037u);
    EXPECT_EQ(s.m_bCompatGiantFlyPos, 1039u);
    EXPECT_EQ(s.m_bStoryMapFromPause, 1044u);
    EXPECT_EQ(s.m_adwCompat[0], 1045u);
    EXPECT_EQ(s.m_adwCompat[46], 1091u);
    EXPECT_EQ(s.m_bFreeStageToTitle, 1094u);
    EXPECT_EQ(s.GetMember(38), 0u);

    const std::vector<u8> expected = sysbytes::File(950, s);
    EXPECT_BYTES(expected, SavedBytes(s));
    cSystem back;
    ASSERT_TRUE(LoadFromBytes(back, expected));
    EXPECT_TRUE(back == s);
    EXPECT_FALSE(back == cSystem());
}

TEST_F(SystemData, DamagedFileIsRefusedAndChangesNothing)
{
    const std::vector<u8> full = sysbytes::File(950, Sample());
    const cSystem before;
    for (size_t n = 0; n < full.size(); n += 37) {
        cSystem sys;
        EXPECT_FALSE(LoadFromBytes(sys, std::vector<u8>(full.begin(), full.begin() + n))) << "length " << n;
        EXPECT_TRUE(sys == before) << "length " << n;
    }
    // A count far beyond the file's end.
    std::vector<u8> huge = DataFile(950, cBytes().Raw(sysbytes::Body(950, before)).U32(0x7FFFFFFF));
    cSystem sys;
    EXPECT_FALSE(LoadFromBytes(sys, huge));
    EXPECT_TRUE(sys == before);
}

TEST_F(SystemData, ListsOfAnyStoredCountComeBackAtTheirFixedSizes)
{
    cSystem odd;
    odd.m_vStockTarget = {9, 9, 9};
    odd.m_vStatusItem.resize(7);
    odd.m_vInitialLives = {7};
    odd.m_vRanking.resize(2);
    odd.m_vRanking[0].m_vItem = {0, 1};
    odd.m_vRanking[1].m_vItem.assign(9, 0);
    odd.m_vGameText = {"一", "二"};
    odd.m_vSoundEffect.assign(30, "a.wav");
    odd.m_vScreenBgm.clear();
    odd.m_vTitleMenu.clear();
    odd.m_vOptionMenu.resize(12);
    odd.m_vRankingKind.resize(1);
    odd.m_vIniDefault.resize(3);
    cSystem sys;
    ASSERT_TRUE(LoadFromBytes(sys, sysbytes::File(950, odd)));

    const cSystem& d = cSystem::Defaults();
    EXPECT_EQ(sys.m_vStockTarget.size(), 25u);
    EXPECT_EQ(sys.m_vStockTarget[2], 9);
    EXPECT_EQ(sys.m_vStockTarget[3], d.m_vStockTarget[3]);
    EXPECT_EQ(sys.m_vStatusItem.size(), 5u);
    EXPECT_EQ(sys.m_vInitialLives, (std::vector<u32>{7, 5, 5, 99}));
    ASSERT_EQ(sys.m_vRanking.size(), 4u);
    EXPECT_EQ(sys.m_vRanking[0].m_vItem, (std::vector<u8>{0, 1, 1, 1, 1}));
    EXPECT_EQ(sys.m_vRanking[1].m_vItem.size(), 5u);
    EXPECT_TRUE(sys.m_vRanking[3] == d.m_vRanking[3]);
    ASSERT_EQ(sys.m_vGameText.size(), 39u);
    EXPECT_EQ(sys.m_vGameText[1], "二");
    EXPECT_EQ(sys.m_vGameText[2], "スコア");
    EXPECT_EQ(sys.m_vSoundEffect.size(), 17u);
    EXPECT_EQ(sys.m_vScreenBgm, std::vector<u32>(6, 0)) << "a stored count of 0 keeps the defaults";
    EXPECT_TRUE(sys.m_vTitleMenu == d.m_vTitleMenu) << "an empty list is filled with the defaults";
    EXPECT_EQ(sys.m_vOptionMenu.size(), 9u);
    EXPECT_EQ(sys.m_vRankingKind.size(), 4u);
    ASSERT_EQ(sys.m_vIniDefault.size(), 11u);
    EXPECT_EQ(sys.m_vIniDefault[10].m_strKey, "Midi_DirectMusic");
}

TEST_F(SystemData, BgmIndicesOutsideTheBgmTableBecomeZero)
{
    cDatabase db;
    db.m_vBgm.resize(3);
    cSystem sys;
    sys.SetDatabase(&db);
    sys.m_vScreenBgm = {2, 3, 7, 0, 1, 2};
    cSystem expected = sys;
    expected.m_vScreenBgm = {2, 0, 0, 0, 1, 2};
    EXPECT_BYTES(SavedBytes(expected), SavedBytes(sys));
    EXPECT_EQ(sys.m_vScreenBgm[1], 3u) << "saving alone leaves the object";

    sys.ClampBgmIndices();
    EXPECT_EQ(sys.m_vScreenBgm, expected.m_vScreenBgm);

    // Loading clamps against the table of the moment.
    cSystem stored;
    stored.m_vScreenBgm = {5, 2, 3, 0, 0, 0};
    cSystem loaded;
    loaded.SetDatabase(&db);
    ASSERT_TRUE(LoadFromBytes(loaded, sysbytes::File(950, stored)));
    EXPECT_EQ(loaded.m_vScreenBgm, (std::vector<u32>{0, 2, 0, 0, 0, 0}));
}

TEST_F(SystemData, SaveFileOnlyIfOlderRewritesOnlyAnOlderProgramsFile)
{
    ASSERT_TRUE(FileSystem().MakeFolder("data"));
    const std::string strPath = g_strPath[kPathSystem];
    cSystem sys;

    EXPECT_EQ(sys.SaveFile(1u), 0u) << "no file to upgrade";
    EXPECT_FALSE(FileSystem().Exists(strPath));

    const std::vector<u8> current = sysbytes::File(950, Sample());
    ASSERT_TRUE(WriteFileBytes(strPath, current));
    EXPECT_EQ(sys.SaveFile(1u), 0u);
    EXPECT_BYTES(current, ReadFileBytes(strPath));

    ASSERT_TRUE(WriteFileBytes(strPath, sysbytes::File(949, Sample())));
    EXPECT_EQ(sys.SaveFile(1u), 1u);
    EXPECT_BYTES(DefaultFile(), ReadFileBytes(strPath));

    ASSERT_TRUE(WriteFileBytes(strPath, current));
    EXPECT_EQ(sys.SaveFile(0u), 1u) << "the settings window always writes";
    EXPECT_BYTES(DefaultFile(), ReadFileBytes(strPath));

    SetFatalError();
    EXPECT_EQ(sys.SaveFile(0u), 0u);
}

TEST_F(SystemData, OptionTables)
{
    EXPECT_EQ(g_SysFontNames.Count(), 122u);
    EXPECT_STREQ(g_SysFontNames.At(60), "ＭＳ Ｐゴシック");
    EXPECT_STREQ(g_SysFontNames.At(121), "Sydnie");
    EXPECT_EQ(g_SysStockItemNames.Count(), 25u);
    EXPECT_STREQ(g_SysStockItemNames.At(11), "残りHP");
    EXPECT_EQ(g_SysSoundEffectNames.Count(), 17u);
    EXPECT_EQ(g_SysScreenBgmNames.Count(), 6u);
    EXPECT_EQ(g_SysCharaDrawTypeNames.Count(), 2u);
    EXPECT_EQ(g_SysReplayFileNameNames.Count(), 2u);
    EXPECT_EQ(g_SysBitmapFormatNames.Count(), 2u);
    EXPECT_EQ(g_SysDDBppNames.Count(), 3u);
    EXPECT_EQ(g_SysD3DBppNames.Count(), 2u);
    EXPECT_STREQ(g_SysDDBppNames.At(2), "8bit(256色)");
}

TEST_F(SystemData, IniDefaultSettersSetKeyKindAndValue)
{
    cSysIniDefault d;
    d.m_strText = "keep";
    d.SetNumber("VSync", 3);
    EXPECT_EQ(d.m_strKey, "VSync");
    EXPECT_EQ(d.m_dwKind, cSysIniDefault::kNumber);
    EXPECT_EQ(d.m_dwNumber, 3u);
    EXPECT_EQ(d.m_strText, "keep");
    d.SetText("FreeStage", "stage");
    EXPECT_EQ(d.m_dwKind, cSysIniDefault::kText);
    EXPECT_EQ(d.m_strText, "stage");
    EXPECT_EQ(d.m_dwNumber, 3u);
}

}  // namespace
