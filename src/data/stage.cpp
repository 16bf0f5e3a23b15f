#include "data/stage.h"

#include <algorithm>
#include <new>

#include "app/fatal.h"
#include "data/serial.h"

namespace {

constexpr u32 kNewWidth = 20, kNewHeight = 15;
constexpr s32 kNewLevel = 10;
constexpr u32 kRankingSwitches = 5;
// The end marker came at 173.
constexpr u32 kEndMarkerFrom = 173;

// Collision ranges of a new stage, in eHitRange order.
constexpr u32 kNewHitRanges[kHitRanges] = {
    16, 24, 16, 16,  // player against blocks, walking and flying
    16, 24, 16, 16,  // player against charas, walking and flying
    12, 8, 16, 16,   // player against shots, against items
    1, 0, 1, 0,      // player positions: blocks, charas
    0, 0, 0, 0,      // player display choices
    0, 0, 0, 0,      // player colours
    16, 24, 16, 16,  // enemy against blocks
    12, 24, 12, 16,  // enemy against charas
    30, 30,          // enemy against shots
    1, 0, 1, 0,      // enemy positions
    28, 28,          // item against charas
    16, 16, 16, 16,  // player's shot against charas, against shots
    16, 16, 16, 16,  // enemy's shot against charas, against shots
};

// The row shift of a width: how often width - 1 can be halved before it
// reaches 0, so that 1 << shift is the smallest power of two not below it.
u32 ShiftFor(u32 dwWidth)
{
    u32 dwShift = 0;
    for (u32 n = dwWidth - 1; n > 0; n /= 2) ++dwShift;
    return dwShift;
}

template <u32 K>
cFieldDesc Hit()
{
    return ElementsField<&cStage::m_adwHitRange, K>();
}

// Where the rows (or columns) that both sizes share lie in the old and the
// new grid: an anchored change adds or removes them at the start.
struct cOffsets {
    u32 dwOld = 0;
    u32 dwNew = 0;
};
cOffsets OffsetsFor(u32 dwOld, u32 dwNew, u32 dwAnchor)
{
    cOffsets o;
    if (!dwAnchor) return o;
    if (dwNew > dwOld)
        o.dwNew = dwNew - dwOld;
    else
        o.dwOld = dwOld - dwNew;
    return o;
}

template <class D>
void MoveCells(std::vector<D>& to, std::vector<D>& from, u32 dwToCell, u32 dwFromCell, u32 dwCount)
{
    for (u32 i = 0; i < dwCount; ++i) to[dwToCell + i] = std::move(from[dwFromCell + i]);
}

// A placed entry as it is written: with its type's inherit flags (it may
// have been placed in an empty cell without any), its inheritance applied
// and its cell. False when the cell is (or became) empty.
template <class D>
bool PrepareCell(D& cell, u16 wX, u16 wY)
{
    if (cell.IsEmpty()) return false;
    FitInheritFlags(cell.m_bbInherit, D::kInheritGroups);
    cell.ApplyInheritance();
    if (cell.IsEmpty()) return false;
    cell.m_wCellX = wX;
    cell.m_wCellY = wY;
    return true;
}

template <class D>
void ResizeGrid(std::vector<D>& grid, u32 n)
{
    std::vector<D>().swap(grid);
    grid.assign(n, EmptyCell<D>());
}

// The least a placed entry takes: its cell index and an entry body.
constexpr u64 kMinPlacedBytes = 4 + kMinEntryBytes;

}  // namespace

cStage::cStage() : m_dwMouseWheel(0), m_dwLevelStep6(0) { New(); }

