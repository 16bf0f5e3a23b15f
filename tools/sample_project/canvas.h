#pragma once
// An 8-bit image to draw the sample project's sheets on: indices into the
// sample palette, index 0 transparent, rows top first; written as a BMP.
#include <string>
#include <vector>

#include "app/types.h"

// Little-endian values appended to a file's bytes.
void PutU16(std::vector<u8>& out, u32 v);
void PutU32(std::vector<u8>& out, u32 v);

// The 256 colours of the sample palette, 0xRRGGBB.
typedef std::vector<u32> tPalette;

class cCanvas {
public:
    cCanvas(int nWidth, int nHeight, u8 byFill = 0);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    u8 Get(int x, int y) const;
    // Every drawing call clips to the canvas and, when set, to the clip
    // rectangle (one cell of a sheet).
    void Set(int x, int y, u8 c);
    void SetClip(int x, int y, int w, int h);
    void ClearClip();

    void FillRect(int x, int y, int w, int h, u8 c);
    void Rect(int x, int y, int w, int h, u8 c);
    // A raised square: the light colour on the top and left edges, the dark
    // one on the bottom and right.
    void Bevel(int x, int y, int w, int h, u8 light, u8 face, u8 dark);
    void FillEllipse(double cx, double cy, double rx, double ry, u8 c);
    void Line(int x0, int y0, int x1, int y1, u8 c);
    void FillTriangle(int x0, int y0, int x1, int y1, int x2, int y2, u8 c);
    // Text in the 5 x 7 font (digits, letters, "?"), each dot nScale pixels.
    void Text(int x, int y, const std::string& str, u8 c, int nScale = 1);
    static int TextWidth(const std::string& str, int nScale = 1);
    // Draws colour c on every transparent pixel next to a drawn one, inside
    // the rectangle.
    void Outline(int x, int y, int w, int h, u8 c);
    // Copies a part of another canvas; bHalf takes every second pixel (the
    // first drawn one of each 2 x 2 square).
    void Copy(const cCanvas& src, int sx, int sy, int w, int h, int dx, int dy, bool bHalf = false);

    // The image as an 8-bit BMP file with the palette as its colour table.
    std::vector<u8> ToBmp(const tPalette& palette) const;

private:
    bool Inside(int x, int y) const;

    int m_nWidth, m_nHeight;
    std::vector<u8> m_Pixels;
    int m_nClipX = 0, m_nClipY = 0, m_nClipW = 0, m_nClipH = 0;
    bool m_bClip = false;
};
