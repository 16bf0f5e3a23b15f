#include "app/bitmap.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "app/file_system.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr u32 kMinInfoHeaderSize = 40;
constexpr u32 kBiRgb = 0;

u16 Get16(const std::vector<u8>& b, size_t at) { return static_cast<u16>(b[at] | (b[at + 1] << 8)); }
u32 Get32(const std::vector<u8>& b, size_t at)
{
    return static_cast<u32>(b[at]) | (static_cast<u32>(b[at + 1]) << 8) | (static_cast<u32>(b[at + 2]) << 16) |
           (static_cast<u32>(b[at + 3]) << 24);
}

bool SameRgb(const u8* lpPixel, u32 dwColor)
{
    return lpPixel[0] == (dwColor & 0xFF) && lpPixel[1] == ((dwColor >> 8) & 0xFF) &&
           lpPixel[2] == ((dwColor >> 16) & 0xFF);
}

// The info header as far as the colour table and the depth go; the other
// checks belong to the pixel data.
bool ParseInfoHeader(const std::vector<u8>& file, u32& nHeaderSize, u16& nBits)
{
    if (file.size() < kFileHeaderSize + kMinInfoHeaderSize) return false;
    if (file[0] != 'B' || file[1] != 'M') return false;
    nHeaderSize = Get32(file, kFileHeaderSize);
    if (nHeaderSize < kMinInfoHeaderSize || nHeaderSize > file.size() - kFileHeaderSize) return false;
    nBits = Get16(file, kFileHeaderSize + 14);
    return true;
}

void SwapPixels(u8* a, u8* b, size_t nBytes)
{
    for (size_t i = 0; i < nBytes; ++i) std::swap(a[i], b[i]);
}

}  // namespace

size_t BmpStride(s32 nWidth, u32 nBits)
{
    return ((static_cast<size_t>(nWidth) * nBits + 31) / 32) * 4;
}

bool cPixelImage::Create(s32 nWidth, s32 nHeight, u32 nBits)
{
    if (nWidth < 1 || nHeight < 1 || nWidth > kMaxBmpSide || nHeight > kMaxBmpSide) return false;
    if (nBits != 8 && nBits != 24 && nBits != 32) return false;
    size_t nStride = BmpStride(nWidth, nBits);
    if (nStride * static_cast<size_t>(nHeight) > kMaxBmpPixelBytes) return false;
    m_Pixels.assign(nStride * static_cast<size_t>(nHeight), 0);
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_nBits = nBits;
    m_nStride = nStride;
    return true;
}

eBmpResult ParseBmpInfo(const std::vector<u8>& file, cBmpInfo& info)
{
    u32 nHeaderSize = 0;
    u16 nBits = 0;
    if (!ParseInfoHeader(file, nHeaderSize, nBits)) return kBmpUnreadable;
    const size_t kInfo = kFileHeaderSize;
    s32 nWidth = static_cast<s32>(Get32(file, kInfo + 4));
    s32 nHeight = static_cast<s32>(Get32(file, kInfo + 8));
    u16 nPlanes = Get16(file, kInfo + 12);
    u32 nCompression = Get32(file, kInfo + 16);
    u32 nColorsUsed = Get32(file, kInfo + 32);
    if (nBits != 8 && nBits != 24 && nBits != 32) return kBmpBadDepth;
    if (nPlanes != 1 || nCompression != kBiRgb || nColorsUsed > 256) return kBmpUnreadable;
    // The most negative height has no positive counterpart.
    if (nWidth < 1 || nHeight == 0 || nHeight < -kMaxBmpSide || nHeight > kMaxBmpSide || nWidth > kMaxBmpSide)
        return kBmpUnreadable;

    info.nWidth = nWidth;
    info.bTopDown = nHeight < 0;
    info.nHeight = nHeight < 0 ? -nHeight : nHeight;
    info.nBits = nBits;
    info.nColors = nBits == 8 ? (nColorsUsed ? nColorsUsed : 256) : nColorsUsed;
    info.nTableOffset = static_cast<u32>(kFileHeaderSize) + nHeaderSize;
    info.nPixelOffset = Get32(file, 10);

    u64 nTableEnd = static_cast<u64>(info.nTableOffset) + static_cast<u64>(info.nColors) * 4;
    u64 nRowBytes = BmpStride(nWidth, nBits);
    u64 nPixelBytes = nRowBytes * static_cast<u64>(info.nHeight);
    if (nPixelBytes > kMaxBmpPixelBytes) return kBmpUnreadable;
    if (info.nPixelOffset < nTableEnd) return kBmpUnreadable;
    if (static_cast<u64>(info.nPixelOffset) + nPixelBytes > file.size()) return kBmpUnreadable;
    return kBmpOk;
}

