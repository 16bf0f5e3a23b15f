#include "support/bmp_builder.h"

#include "support/test_env.h"

namespace {

void PutColor(cBytes& out, u32 rgb)
{
    out.U8(rgb & 0xFF).U8((rgb >> 8) & 0xFF).U8((rgb >> 16) & 0xFF);
}

}  // namespace

std::vector<u8> BuildBmp(const cTestBmp& bmp)
{
    std::vector<u32> palette = bmp.palette;
    if (bmp.nBits == 8 && palette.empty()) {
        for (u32 i = 0; i < 256; ++i) palette.push_back(i * 0x010101);
    }
    size_t nRowBytes = (static_cast<size_t>(bmp.nWidth) * bmp.nBits / 8 + 3) / 4 * 4;
    u32 nTable = static_cast<u32>(palette.size()) * 4;
    u32 nOffset = 14 + 40 + nTable;
    u32 nImage = static_cast<u32>(nRowBytes * bmp.nHeight);

    cBytes out;
    out.U8('B').U8('M').U32(nOffset + nImage).U16(0).U16(0).U32(nOffset);
    out.U32(40).U32(static_cast<u32>(bmp.nWidth)).U32(static_cast<u32>(bmp.bTopDown ? -bmp.nHeight : bmp.nHeight));
    out.U16(1).U16(bmp.nBits).U32(0).U32(nImage).U32(2835).U32(2835).U32(bmp.nColorsUsed).U32(0);
    for (u32 rgb : palette) {
        PutColor(out, rgb);
        out.U8(0);
    }
    for (s32 r = 0; r < bmp.nHeight; ++r) {
        s32 y = bmp.bTopDown ? r : bmp.nHeight - 1 - r;
        size_t nWritten = 0;
        for (s32 x = 0; x < bmp.nWidth; ++x) {
            u32 v = bmp.pixels[static_cast<size_t>(y) * bmp.nWidth + x];
            if (bmp.nBits == 8) {
                out.U8(static_cast<u8>(v));
                nWritten += 1;
            } else {
                PutColor(out, v);
                nWritten += 3;
                if (bmp.nBits == 32) {
                    out.U8(bmp.nAlpha);
                    nWritten += 1;
                }
            }
        }
        for (; nWritten < nRowBytes; ++nWritten) out.U8(bmp.byPadding);
    }
    return out.Get();
}

std::vector<u8> BuildPaletteBmp(const std::vector<u32>& colors)
{
    cTestBmp bmp;
    bmp.nWidth = 1;
    bmp.nHeight = 1;
    bmp.nBits = 8;
    bmp.pixels = {0};
    for (u32 i = 0; i < 256; ++i) bmp.palette.push_back(i < colors.size() ? colors[i] : i * 0x010101);
    return BuildBmp(bmp);
}
