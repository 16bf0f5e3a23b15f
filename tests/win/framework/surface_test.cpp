// Surfaces: BMP sheets of 8, 24 and 32 bits drawn through the game palette
// and their masks, read back pixel by pixel; damaged files fail cleanly.
#include "app/fatal.h"
#include "app/file_system.h"
#include "app/game_palette.h"
#include "framework/surface.h"
#include "support/bmp_builder.h"
#include "win_test_util.h"

namespace {

constexpr u32 kMagenta = 0xFF00FF, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kBack = 0x404040;

class Surfaces : public cWinTest {
protected:
    void SetUp() override
    {
        cWinTest::SetUp();
        // Entry 0 is the transparent colour, entry 15 the mask colour.
        std::vector<u32> colors(256, 0x808080);
        colors[0] = kMagenta;
        colors[1] = kRed;
        colors[2] = kGreen;
        colors[3] = kBlue;
        colors[15] = 0x000000;
        colors[255] = 0x123456;
        ASSERT_TRUE(FileSystem().MakeFolder("bmp"));
        ASSERT_TRUE(FileSystem().MakeFolder("bmp\\plt"));
        ASSERT_TRUE(WriteFileBytes("bmp\\plt\\Palette.bmp", BuildPaletteBmp(colors)));
        ASSERT_TRUE(LoadGamePalette("bmp\\plt\\Palette.bmp"));
        SetTransparentColor(PaletteColorOf(GamePaletteColors()[0]));
        const u8* e15 = GamePaletteColors()[15];
        SetMaskIndexColor(e15[0], e15[1], e15[2]);
        SetColorKey(kMagenta);
    }

