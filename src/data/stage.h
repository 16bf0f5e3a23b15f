#pragma once
// The stage that is open in the editor: its settings, its own palette, the
// three grids of placed blocks, charas and items, its background layers and
// its named records. A stage is stored in data\stg4\<name>.stg4_<version>,
// ending with an end marker; a stage palette file (.plt4) holds the three
// palette lists alone.
//
// Geometry: the map is width x height chips of 32 x 32 pixels. Each grid is
// one flat vector whose rows have a power-of-two stride (the smallest power
// of two not below the width): the cell of column x and row y is
// (y << shift) + x. Cells at columns width .. stride - 1 exist but never
// hold an entry.
#include <memory>
#include <string>
#include <vector>

#include "data/palette_lists.h"
#include "data/palette_set.h"
#include "data/stage_records.h"

constexpr u32 kStageEndMarker = 123456789;  // 0x075BCD15
constexpr u32 kMaxStageSize = 512;          // chips per side
constexpr u32 kStageRecordCount = 1000;     // records given to a stage of a file before 754
constexpr u32 kChipPixels = 32;
constexpr s32 kMinLevel = 1, kMaxLevel = 19;

// The automatic-removal sets, in file order.
enum eRemovalSet : u32 {
    kRemoveEnemy,        // "敵(非ブロック)"
    kRemoveEnemyBlock,   // "敵(ブロック)"
    kRemoveItem,         // "アイテム"
    kRemovePlayerShot,   // "主人公のショット"
    kRemoveEnemyShot,    // "敵のショット"
    kRemovalSets
};

// The collision ranges ("当たり判定範囲"): widths and heights in pixels,
// positions (0 "中央", 1 "下"), display choices (0 "表示しない", 1 "表示する",
// 2 "枠のみ表示") and colours (0 "赤" .. 7 "虹"), in file order.
enum eHitRange : u32 {
    kPlayerWalkBlockW, kPlayerWalkBlockH, kPlayerFlyBlockW, kPlayerFlyBlockH,
    kPlayerWalkCharaW, kPlayerWalkCharaH, kPlayerFlyCharaW, kPlayerFlyCharaH,
    kPlayerShotW, kPlayerShotH, kPlayerItemW, kPlayerItemH,
    kPlayerWalkBlockPos, kPlayerFlyBlockPos, kPlayerWalkCharaPos, kPlayerFlyCharaPos,
    kPlayerBlockShow, kPlayerCharaShow, kPlayerShotShow, kPlayerItemShow,
    kPlayerBlockColor, kPlayerCharaColor, kPlayerShotColor, kPlayerItemColor,
    kEnemyWalkBlockW, kEnemyWalkBlockH, kEnemyFlyBlockW, kEnemyFlyBlockH,
    kEnemyWalkCharaW, kEnemyWalkCharaH, kEnemyFlyCharaW, kEnemyFlyCharaH,
    kEnemyShotW, kEnemyShotH,
    kEnemyWalkBlockPos, kEnemyFlyBlockPos, kEnemyWalkCharaPos, kEnemyFlyCharaPos,
    kItemCharaW, kItemCharaH,
    kPlayerShotCharaW, kPlayerShotCharaH, kPlayerShotShotW, kPlayerShotShotH,
    kEnemyShotCharaW, kEnemyShotCharaH, kEnemyShotShotW, kEnemyShotShotH,
    kHitRanges
};

// The scroll limits' edges, in file order.
enum eScrollEdge : u32 { kScrollLeft, kScrollRight, kScrollTop, kScrollBottom, kScrollEdges };

// The caption images ("文字画像の表示"), in file order.
enum eCaption : u32 { kCaptionStage, kCaptionReady, kCaptionClear, kCaptionGameOver, kCaptions };

// Told of each chara cell before a stage rule changes it (the undo history
// keeps the cell's old record).
class cCellWatch {
public:
    virtual ~cCellWatch() = default;
    virtual void BeforeCharaChange(u32 dwCell) = 0;
};

// A grid position; (-1, -1) as unsigned all-ones when there is none.
struct cCellPos {
    u32 dwX = 0xFFFFFFFF;
    u32 dwY = 0xFFFFFFFF;
    bool IsValid() const { return dwX != 0xFFFFFFFF; }
    friend bool operator==(const cCellPos& a, const cCellPos& b) { return a.dwX == b.dwX && a.dwY == b.dwY; }
};

// The placed entries a save writes, counted as it writes them.
struct cPlacedCounts {
    u32 dwBlocks = 0;
    u32 dwCharas = 0;
    u32 dwItems = 0;
};

