#pragma once
// An off-screen image: a memory DC with a DIB section whose pixels the
// program can touch directly, an optional mask DIB for transparent drawing,
// a pen and a font. 8-bit images show through the game palette.
#include <windows.h>

#include <string>

#include "app/bitmap.h"
#include "app/types.h"

// How a surface is loaded; also a row of the project loader's bitmap table.
// Width, height and depth are used only for the path "E" (an empty surface).
struct cSurfaceDesc {
    std::string strPath;
    s32 nBits = 32;
    s32 bMask = 0;
    s32 nCellWidth = 0;
    s32 nCellHeight = 0;
    s32 nWidth = 0;
    s32 nHeight = 0;
    s32 nScale = 1;
    s32 nAlignWidth = 0;
    s32 nAlignHeight = 0;
    // Only these columns of the file (width 0: all of them).
    s32 nSrcX = 0;
    s32 nSrcWidth = 0;
};

// The error box of a sheet that did not load.
void ReportBmpFailure(const std::string& strPath, eBmpResult result);

class cSurface {
public:
    cSurface() = default;
    ~cSurface();
    cSurface(const cSurface&) = delete;
    cSurface& operator=(const cSurface&) = delete;

    // 1, or 0 when a bitmap or DC can't be made. The image starts white.
    u32 Create(s32 nWidth, s32 nHeight, u32 nBits, u32 bMask);
    // Draws straight into a window: the window's device context, held until
    // the surface is released. 0 when the window gives none.
    u32 AttachWindow(HWND hWnd);
    // Loads and reports a failure in an error box: "%s が読み込めません！", or
    // the colour-depth message.
    u32 LoadBmp(const cSurfaceDesc& desc);
    // The same without a message; kBmpOk on success.
    eBmpResult Load(const cSurfaceDesc& desc);
    u32 LoadBmpFile(const std::string& strPath, s32 nBits, s32 bMask, s32 nCellWidth, s32 nCellHeight, s32 nScale,
                    s32 nAlignWidth, s32 nAlignHeight);
    void Release();

    // With a source mask and bOpaque 0: the mask with SRCAND, then the image
    // with SRCPAINT; else one SRCCOPY. The last blit's result.
    BOOL Blt(s32 x, s32 y, s32 nWidth, s32 nHeight, const cSurface& src, s32 nSrcX, s32 nSrcY, u32 bOpaque);
    BOOL StretchBlt(s32 x, s32 y, s32 nWidth, s32 nHeight, const cSurface& src, s32 nSrcX, s32 nSrcY,
                    s32 nSrcWidth, s32 nSrcHeight, u32 bOpaque);

    void Fill(COLORREF color);
    void FillRgb(u8 byBlue, u8 byGreen, u8 byRed);
    HFONT SetFont(const char* lpFace, s32 nWidth, s32 nHeight);
    // Lines split at line feeds, each 20 pixels below the one before.
    void DrawText(s32 x, s32 y, const std::string& strText, COLORREF color, int nBkMode);
    void Printf(s32 x, s32 y, const char* lpFormat, ...) __attribute__((format(printf, 4, 5)));
    u32 SetPen(int nStyle, int nWidth, COLORREF color);
    void ReleasePen();
    void Line(s32 x1, s32 y1, s32 x2, s32 y2);
    void DrawRect(s32 x, s32 y, s32 nWidth, s32 nHeight);
    void DrawGrid(s32 x, s32 y, s32 nWidth, s32 nHeight, s32 nCellWidth, s32 nCellHeight, COLORREF color);

    HDC GetDC() const { return m_hDC; }
    HDC GetMaskDC() const { return m_hMaskDC; }
    bool HasMask() const { return m_hMaskDC != nullptr; }
    s32 GetWidth() const { return m_nWidth; }
    s32 GetHeight() const { return m_nHeight; }
    s32 GetCellWidth() const { return m_nCellWidth; }
    s32 GetCellHeight() const { return m_nCellHeight; }
    u32 GetBits() const { return static_cast<u32>(m_Bitmap.bmBitsPixel); }
    // Pixel rows, top row first, each GetStride() bytes.
    u8* GetPixels() const { return static_cast<u8*>(m_lpBits); }
    u8* GetMaskPixels() const { return static_cast<u8*>(m_lpMaskBits); }
    size_t GetStride() const { return static_cast<size_t>(m_Bitmap.bmWidthBytes); }

private:
    bool MakeDib(s32 nWidth, s32 nHeight, u32 nBits, HDC& hDC, HBITMAP& hBitmap, HBITMAP& hOld, void*& lpBits);

    HDC m_hDC = nullptr;
    HWND m_hDcWnd = nullptr;  // the window whose DC m_hDC is
    HBITMAP m_hBitmap = nullptr;
    HBITMAP m_hOldBitmap = nullptr;
    BITMAP m_Bitmap = {};
    void* m_lpBits = nullptr;
    s32 m_nWidth = 0;
    s32 m_nHeight = 0;
    s32 m_nCellWidth = 0;
    s32 m_nCellHeight = 0;
    HFONT m_hFont = nullptr;
    HDC m_hMaskDC = nullptr;
    HBITMAP m_hMaskBitmap = nullptr;
    HBITMAP m_hOldMaskBitmap = nullptr;
    void* m_lpMaskBits = nullptr;
    HPEN m_hPen = nullptr;
    HGDIOBJ m_hOldPen = nullptr;
};