void cStage::New()
{
    Clear();
    ReleaseBlockList(m_vBlockGrid);
    ReleaseCharaList(m_vCharaGrid);
    ReleaseItemList(m_vItemGrid);
    m_Palette.m_vBlock.assign(1, cEdBlock());
    m_Palette.m_vChara.assign(1, cEdChara());
    m_Palette.m_vItem.assign(1, cEdItem());
    m_vBackground.assign(1, cStageBackground());
    m_vBackground[0].m_dwFillColor = 1;
    m_vRanking.assign(kRankingSwitches, 1);
    for (cStageParamSet& set : m_Removal) set = cStageParamSet();
    for (eRemovalSet e : {kRemovePlayerShot, kRemoveEnemyShot}) {
        cStageParamSet& set = m_Removal[e];
        set.m_dwLeftOn = set.m_dwRightOn = set.m_dwTopOn = set.m_dwBottomOn = 1;
    }
    cStageParamSet& enemyShots = m_Removal[kRemoveEnemyShot];
    enemyShots.m_dwLeftMargin = enemyShots.m_dwRightMargin = enemyShots.m_dwTopMargin = enemyShots.m_dwBottomMargin = 10;
    m_vRecord.assign(kStageRecordCount, cStageRecord());

    m_dwFrameRate = 60;
    m_dwTimeLimitOn = 0;
    m_dwTimeLimit = 200;
    m_dwWarningTime = 20;
    m_dGravity = 0.4;
    m_dwShotPrecision = 0;
    m_dwUseZ = 1;
    m_dwNoDamageOffScreen = 1;
    m_dwStatusWindow = 1;
    m_dwNoWaitAfterClear = 0;
    const u32 kCaptionsShown[kCaptions] = {0, 1, 1, 1};
    std::copy(std::begin(kCaptionsShown), std::end(kCaptionsShown), m_adwCaption);
    m_dwPlayerImmunity = 0;
    m_dwPlayerSameImmunity = 30;
    m_dwEnemyImmunity = 0;
    m_dwEnemySameImmunity = 30;
    m_dwUndoDepth = 1;
    std::copy(std::begin(kNewHitRanges), std::end(kNewHitRanges), m_adwHitRange);
    SetLevel(kNewLevel);
    SetSize(kNewWidth, kNewHeight, 0, 0);
}