class cStage : public cEdRecord<cStage> {
public:
    // A new 20 x 15 stage.
    cStage();

    // Back to a new stage: settings at their defaults, one empty entry in
    // each palette list, one background layer, 1000 empty records, 20 x 15.
    void New();

    static const cFieldTable& FieldTable();
    // Reads the stage body; a width or height outside 1..512, a placed
    // entry outside the grid or in a padding column, or a short file is
    // damage. Migrates an older file, then normalises.
    bool Load(cDataReader& file) override;
    // Saving normalises the stage itself and re-applies the placed entries'
    // inheritance first (the derived values, cells and held items are
    // stored), then writes it.
    void Save(cDataWriter& file) const override;
    // A load starts from a new stage's defaults, keeping the editor's own
    // settings that the file doesn't store.
    std::unique_ptr<cEdData> ScratchForLoad() const override;

    // Resizes the grids, keeping their entries: with an anchor of 1 the
    // columns (rows) are added or removed at the left (top), else at the
    // right (bottom). The player stays on the stage: when its cell falls
    // outside, it goes to cell 0. The new grids are made before the old
    // ones are touched: false, with the stage as it was, for a size of 0 or
    // above 512 or when they can't be allocated.
    bool SetSize(u32 dwWidth, u32 dwHeight, u32 dwAnchorRight, u32 dwAnchorBottom);
    // Stores the hit-check level (kept within 1..19) and derives the values
    // that the game reads with it.
    void SetLevel(s32 nLevel);

    u32 CellOf(u32 dwX, u32 dwY) const { return (dwY << m_dwShift) + dwX; }
    u32 CellCount() const { return m_dwStride * m_dwHeight; }
    // The cell lies in a row of the stage and a column below its width.
    bool IsStageCell(u32 dwCell) const;

    // The .plt4 file: the three palette lists. Loading replaces the lists
    // only when the whole file was read, then re-applies the grids'
    // inheritance from the stage palette.
    eLoadResult LoadPalette(const std::string& strName);
    bool SavePalette(const std::string& strName) const;

    // The stage rules.
    // Scroll limits inside the stage, the level's derived values, the BGM
    // inside its table, each palette list at its minimum (entry 1 from the
    // project options), then both checks of every entry.
    void Normalize();
    // The first player (an in-use chara with control 0) in row order.
    cCellPos FindPlayer() const;
    bool HasPlayer() const { return FindPlayer().IsValid(); }
    // Clears every player but the last one in row order.
    void KeepSinglePlayer(cCellWatch* lpWatch = nullptr);
    // Writes a chara into a cell by the player rule: placing a player
    // removes the others; covering the player moves it to the first free
    // cell (cell 0 when none is free). The placed copy's inherit flag 1 is
    // clear.
    void PlaceChara(u32 dwCell, const cEdChara& chara, cCellWatch* lpWatch = nullptr);
    void PlaceChara(u32 dwX, u32 dwY, const cEdChara& chara) { PlaceChara(CellOf(dwX, dwY), chara); }
    // The first check of every palette entry and placed entry; with
    // bItemRefs then the second check of each.
    void ValidateRefs(bool bItemRefs);
    // After a common palette entry changed: the in-use palette entries and
    // placed entries that inherit from the common palette, then the placed
    // entries that inherit from the stage palette.
    void RefreshCommonInheritBlocks();
    void RefreshCommonInheritCharas();
    void RefreshCommonInheritItems();
    // After a stage palette entry changed: the in-use placed entries that
    // inherit from the stage palette.
    void RefreshStageInheritBlocks();
    void RefreshStageInheritCharas();
    void RefreshStageInheritItems();

    // A grid emptied, its storage freed, and refilled with n empty cells.
    static void ResizeBlockList(std::vector<cEdBlock>& grid, u32 n);
    static void ResizeCharaList(std::vector<cEdChara>& grid, u32 n);
    static void ResizeItemList(std::vector<cEdItem>& grid, u32 n);
    static void ReleaseBlockList(std::vector<cEdBlock>& grid) { ResizeBlockList(grid, 0); }
    static void ReleaseCharaList(std::vector<cEdChara>& grid) { ResizeCharaList(grid, 0); }
    static void ReleaseItemList(std::vector<cEdItem>& grid) { ResizeItemList(grid, 0); }

    template <class D> std::vector<D>& Grid();
    template <class D> const std::vector<D>& Grid() const { return const_cast<cStage*>(this)->Grid<D>(); }

