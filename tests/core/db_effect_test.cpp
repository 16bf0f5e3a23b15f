#include <gtest/gtest.h>

#include <cstring>

#include "data/database.h"
#include "db_test_util.h"

using namespace dbbytes;

namespace {

class DbEffect : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        ASSERT_TRUE(FileSystem().MakeFolder("data"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\database"));
    }
};

TEST_F(DbEffect, EffectsUpgrade)
{
    ExpectUpgrades(&cDatabase::m_vEffect, "data\\database\\Effect.dat", {
        {"150: no same-as-file-name flag; the one held is cleared",
         TableFile(150, 1, [](cBytes& b) { Effect(b, 150, "e", "e.bmp", 0, 64, 48, 1, {{3, 9}, {4, 0}}); }),
         TableFile(950, 1, [](cBytes& b) { Effect(b, 950, "e", "e.bmp", 0, 64, 48, 1, {{3, 9}, {4, 0}}); }),
         [](cDatabase& db) { db.m_vEffect[0].m_dwSameAsFileName = 1; }},
        {"152: the flag is read and dropped",
         TableFile(152, 1, [](cBytes& b) { Effect(b, 152, "e", "e.bmp", 1, 640, 480, 0); }),
         TableFile(950, 1, [](cBytes& b) { Effect(b, 950, "e", "e.bmp", 0, 640, 480, 0); })},
        {"153: the flag is kept",
         TableFile(153, 1, [](cBytes& b) { Effect(b, 153, "e", "e.bmp", 1, 1, 1, 0); }),
         TableFile(950, 1, [](cBytes& b) { Effect(b, 950, "e", "e.bmp", 1, 1, 1, 0); })},
        {"a frame count of 0 gives an empty frame list",
         TableFile(950, 1, [](cBytes& b) { Effect(b, 950, "e", "", 0, 32, 32, 0, {}); }),
         TableFile(950, 1, [](cBytes& b) { Effect(b, 950, "e", "", 0, 32, 32, 0, {}); }),
         nullptr,
         [](const cDatabase& db) { EXPECT_TRUE(db.m_vEffect[0].m_vFrame.empty()); }},
    });
}

TEST_F(DbEffect, CharaEffectsGetTheParametersOfVersion511)
{
    ExpectUpgrades(&cDatabase::m_vCharaEffect, "data\\database\\CharaEffect.dat", {
        {"510: the wave roughness and the circle roughness get their defaults",
         TableFile(510, 5, [](cBytes& b) {
             KindEffect(b, "wave h", 4, {10, 0, 32, 2, 0});
             KindEffect(b, "wave v", 5, {10, 0, 32, 2, 0});
             KindEffect(b, "circle", 10, {5, 32, 0, 0, 0});
             KindEffect(b, "burst", 1, {5, 0, 32, 0, 0});
             KindEffect(b, "lens", 12, {10, 100, 5, -16, 0});
         }),
         TableFile(950, 5, [](cBytes& b) {
             KindEffect(b, "wave h", 4, {10, 0, 32, 2, 2});
             KindEffect(b, "wave v", 5, {10, 0, 32, 2, 2});
             KindEffect(b, "circle", 10, {5, 32, 0, 2, 0});
             KindEffect(b, "burst", 1, {5, 0, 32, 0, 0});
             KindEffect(b, "lens", 12, {10, 100, 5, -16, 0});
         })},
        {"511: stored parameters stay",
         TableFile(511, 2, [](cBytes& b) {
             KindEffect(b, "wave h", 4, {10, 0, 32, 2, 0});
             KindEffect(b, "circle", 10, {5, 32, 0, 0, 0});
         }),
         TableFile(950, 2, [](cBytes& b) {
             KindEffect(b, "wave h", 4, {10, 0, 32, 2, 0});
             KindEffect(b, "circle", 10, {5, 32, 0, 0, 0});
         })},
    });
}

TEST_F(DbEffect, ScreenEffectsGetTheParametersOfVersion511)
{
    ExpectUpgrades(&cDatabase::m_vScrEffect, "data\\database\\ScrEffect.dat", {
        {"400: waves and circles get their roughness; other kinds stay",
         TableFile(400, 4, [](cBytes& b) {
             KindEffect(b, "wave h", 6, {10, 0, 640, 4, 0});
             KindEffect(b, "wave v", 7, {10, 0, 480, 4, 0});
             KindEffect(b, "circle", 10, {10, 640, 0, 0, 0});
             KindEffect(b, "rotate", 9, {10, 0, 1440, 0, 0});
         }),
         TableFile(950, 4, [](cBytes& b) {
             KindEffect(b, "wave h", 6, {10, 0, 640, 4, 8});
             KindEffect(b, "wave v", 7, {10, 0, 480, 4, 10});
             KindEffect(b, "circle", 10, {10, 640, 0, 8, 0});
             KindEffect(b, "rotate", 9, {10, 0, 1440, 0, 0});
         })},
        {"511: stored parameters stay",
         TableFile(511, 1, [](cBytes& b) { KindEffect(b, "circle", 10, {10, 640, 0, 0, 0}); }),
         TableFile(950, 1, [](cBytes& b) { KindEffect(b, "circle", 10, {10, 640, 0, 0, 0}); })},
    });
}

TEST_F(DbEffect, KindTablesAnswerForEveryStoredKind)
{
    struct cCase {
        const cEffectKinds& kinds;
        u32 nKinds;
        u32 dwKind;
        u32 nParam;
        const char* lpName;
        const char* lpParam;
        s16 nMin;
        u16 nMax;
        u16 nDefault;
    } cases[] = {
        {CharaEffectKinds(), 16, 1, 2, "破裂", "終了位置(dot)", 0, 999, 32},
        {CharaEffectKinds(), 16, 12, 3, "レンズ", "ズレX(dot)", -16, 16, 0},
        {CharaEffectKinds(), 16, 16, 4, "ぼかし", "", 0, 0, 0},
        {ScrEffectKinds(), 13, 1, 3, "移動", "終了座標X(dot)", -640, 640, 640},
        {ScrEffectKinds(), 13, 13, 2, "モザイク", "終了強度", 1, 240, 60},
        // No effect, and kinds a file may hold that no table knows.
        {CharaEffectKinds(), 16, 0, 0, "", "", 0, 0, 0},
        {CharaEffectKinds(), 16, 17, 0, "", "", 0, 0, 0},
        {ScrEffectKinds(), 13, 14, 0, "", "", 0, 0, 0},
        {ScrEffectKinds(), 13, 0xFFFFFFFF, 1, "", "", 0, 0, 0},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.dwKind);
        EXPECT_EQ(c.kinds.m_nKinds, c.nKinds);
        EXPECT_STREQ(c.kinds.Name(c.dwKind), c.lpName);
        const cParamInfo& p = c.kinds.Param(c.dwKind, c.nParam);
        EXPECT_STREQ(p.m_lpName, c.lpParam);
        EXPECT_EQ(p.m_nMin, c.nMin);
        EXPECT_EQ(p.m_nMax, c.nMax);
        EXPECT_EQ(p.m_nDefault, c.nDefault);
        if (!c.kinds.IsKind(c.dwKind)) {
            EXPECT_STREQ(c.kinds.Note(c.dwKind), "");
        }
    }
    EXPECT_STREQ(CharaEffectKinds().Note(8), "Direct3D有効時：回転Aと回転Bは同じ\nDirect3D無効時：やや遅い。巨大キャラには描画精度重視");
    // Every kind has a name, a note and a first parameter; the lists end with
    // an empty text.
    for (const cEffectKinds* k : {&CharaEffectKinds(), &ScrEffectKinds()}) {
        for (u32 n = 1; n <= k->m_nKinds; ++n) {
            EXPECT_GT(strlen(k->Name(n)), 0u);
            EXPECT_GT(strlen(k->Note(n)), 0u);
            EXPECT_STREQ(k->Param(n, 0).m_lpName, "実行時間(1/10s)");
        }
        EXPECT_STREQ(k->m_lpNames[k->m_nKinds], "");
        EXPECT_STREQ(k->m_lpNotes[k->m_nKinds], "");
    }
}

}  // namespace
