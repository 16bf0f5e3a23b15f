#include "framework/surface.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <vector>

#include "app/bitmap.h"
#include "app/fatal.h"
#include "app/game_palette.h"
#include "app/str_util.h"

namespace {

// A BITMAPINFO with room for a full colour table.
struct cDibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

void FillDibInfo(cDibInfo& info, s32 nWidth, s32 nHeight, u32 nBits)
{
    memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = nWidth;
    info.header.biHeight = -nHeight;  // rows run top-down
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(nBits);
    info.header.biCompression = BI_RGB;
    if (nBits != 8) return;
    // 8-bit surfaces show the game palette, with black first and white last.
    const u8(*lpPalette)[4] = GamePaletteColors();
    for (int i = 0; i < 256; ++i) {
        info.colors[i].rgbBlue = lpPalette[i][0];
        info.colors[i].rgbGreen = lpPalette[i][1];
        info.colors[i].rgbRed = lpPalette[i][2];
    }
    info.colors[0] = RGBQUAD{0, 0, 0, 0};
    info.colors[255] = RGBQUAD{255, 255, 255, 0};
}

void CopyRows(const cPixelImage& image, u8* lpDst, size_t nDstStride)
{
    size_t nBytes = std::min(nDstStride, image.m_nStride);
    for (s32 y = 0; y < image.m_nHeight; ++y) memcpy(lpDst + static_cast<size_t>(y) * nDstStride, image.Row(y), nBytes);
}

const char* const kCannotRead = "%s が読み込めません！";

}  // namespace

cSurface::~cSurface()
{
    Release();
    if (m_hFont) DeleteObject(m_hFont);
}

bool cSurface::MakeDib(s32 nWidth, s32 nHeight, u32 nBits, HDC& hDC, HBITMAP& hBitmap, HBITMAP& hOld,
                       void*& lpBits)
{
    cDibInfo info;
    FillDibInfo(info, nWidth, nHeight, nBits);
    hBitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &lpBits, nullptr, 0);
    if (!hBitmap) return false;
    hDC = CreateCompatibleDC(nullptr);
    if (!hDC) return false;
    hOld = static_cast<HBITMAP>(SelectObject(hDC, hBitmap));
    return true;
}

u32 cSurface::Create(s32 nWidth, s32 nHeight, u32 nBits, u32 bMask)
{
    Release();
    if (nWidth < 1 || nHeight < 1) return 0;
    if (!MakeDib(nWidth, nHeight, nBits, m_hDC, m_hBitmap, m_hOldBitmap, m_lpBits)) return 0;
    if (bMask && !MakeDib(nWidth, nHeight, nBits, m_hMaskDC, m_hMaskBitmap, m_hOldMaskBitmap, m_lpMaskBits))
        return 0;
    BitBlt(m_hDC, 0, 0, nWidth, nHeight, nullptr, 0, 0, WHITENESS);
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    GetObjectA(m_hBitmap, sizeof m_Bitmap, &m_Bitmap);
    return 1;
}

u32 cSurface::AttachWindow(HWND hWnd)
{
    Release();
    m_hDC = hWnd ? ::GetDC(hWnd) : nullptr;
    if (!m_hDC) return 0;
    m_hDcWnd = hWnd;
    RECT rc;
    GetClientRect(hWnd, &rc);
    m_nWidth = rc.right;
    m_nHeight = rc.bottom;
    return 1;
}

void cSurface::Release()
{
    ReleasePen();
    if (m_hDcWnd) {
        ReleaseDC(m_hDcWnd, m_hDC);
        m_hDcWnd = nullptr;
        m_hDC = nullptr;
    }
    if (m_hMaskDC) {
        SelectObject(m_hMaskDC, m_hOldMaskBitmap);
        DeleteDC(m_hMaskDC);
    }
    if (m_hMaskBitmap) DeleteObject(m_hMaskBitmap);
    if (m_hDC) {
        SelectObject(m_hDC, m_hOldBitmap);
        DeleteDC(m_hDC);
    }
    if (m_hBitmap) DeleteObject(m_hBitmap);
    m_hDC = m_hMaskDC = nullptr;
    m_hBitmap = m_hOldBitmap = m_hMaskBitmap = m_hOldMaskBitmap = nullptr;
    m_lpBits = m_lpMaskBits = nullptr;
    m_Bitmap = BITMAP{};
    m_nWidth = m_nHeight = 0;
}