eBmpResult DecodeBmp(const std::vector<u8>& file, cPixelImage& image)
{
    cBmpInfo info;
    eBmpResult result = ParseBmpInfo(file, info);
    if (result != kBmpOk) return result;
    cPixelImage decoded;
    try {
        if (!decoded.Create(info.nWidth, info.nHeight, info.nBits)) return kBmpUnreadable;
    } catch (const std::bad_alloc&) {
        return kBmpNoMemory;
    }
    // The file's rows and the image's rows have the same padded size.
    for (s32 nFileRow = 0; nFileRow < info.nHeight; ++nFileRow) {
        s32 y = info.bTopDown ? nFileRow : info.nHeight - 1 - nFileRow;
        size_t nAt = info.nPixelOffset + static_cast<size_t>(nFileRow) * decoded.m_nStride;
        memcpy(decoded.Row(y), &file[nAt], decoded.m_nStride);
    }
    image = std::move(decoded);
    return kBmpOk;
}

eBmpResult ReadBmpFile(const std::string& strPath, std::vector<u8>& file)
{
    file.clear();
    FILE* fp = FileSystem().Open(strPath, "rb");
    if (!fp) return kBmpUnreadable;
    // Anything longer than the largest image and its headers is refused
    // before it is read.
    const size_t kLimit = kMaxBmpPixelBytes + 64 * 1024;
    eBmpResult result = kBmpOk;
    try {
        u8 buf[64 * 1024];
        for (;;) {
            size_t n = fread(buf, 1, sizeof buf, fp);
            if (n == 0) break;
            if (file.size() + n > kLimit) {
                result = kBmpUnreadable;
                break;
            }
            file.insert(file.end(), buf, buf + n);
        }
        if (result == kBmpOk && ferror(fp)) result = kBmpUnreadable;
    } catch (const std::bad_alloc&) {
        result = kBmpNoMemory;
    }
    fclose(fp);
    if (result != kBmpOk) file.clear();
    return result;
}

bool ReadBmpColorTable(const std::vector<u8>& file, u8 (*lpTable)[4], u32 nMaxEntries, u32& nEntries)
{
    nEntries = 0;
    u32 nHeaderSize = 0;
    u16 nBits = 0;
    if (!ParseInfoHeader(file, nHeaderSize, nBits)) return false;
    u32 nUsed = Get32(file, kFileHeaderSize + 32);
    u32 nCount;
    if (nUsed != 0) {
        nCount = std::min<u32>(nUsed, 256);
    } else if (nBits == 1) {
        nCount = 2;
    } else if (nBits == 4) {
        nCount = 16;
    } else if (nBits == 8) {
        nCount = 256;
    } else {
        return false;
    }
    nCount = std::min(nCount, nMaxEntries);
    size_t nAt = kFileHeaderSize + nHeaderSize;
    if (nAt + static_cast<size_t>(nCount) * 4 > file.size()) return false;
    memcpy(lpTable, &file[nAt], static_cast<size_t>(nCount) * 4);
    nEntries = nCount;
    return true;
}

bool SampleDown(const cPixelImage& src, s32 nWidth, s32 nHeight, s32 nScale, cPixelImage& dst)
{
    if (nScale < 1 || nWidth < 1 || nHeight < 1 || nWidth > src.m_nWidth || nHeight > src.m_nHeight) return false;
    if (!dst.Create(nWidth / nScale, nHeight / nScale, src.m_nBits)) return false;
    const size_t nBpp = src.BytesPerPixel();
    // i counts pixels of the nWidth x nHeight work area.
    size_t i = static_cast<size_t>(nScale / 2);
    const size_t nArea = static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight);
    for (s32 y = 0; y < dst.m_nHeight; ++y) {
        for (s32 x = 0; x < dst.m_nWidth; ++x) {
            if (i >= nArea) return false;
            const u8* lpFrom = src.Pixel(static_cast<s32>(i % nWidth), static_cast<s32>(i / nWidth));
            memcpy(dst.Pixel(x, y), lpFrom, nBpp);
            i += static_cast<size_t>(nScale);
        }
        i += static_cast<size_t>(nScale - 1) * static_cast<size_t>(nWidth);
    }
    return true;
}

