// The bitmaps of the project load on the sample project's sheets: the game
// palette, the 33 slots with their composed sheets and the chara special
// bitmaps, with the messages of files that don't load.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/game_palette.h"
#include "data/project_data.h"
#include "editor/project_load.h"
#include "framework/bitmap_slots.h"
#include "sample_project.h"
#include "support/test_env.h"

namespace {

class BitmapSlots : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        ASSERT_TRUE(WriteSampleMedia());
        ASSERT_TRUE(LoadProjectPalettes());
    }
    void TearDown() override
    {
        for (cSurface& s : g_aBitmap) s.Release();
        g_vCharaExcBitmap.clear();
        cCoreTest::TearDown();
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& m : FakeHost().m_Messages) texts.push_back(m.strText);
        return texts;
    }
};

u8 PixelAt(const cSurface& s, int x, int y)
{
    GdiFlush();
    return s.GetPixels()[static_cast<size_t>(y) * s.GetStride() + x];
}

TEST_F(BitmapSlots, SheetsLoadAndComposeTheFiveSheets)
{
    EXPECT_EQ(CurrentTransparency().byTransparentIndex, 0);
    ASSERT_TRUE(LoadBitmapSlots("", ""));
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(g_aBitmap[kSlotBack].GetDC()) << "no background named";
    EXPECT_FALSE(g_aBitmap[kSlotWorldBack].GetDC());
    for (int n = kSlotBlock; n < kBitmapSlots; ++n) {
        if (n == kSlotWorldBack) continue;
        SCOPED_TRACE(n);
        EXPECT_TRUE(g_aBitmap[n].GetDC());
        EXPECT_EQ(g_aBitmap[n].GetBits(), 8u);
    }
    const cSurface* s = g_aBitmap;
    ASSERT_EQ(s[kSlotBlockSheet].GetWidth(), 256);
    ASSERT_EQ(s[kSlotBlockSheet].GetHeight(), 480);

    // The right-facing chara sheet mirrors every 32-pixel column of frames.
    for (int x : {0, 5, 31, 40})
        for (int y : {40, 50}) {
            EXPECT_EQ(PixelAt(s[kSlotChara + 1], x, y), PixelAt(s[kSlotChara], x / 32 * 32 + 31 - x % 32, y));
        }
    // Blocks and marks whole; the first frame of each chara sheet and each
    // item column; the shots centred in their cells.
    for (int y : {40, 45, 300}) {
        for (int x : {40, 100, 250}) {
            EXPECT_EQ(PixelAt(s[kSlotBlockSheet], x, y), PixelAt(s[kSlotBlock], x, y));
            EXPECT_EQ(PixelAt(s[kSlotMarkSheet], x, y), PixelAt(s[kSlotMark], x, y));
        }
        EXPECT_EQ(PixelAt(s[kSlotCharaSheet], 32 * 3 + 10, y), PixelAt(s[kSlotChara + 6], 10, y));
        EXPECT_EQ(PixelAt(s[kSlotItemSheet], 32 * 5 + 12, y), PixelAt(s[kSlotItem], 64 * 5 + 12, y));
    }
    for (int i : {0, 3})
        for (int j : {1, 16, 29}) {
            const int x = 64 * i + 32 * (j / 15) + 8, y = 32 * (j % 15) + 8;
            EXPECT_EQ(PixelAt(s[kSlotShotSheet], x + 7, y + 7), PixelAt(s[kSlotShot], 32 * i + 7, 16 * j + 7));
        }
    EXPECT_EQ(PixelAt(s[kSlotShotSheet], 2, 2), 0) << "around the shots stays clear";
}

TEST_F(BitmapSlots, AMissingSheetStopsTheLoadAMissingBackgroundDoesNot)
{
    ASSERT_TRUE(LoadBitmapSlots("", "bmp\\WorldBack.bmp"));
    EXPECT_EQ(Messages(), std::vector<std::string>{"bmp\\WorldBack.bmp が読み込めません！"});
    EXPECT_FALSE(g_aBitmap[kSlotWorldBack].GetDC());

    FakeHost().m_Messages.clear();
    ASSERT_TRUE(FileSystem().RemoveFile("bmp\\Mark.bmp"));
    EXPECT_FALSE(LoadBitmapSlots("", ""));
    EXPECT_EQ(Messages(), std::vector<std::string>{"bmp\\Mark.bmp が読み込めません！"});
    EXPECT_FALSE(IsFatalError());
}

