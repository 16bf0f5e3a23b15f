#pragma once
// The game's 256-colour palette that every 8-bit image is shown through, and
// the colours that decide transparency when sheets are loaded.
#include <string>

#include "app/bitmap.h"
#include "app/types.h"

constexpr u32 kPaletteEntries = 256;

// Reads a BMP's colour table into the destination (4 bytes an entry: blue,
// green, red, reserved). 1 on success; 0 when the file can't be read or has
// no colour table of 1, 4 or 8 bits.
u32 LoadPalette(u8 (*lpTable)[4], const std::string& strPath);
bool LoadGamePalette(const std::string& strPath);
// The game palette's entries (blue, green, red, reserved).
const u8 (*GamePaletteColors())[4];

// A colour as 32 bits: blue, green, red, 0 from the low byte up.
inline u32 PaletteColorOf(const u8* lpEntry)
{
    return static_cast<u32>(lpEntry[0]) | (static_cast<u32>(lpEntry[1]) << 8) | (static_cast<u32>(lpEntry[2]) << 16);
}

// The transparent index becomes the first palette entry of that colour; with
// none the index stays as it was.
void SetTransparentColor(u32 dwColor);
void SetMaskIndexColor(u8 byBlue, u8 byGreen, u8 byRed);
void SetColorKey(u32 dwColor);
const cTransparency& CurrentTransparency();