// Every numeric field is one value; the derived values are stored too.
const cFieldTable& cStage::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cStage::m_strName>(),
        Field<&cStage::m_dwWidth>(),
        Field<&cStage::m_dwStride>(),
        Field<&cStage::m_dwShift>(),
        Field<&cStage::m_dwHeight>(),
        ElementsField<&cStage::m_adwScrollLimitOn, kScrollLeft>(),
        ElementsField<&cStage::m_adwScrollLimitOn, kScrollRight>(),
        ElementsField<&cStage::m_adwScrollLimitOn, kScrollTop>(),
        ElementsField<&cStage::m_adwScrollLimitOn, kScrollBottom>(),
        ElementsField<&cStage::m_anScrollLimit, kScrollLeft>(),
        ElementsField<&cStage::m_anScrollLimit, kScrollRight>(),
        ElementsField<&cStage::m_anScrollLimit, kScrollTop>(),
        ElementsField<&cStage::m_anScrollLimit, kScrollBottom>(),
        Field<&cStage::m_dwFrameRate>(),
        Field<&cStage::m_dwTimeLimitOn>(),
        Field<&cStage::m_dwTimeLimit>(),
        Field<&cStage::m_dwWarningTime>(),
        Field<&cStage::m_dwScrollTypeX>(),
        Field<&cStage::m_dwScrollTypeY>(),
        Field<&cStage::m_nAutoScrollX>(),
        Field<&cStage::m_nAutoScrollY>(),
        Field<&cStage::m_dGravity>(),
        Field<&cStage::m_nLevel>(),
        Field<&cStage::m_dwShotPrecision>(),
        Field<&cStage::m_dwBgm>(),
        Field<&cStage::m_dwBgmLoop>().From(166),
        Field<&cStage::m_dwKeepBgm>().From(199),
        Field<&cStage::m_dwUseZ>(),
        Field<&cStage::m_dwStockTake>(),
        Field<&cStage::m_dwStockStore>(),
        // The status window is stored before the older scene-change switch.
        Field<&cStage::m_dwStatusWindow>().From(183),
        Field<&cStage::m_dwNoWaitAfterClear>().From(184),
        ElementsField<&cStage::m_adwCaption, kCaptionStage>(),
        ElementsField<&cStage::m_adwCaption, kCaptionReady>().From(225),
        ElementsField<&cStage::m_adwCaption, kCaptionClear>(),
        ElementsField<&cStage::m_adwCaption, kCaptionGameOver>(),
        Hit<kPlayerWalkBlockW>().From(200),
        Hit<kPlayerWalkBlockH>().From(200),
        Hit<kPlayerFlyBlockW>().From(200),
        Hit<kPlayerFlyBlockH>().From(200),
        Hit<kPlayerWalkCharaW>(),
        Hit<kPlayerWalkCharaH>(),
        Hit<kPlayerFlyCharaW>().From(155),
        Hit<kPlayerFlyCharaH>().From(155),
        Hit<kPlayerShotW>(),
        Hit<kPlayerShotH>(),
        Hit<kPlayerItemW>(),
        Hit<kPlayerItemH>(),
        Hit<kPlayerWalkBlockPos>().From(200),
        Hit<kPlayerFlyBlockPos>().From(200),
        Hit<kPlayerWalkCharaPos>().From(155),
        Hit<kPlayerFlyCharaPos>().From(155),
        Hit<kPlayerBlockShow>().From(200),
        Hit<kPlayerCharaShow>(),
        Hit<kPlayerShotShow>(),
        Hit<kPlayerItemShow>(),
        Hit<kPlayerBlockColor>().From(200),
        Hit<kPlayerCharaColor>(),
        Hit<kPlayerShotColor>(),
        Hit<kPlayerItemColor>(),
        Hit<kEnemyWalkBlockW>().From(200),
        Hit<kEnemyWalkBlockH>().From(200),
        Hit<kEnemyFlyBlockW>().From(200),
        Hit<kEnemyFlyBlockH>().From(200),
        Hit<kEnemyWalkCharaW>(),
        Hit<kEnemyWalkCharaH>(),
        Hit<kEnemyFlyCharaW>().From(155),
        Hit<kEnemyFlyCharaH>().From(155),
        Hit<kEnemyShotW>(),
        Hit<kEnemyShotH>(),
        Hit<kEnemyWalkBlockPos>().From(200),
        Hit<kEnemyFlyBlockPos>().From(200),
        Hit<kEnemyWalkCharaPos>().From(155),
        Hit<kEnemyFlyCharaPos>().From(155),
        Hit<kItemCharaW>(),
        Hit<kItemCharaH>(),
        Hit<kPlayerShotCharaW>(),
        Hit<kPlayerShotCharaH>(),
        Hit<kPlayerShotShotW>(),
        Hit<kPlayerShotShotH>(),
        Hit<kEnemyShotCharaW>(),
        Hit<kEnemyShotCharaH>(),
        Hit<kEnemyShotShotW>(),
        Hit<kEnemyShotShotH>(),
        Field<&cStage::m_dwUndoDepth>(),
        Field<&cStage::m_dwPixelWidth>(),
        Field<&cStage::m_dwPixelHeight>(),
        Field<&cStage::m_dwLevelStep>(),
        Field<&cStage::m_dLevelStep>(),
        Field<&cStage::m_dLevelStep2>(),
        Field<&cStage::m_dSpeedLimit10>(),
        Field<&cStage::m_dGravityPerLevel2>(),
        Field<&cStage::m_dSpeedPerStep>(),
        Field<&cStage::m_dwLevelStep8>(),
        Field<&cStage::m_dwNoDamageOffScreen>(),
        Field<&cStage::m_dwPlayerSameImmunity>(),
        Field<&cStage::m_dwPlayerImmunity>(),
        Field<&cStage::m_dwEnemySameImmunity>(),
        Field<&cStage::m_dwEnemyImmunity>(),
    };
    return s_Table;
}

std::unique_ptr<cEdData> cStage::ScratchForLoad() const
{
    auto scratch = std::make_unique<cStage>();
    scratch->m_dwMouseWheel = m_dwMouseWheel;
    return scratch;
}

bool cStage::IsStageCell(u32 dwCell) const
{
    return dwCell < CellCount() && (dwCell & (m_dwStride - 1)) < m_dwWidth;
}

