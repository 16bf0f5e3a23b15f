#include "app/game_palette.h"

#include <cstring>

#include "app/path.h"

namespace {

u8 g_aPalette[kPaletteEntries][4];
cTransparency g_Transparency;

// The first palette index of the colour, or -1.
int FindColor(u32 dwColor)
{
    for (u32 i = 0; i < kPaletteEntries; ++i)
        if (PaletteColorOf(g_aPalette[i]) == (dwColor & 0xFFFFFF)) return static_cast<int>(i);
    return -1;
}

}  // namespace

u32 LoadPalette(u8 (*lpTable)[4], const std::string& strPath)
{
    std::string strAbsolute = strPath;
    if (!IsAbsolutePath(strAbsolute) && !MakeAbsolutePath(strAbsolute)) return 0;
    std::vector<u8> file;
    if (ReadBmpFile(strPath, file) != kBmpOk) return 0;
    u32 nEntries = 0;
    return ReadBmpColorTable(file, lpTable, kPaletteEntries, nEntries) ? 1 : 0;
}

bool LoadGamePalette(const std::string& strPath) { return LoadPalette(g_aPalette, strPath) != 0; }

const u8 (*GamePaletteColors())[4] { return g_aPalette; }

void SetTransparentColor(u32 dwColor)
{
    int n = FindColor(dwColor);
    if (n >= 0) g_Transparency.byTransparentIndex = static_cast<u8>(n);
}

void SetMaskIndexColor(u8 byBlue, u8 byGreen, u8 byRed)
{
    int n = FindColor(byBlue | (byGreen << 8) | (byRed << 16));
    if (n >= 0) g_Transparency.byMaskIndex = static_cast<u8>(n);
}

void SetColorKey(u32 dwColor) { g_Transparency.dwColorKey = dwColor & 0xFFFFFF; }

const cTransparency& CurrentTransparency() { return g_Transparency; }
