#include <gtest/gtest.h>

#include <functional>

#include "data/system_data.h"
#include "system_test_util.h"

namespace {

class SystemUpgrade : public cCoreTest {};

std::vector<cSysMenuItem> Menu(std::initializer_list<const char*> texts)
{
    std::vector<cSysMenuItem> menu;
    for (const char* t : texts) menu.emplace_back(1, t);
    return menu;
}

// What a program of version 112 held: its texts, menus and "System.ini"
// keys before later versions added theirs.
cSystem Version112()
{
    cSystem s;
    s.m_strTitle = "テスト";
    s.m_vStockTarget = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0};
    s.m_vInitialLives = {3, 4, 5, 6};
    s.m_vGameText = {"ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア", "スコア", "残り時間",
                     "クリア時間", "ステージに挑む", "やっぱりやめる", "セーブする", "やっぱりやめる",
                     "タイトルへ戻る", "やっぱりやめる", "しゅうりょう", "つづける", "リトライ",
                     "Vキーでジャンルの切り替え", "スペースキーでタイトルへ戻る", "スペースキーで終了",
                     "F3キーでランキングへ登録", "old1", "old2", "old3", "old4", "old5", "old6", "old7"};
    s.m_vSoundEffect[0] = "wave\\cursor.wav";
    s.m_vScreenBgm = {0, 0, 0, 2};
    s.m_vPauseMenu = Menu({"セーブ", "もどる", "タイトルへ"});
    s.m_vOptionMenu = Menu({"カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "もどる"});
    s.m_vIniDefault.resize(5);
    s.m_vIniDefault[0].SetNumber("WindowMode", 0);
    s.m_vIniDefault[1].SetNumber("Bpp", 0);
    s.m_vIniDefault[2].SetNumber("VSync", 5);
    s.m_vIniDefault[3].SetNumber("ShowFps", 1);
    s.m_vIniDefault[4].SetText("FreeStage", "");
    return s;
}

TEST_F(SystemUpgrade, OldestFileWalksTheWholeLadder)
{
    cSystem sys;
    ASSERT_TRUE(LoadFromBytes(sys, sysbytes::File(112, Version112())));

    // Today's defaults, but for what keeps an old project's behaviour.
    cSystem expected;
    expected.m_strTitle = "テスト";
    const struct {
        int nMember;
        u32 dwValue;
    } changed[] = {
        {1, 1},  {3, 1},  {7, 0},   {8, 0},  {9, 1},  {11, 1}, {13, 1}, {14, 0}, {15, 0}, {16, 0}, {18, 0},
        {19, 0}, {26, 0}, {30, 0},  {32, 1}, {35, 177}, {37, 1}, {39, 1}, {43, 1}, {44, 0}, {92, 0}, {93, 2},
    };
    for (const auto& c : changed) expected.SetMember(c.nMember, c.dwValue);
    for (int n = 45; n <= 91; ++n) expected.SetMember(n, n == 75 || n == 82 || n == 85 || n == 87 ? 0 : 1);
    expected.m_vStockTarget = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0};
    expected.m_vResetAfterDeath.assign(25, 0);
    for (cSysStatusItem& item : expected.m_vStatusItem) item.m_bShowNumber = 1;
    for (size_t i : {2, 3}) {
        expected.m_vStatusItem[i].m_dwBarThreshold = 33;
        expected.m_vStatusItem[i].m_dwBarUnit = 1;
    }
    expected.m_vInitialLives = {3, 4, 5, 6};
    expected.m_vInfiniteLives = {0, 0, 0, 1};
    for (size_t i = 0; i < 3; ++i) expected.m_vRanking[i].m_vItem = {1, 1, 1, 0, 0};
    expected.m_vSoundEffect[0] = "wave\\cursor.wav";
    expected.m_vScreenBgm = {0, 0, 0, 2, 2, 2};
    for (size_t i : {5, 6, 7}) expected.m_vOptionMenu[i].m_bShown = 0;
    expected.m_vIniDefault[0].m_dwNumber = 1;

    EXPECT_TRUE(sys == expected);
    EXPECT_BYTES(SavedBytes(expected), SavedBytes(sys));
    // The points of the ladder a user would see first.
    EXPECT_EQ(sys.m_vGameText[25], "リプレイの選択へ");
    EXPECT_EQ(sys.m_vGameText[38], "ファイル名順↑");
    EXPECT_EQ(sys.m_vPauseMenu[1].m_strText, "オートセーブ");
    EXPECT_EQ(sys.m_vIniDefault[0].m_strKey, "Direct3D");
    EXPECT_EQ(sys.m_vIniDefault[0].m_dwNumber, 1u);
    EXPECT_EQ(sys.m_vIniDefault[3].m_dwNumber, 2u) << "VSync of 5 held to 2";
}

struct cUpgradeRow {
    u32 dwVersion;
    std::function<void(cSystem&)> stored;  // what the old program held
    std::function<void(const cSystem&)> check;
};

TEST_F(SystemUpgrade, StepsByVersion)
{
    const cUpgradeRow rows[] = {
        {280,
         [](cSystem& s) {
             s.m_vIniDefault.resize(5);
             s.m_vIniDefault[2].SetNumber("VSync", 5);
         },
         [](const cSystem& s) {
             EXPECT_EQ(s.m_vIniDefault[0].m_strKey, "Direct3D");
             EXPECT_EQ(s.m_vIniDefault[3].m_strKey, "VSync");
             EXPECT_EQ(s.m_vIniDefault[3].m_dwNumber, 2u);
         }},
        {280, [](cSystem& s) { s.m_vIniDefault[2].SetNumber("VSync", 1); },
         [](const cSystem& s) { EXPECT_EQ(s.m_vIniDefault[3].m_dwNumber, 1u); }},
        {288, [](cSystem& s) { s.m_dwBitmapFormat = 1; },
         [](const cSystem& s) { EXPECT_EQ(s.GetMember(43), 0u) << "24-bit bitmaps: no colour animation"; }},
        {288, [](cSystem& s) { s.m_dwBitmapFormat = 0; }, [](const cSystem& s) { EXPECT_EQ(s.GetMember(43), 1u); }},
        {616, nullptr, [](const cSystem& s) { EXPECT_EQ(s.GetMember(47), 1u); }},
        {620, nullptr, [](const cSystem& s) { EXPECT_EQ(s.GetMember(47), 0u); }},
        {655, nullptr, [](const cSystem& s) { EXPECT_EQ(s.GetMember(82), 0u); }},
        {656, nullptr, [](const cSystem& s) { EXPECT_EQ(s.GetMember(82), 1u); }},
        {816, nullptr, [](const cSystem& s) { EXPECT_EQ(s.GetMember(75), 0u); }},
        {817, nullptr, [](const cSystem& s) { EXPECT_EQ(s.GetMember(75), 1u); }},
        {832, nullptr, [](const cSystem& s) { EXPECT_EQ(s.GetMember(75), 1u); }},
        {840, nullptr,
         [](const cSystem& s) {
             EXPECT_EQ(s.GetMember(75), 0u) << "stored, outside 817 to 832";
             EXPECT_EQ(s.GetMember(85), 1u);
         }},
        {889, nullptr,
         [](const cSystem& s) {
             EXPECT_EQ(s.GetMember(85), 1u);
             EXPECT_EQ(s.GetMember(87), 0u);
         }},
        {891, nullptr,
         [](const cSystem& s) {
             EXPECT_EQ(s.GetMember(85), 1u);
             EXPECT_EQ(s.GetMember(87), 1u);
         }},
        {931, [](cSystem& s) { s.m_vOptionMenu = Menu({"カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "もどる"}); },
         [](const cSystem& s) {
             EXPECT_EQ(s.GetMember(16), 0u);
             EXPECT_EQ(s.m_vOptionMenu[5].m_strText, "リプレイ自動保存");
             EXPECT_EQ(s.m_vOptionMenu[5].m_bShown, 0u);
             EXPECT_EQ(s.m_vOptionMenu[7].m_strText, "リプレイのメッセージ自動進行秒数");
             EXPECT_EQ(s.m_vOptionMenu[8].m_strText, "もどる");
         }},
        {941,
         [](cSystem& s) {
             s.m_vScreenBgm = {1, 2, 3, 4};
             s.m_vScreenBgmLoop = {1, 0, 1, 0};
             s.m_bReplaySave = 0;
         },
         [](const cSystem& s) {
             EXPECT_EQ(s.m_vScreenBgm, (std::vector<u32>{1, 2, 3, 4, 4, 4}));
             EXPECT_EQ(s.m_vScreenBgmLoop, (std::vector<u8>{1, 0, 1, 0, 0, 0}));
             EXPECT_EQ(s.m_bReplayManualSave, 0u) << "follows replay saving";
             EXPECT_EQ(s.m_bOldFileDialog, 1u);
         }},
    };
    for (const cUpgradeRow& r : rows) {
        SCOPED_TRACE(r.dwVersion);
        cSystem stored;
        if (r.stored) r.stored(stored);
        cSystem sys;
        ASSERT_TRUE(LoadFromBytes(sys, sysbytes::File(r.dwVersion, stored)));
        r.check(sys);
    }
}

TEST_F(SystemUpgrade, RetiredMemberIsReadPastAndTodaysFileRunsNoStep)
{
    cSystem stored;
    stored.m_dwChallengeWorlds = 12;
    stored.m_vGameText.assign(39, "x");
    cSystem sys;
    ASSERT_TRUE(LoadFromBytes(sys, sysbytes::File(240, stored, 0xDEADBEEF)));
    EXPECT_EQ(sys.m_dwChallengeWorlds, 12u);
    EXPECT_EQ(sys.m_bCompatGiantFlyPos, 1u) << "members after the retired one are in place";

    stored.m_adwCompat[0] = 0;
    cSystem today;
    ASSERT_TRUE(LoadFromBytes(today, sysbytes::File(950, stored)));
    EXPECT_TRUE(today == stored);
}

}  // namespace