    // A 32-bit surface filled with the background colour.
    void MakeBackground(cSurface& dst, s32 w, s32 h)
    {
        ASSERT_EQ(dst.Create(w, h, 32, 0), 1u);
        dst.Fill(RGB((kBack >> 16) & 0xFF, (kBack >> 8) & 0xFF, kBack & 0xFF));
    }
};

u32 PixelAt(const cSurface& s, s32 x, s32 y)
{
    GdiFlush();
    const u8* p = s.GetPixels() + static_cast<size_t>(y) * s.GetStride() + static_cast<size_t>(x) * 4;
    return static_cast<u32>(p[0]) | (static_cast<u32>(p[1]) << 8) | (static_cast<u32>(p[2]) << 16);
}

cTestBmp Sheet(u16 nBits, std::vector<u32> pixels, s32 w, s32 h)
{
    cTestBmp bmp;
    bmp.nWidth = w;
    bmp.nHeight = h;
    bmp.nBits = nBits;
    bmp.pixels = std::move(pixels);
    bmp.nAlpha = 0x7F;
    return bmp;
}

TEST_F(Surfaces, SheetsOfEveryDepthDrawThroughPaletteAndMask)
{
    struct {
        u16 nBits;
        std::vector<u32> file;        // 3 x 2, top row first
        std::vector<u32> expected;    // over the background
        std::vector<u32> opaque;      // drawn without the mask
    } cases[] = {
        {8, {0, 1, 2, 3, 255, 0}, {kBack, kRed, kGreen, kBlue, 0xFFFFFF, kBack}, {0, kRed, kGreen, kBlue, 0xFFFFFF, 0}},
        {24, {kMagenta, kRed, kGreen, kBlue, 0x010203, kMagenta},
         {kBack, kRed, kGreen, kBlue, 0x010203, kBack}, {0, kRed, kGreen, kBlue, 0x010203, 0}},
        {32, {kMagenta, kRed, kGreen, kBlue, 0x010203, kMagenta},
         {kBack, kRed, kGreen, kBlue, 0x010203, kBack}, {0, kRed, kGreen, kBlue, 0x010203, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nBits << " bits");
        ASSERT_TRUE(WriteFileBytes("sheet.bmp", BuildBmp(Sheet(c.nBits, c.file, 3, 2))));
        cSurface sheet;
        ASSERT_EQ(sheet.LoadBmpFile("sheet.bmp", 0, 1, 0, 0, 1, 0, 0), 1u);
        EXPECT_TRUE(sheet.HasMask());
        EXPECT_EQ(sheet.GetBits(), c.nBits);
        for (u32 bOpaque : {0u, 1u}) {
            cSurface dst;
            MakeBackground(dst, 5, 4);
            EXPECT_TRUE(dst.Blt(1, 1, 3, 2, sheet, 0, 0, bOpaque));
            const std::vector<u32>& expected = bOpaque ? c.opaque : c.expected;
            for (s32 i = 0; i < 6; ++i)
                EXPECT_EQ(PixelAt(dst, 1 + i % 3, 1 + i / 3), expected[i]) << "pixel " << i << " opaque " << bOpaque;
            EXPECT_EQ(PixelAt(dst, 0, 0), kBack);
        }
    }
    EXPECT_TRUE(FakeHost().m_Messages.empty());
}

TEST_F(Surfaces, MirroredScaledAndStretchedSheets)
{
    // Cells of 2 columns are mirrored left to right.
    ASSERT_TRUE(WriteFileBytes("cells.bmp", BuildBmp(Sheet(24, {kRed, kGreen, kBlue, 0x111111}, 4, 1))));
    cSurface cells;
    ASSERT_EQ(cells.LoadBmpFile("cells.bmp", 0, 0, 2, 0, 1, 0, 0), 1u);
    EXPECT_EQ(cells.GetCellWidth(), 2);
    cSurface dst;
    MakeBackground(dst, 4, 1);
    dst.Blt(0, 0, 4, 1, cells, 0, 0, 0);
    EXPECT_EQ(PixelAt(dst, 0, 0), kGreen);
    EXPECT_EQ(PixelAt(dst, 1, 0), kRed);
    EXPECT_EQ(PixelAt(dst, 2, 0), 0x111111u);
    EXPECT_EQ(PixelAt(dst, 3, 0), kBlue);

    // Scale 2: the top row's second column.
    ASSERT_TRUE(WriteFileBytes("big.bmp", BuildBmp(Sheet(24, {kRed, kGreen, kBlue, kBlue}, 2, 2))));
    cSurface small;
    ASSERT_EQ(small.LoadBmpFile("big.bmp", 0, 0, 0, 0, 2, 0, 0), 1u);
    EXPECT_EQ(small.GetWidth(), 1);
    cSurface one;
    MakeBackground(one, 2, 2);
    one.StretchBlt(0, 0, 2, 2, small, 0, 0, 1, 1, 1);
    EXPECT_EQ(PixelAt(one, 1, 1), kGreen);

    // "E" asks for an empty surface of the descriptor's size.
    cSurfaceDesc desc;
    desc.strPath = "E";
    desc.nWidth = 7;
    desc.nHeight = 3;
    desc.nBits = 8;
    cSurface empty;
    ASSERT_EQ(empty.LoadBmp(desc), 1u);
    EXPECT_EQ(empty.GetWidth(), 7);
    EXPECT_EQ(empty.GetHeight(), 3);
}

TEST_F(Surfaces, DamagedOrUnsupportedFilesFailWithTheirMessage)
{
    std::vector<u8> cut = BuildBmp(Sheet(24, {kRed, kGreen, kBlue, kRed}, 2, 2));
    cut.resize(cut.size() - 5);
    ASSERT_TRUE(WriteFileBytes("cut.bmp", cut));
    std::vector<u8> sixteen = BuildBmp(Sheet(24, {kRed}, 1, 1));
    sixteen[28] = 16;
    ASSERT_TRUE(WriteFileBytes("16.bmp", sixteen));
    struct {
        const char* lpPath;
        const char* lpMessage;
    } cases[] = {
        {"cut.bmp", "cut.bmp が読み込めません！"},
        {"missing.bmp", "missing.bmp が読み込めません！"},
        {"16.bmp", "16.bmp の読み込みに失敗しました！\n対応していない色数です。"},
    };
    for (const auto& c : cases) {
        FakeHost().m_Messages.clear();
        cSurface s;
        EXPECT_EQ(s.LoadBmpFile(c.lpPath, 0, 1, 0, 0, 1, 0, 0), 0u);
        EXPECT_EQ(s.GetDC(), nullptr);
        ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
        EXPECT_EQ(FakeHost().m_Messages[0].strText, c.lpMessage);
    }
    EXPECT_FALSE(IsFatalError());
}

// The first row in [y0, y1) with a lit pixel, or -1.
int FirstLitRow(const cSurface& s, int y0, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < s.GetWidth(); ++x)
            if (PixelAt(s, x, y) != 0) return y;
    return -1;
}

TEST_F(Surfaces, TextLinesGridsAndRectangles)
{
    cSurface s;
    ASSERT_EQ(s.Create(64, 48, 32, 0), 1u);
    s.Fill(RGB(0, 0, 0));
    s.Printf(0, 0, "%s\n%s", "H", "H");
    int nFirst = FirstLitRow(s, 0, 20), nSecond = FirstLitRow(s, 20, 40);
    ASSERT_GE(nFirst, 0);
    EXPECT_EQ(nSecond - nFirst, 20);

    s.Fill(RGB(0, 0, 0));
    s.DrawGrid(0, 0, 32, 32, 8, 8, RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(s, 8, 5), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(s, 31, 5), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(s, 5, 16), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(s, 4, 4), 0u);

    s.Fill(RGB(0, 0, 0));
    ASSERT_EQ(s.SetPen(PS_SOLID, 1, RGB(0, 0, 255)), 1u);
    s.DrawRect(10, 10, 5, 5);
    s.ReleasePen();
    EXPECT_EQ(PixelAt(s, 10, 12), kBlue);
    EXPECT_EQ(PixelAt(s, 15, 12), kBlue);
    EXPECT_EQ(PixelAt(s, 12, 12), 0u);
}

}  // namespace
