#pragma once
// BMP files and plain pixel images: decoding with every size checked before a
// pixel is touched, the scaled sampling of sprite sheets, cell mirroring and
// the transparency mask. Windows hosts the result in a DIB section; nothing
// here needs a window.
#include <string>
#include <vector>

#include "app/types.h"

// Sizes beyond these are refused as damaged files.
constexpr s32 kMaxBmpSide = 16384;
constexpr size_t kMaxBmpPixelBytes = 256u << 20;

// A top-down image of 8, 24 or 32 bits a pixel whose rows are padded to four
// bytes, the layout of a DIB section.
struct cPixelImage {
    s32 m_nWidth = 0;
    s32 m_nHeight = 0;
    u32 m_nBits = 0;
    size_t m_nStride = 0;
    std::vector<u8> m_Pixels;

    // false when a side is below 1 or the image would be too large.
    bool Create(s32 nWidth, s32 nHeight, u32 nBits);
    size_t BytesPerPixel() const { return m_nBits / 8; }
    u8* Row(s32 y) { return &m_Pixels[static_cast<size_t>(y) * m_nStride]; }
    const u8* Row(s32 y) const { return &m_Pixels[static_cast<size_t>(y) * m_nStride]; }
    u8* Pixel(s32 x, s32 y) { return Row(y) + static_cast<size_t>(x) * BytesPerPixel(); }
    const u8* Pixel(s32 x, s32 y) const { return Row(y) + static_cast<size_t>(x) * BytesPerPixel(); }
};

// Bytes of one row of nWidth pixels, padded to four bytes.
size_t BmpStride(s32 nWidth, u32 nBits);

enum eBmpResult {
    kBmpOk = 0,
    kBmpUnreadable,   // missing, short, damaged or of a form not supported
    kBmpBadDepth,     // a colour depth other than 8, 24 or 32 bits
    kBmpNoMemory,
    kBmpQuietFailure,  // failed, and nothing is to be reported
};

// The headers of a BMP file, as far as they were found consistent.
struct cBmpInfo {
    s32 nWidth = 0;
    s32 nHeight = 0;        // always positive
    bool bTopDown = false;  // the file stored its rows top row first
    u32 nBits = 0;
    u32 nColors = 0;        // entries of the colour table
    u32 nTableOffset = 0;   // where the colour table starts
    u32 nPixelOffset = 0;
};

// Checks the file's headers, colour count, row sizes and length.
eBmpResult ParseBmpInfo(const std::vector<u8>& file, cBmpInfo& info);
// The image of a checked file. An 8-bit file's own colour table is ignored:
// its pixels are indices into the game palette.
eBmpResult DecodeBmp(const std::vector<u8>& file, cPixelImage& image);
// Reads a whole file through the file system, refusing anything larger than
// a BMP may be.
eBmpResult ReadBmpFile(const std::string& strPath, std::vector<u8>& file);

// The colour table of a BMP (4 bytes an entry: blue, green, red, reserved):
// the colours-used count when given (at most 256), else 2, 16 or 256 entries
// for 1, 4 and 8 bits. False for a damaged file or one of another depth.
bool ReadBmpColorTable(const std::vector<u8>& file, u8 (*lpTable)[4], u32 nMaxEntries, u32& nEntries);

// The top-left nWidth x nHeight part of the image sampled down by nScale:
// pixel i of the work area, i starting at nScale / 2, growing by nScale a
// pixel and by (nScale - 1) x nWidth after each row.
bool SampleDown(const cPixelImage& src, s32 nWidth, s32 nHeight, s32 nScale, cPixelImage& dst);

// Turns every cell by 180 degrees; with only a cell width mirrors each column
// strip left to right, with only a cell height each row strip top to bottom.
void MirrorCells(cPixelImage& image, s32 nCellWidth, s32 nCellHeight);

// The transparency mask of an 8-bit image: 255 where the pixel is the
// transparent index, else the mask index.
void BuildIndexMask(const cPixelImage& image, u8 byTransparent, u8 byMaskIndex, cPixelImage& mask);
// The mask of a 24- or 32-bit image: white where blue, green and red equal
// the colour key (bytes blue, green, red, 0), else black.
void BuildKeyMask(const cPixelImage& image, u32 dwColorKey, cPixelImage& mask);
// Sets every pixel of the colour key to black.
void BlackenColorKey(cPixelImage& image, u32 dwColorKey);

// What a sprite sheet is loaded with.
struct cBmpLoadRequest {
    std::string strPath;
    bool bMask = false;
    s32 nCellWidth = 0;
    s32 nCellHeight = 0;
    s32 nScale = 1;
    s32 nAlignWidth = 0;
    s32 nAlignHeight = 0;
    // Only the columns nSrcX to nSrcX + nSrcWidth - 1 of the file (0: all);
    // columns past the file's edge come out as index 0 (black).
    s32 nSrcX = 0;
    s32 nSrcWidth = 0;
};

// Colours that transparency is decided by.
struct cTransparency {
    u8 byTransparentIndex = 0;  // 8-bit images
    u8 byMaskIndex = 0;         // 8-bit images
    u32 dwColorKey = 0;         // 24- and 32-bit images: blue, green, red, 0
};

// The columns nX to nX + nWidth - 1 of the image; those past its edge are 0.
bool CropColumns(const cPixelImage& src, s32 nX, s32 nWidth, cPixelImage& dst);

// The whole load of a sheet: file, part, scale, mirroring, mask and key colour.
// The mask is made only when asked for.
eBmpResult LoadBmpImage(const cBmpLoadRequest& req, const cTransparency& colors, cPixelImage& image,
                        cPixelImage& mask);
