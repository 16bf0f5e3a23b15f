#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The 5 x 7 font: one byte a row, bit 4 the leftmost dot.
struct cGlyph {
    char c;
    u8 rows[7];
};
const cGlyph kGlyphs[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'?', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}},
};

const cGlyph* FindGlyph(char c)
{
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const cGlyph& g : kGlyphs)
        if (g.c == c) return &g;
    return nullptr;
}

}  // namespace

void PutU16(std::vector<u8>& out, u32 v)
{
    out.push_back(static_cast<u8>(v));
    out.push_back(static_cast<u8>(v >> 8));
}

void PutU32(std::vector<u8>& out, u32 v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

cCanvas::cCanvas(int nWidth, int nHeight, u8 byFill)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_Pixels(static_cast<size_t>(nWidth) * nHeight, byFill)
{
}

bool cCanvas::Inside(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return false;
    return !m_bClip || (x >= m_nClipX && y >= m_nClipY && x < m_nClipX + m_nClipW && y < m_nClipY + m_nClipH);
}

u8 cCanvas::Get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return 0;
    return m_Pixels[static_cast<size_t>(y) * m_nWidth + x];
}

void cCanvas::Set(int x, int y, u8 c)
{
    if (Inside(x, y)) m_Pixels[static_cast<size_t>(y) * m_nWidth + x] = c;
}

void cCanvas::SetClip(int x, int y, int w, int h)
{
    m_nClipX = x, m_nClipY = y, m_nClipW = w, m_nClipH = h;
    m_bClip = true;
}

void cCanvas::ClearClip() { m_bClip = false; }

void cCanvas::FillRect(int x, int y, int w, int h, u8 c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void cCanvas::Rect(int x, int y, int w, int h, u8 c)
{
    FillRect(x, y, w, 1, c);
    FillRect(x, y + h - 1, w, 1, c);
    FillRect(x, y, 1, h, c);
    FillRect(x + w - 1, y, 1, h, c);
}

void cCanvas::Bevel(int x, int y, int w, int h, u8 light, u8 face, u8 dark)
{
    FillRect(x, y, w, h, face);
    FillRect(x, y, w, 2, light);
    FillRect(x, y, 2, h, light);
    FillRect(x, y + h - 2, w, 2, dark);
    FillRect(x + w - 2, y, 2, h, dark);
}

void cCanvas::FillEllipse(double cx, double cy, double rx, double ry, u8 c)
{
    for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y)
        for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
        }
}

void cCanvas::Line(int x0, int y0, int x1, int y1, u8 c)
{
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Set(x0, y0, c);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
    }
}

void cCanvas::FillTriangle(int x0, int y0, int x1, int y1, int x2, int y2, u8 c)
{
    const int nMinX = std::min({x0, x1, x2}), nMaxX = std::max({x0, x1, x2});
    const int nMinY = std::min({y0, y1, y2}), nMaxY = std::max({y0, y1, y2});
    const auto Edge = [](int ax, int ay, int bx, int by, double px, double py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    const double dArea = Edge(x0, y0, x1, y1, x2, y2);
    if (dArea == 0) return;
    for (int y = nMinY; y <= nMaxY; ++y)
        for (int x = nMinX; x <= nMaxX; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double a = Edge(x1, y1, x2, y2, px, py) / dArea, b = Edge(x2, y2, x0, y0, px, py) / dArea,
                         d = Edge(x0, y0, x1, y1, px, py) / dArea;
            if (a >= 0 && b >= 0 && d >= 0) Set(x, y, c);
        }
}

int cCanvas::TextWidth(const std::string& str, int nScale) { return str.empty() ? 0 : (6 * static_cast<int>(str.size()) - 1) * nScale; }

void cCanvas::Text(int x, int y, const std::string& str, u8 c, int nScale)
{
    for (char ch : str) {
        if (const cGlyph* g = FindGlyph(ch))
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g->rows[row] & (0x10 >> col)) FillRect(x + col * nScale, y + row * nScale, nScale, nScale, c);
        x += 6 * nScale;
    }
}

void cCanvas::Outline(int x, int y, int w, int h, u8 c)
{
    std::vector<std::pair<int, int>> edge;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            if (Get(i, j) != 0) continue;
            const bool bNear = (i > x && Get(i - 1, j)) || (i < x + w - 1 && Get(i + 1, j)) ||
                               (j > y && Get(i, j - 1)) || (j < y + h - 1 && Get(i, j + 1));
            if (bNear) edge.emplace_back(i, j);
        }
    for (const auto& p : edge) Set(p.first, p.second, c);
}

void cCanvas::Copy(const cCanvas& src, int sx, int sy, int w, int h, int dx, int dy, bool bHalf)
{
    const int nStep = bHalf ? 2 : 1;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int x = sx + i * nStep, y = sy + j * nStep;
            u8 c = src.Get(x, y);
            if (bHalf && !c) c = src.Get(x + 1, y + 1) ? src.Get(x + 1, y + 1) : src.Get(x + 1, y) ? src.Get(x + 1, y) : src.Get(x, y + 1);
            Set(dx + i, dy + j, c);
        }
}

std::vector<u8> cCanvas::ToBmp(const tPalette& palette) const
{
    const u32 nStride = (static_cast<u32>(m_nWidth) + 3) & ~3u;
    const u32 nTable = 256 * 4, nPixels = nStride * m_nHeight;
    const u32 nOffset = 14 + 40 + nTable;
    std::vector<u8> out;
    out.reserve(nOffset + nPixels);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, nOffset + nPixels);
    PutU32(out, 0);
    PutU32(out, nOffset);
    PutU32(out, 40);
    PutU32(out, static_cast<u32>(m_nWidth));
    PutU32(out, static_cast<u32>(m_nHeight));  // rows bottom first
    PutU16(out, 1);
    PutU16(out, 8);
    PutU32(out, 0);  // no compression
    PutU32(out, nPixels);
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 256);
    PutU32(out, 0);
    for (u32 i = 0; i < 256; ++i) {
        const u32 rgb = i < palette.size() ? palette[i] : 0;
        out.push_back(static_cast<u8>(rgb));
        out.push_back(static_cast<u8>(rgb >> 8));
        out.push_back(static_cast<u8>(rgb >> 16));
        out.push_back(0);
    }
    for (int y = m_nHeight - 1; y >= 0; --y) {
        const u8* lpRow = &m_Pixels[static_cast<size_t>(y) * m_nWidth];
        out.insert(out.end(), lpRow, lpRow + m_nWidth);
        out.insert(out.end(), nStride - m_nWidth, 0);
    }
    return out;
}
