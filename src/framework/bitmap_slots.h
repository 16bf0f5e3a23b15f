#pragma once
// The sheets that the palette, stage, preview and world-map views draw from:
// the 33 bitmap slots loaded at project load (sprite sheets, the world map's
// images and five sheets composed from them), and the chara special bitmaps,
// two surfaces (left and right facing) per record of their table.
#include <string>
#include <vector>

#include "data/db_sword.h"
#include "framework/surface.h"

enum eBitmapSlot : int {
    kSlotBack,            // the stage's first background image (optional)
    kSlotBlock,
    kSlotChara,           // 2 to 17: each chara sheet, then its right-facing copy
    kSlotItem = 18,
    kSlotItemMini,
    kSlotShot,
    kSlotShotRight,
    kSlotMark,
    kSlotWorldBack,       // the world map's background image (optional)
    kSlotWorldChip,
    kSlotWorldEvent,
    kSlotSymbol,
    kSlotAccessory,
    kSlotBlockSheet,      // 28 to 32: 256 x 480 sheets composed from the others
    kSlotCharaSheet,
    kSlotItemSheet,
    kSlotShotSheet,
    kSlotMarkSheet,
    kBitmapSlots
};

// The slots' load descriptors; a slot's path becomes the file it loaded.
extern cSurfaceDesc g_aBitmapSlot[kBitmapSlots];
extern cSurface g_aBitmap[kBitmapSlots];
extern std::vector<cSurface> g_vCharaExcBitmap;

// The game palette from bmp\plt\Palette.bmp with its transparent and mask
// colours, then the matching palette bmp\plt\Palette2.bmp. False after
// "パレットの生成に失敗！..."; a missing second file also sets the fatal-error
// flag and closes the main window.
bool LoadProjectPalettes();

// Every slot, each from its file: slot 0 from the stage's background image
// and slot 23 from the world map's, which may be empty (the slot is then
// released) or fail to load; then the composed sheets. False when a sheet
// could not be loaded, after its error box.
bool LoadBitmapSlots(const std::string& strStageBack, const std::string& strWorldBack);

// Two surfaces per record (record 0 has none): the left-facing half of each
// record's file and the right-facing half, n x 32 pixels wide each for a
// giant chara of n chips and scaled down to 32. False at the first file that
// doesn't load, after "%s の読み込みに失敗！"; later records stay unloaded.
bool LoadCharaExcBitmaps(std::vector<cSurface>& surfaces, const std::vector<cEdCharaExcBmp>& records);