bool cStage::Load(cDataReader& file)
{
    // Entries that name the stage palette as their source read this one.
    const cPaletteScope scope = OwnPalette();
    if (!LoadBody(file) || !LoadIntVector(m_vRanking, file)) return false;
    for (cStageParamSet& set : m_Removal)
        if (!set.Load(file)) return false;
    if (!m_Palette.Load(file)) return false;
    m_Palette.ResetEmptyEntries();
    if (m_dwWidth < 1 || m_dwWidth > kMaxStageSize || m_dwHeight < 1 || m_dwHeight > kMaxStageSize) {
        file.MarkDamaged();
        return false;
    }
    ReleaseBlockList(m_vBlockGrid);
    ReleaseCharaList(m_vCharaGrid);
    ReleaseItemList(m_vItemGrid);
    if (!SetSize(m_dwWidth, m_dwHeight, 0, 0)) return false;
    if (!LoadLayer<cEdBlock>(file) || !LoadLayer<cEdChara>(file) || !LoadLayer<cEdItem>(file)) return false;
    if (!LoadRecordList(m_vBackground, file) || !LoadRecordList(m_vRecord, file)) return false;
    const u32 v = g_dwReadVersion;
    u32 dwMarker = 0;
    if (v >= kEndMarkerFrom && !file.ReadU32(dwMarker)) return false;
    if (v < kDataVersion) Migrate(v);
    Normalize();
    return file.Ok();
}

// Placed entries: a count, then each entry's cell and body. A cell outside
// the stage is no cell the editor writes: the file is damaged.
template <class D>
bool cStage::LoadLayer(cDataReader& file)
{
    u32 nCount = 0;
    if (!file.ReadCount(nCount, kMinPlacedBytes)) return false;
    std::vector<D>& grid = Grid<D>();
    for (u32 i = 0; i < nCount; ++i) {
        u32 dwCell = 0;
        if (!file.ReadU32(dwCell)) return false;
        if (!IsStageCell(dwCell)) {
            file.MarkDamaged();
            return false;
        }
        if (!grid[dwCell].Load(file)) return false;
    }
    return true;
}

void cStage::Migrate(u32 v)
{
    u32* r = m_adwHitRange;
    if (v < 155) {
        r[kPlayerFlyCharaW] = r[kPlayerWalkCharaW];
        r[kPlayerFlyCharaH] = r[kPlayerWalkCharaH];
        r[kEnemyFlyCharaW] = r[kEnemyWalkCharaW];
        r[kEnemyFlyCharaH] = r[kEnemyWalkCharaH];
        r[kPlayerWalkCharaPos] = r[kPlayerFlyCharaPos] = r[kEnemyWalkCharaPos] = r[kEnemyFlyCharaPos] = 0;
    }
    if (v < 166) m_dwBgmLoop = 1;
    if (v < 181) {
        m_vRanking.resize(kRankingSwitches, 0);
        m_vRanking[3] = m_vRanking[4] = 0;
    }
    if (v < 183) m_dwStatusWindow = 1;
    if (v < 184) m_dwNoWaitAfterClear = 0;
    if (v < 199) m_dwKeepBgm = 0;
    if (v < 200) {
        const u32 kOldBlockRanges[][2] = {
            {kPlayerWalkBlockW, 16}, {kPlayerWalkBlockH, 24}, {kPlayerFlyBlockW, 16}, {kPlayerFlyBlockH, 16},
            {kPlayerWalkBlockPos, 1}, {kPlayerFlyBlockPos, 0}, {kPlayerBlockShow, 0}, {kPlayerBlockColor, 5},
            {kEnemyWalkBlockW, 16}, {kEnemyWalkBlockH, 30}, {kEnemyFlyBlockW, 16}, {kEnemyFlyBlockH, 30},
            {kEnemyWalkBlockPos, 1}, {kEnemyFlyBlockPos, 1},
        };
        for (const auto& kv : kOldBlockRanges) r[kv[0]] = kv[1];
    }
    if (v < 208) m_dwMouseWheel = 0;
    if (v < 225) m_adwCaption[kCaptionReady] = 0;
    if (v < 754) m_vRecord.resize(kStageRecordCount);
    if (v < 876) {
        // Auto scroll took its own speed; the layer then moves with the screen.
        for (cStageBackground& bg : m_vBackground) {
            if (bg.m_dwAutoScrollX) {
                bg.m_dAutoSpeedX = bg.m_dScrollSpeedX;
                bg.m_dScrollSpeedX = 1.0;
            }
            if (bg.m_dwAutoScrollY) {
                bg.m_dAutoSpeedY = bg.m_dScrollSpeedY;
                bg.m_dScrollSpeedY = 1.0;
            }
        }
    }
}

