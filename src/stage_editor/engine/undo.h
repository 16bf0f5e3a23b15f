#pragma once
// The undo and redo history of the stage's three grids of placed entries.
//
// Every editing operation first records a history entry for the layers it
// may change (a layer mask); from then on, the first change of each cell of
// those layers keeps the cell's old record in the entry. Undoing swaps the
// kept records with the grid's, which turns the entry into its own redo
// entry, and redoing swaps them back: both cost as much as the cells the
// operation changed, never the whole stage. An entry stays open for changes
// until the next entry is recorded or it is undone.
//
// The depth (the stage's undo setting) bounds each of the two histories;
// it is lowered when free physical memory could not hold two full histories
// of whole-grid snapshots, as the memory rule estimates them.
#include <deque>
#include <utility>
#include <vector>

#include "app/types.h"
#include "data/stage.h"

// Layers as mask bits.
enum : u32 {
    kMaskBlock = 1,
    kMaskChara = 2,
    kMaskItem = 4,
    kMaskAll = 7,
};

template <class D> constexpr u32 LayerMask();
template <> constexpr u32 LayerMask<cEdBlock>() { return kMaskBlock; }
template <> constexpr u32 LayerMask<cEdChara>() { return kMaskChara; }
template <> constexpr u32 LayerMask<cEdItem>() { return kMaskItem; }

class cUndo {
public:
    // The memory estimate of one snapshot cell of the three layers: a block
    // (459), a chara (1,413) and an item record (453).
    static constexpr s64 kSnapshotCellBytes = 459 + 1413 + 453;
    // One snapshot of all three layers of a stage of that row stride
    // (raised to a power of two) and height.
    static s64 SnapshotSize(u32 dwStride, u32 dwHeight);

    // Empties both histories and releases their memory.
    void Clear();
    // Clears, then takes the depth for a stage of that stride and height.
    // When the free memory is below one snapshot plus two histories of
    // nDepth snapshots, the depth becomes (free - snapshot) / (2 x snapshot),
    // at least 0. Returns the depth in effect.
    s32 SetDepth(s32 nDepth, u32 dwStride, u32 dwHeight, s64 nFreeBytes);
    // A new entry for the layers of the mask; the redo history is
    // discarded. Nothing is recorded with a depth of 0 or during a test
    // play. True when recorded.
    bool Record(u32 dwMask, bool bTestPlay);
    // Called before a cell of a grid changes: the open entry keeps the
    // cell's record when its mask has the layer and the cell isn't kept yet.
    template <class D> void Keep(const std::vector<D>& grid, u32 dwCell);
    // The open entry's change is complete: its storage is trimmed.
    void Seal();
    // Undoes the latest entry (redoes the latest undone one) on the stage's
    // grids: the restored in-use entries take their inheritance again, and
    // when a restored or replaced chara is a player, the stage keeps a
    // single player. False when there was nothing to undo (redo).
    bool Undo(cStage& stage);
    bool Redo(cStage& stage);

    s32 GetDepth() const { return m_nDepth; }
    s32 GetUndoCount() const { return static_cast<s32>(m_Undo.size()); }
    s32 GetRedoCount() const { return static_cast<s32>(m_Redo.size()); }
    // The bytes the two histories hold (kept records, cell numbers and the
    // open entry's index).
    size_t HistoryBytes() const;

private:
    // The cells an entry holds, as (layer bit << 24) | cell: an
    // open-addressing set, built while the entry is open.
    class cCellSet {
    public:
        bool Insert(u32 dwKey);  // false when present
        void Release()
        {
            std::vector<u32>().swap(m_vSlot);
            m_nCount = 0;
            m_bBuilt = false;
        }
        void MarkBuilt() { m_bBuilt = true; }
        bool IsBuilt() const { return m_bBuilt; }
        size_t Bytes() const { return m_vSlot.capacity() * sizeof(u32); }

    private:
        void Grow();
        std::vector<u32> m_vSlot;
        size_t m_nCount = 0;
        bool m_bBuilt = false;
    };
    template <class D> using tKept = std::vector<std::pair<u32, D>>;
    struct cEntry {
        u32 dwMask = 0;
        tKept<cEdBlock> vBlock;
        tKept<cEdChara> vChara;
        tKept<cEdItem> vItem;
        cCellSet Index;
        template <class D> tKept<D>& Kept();
    };

    static void SealEntry(cEntry& entry);
    static void IndexEntry(cEntry& entry);
    // Swaps the entry's records with the grids; true when a player chara
    // went in or out.
    static bool SwapIn(cEntry& entry, cStage& stage);
    // Moves the latest entry of one history to the other.
    bool Move(std::deque<cEntry>& from, std::deque<cEntry>& to, cStage& stage);

    std::deque<cEntry> m_Undo;  // front: the latest
    std::deque<cEntry> m_Redo;
    s32 m_nDepth = 0;
};

template <> inline cUndo::tKept<cEdBlock>& cUndo::cEntry::Kept<cEdBlock>() { return vBlock; }
template <> inline cUndo::tKept<cEdChara>& cUndo::cEntry::Kept<cEdChara>() { return vChara; }
template <> inline cUndo::tKept<cEdItem>& cUndo::cEntry::Kept<cEdItem>() { return vItem; }

template <class D>
void cUndo::Keep(const std::vector<D>& grid, u32 dwCell)
{
    if (m_Undo.empty() || dwCell >= grid.size()) return;
    cEntry& entry = m_Undo.front();
    const u32 dwBit = LayerMask<D>();
    if (!(entry.dwMask & dwBit)) return;
    if (!entry.Index.IsBuilt()) IndexEntry(entry);
    if (!entry.Index.Insert((dwBit << 24) | dwCell)) return;
    entry.Kept<D>().emplace_back(dwCell, grid[dwCell]);
}

// Passes the stage rules' chara changes on to the history.
class cUndoWatch : public cCellWatch {
public:
    cUndoWatch(cUndo& undo, const std::vector<cEdChara>& grid) : m_Undo(undo), m_Grid(grid) {}
    void BeforeCharaChange(u32 dwCell) override { m_Undo.Keep(m_Grid, dwCell); }

private:
    cUndo& m_Undo;
    const std::vector<cEdChara>& m_Grid;
};
