#pragma once
// The world map (data\WorldMap.dat): a grid of world chips on which events
// stand, the player's starting cell, a background colour or image, and the
// templates that new events are stamped from. The grid's rows are a power of
// two apart (the pitch), as in the stage grid: cell (x, y) is entry
// (y << pitch shift) + x.
#include <array>
#include <string>
#include <vector>

#include "data/ed_data.h"

// One world chip: a terrain square drawn from bmp\WorldMapChip.bmp.
class cEdWorldChip : public cEdRecord<cEdWorldChip> {
public:
    // Graphic g is the 32 x 32 cell ((g % 5) x 32, (g / 5) x 32) of the sheet.
    static constexpr u32 kSheetColumns = 5;

    u32 m_dwNumber = 0;      // its index in the chip table
    u32 m_bNotPassable = 0;  // "移動不可"
    u32 m_dwGraphic = 0;
    std::string m_strName;
    std::string m_strNote;   // kept, loaded and saved; never shown

    static const cFieldTable& FieldTable();
};

// One page of a world-map event.
class cWorldPage : public cEdRecord<cWorldPage> {
public:
    enum : u32 { kTypeWorld = 0, kTypeRoad = 1, kTypeWall = 2 };  // "ワールド", "道", "壁"

    u32 m_dwType = kTypeWorld;
    u32 m_dwGraphic = 0;           // 32-pixel row of bmp\WorldEvent.bmp
    u32 m_dwWorldNo = 0;           // 0 to 999; 0: no number (cleared from the start)
    u32 m_bPassWithoutClear = 0;
    u32 m_bPlayAfterClear = 0;
    u32 m_dwClearAction = 0;       // "しない", "2周目へ突入", "タイトルへ戻る（※非推奨）"
    u32 m_dwAppearWorld = 0;       // shown once this world is cleared; 0: always
    u32 m_dwCondVar = 0;           // common variable tested; 0: none
    s32 m_nCondValue = 0;
    u32 m_dwCondCompare = 0;
    s32 m_nMinTotalScore = 0;
    u32 m_bChangeVar = 0;          // set a common variable before the world starts
    u32 m_dwChangeVarNo = 1;
    s32 m_nChangeValue = 0;
    std::string m_strWorldName;
    std::string m_strStartStage;   // data\stg4\... relative to the project folder

    static const cFieldTable& FieldTable();
};

// An event on the world map, or an event template.
class cWorldEvent : public cEdRecord<cWorldEvent> {
public:
    u32 m_dwX = 0;
    u32 m_dwY = 0;
    std::string m_strName;
    std::vector<cWorldPage> m_vPage;

    cWorldEvent() : m_vPage(1) {}
    explicit cWorldEvent(const std::string& strName) : cWorldEvent() { m_strName = strName; }
    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;
};

class cWorldMap : public cEdRecord<cWorldMap> {
public:
    u32 m_dwWidth = 0;
    u32 m_dwHeight = 0;
    u32 m_dwPitch = 0;
    u32 m_dwPitchShift = 0;
    u32 m_dwInitX = 0;           // "初期位置 X"
    u32 m_dwInitY = 0;           // "初期位置 Y"
    u32 m_dwBackColor = 0;       // "背景色": index into the game palette
    u32 m_bUseBackImage = 0;     // "背景画像を使用する"
    std::string m_strName;
    std::string m_strBackImage;  // "背景画像"
    std::vector<cEdWorldChip> m_vChip;
    std::vector<u32> m_vCell;    // chip indices, m_dwPitch x m_dwHeight
    std::vector<cWorldEvent> m_vEvent;
    std::vector<cWorldEvent> m_vTemplate;

    cWorldMap() { SetDefaults(); }
    static const cFieldTable& FieldTable();

    // 20 x 15 cells of chip 0 named "ワールド", no event, one template
    // "デフォルト"; the player starts at 9, 7 on background colour 16.
    void SetDefaults();

    // The base body, then the chip table, the grid, the events and the
    // templates. A file whose size, pitch and grid disagree is damaged.
    bool Load(cDataReader& file) override;
    // Written as Validate would leave the map; the object itself is not
    // changed.
    void Save(cDataWriter& file) const override;

    // Resizes the grid keeping the cells that fit; 0 (nothing changed) when
    // a side is 0.
    u32 SetSize(u32 dwWidth, u32 dwHeight);
    // The starting cell inside the grid, every cell's chip in the table (or
    // chip 0), no event outside the grid.
    void Validate();
    bool IsValid() const;
    // Every cell becomes chip 0.
    void ClearChips();
    // The size, the pitch, its shift and the grid's length agree.
    bool HasConsistentGrid() const;

    // The number of times (width - 1) can be halved before it reaches 0; the
    // pitch is 1 shifted left by it.
    static u32 CalcPitchShift(u32 dwWidth);

private:
    void SetOldDefaultChips();
    u32& Cell(u32 x, u32 y) { return m_vCell[(static_cast<size_t>(y) << m_dwPitchShift) + x]; }
    u32 Cell(u32 x, u32 y) const { return m_vCell[(static_cast<size_t>(y) << m_dwPitchShift) + x]; }
};

// The world-map editor's cell cursor: the current record and the list of
// records (column, row and two more values each); the current one anchors
// the rectangle that the right mouse button picks.
class cWorldCursor {
public:
    typedef std::array<u32, 4> tRecord;

    cWorldCursor() { Reset(); }
    cWorldCursor(const cWorldCursor&) = delete;
    cWorldCursor& operator=(const cWorldCursor&) = delete;

    // One record of zeros, which becomes the current one.
    void Reset();

    tRecord* m_lpCurrent = nullptr;
    u32 m_dwIndex = 0;
    std::vector<tRecord> m_vRecord;
};