void cStage::Save(cDataWriter& file) const
{
    const cPaletteScope scope = OwnPalette();
    const cPlacedCounts counts = const_cast<cStage&>(*this).PrepareSave();
    SaveBody(file);
    SaveIntVector(m_vRanking, file);
    for (const cStageParamSet& set : m_Removal) set.Save(file);
    m_Palette.Save(file);
    WriteLayer<cEdBlock>(file, counts.dwBlocks);
    WriteLayer<cEdChara>(file, counts.dwCharas);
    WriteLayer<cEdItem>(file, counts.dwItems);
    SaveRecordList(m_vBackground, file);
    SaveRecordList(m_vRecord, file);
    file.WriteU32(kStageEndMarker);
}

// Normalises the stage, then, cell by cell in row order, re-applies the
// placed entries' inheritance and gives each its cell and each chara its
// held item, counting the entries with the very test and range that the
// writing uses.
cPlacedCounts cStage::PrepareSave()
{
    Normalize();
    cPlacedCounts counts;
    for (u32 y = 0; y < m_dwHeight; ++y) {
        for (u32 x = 0, c = CellOf(0, y); x < m_dwWidth; ++x, ++c) {
            const u16 wX = static_cast<u16>(x), wY = static_cast<u16>(y);
            cEdBlock& block = m_vBlockGrid[c];
            if (PrepareCell(block, wX, wY)) ++counts.dwBlocks;
            cEdItem& item = m_vItemGrid[c];
            const bool bItem = PrepareCell(item, wX, wY);
            cEdChara& chara = m_vCharaGrid[c];
            if (PrepareCell(chara, wX, wY)) {
                // The held item's place among the items that the save writes.
                const bool bHolds = chara.m_cControl == 1 && chara.m_cHoldItem && bItem;
                chara.m_nHeldItemNo = bHolds ? static_cast<s32>(counts.dwItems) : -1;
                ++counts.dwCharas;
            }
            if (bItem) ++counts.dwItems;
        }
    }
    return counts;
}

template <class D>
void cStage::WriteLayer(cDataWriter& file, u32 dwCount) const
{
    file.WriteU32(dwCount);
    const std::vector<D>& grid = Grid<D>();
    for (u32 y = 0; y < m_dwHeight; ++y) {
        for (u32 x = 0, c = CellOf(0, y); x < m_dwWidth; ++x, ++c) {
            if (grid[c].IsEmpty()) continue;
            file.WriteU32(c);
            grid[c].Write(file);
        }
    }
}