u32 cSurface::LoadBmpFile(const std::string& strPath, s32 nBits, s32 bMask, s32 nCellWidth, s32 nCellHeight,
                          s32 nScale, s32 nAlignWidth, s32 nAlignHeight)
{
    cSurfaceDesc desc;
    desc.strPath = strPath;
    desc.nBits = nBits;
    desc.bMask = bMask;
    desc.nCellWidth = nCellWidth;
    desc.nCellHeight = nCellHeight;
    desc.nScale = nScale;
    desc.nAlignWidth = nAlignWidth;
    desc.nAlignHeight = nAlignHeight;
    return LoadBmp(desc);
}

void ReportBmpFailure(const std::string& strPath, eBmpResult result)
{
    switch (result) {
    case kBmpOk:
    case kBmpQuietFailure:
        break;
    case kBmpBadDepth:
        MesBox("%s の読み込みに失敗しました！\n対応していない色数です。", strPath.c_str());
        break;
    case kBmpNoMemory:
        ReportOutOfMemory();
        break;
    default:
        MesBox(kCannotRead, strPath.c_str());
        break;
    }
}

u32 cSurface::LoadBmp(const cSurfaceDesc& desc)
{
    if (desc.strPath.empty()) return 0;
    const eBmpResult result = Load(desc);
    ReportBmpFailure(desc.strPath, result);
    return result == kBmpOk ? 1 : 0;
}

eBmpResult cSurface::Load(const cSurfaceDesc& desc)
{
    const s32 nScale = desc.nScale < 1 ? 1 : desc.nScale;
    if (desc.strPath.empty()) return kBmpUnreadable;
    if (desc.strPath == "E")
        return Create(desc.nWidth, desc.nHeight, static_cast<u32>(desc.nBits), desc.bMask) ? kBmpOk : kBmpUnreadable;

    cBmpLoadRequest req;
    req.strPath = desc.strPath;
    req.bMask = desc.bMask != 0;
    req.nCellWidth = desc.nCellWidth;
    req.nCellHeight = desc.nCellHeight;
    req.nScale = nScale;
    req.nAlignWidth = desc.nAlignWidth;
    req.nAlignHeight = desc.nAlignHeight;
    req.nSrcX = desc.nSrcX;
    req.nSrcWidth = desc.nSrcWidth;
    cPixelImage image, mask;
    const eBmpResult result = LoadBmpImage(req, CurrentTransparency(), image, mask);
    if (result != kBmpOk) return result;
    // No image of this size can be made: a 24- or 32-bit sheet fails quietly.
    if (!Create(image.m_nWidth, image.m_nHeight, image.m_nBits, desc.bMask))
        return image.m_nBits == 8 ? kBmpUnreadable : kBmpQuietFailure;
    GdiFlush();
    CopyRows(image, GetPixels(), GetStride());
    if (desc.bMask) CopyRows(mask, GetMaskPixels(), GetStride());
    m_nCellWidth = desc.nCellWidth / nScale;
    m_nCellHeight = desc.nCellHeight / nScale;
    return kBmpOk;
}

BOOL cSurface::Blt(s32 x, s32 y, s32 nWidth, s32 nHeight, const cSurface& src, s32 nSrcX, s32 nSrcY, u32 bOpaque)
{
    if (src.HasMask() && !bOpaque) {
        BitBlt(m_hDC, x, y, nWidth, nHeight, src.m_hMaskDC, nSrcX, nSrcY, SRCAND);
        return BitBlt(m_hDC, x, y, nWidth, nHeight, src.m_hDC, nSrcX, nSrcY, SRCPAINT);
    }
    return BitBlt(m_hDC, x, y, nWidth, nHeight, src.m_hDC, nSrcX, nSrcY, SRCCOPY);
}

BOOL cSurface::StretchBlt(s32 x, s32 y, s32 nWidth, s32 nHeight, const cSurface& src, s32 nSrcX, s32 nSrcY,
                          s32 nSrcWidth, s32 nSrcHeight, u32 bOpaque)
{
    if (src.HasMask() && !bOpaque) {
        ::StretchBlt(m_hDC, x, y, nWidth, nHeight, src.m_hMaskDC, nSrcX, nSrcY, nSrcWidth, nSrcHeight, SRCAND);
        return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, src.m_hDC, nSrcX, nSrcY, nSrcWidth, nSrcHeight,
                            SRCPAINT);
    }
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, src.m_hDC, nSrcX, nSrcY, nSrcWidth, nSrcHeight, SRCCOPY);
}

