// Sprite sheets on plain pixels: scaled sampling, cell mirroring, masks,
// the colour key and the game palette.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "app/bitmap.h"
#include "app/game_palette.h"
#include "support/bmp_builder.h"
#include "support/test_env.h"

namespace {

// An 8-bit image whose pixel (x, y) holds the index x + 16 y (wrapping).
cPixelImage Indexed(s32 w, s32 h)
{
    cPixelImage img;
    EXPECT_TRUE(img.Create(w, h, 8));
    for (s32 y = 0; y < h; ++y)
        for (s32 x = 0; x < w; ++x) img.Pixel(x, y)[0] = static_cast<u8>(x + 16 * y);
    return img;
}

u8 At(const cPixelImage& img, s32 x, s32 y) { return img.Pixel(x, y)[0]; }

TEST(BmpSampling, ScaleTwoTakesTheTopRowSecondColumnFirst)
{
    cPixelImage src = Indexed(64, 64), dst;
    ASSERT_TRUE(SampleDown(src, 64, 64, 2, dst));
    EXPECT_EQ(dst.m_nWidth, 32);
    EXPECT_EQ(dst.m_nHeight, 32);
    for (s32 y = 0; y < 32; ++y)
        for (s32 x = 0; x < 32; ++x) ASSERT_EQ(At(dst, x, y), At(src, 2 * x + 1, 2 * y)) << x << "," << y;
}

TEST(BmpSampling, WidthNotAMultipleOfTheScaleDriftsAsTheIndexRuleSays)
{
    // Work area 7 x 6 at scale 3: i = 1, 4; then i += 2 x 7 -> next row
    // starts at 7 + 14 - ... counted literally.
    cPixelImage src = Indexed(7, 6), dst;
    ASSERT_TRUE(SampleDown(src, 7, 6, 3, dst));
    ASSERT_EQ(dst.m_nWidth, 2);
    ASSERT_EQ(dst.m_nHeight, 2);
    size_t i = 1;
    for (s32 y = 0; y < 2; ++y) {
        for (s32 x = 0; x < 2; ++x, i += 3) EXPECT_EQ(At(dst, x, y), At(src, i % 7, i / 7));
        i += 2 * 7;
    }
}

class SheetLoad : public cCoreTest {};

TEST_F(SheetLoad, ScaledLoadCutsToTheAlignmentFromTheTopLeft)
{
    // 70 x 66, aligned to 32 x 32: the top-left 64 x 64 is sampled.
    cTestBmp bmp;
    bmp.nWidth = 70;
    bmp.nHeight = 66;
    bmp.nBits = 8;
    for (s32 y = 0; y < 66; ++y)
        for (s32 x = 0; x < 70; ++x) bmp.pixels.push_back(static_cast<u32>((x + 3 * y) & 0xFF));
    ASSERT_TRUE(WriteFileBytes("big.bmp", BuildBmp(bmp)));
    cBmpLoadRequest req;
    req.strPath = "big.bmp";
    req.nScale = 2;
    req.nAlignWidth = 32;
    req.nAlignHeight = 32;
    cPixelImage img, mask;
    ASSERT_EQ(LoadBmpImage(req, cTransparency(), img, mask), kBmpOk);
    EXPECT_EQ(img.m_nWidth, 32);
    EXPECT_EQ(img.m_nHeight, 32);
    EXPECT_EQ(At(img, 0, 0), 1);
    EXPECT_EQ(At(img, 31, 31), (63 + 3 * 62) & 0xFF);
    EXPECT_TRUE(mask.m_Pixels.empty());
}

TEST(BmpMirror, ColumnStripsRowStripsAndWholeCells)
{
    struct {
        s32 nCellW, nCellH;
        // Source pixel shown at (x, y) of a 6 x 4 image.
        std::function<std::pair<s32, s32>(s32, s32)> from;
    } cases[] = {
        {3, 0, [](s32 x, s32 y) { return std::make_pair(x < 3 ? 2 - x : 8 - x, y); }},
        {0, 2, [](s32 x, s32 y) { return std::make_pair(x, y < 2 ? 1 - y : 5 - y); }},
        {3, 2,
         [](s32 x, s32 y) {
             s32 cx = x / 3 * 3, cy = y / 2 * 2;
             return std::make_pair(cx + 2 - (x - cx), cy + 1 - (y - cy));
         }},
        // 4-wide strips: the two columns left over stay as they were.
        {4, 0, [](s32 x, s32 y) { return std::make_pair(x < 4 ? 3 - x : x, y); }},
        {0, 0, [](s32 x, s32 y) { return std::make_pair(x, y); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "cells " << c.nCellW << " x " << c.nCellH);
        cPixelImage src = Indexed(6, 4), img = src;
        MirrorCells(img, c.nCellW, c.nCellH);
        for (s32 y = 0; y < 4; ++y)
            for (s32 x = 0; x < 6; ++x) {
                auto f = c.from(x, y);
                EXPECT_EQ(At(img, x, y), At(src, f.first, f.second)) << x << "," << y;
            }
    }
}

TEST(BmpMask, IndexMaskAndColourKeyMask)
{
    cPixelImage img = Indexed(4, 1), mask;
    img.Pixel(2, 0)[0] = 9;
    BuildIndexMask(img, 9, 15, mask);
    EXPECT_EQ(At(mask, 0, 0), 15);
    EXPECT_EQ(At(mask, 2, 0), 255);

    for (u32 nBits : {24u, 32u}) {
        cPixelImage rgb;
        ASSERT_TRUE(rgb.Create(2, 1, nBits));
        u8 key[4] = {0x10, 0x20, 0x30, 0x99};  // blue, green, red, and a fourth byte that doesn't count
        memcpy(rgb.Pixel(0, 0), key, rgb.BytesPerPixel());
        u8 other[4] = {0x10, 0x20, 0x31, 0};
        memcpy(rgb.Pixel(1, 0), other, rgb.BytesPerPixel());
        BuildKeyMask(rgb, 0x302010, mask);
        BlackenColorKey(rgb, 0x302010);
        EXPECT_EQ(mask.Pixel(0, 0)[0], 0xFF);
        EXPECT_EQ(mask.Pixel(0, 0)[2], 0xFF);
        EXPECT_EQ(mask.Pixel(1, 0)[1], 0x00);
        EXPECT_EQ(rgb.Pixel(0, 0)[2], 0x00);
        EXPECT_EQ(rgb.Pixel(1, 0)[2], 0x31);
    }
}

TEST_F(SheetLoad, TrueColourSheetWithMaskBlackensTheKeyAfterTheMaskIsTaken)
{
    cTestBmp bmp;
    bmp.nWidth = 3;
    bmp.nHeight = 1;
    bmp.nBits = 24;
    bmp.pixels = {0xFF00FF, 0x123456, 0xFF00FF};
    ASSERT_TRUE(WriteFileBytes("s.bmp", BuildBmp(bmp)));
    cBmpLoadRequest req;
    req.strPath = "s.bmp";
    req.bMask = true;
    cTransparency colors;
    colors.dwColorKey = 0xFF00FF;
    cPixelImage img, mask;
    ASSERT_EQ(LoadBmpImage(req, colors, img, mask), kBmpOk);
    EXPECT_EQ(img.Pixel(0, 0)[0] | img.Pixel(0, 0)[1] | img.Pixel(0, 0)[2], 0);
    EXPECT_EQ(img.Pixel(1, 0)[2], 0x12);
    EXPECT_EQ(mask.Pixel(0, 0)[0], 0xFF);
    EXPECT_EQ(mask.Pixel(1, 0)[0], 0x00);
}

TEST_F(SheetLoad, DamagedOrMissingSheetsFailCleanly)
{
    std::vector<u8> bytes = BuildBmp(cTestBmp{2, 2, 24, false, {1, 2, 3, 4}});
    bytes.resize(bytes.size() - 3);
    ASSERT_TRUE(WriteFileBytes("cut.bmp", bytes));
    cBmpLoadRequest req;
    cPixelImage img, mask;
    for (const char* lpPath : {"cut.bmp", "none.bmp"}) {
        req.strPath = lpPath;
        EXPECT_EQ(LoadBmpImage(req, cTransparency(), img, mask), kBmpUnreadable) << lpPath;
        EXPECT_TRUE(img.m_Pixels.empty());
    }
    // An image smaller than the scale leaves nothing to show.
    ASSERT_TRUE(WriteFileBytes("tiny.bmp", BuildBmp(cTestBmp{1, 1, 24, false, {5}})));
    req.strPath = "tiny.bmp";
    req.nScale = 2;
    EXPECT_EQ(LoadBmpImage(req, cTransparency(), img, mask), kBmpUnreadable);
}

class GamePaletteTest : public cCoreTest {};

TEST_F(GamePaletteTest, LoadsTheTableAndFindsTheTransparencyIndices)
{
    std::vector<u32> colors(256, 0x808080);
    colors[0] = 0xFF00FF;
    colors[7] = 0xFF00FF;
    colors[15] = 0x000000;
    colors[20] = 0x000000;
    ASSERT_TRUE(FileSystem().MakeFolder("plt"));
    ASSERT_TRUE(WriteFileBytes("plt\\Palette.bmp", BuildPaletteBmp(colors)));
    ASSERT_TRUE(LoadGamePalette("plt\\Palette.bmp"));
    EXPECT_EQ(PaletteColorOf(GamePaletteColors()[0]), 0xFF00FFu);

    SetTransparentColor(PaletteColorOf(GamePaletteColors()[0]));
    const u8* e15 = GamePaletteColors()[15];
    SetMaskIndexColor(e15[0], e15[1], e15[2]);
    EXPECT_EQ(CurrentTransparency().byTransparentIndex, 0);
    EXPECT_EQ(CurrentTransparency().byMaskIndex, 15);  // the first entry of that colour

    // A colour the palette lacks keeps the index.
    SetTransparentColor(0x010203);
    EXPECT_EQ(CurrentTransparency().byTransparentIndex, 0);
    SetColorKey(0xFF123456);
    EXPECT_EQ(CurrentTransparency().dwColorKey, 0x123456u);
}

TEST_F(GamePaletteTest, TrueColourOrMissingPaletteFilesAreFailures)
{
    u8 table[256][4];
    ASSERT_TRUE(WriteFileBytes("rgb.bmp", BuildBmp(cTestBmp{1, 1, 24, false, {0}})));
    EXPECT_EQ(LoadPalette(table, "rgb.bmp"), 0u);
    EXPECT_EQ(LoadPalette(table, "none.bmp"), 0u);
}

}  // namespace