bool cStage::SetSize(u32 dwWidth, u32 dwHeight, u32 dwAnchorRight, u32 dwAnchorBottom)
{
    if (dwWidth == 0 || dwHeight == 0) {
        DebugMesBox("SetSize()で 0 を指定しました！");
        return false;
    }
    if (dwWidth > kMaxStageSize || dwHeight > kMaxStageSize) return false;
    const u32 dwShift = ShiftFor(dwWidth);
    const u32 dwCells = (1u << dwShift) * dwHeight;
    // The new grids are made first: when that fails the stage is as it was.
    std::vector<cEdBlock> blocks;
    std::vector<cEdChara> charas;
    std::vector<cEdItem> items;
    try {
        ResizeBlockList(blocks, dwCells);
        ResizeCharaList(charas, dwCells);
        ResizeItemList(items, dwCells);
    } catch (const std::bad_alloc&) {
        return false;
    }

    if (!m_vBlockGrid.empty()) {
        const cCellPos player = FindPlayer();
        const cOffsets rows = OffsetsFor(m_dwHeight, dwHeight, dwAnchorBottom);
        const cOffsets cols = OffsetsFor(m_dwWidth, dwWidth, dwAnchorRight);
        const u32 dwRows = std::min(m_dwHeight, dwHeight), dwCols = std::min(m_dwWidth, dwWidth);
        for (u32 r = 0; r < dwRows; ++r) {
            const u32 dwTo = ((r + rows.dwNew) << dwShift) + cols.dwNew;
            const u32 dwFrom = ((r + rows.dwOld) << m_dwShift) + cols.dwOld;
            MoveCells(blocks, m_vBlockGrid, dwTo, dwFrom, dwCols);
            MoveCells(charas, m_vCharaGrid, dwTo, dwFrom, dwCols);
            MoveCells(items, m_vItemGrid, dwTo, dwFrom, dwCols);
        }
        // A player in the band that was cut off goes to cell 0.
        if (player.IsValid()) {
            const s64 nCol = static_cast<s64>(player.dwX) - cols.dwOld, nRow = static_cast<s64>(player.dwY) - rows.dwOld;
            if (nCol < 0 || nRow < 0 || nCol >= dwCols || nRow >= dwRows)
                charas[0] = std::move(m_vCharaGrid[CellOf(player.dwX, player.dwY)]);
        }
    }
    m_vBlockGrid.swap(blocks);
    m_vCharaGrid.swap(charas);
    m_vItemGrid.swap(items);
    m_dwWidth = dwWidth;
    m_dwHeight = dwHeight;
    m_dwPixelWidth = dwWidth * kChipPixels;
    m_dwPixelHeight = dwHeight * kChipPixels;
    m_dwShift = dwShift;
    m_dwStride = 1u << dwShift;
    ClampScrollLimits();
    return true;
}

void cStage::SetLevel(s32 nLevel)
{
    // Levels 1..10 are steps 1..10 with speed limits 60..600; levels 11..19
    // keep the limit 600 with steps 1..9. Any other level (only a damaged
    // file holds one) would divide by zero.
    nLevel = std::clamp(nLevel, kMinLevel, kMaxLevel);
    m_nLevel = nLevel;
    const bool bHighLevel = nLevel >= 11;
    const u32 d = static_cast<u32>(bHighLevel ? nLevel - 10 : nLevel);
    m_dwLevelStep = d;
    m_dLevelStep = d;
    m_dLevelStep2 = static_cast<double>(d * d);
    m_dwLevelStep6 = d * 6;
    m_dSpeedLimit10 = bHighLevel ? 60.0 : d * 6.0;
    m_dSpeedPerStep = m_dSpeedLimit10 / d;
    m_dGravityPerLevel2 = m_dGravity / static_cast<double>(d * d);
    m_dwLevelStep8 = d * 8;
}

eLoadResult cStage::LoadPalette(const std::string& strName)
{
    cDataReader file;
    if (!OpenDataFileForRead(strName, file)) return eLoadResult::Refused;
    cPaletteLists lists;
    bool bOk;
    {
        const cPaletteScope scope(ePaletteSide::Stage, lists);
        bOk = lists.Load(file) && file.Ok();
    }
    SafeFclose(file);
    if (!bOk) return eLoadResult::Damaged;
    m_Palette = std::move(lists);
    RefreshStageInheritBlocks();
    RefreshStageInheritCharas();
    RefreshStageInheritItems();
    return eLoadResult::Loaded;
}

bool cStage::SavePalette(const std::string& strName) const
{
    cDataWriter file;
    if (!OpenDataFileForWrite(strName, file)) return false;
    const cPaletteScope scope = OwnPalette();
    m_Palette.Save(file);
    return CloseDataFileForWrite(file) == 1;
}

void cStage::ResizeBlockList(std::vector<cEdBlock>& grid, u32 n) { ResizeGrid(grid, n); }
void cStage::ResizeCharaList(std::vector<cEdChara>& grid, u32 n) { ResizeGrid(grid, n); }
void cStage::ResizeItemList(std::vector<cEdItem>& grid, u32 n) { ResizeGrid(grid, n); }
