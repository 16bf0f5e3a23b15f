#pragma once
// The sample project's bitmaps, drawn by the program: the game palette, the
// sprite sheets that start-up loads and the editor's toolbar strips. Each
// sheet follows the layout its readers use (32 x 32 cells in columns of 15,
// 16 x 15 toolbar images side by side).
#include <vector>

#include "canvas.h"

// The sample palette: 0 transparent black, 1 to 15 basic and line colours
// (15 black), 16 to 207 twelve hues of sixteen shades each, 208 to 239 a grey
// ramp, then some extra colours, 255 white.
tPalette SamplePalette();

struct cSampleBitmap {
    const char* lpPath;  // relative to the project folder
    cCanvas (*pfnDraw)();
};

// Every bitmap of the sample project, with the folder it goes into.
const std::vector<cSampleBitmap>& SampleBitmaps();
