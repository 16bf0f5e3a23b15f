// Decoding BMP files: every depth and row order, rows padded to four bytes,
// and damaged files refused before a pixel is read.
#include <gtest/gtest.h>

#include <functional>

#include "app/bitmap.h"
#include "support/bmp_builder.h"
#include "support/test_env.h"

namespace {

// A small image whose every pixel differs: index or colour from x and y.
cTestBmp Sample(s32 w, s32 h, u16 nBits, bool bTopDown = false)
{
    cTestBmp bmp;
    bmp.nWidth = w;
    bmp.nHeight = h;
    bmp.nBits = nBits;
    bmp.bTopDown = bTopDown;
    for (s32 y = 0; y < h; ++y)
        for (s32 x = 0; x < w; ++x)
            bmp.pixels.push_back(nBits == 8 ? static_cast<u32>(y * 16 + x) : static_cast<u32>(0x102030 + y * 0x10000 + x));
    return bmp;
}

// The pixel as the test wrote it: an index, or 0xRRGGBB.
u32 ReadBack(const cPixelImage& img, s32 x, s32 y)
{
    const u8* p = img.Pixel(x, y);
    if (img.m_nBits == 8) return p[0];
    return static_cast<u32>(p[0]) | (static_cast<u32>(p[1]) << 8) | (static_cast<u32>(p[2]) << 16);
}

TEST(BmpDecode, ReadsEveryDepthAndRowOrderWithPaddedRows)
{
    struct {
        s32 w, h;
        u16 nBits;
        bool bTopDown;
    } cases[] = {
        {5, 3, 8, false}, {5, 3, 8, true},   {3, 4, 24, false}, {3, 4, 24, true},
        {4, 2, 24, false}, {2, 5, 32, false}, {2, 5, 32, true}, {1, 1, 24, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " " << c.nBits << (c.bTopDown ? " top-down" : ""));
        cTestBmp bmp = Sample(c.w, c.h, c.nBits, c.bTopDown);
        cPixelImage img;
        ASSERT_EQ(DecodeBmp(BuildBmp(bmp), img), kBmpOk);
        EXPECT_EQ(img.m_nWidth, c.w);
        EXPECT_EQ(img.m_nHeight, c.h);
        EXPECT_EQ(img.m_nBits, c.nBits);
        EXPECT_EQ(img.m_nStride % 4, 0u);
        for (s32 y = 0; y < c.h; ++y)
            for (s32 x = 0; x < c.w; ++x) EXPECT_EQ(ReadBack(img, x, y), bmp.pixels[y * c.w + x]) << x << "," << y;
    }
}

TEST(BmpDecode, EightBitPixelsStayIndicesWhateverTheFilesOwnColours)
{
    cTestBmp bmp = Sample(4, 1, 8);
    bmp.palette.assign(256, 0xFF00FF);
    cPixelImage img;
    ASSERT_EQ(DecodeBmp(BuildBmp(bmp), img), kBmpOk);
    EXPECT_EQ(img.Pixel(3, 0)[0], 3);
}

// Offsets into the headers.
constexpr size_t kOffPixels = 10, kInfoSize = 14, kWidth = 18, kHeight = 22, kPlanes = 26, kBits = 28,
                 kCompression = 30, kColorsUsed = 46;

void Put32(std::vector<u8>& b, size_t at, u32 v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<u8>(v >> (8 * i));
}
void Put16(std::vector<u8>& b, size_t at, u16 v)
{
    b[at] = static_cast<u8>(v);
    b[at + 1] = static_cast<u8>(v >> 8);
}

TEST(BmpDecode, DamagedFilesFailBeforeAnyPixelIsRead)
{
    const std::vector<u8> good = BuildBmp(Sample(3, 3, 24));
    struct {
        const char* lpWhat;
        std::function<void(std::vector<u8>&)> damage;
        eBmpResult eExpected;
    } cases[] = {
        {"empty", [](std::vector<u8>& b) { b.clear(); }, kBmpUnreadable},
        {"headers cut", [](std::vector<u8>& b) { b.resize(40); }, kBmpUnreadable},
        {"last row cut", [](std::vector<u8>& b) { b.pop_back(); }, kBmpUnreadable},
        {"not BM", [](std::vector<u8>& b) { b[0] = 'X'; }, kBmpUnreadable},
        {"core header", [](std::vector<u8>& b) { Put32(b, kInfoSize, 12); }, kBmpUnreadable},
        {"header past the end", [](std::vector<u8>& b) { Put32(b, kInfoSize, 0x7FFFFFFF); }, kBmpUnreadable},
        {"width 0", [](std::vector<u8>& b) { Put32(b, kWidth, 0); }, kBmpUnreadable},
        {"negative width", [](std::vector<u8>& b) { Put32(b, kWidth, static_cast<u32>(-3)); }, kBmpUnreadable},
        {"height 0", [](std::vector<u8>& b) { Put32(b, kHeight, 0); }, kBmpUnreadable},
        {"most negative height", [](std::vector<u8>& b) { Put32(b, kHeight, 0x80000000u); }, kBmpUnreadable},
        {"width over the limit", [](std::vector<u8>& b) { Put32(b, kWidth, kMaxBmpSide + 1); }, kBmpUnreadable},
        {"huge but within sides",
         [](std::vector<u8>& b) {
             Put32(b, kWidth, kMaxBmpSide);
             Put32(b, kHeight, kMaxBmpSide);
         },
         kBmpUnreadable},
        {"rows beyond the file", [](std::vector<u8>& b) { Put32(b, kHeight, 1000); }, kBmpUnreadable},
        {"two planes", [](std::vector<u8>& b) { Put16(b, kPlanes, 2); }, kBmpUnreadable},
        {"compressed", [](std::vector<u8>& b) { Put32(b, kCompression, 1); }, kBmpUnreadable},
        {"too many colours", [](std::vector<u8>& b) { Put32(b, kColorsUsed, 257); }, kBmpUnreadable},
        {"pixels past the end", [](std::vector<u8>& b) { Put32(b, kOffPixels, 0xFFFFFFF0u); }, kBmpUnreadable},
        {"pixels inside the header", [](std::vector<u8>& b) { Put32(b, kOffPixels, 20); }, kBmpUnreadable},
        {"16 bits", [](std::vector<u8>& b) { Put16(b, kBits, 16); }, kBmpBadDepth},
        {"1 bit", [](std::vector<u8>& b) { Put16(b, kBits, 1); }, kBmpBadDepth},
    };
    for (const auto& c : cases) {
        std::vector<u8> bytes = good;
        c.damage(bytes);
        cPixelImage img;
        img.m_nWidth = 77;
        EXPECT_EQ(DecodeBmp(bytes, img), c.eExpected) << c.lpWhat;
        EXPECT_EQ(img.m_nWidth, 77) << c.lpWhat << ": the image was touched";
    }
}

TEST(BmpDecode, EveryTruncationOfAFileFails)
{
    const std::vector<u8> good = BuildBmp(Sample(5, 2, 8));
    for (size_t n = 0; n < good.size(); ++n) {
        cPixelImage img;
        EXPECT_EQ(DecodeBmp(std::vector<u8>(good.begin(), good.begin() + n), img), kBmpUnreadable) << n;
    }
}

TEST(BmpDecode, EightBitColourTableMustFitBeforeThePixels)
{
    cTestBmp bmp = Sample(4, 1, 8);
    bmp.palette.assign(16, 0);
    std::vector<u8> bytes = BuildBmp(bmp);
    cPixelImage img;
    // 16 colours written but none declared: 256 are expected and don't fit.
    EXPECT_EQ(DecodeBmp(bytes, img), kBmpUnreadable);
    Put32(bytes, kColorsUsed, 16);
    EXPECT_EQ(DecodeBmp(bytes, img), kBmpOk);
}

class BmpFile : public cCoreTest {};

TEST_F(BmpFile, ReadsThroughTheFileSystemAndRefusesMissingFiles)
{
    std::vector<u8> bytes = BuildBmp(Sample(2, 2, 24));
    ASSERT_TRUE(WriteFileBytes("sheet.bmp", bytes));
    std::vector<u8> read;
    EXPECT_EQ(ReadBmpFile("sheet.bmp", read), kBmpOk);
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(ReadBmpFile("missing.bmp", read), kBmpUnreadable);
    EXPECT_TRUE(read.empty());
}

TEST(BmpColorTable, ReadsTheDeclaredOrDefaultCount)
{
    cTestBmp bmp = Sample(1, 1, 8);
    for (u32 i = 0; i < 256; ++i) bmp.palette.push_back(0x010203 * (i % 80));
    u8 table[256][4] = {};
    u32 n = 0;
    ASSERT_TRUE(ReadBmpColorTable(BuildBmp(bmp), table, 256, n));
    EXPECT_EQ(n, 256u);
    EXPECT_EQ(table[2][0], 6);  // blue
    EXPECT_EQ(table[2][2], 2);  // red

    bmp.nColorsUsed = 16;
    bmp.palette.resize(16);
    ASSERT_TRUE(ReadBmpColorTable(BuildBmp(bmp), table, 256, n));
    EXPECT_EQ(n, 16u);

    // A true-colour file has no table; a cut table is damage.
    EXPECT_FALSE(ReadBmpColorTable(BuildBmp(Sample(1, 1, 24)), table, 256, n));
    std::vector<u8> cut = BuildBmp(Sample(1, 1, 8));
    cut.resize(60);
    EXPECT_FALSE(ReadBmpColorTable(cut, table, 256, n));
}

}  // namespace