    std::string m_strName;                   // "ステージ名"
    std::vector<cEdBlock> m_vBlockGrid;      // placed entries, one per cell
    std::vector<cEdChara> m_vCharaGrid;
    std::vector<cEdItem> m_vItemGrid;
    cPaletteLists m_Palette;                 // the stage palette
    std::vector<cStageBackground> m_vBackground;
    std::vector<cStageRecord> m_vRecord;
    u32 m_dwWidth;                           // in chips
    u32 m_dwStride;                          // 1 << m_dwShift
    u32 m_dwShift;
    u32 m_dwHeight;
    u32 m_adwScrollLimitOn[kScrollEdges];
    s32 m_anScrollLimit[kScrollEdges];       // smallest and largest view column and row
    u32 m_dwFrameRate;                       // frames per second, 30..120
    u32 m_dwTimeLimitOn;
    u32 m_dwTimeLimit;
    u32 m_dwWarningTime;                     // when the warning sound starts
    u32 m_dwScrollTypeX;                     // 0 follows the player, 1 automatic
    u32 m_dwScrollTypeY;
    s32 m_nAutoScrollX;                      // -480..480
    s32 m_nAutoScrollY;
    double m_dGravity;
    s32 m_nLevel;                            // hit-check level 1..19
    u32 m_dwShotPrecision;                   // 0 as the level, 1..5
    u32 m_dwBgm;                             // index into the BGM table
    u32 m_dwBgmLoop;
    u32 m_dwKeepBgm;                         // an unchanged BGM isn't restarted
    u32 m_dwUseZ;                            // the Z coordinates count
    u32 m_dwStockTake;                       // status taken from the stock before the stage
    u32 m_dwStockStore;                      // status stored in the stock after a clear
    u32 m_dwNoWaitAfterClear;                // the scene changes without the decision key
    u32 m_dwStatusWindow;
    u32 m_adwCaption[kCaptions];
    std::vector<u32> m_vRanking;             // "スコア", "残り時間", "クリア時間", "残りHP", "残りSP"
    cStageParamSet m_Removal[kRemovalSets];
    u32 m_adwHitRange[kHitRanges];
    u32 m_dwUndoDepth;                       // 0..9
    u32 m_dwMouseWheel;                      // 0 horizontal, 1 vertical; the editor's, not stored
    u32 m_dwPixelWidth;
    u32 m_dwPixelHeight;
    // Values derived from the level by SetLevel; the game reads them.
    u32 m_dwLevelStep6;                      // not stored
    u32 m_dwLevelStep;
    double m_dLevelStep;
    double m_dLevelStep2;
    double m_dSpeedLimit10;
    double m_dGravityPerLevel2;
    double m_dSpeedPerStep;
    u32 m_dwLevelStep8;
    u32 m_dwNoDamageOffScreen;
    u32 m_dwPlayerSameImmunity;              // damage-immunity times in 1/60 s
    u32 m_dwPlayerImmunity;
    u32 m_dwEnemySameImmunity;
    u32 m_dwEnemyImmunity;

private:
    // While it lives, this stage's palette is the stage palette.
    cPaletteScope OwnPalette() const { return cPaletteScope(ePaletteSide::Stage, m_Palette); }
    bool LoadPlaced(cDataReader& file);
    template <class D> bool LoadLayer(cDataReader& file);
    void Migrate(u32 dwVersion);
    void ClampScrollLimits();
    // The first empty chara cell in row order but the given one; cell 0 when
    // there is none.
    u32 FirstFreeCharaCell(u32 dwExcept) const;
    cPlacedCounts PrepareSave();
    template <class D> void WriteLayer(cDataWriter& file, u32 dwCount) const;
    template <class D> void RaisePaletteToMinimum(std::vector<D>& list);
    template <class D> void RefreshCommonInherit();
    template <class D> void RefreshStageInherit();
};

template <> inline std::vector<cEdBlock>& cStage::Grid<cEdBlock>() { return m_vBlockGrid; }
template <> inline std::vector<cEdChara>& cStage::Grid<cEdChara>() { return m_vCharaGrid; }
template <> inline std::vector<cEdItem>& cStage::Grid<cEdItem>() { return m_vItemGrid; }

// An empty grid cell: an entry's defaults without inherit flags (flags
// mean nothing to an empty entry; a cell gets them with the entry placed
// in it), so that a large empty stage holds no storage per cell.
template <class D>
const D& EmptyCell()
{
    static const D s_Cell = [] {
        D cell;
        std::vector<u8>().swap(cell.m_bbInherit);
        return cell;
    }();
    return s_Cell;
}
