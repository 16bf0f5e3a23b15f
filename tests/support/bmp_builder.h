#pragma once
// BMP files built byte by byte for tests, from the file format's own layout
// (14-byte file header, 40-byte info header, colour table, padded rows).
#include <vector>

#include "app/types.h"

struct cTestBmp {
    s32 nWidth = 0;
    s32 nHeight = 0;
    u16 nBits = 24;
    bool bTopDown = false;
    // Top row first, row by row: 8 bits: palette indices; 24 and 32 bits:
    // 0xRRGGBB (32 bits: the fourth byte is written as nAlpha).
    std::vector<u32> pixels;
    // Colour table as 0xRRGGBB; for 8 bits 256 entries are written when it is
    // empty (a grey ramp).
    std::vector<u32> palette;
    u32 nColorsUsed = 0;
    u8 nAlpha = 0;
    u8 byPadding = 0xEE;  // the bytes that pad rows to four
};

std::vector<u8> BuildBmp(const cTestBmp& bmp);

// A 256-entry palette file (8 bits, 1 x 1 pixel) with the given colours
// (0xRRGGBB); entries past the list are grey.
std::vector<u8> BuildPaletteBmp(const std::vector<u32>& colors);