void MirrorCells(cPixelImage& image, s32 nCellWidth, s32 nCellHeight)
{
    if (nCellWidth <= 0 && nCellHeight <= 0) return;
    const size_t nBpp = image.BytesPerPixel();
    const s32 nCellW = nCellWidth > 0 ? nCellWidth : image.m_nWidth;
    const s32 nCellH = nCellHeight > 0 ? nCellHeight : image.m_nHeight;
    const bool bFlipX = nCellWidth > 0;
    const bool bFlipY = nCellHeight > 0;
    const s32 nAcross = image.m_nWidth / nCellW;
    const s32 nDown = image.m_nHeight / nCellH;
    for (s32 cy = 0; cy < nDown; ++cy) {
        for (s32 cx = 0; cx < nAcross; ++cx) {
            const s32 x0 = cx * nCellW;
            const s32 y0 = cy * nCellH;
            // Each pixel is swapped once, with the image that lies after it.
            const s32 nPixels = nCellW * nCellH;
            for (s32 k = 0; k < nPixels; ++k) {
                s32 x = k % nCellW, y = k / nCellW;
                s32 mx = bFlipX ? nCellW - 1 - x : x;
                s32 my = bFlipY ? nCellH - 1 - y : y;
                s32 m = my * nCellW + mx;
                if (m <= k) continue;
                SwapPixels(image.Pixel(x0 + x, y0 + y), image.Pixel(x0 + mx, y0 + my), nBpp);
            }
        }
    }
}

void BuildIndexMask(const cPixelImage& image, u8 byTransparent, u8 byMaskIndex, cPixelImage& mask)
{
    mask = image;
    for (s32 y = 0; y < mask.m_nHeight; ++y) {
        u8* lpRow = mask.Row(y);
        for (s32 x = 0; x < mask.m_nWidth; ++x) lpRow[x] = lpRow[x] == byTransparent ? 255 : byMaskIndex;
    }
}

void BuildKeyMask(const cPixelImage& image, u32 dwColorKey, cPixelImage& mask)
{
    mask = image;
    const size_t nBpp = mask.BytesPerPixel();
    for (s32 y = 0; y < mask.m_nHeight; ++y) {
        for (s32 x = 0; x < mask.m_nWidth; ++x) {
            u8* p = mask.Pixel(x, y);
            memset(p, SameRgb(p, dwColorKey) ? 0xFF : 0x00, 3);
            if (nBpp == 4) p[3] = 0;
        }
    }
}

void BlackenColorKey(cPixelImage& image, u32 dwColorKey)
{
    for (s32 y = 0; y < image.m_nHeight; ++y) {
        for (s32 x = 0; x < image.m_nWidth; ++x) {
            u8* p = image.Pixel(x, y);
            if (SameRgb(p, dwColorKey)) memset(p, 0, 3);
        }
    }
}

bool CropColumns(const cPixelImage& src, s32 nX, s32 nWidth, cPixelImage& dst)
{
    if (nX < 0 || !dst.Create(nWidth, src.m_nHeight, src.m_nBits)) return false;
    if (nX >= src.m_nWidth) return true;
    const size_t nBytes = static_cast<size_t>(std::min(nWidth, src.m_nWidth - nX)) * src.BytesPerPixel();
    for (s32 y = 0; y < src.m_nHeight; ++y) memcpy(dst.Row(y), src.Pixel(nX, y), nBytes);
    return true;
}

eBmpResult LoadBmpImage(const cBmpLoadRequest& req, const cTransparency& colors, cPixelImage& image,
                        cPixelImage& mask)
{
    std::vector<u8> file;
    eBmpResult result = ReadBmpFile(req.strPath, file);
    if (result != kBmpOk) return result;
    cPixelImage decoded;
    result = DecodeBmp(file, decoded);
    if (result != kBmpOk) return result;
    file.clear();
    file.shrink_to_fit();
    if (req.nSrcWidth > 0) {
        cPixelImage part;
        if (!CropColumns(decoded, req.nSrcX, req.nSrcWidth, part)) return kBmpUnreadable;
        decoded = std::move(part);
    }

    const s32 nScale = req.nScale < 1 ? 1 : req.nScale;
    try {
        if (nScale == 1) {
            image = std::move(decoded);
        } else {
            s32 w = decoded.m_nWidth, h = decoded.m_nHeight;
            if (req.nAlignWidth > 0) w -= w % req.nAlignWidth;
            if (req.nAlignHeight > 0) h -= h % req.nAlignHeight;
            if (!SampleDown(decoded, w, h, nScale, image)) return kBmpUnreadable;
        }
        MirrorCells(image, req.nCellWidth / nScale, req.nCellHeight / nScale);
        if (req.bMask) {
            if (image.m_nBits == 8)
                BuildIndexMask(image, colors.byTransparentIndex, colors.byMaskIndex, mask);
            else
                BuildKeyMask(image, colors.dwColorKey, mask);
        }
    } catch (const std::bad_alloc&) {
        return kBmpNoMemory;
    }
    if (image.m_nBits != 8) BlackenColorKey(image, colors.dwColorKey);
    return kBmpOk;
}