// The project load gives slot 0 the image of the stage's first background
// layer, as the stage holds it before any stage is opened.
TEST_F(BitmapSlots, ProjectLoadTakesTheStageBackgroundForSlotZero)
{
    std::string strError;
    ASSERT_TRUE(MakeSampleProject("project", strError, true)) << strError;
    ASSERT_TRUE(FileSystem().SetCurrentFolder("project"));
    ASSERT_TRUE(FileSystem().MakeFolder("bmp\\back"));
    ASSERT_TRUE(CopyFileA("bmp\\Block.bmp", "bmp\\back\\Sky.bmp", TRUE));
    g_Stage.m_vBackground[0].m_strImage = "bmp\\back\\Sky.bmp";
    const bool bLoaded = LoadProject();
    ResetProjectData();
    ASSERT_TRUE(bLoaded) << (Messages().empty() ? "" : Messages()[0]);
    EXPECT_EQ(g_aBitmapSlot[kSlotBack].strPath, "bmp\\back\\Sky.bmp");
    EXPECT_EQ(g_aBitmap[kSlotBack].GetWidth(), 256);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BitmapSlots, MissingPaletteFiles)
{
    ASSERT_TRUE(FileSystem().RemoveFile("bmp\\plt\\Palette2.bmp"));
    EXPECT_FALSE(LoadProjectPalettes());
    EXPECT_EQ(Messages(), std::vector<std::string>{"パレットの生成に失敗！\nbmp\\plt\\Palette2.bmp が見つかりません！"});
    EXPECT_TRUE(IsFatalError()) << "the second file is fatal";
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1);

    ClearFatalErrorForTests();
    FakeHost().m_Messages.clear();
    ASSERT_TRUE(FileSystem().RemoveFile("bmp\\plt\\Palette.bmp"));
    EXPECT_FALSE(LoadProjectPalettes());
    EXPECT_EQ(Messages(), std::vector<std::string>{"パレットの生成に失敗！\nbmp\\plt\\Palette.bmp が見つかりません！"});
    EXPECT_FALSE(IsFatalError());
}

TEST_F(BitmapSlots, CharaSpecialBitmapsLoadBothHalves)
{
    std::vector<cEdCharaExcBmp> records(5);
    records[1].m_strPath = "bmp\\Character1.bmp";
    records[2].m_strPath = "bmp\\Character1.bmp";
    records[2].m_dwGiant = 1;
    records[2].m_dwGiantSize = 2;
    records[4].m_strPath = "bmp\\Character1.bmp";
    records[4].m_dwGiant = 1;
    records[4].m_dwGiantSize = 99;  // beyond what the editor lets a user set
    ASSERT_TRUE(LoadCharaExcBitmaps(g_vCharaExcBitmap, records));
    ASSERT_EQ(g_vCharaExcBitmap.size(), 10u);
    EXPECT_FALSE(g_vCharaExcBitmap[0].GetDC()) << "record 0 is never loaded";
    EXPECT_FALSE(g_vCharaExcBitmap[6].GetDC()) << "no file named";
    const cSurface& chara = g_aBitmap[kSlotChara];
    ASSERT_TRUE(g_aBitmap[kSlotChara].LoadBmpFile("bmp\\Character1.bmp", 8, 1, 0, 0, 1, 0, 0));
    for (int nSide = 0; nSide < 2; ++nSide) {
        const cSurface& s = g_vCharaExcBitmap[2 + nSide];
        ASSERT_EQ(s.GetWidth(), 32);
        ASSERT_EQ(s.GetHeight(), 480);
        EXPECT_EQ(PixelAt(s, 12, 45), PixelAt(chara, 32 * nSide + 12, 45));
        const cSurface& giant = g_vCharaExcBitmap[4 + nSide];
        ASSERT_EQ(giant.GetWidth(), 32) << "scaled down from 64";
        ASSERT_EQ(giant.GetHeight(), 448 / 2) << "whole cells of 64 x 64 only";
        EXPECT_EQ(PixelAt(giant, 6, 20), PixelAt(chara, 64 * nSide + 6 * 2 + 1, 20 * 2));
    }
    EXPECT_EQ(g_vCharaExcBitmap[8].GetWidth(), 32) << "a giant size past 10 counts as 10";
    EXPECT_EQ(g_vCharaExcBitmap[8].GetHeight(), 32);

    records[3].m_strPath = "bmp\\chara_sp\\none.bmp";
    EXPECT_FALSE(LoadCharaExcBitmaps(g_vCharaExcBitmap, records));
    EXPECT_EQ(Messages(), std::vector<std::string>{"bmp\\chara_sp\\none.bmp の読み込みに失敗！"});
    EXPECT_FALSE(g_vCharaExcBitmap[8].GetDC()) << "later records stay unloaded";
}

}  // namespace