void cSurface::Fill(COLORREF color)
{
    if (!m_hDC) return;
    SetPen(PS_SOLID, 1, color);
    if (m_lpBits && GetBits() == 32) {
        // Straight into the pixels: a DIB row is blue, green, red, unused.
        GdiFlush();
        const u32 dwPixel = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        for (s32 y = 0; y < m_nHeight; ++y) {
            u32* lpRow = reinterpret_cast<u32*>(GetPixels() + static_cast<size_t>(y) * GetStride());
            std::fill(lpRow, lpRow + m_nWidth, dwPixel);
        }
        return;
    }
    for (s32 y = 0; y < m_nHeight; ++y) Line(0, y, m_nWidth, y);
}

void cSurface::FillRgb(u8 byBlue, u8 byGreen, u8 byRed) { Fill(RGB(byRed, byGreen, byBlue)); }

HFONT cSurface::SetFont(const char* lpFace, s32 nWidth, s32 nHeight)
{
    if (m_hFont) DeleteObject(m_hFont);
    m_hFont = CreateFontA(nHeight, nWidth, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, lpFace);
    return m_hFont;
}

void cSurface::DrawText(s32 x, s32 y, const std::string& strText, COLORREF color, int nBkMode)
{
    if (!m_hDC) return;
    SetTextColor(m_hDC, color);
    SetBkMode(m_hDC, nBkMode);
    HGDIOBJ hOldFont = m_hFont ? SelectObject(m_hDC, m_hFont) : nullptr;
    size_t nStart = 0;
    for (s32 nLine = 0;; ++nLine) {
        size_t nEnd = strText.find('\n', nStart);
        std::string strLine = strText.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
        TextOutA(m_hDC, x, y + 20 * nLine, strLine.c_str(), static_cast<int>(strLine.size()));
        if (nEnd == std::string::npos) break;
        nStart = nEnd + 1;
    }
    if (hOldFont) SelectObject(m_hDC, hOldFont);
}

void cSurface::Printf(s32 x, s32 y, const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    // A line of the surface is at most 255 bytes.
    str.resize(CharBoundaryAtOrBelow(str, 255));
    DrawText(x, y, str, RGB(255, 255, 255), TRANSPARENT);
}

u32 cSurface::SetPen(int nStyle, int nWidth, COLORREF color)
{
    ReleasePen();
    if (!m_hDC) return 0;
    m_hPen = CreatePen(nStyle, nWidth, color);
    if (!m_hPen) return 0;
    m_hOldPen = SelectObject(m_hDC, m_hPen);
    if (nStyle == PS_DOT) SetBkMode(m_hDC, TRANSPARENT);
    return 1;
}

void cSurface::ReleasePen()
{
    if (!m_hPen) return;
    if (m_hDC) SelectObject(m_hDC, m_hOldPen);
    DeleteObject(m_hPen);
    m_hPen = nullptr;
    m_hOldPen = nullptr;
}

void cSurface::Line(s32 x1, s32 y1, s32 x2, s32 y2)
{
    if (!m_hDC) return;
    MoveToEx(m_hDC, x1, y1, nullptr);
    LineTo(m_hDC, x2, y2);
}

void cSurface::DrawRect(s32 x, s32 y, s32 nWidth, s32 nHeight)
{
    if (!m_hDC) return;
    POINT pts[5] = {{x, y}, {x + nWidth, y}, {x + nWidth, y + nHeight}, {x, y + nHeight}, {x, y}};
    Polyline(m_hDC, pts, 5);
}

void cSurface::DrawGrid(s32 x, s32 y, s32 nWidth, s32 nHeight, s32 nCellWidth, s32 nCellHeight, COLORREF color)
{
    if (nCellWidth == 0 || nCellHeight == 0) return;
    SetPen(PS_SOLID, 1, color);
    for (s32 i = 0; i <= nWidth / nCellWidth; ++i) Line(x + i * nCellWidth, y, x + i * nCellWidth, y + nHeight);
    Line(x + nWidth - 1, y, x + nWidth - 1, y + nHeight);
    for (s32 i = 0; i <= nHeight / nCellHeight; ++i) Line(x, y + i * nCellHeight, x + nWidth, y + i * nCellHeight);
    Line(x, y + nHeight - 1, x + nWidth, y + nHeight - 1);
    ReleasePen();
}
