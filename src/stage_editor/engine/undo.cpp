#include "stage_editor/engine/undo.h"

#include <algorithm>

#include "app/fatal.h"
#include "data/palette_set.h"

namespace {

constexpr u32 kNoKey = 0xFFFFFFFF;

u32 HashKey(u32 dwKey) { return dwKey * 2654435761u; }

bool IsPlayer(const cEdChara& chara) { return !chara.IsEmpty() && chara.m_cControl == 0; }

template <class D>
bool IsPlayerRecord(const D&)
{
    return false;
}
template <>
bool IsPlayerRecord<cEdChara>(const cEdChara& chara)
{
    return IsPlayer(chara);
}

// Swaps the kept records with the grid's and gives the restored in-use
// entries their inheritance again. True when a player went in or out.
template <class D>
bool SwapLayer(std::vector<std::pair<u32, D>>& kept, std::vector<D>& grid)
{
    bool bPlayer = false;
    for (auto& cell : kept) {
        if (cell.first >= grid.size()) continue;
        D& placed = grid[cell.first];
        std::swap(placed, cell.second);
        bPlayer = bPlayer || IsPlayerRecord(placed) || IsPlayerRecord(cell.second);
        if (!placed.IsEmpty()) placed.ApplyInheritance();
    }
    return bPlayer;
}

template <class T>
void Trim(std::vector<T>& v)
{
    if (v.capacity() > v.size()) v.shrink_to_fit();
}

template <class T>
size_t VectorBytes(const std::vector<T>& v)
{
    return v.capacity() * sizeof(T);
}

}  // namespace

bool cUndo::cCellSet::Insert(u32 dwKey)
{
    if ((m_nCount + 1) * 2 > m_vSlot.size()) Grow();
    const size_t nMask = m_vSlot.size() - 1;
    for (size_t i = HashKey(dwKey) & nMask;; i = (i + 1) & nMask) {
        if (m_vSlot[i] == dwKey) return false;
        if (m_vSlot[i] == kNoKey) {
            m_vSlot[i] = dwKey;
            ++m_nCount;
            return true;
        }
    }
}

void cUndo::cCellSet::Grow()
{
    std::vector<u32> old;
    old.swap(m_vSlot);
    m_vSlot.assign(std::max<size_t>(16, old.size() * 2), kNoKey);
    m_nCount = 0;
    for (u32 dwKey : old)
        if (dwKey != kNoKey) Insert(dwKey);
}

s64 cUndo::SnapshotSize(u32 dwStride, u32 dwHeight)
{
    s64 n = 1;
    while (n < static_cast<s64>(dwStride)) n <<= 1;
    return static_cast<s64>(dwHeight) * n * kSnapshotCellBytes;
}

void cUndo::Clear()
{
    std::deque<cEntry>().swap(m_Undo);
    std::deque<cEntry>().swap(m_Redo);
}

s32 cUndo::SetDepth(s32 nDepth, u32 dwStride, u32 dwHeight, s64 nFreeBytes)
{
    Clear();
    m_nDepth = 0;
    if (nDepth < 1) return nDepth;
    const s64 nSnapshot = SnapshotSize(dwStride, dwHeight);
    if (nSnapshot > 0 && nFreeBytes < nSnapshot + nSnapshot * nDepth * 2) {
        nDepth = static_cast<s32>(std::max<s64>(0, (nFreeBytes - nSnapshot) / (2 * nSnapshot)));
        DebugMesBox("元に戻せる回数を %d回 に強制変更！", nDepth);
    }
    m_nDepth = nDepth;
    return nDepth;
}

bool cUndo::Record(u32 dwMask, bool bTestPlay)
{
    if (m_nDepth <= 0 || bTestPlay) return false;
    if (!m_Undo.empty()) SealEntry(m_Undo.front());
    m_Undo.emplace_front();
    m_Undo.front().dwMask = dwMask & kMaskAll;
    while (static_cast<s32>(m_Undo.size()) > m_nDepth) m_Undo.pop_back();
    std::deque<cEntry>().swap(m_Redo);
    return true;
}

void cUndo::Seal()
{
    if (!m_Undo.empty()) SealEntry(m_Undo.front());
}

void cUndo::SealEntry(cEntry& entry)
{
    entry.Index.Release();
    Trim(entry.vBlock);
    Trim(entry.vChara);
    Trim(entry.vItem);
}

void cUndo::IndexEntry(cEntry& entry)
{
    for (const auto& cell : entry.vBlock) entry.Index.Insert((kMaskBlock << 24) | cell.first);
    for (const auto& cell : entry.vChara) entry.Index.Insert((kMaskChara << 24) | cell.first);
    for (const auto& cell : entry.vItem) entry.Index.Insert((kMaskItem << 24) | cell.first);
    entry.Index.MarkBuilt();
}

bool cUndo::SwapIn(cEntry& entry, cStage& stage)
{
    const cPaletteScope scope(ePaletteSide::Stage, stage.m_Palette);
    SwapLayer(entry.vBlock, stage.m_vBlockGrid);
    const bool bPlayer = SwapLayer(entry.vChara, stage.m_vCharaGrid);
    SwapLayer(entry.vItem, stage.m_vItemGrid);
    return bPlayer;
}

bool cUndo::Move(std::deque<cEntry>& from, std::deque<cEntry>& to, cStage& stage)
{
    if (m_nDepth <= 0 || from.empty()) return false;
    if (!to.empty()) SealEntry(to.front());
    SealEntry(from.front());
    to.push_front(std::move(from.front()));
    from.pop_front();
    while (static_cast<s32>(to.size()) > m_nDepth) to.pop_back();
    if (SwapIn(to.front(), stage)) {
        // The entry now open on the undo side keeps what the pass changes.
        cUndoWatch watch(*this, stage.m_vCharaGrid);
        stage.KeepSinglePlayer(&watch);
    }
    return true;
}

bool cUndo::Undo(cStage& stage) { return Move(m_Undo, m_Redo, stage); }

bool cUndo::Redo(cStage& stage) { return Move(m_Redo, m_Undo, stage); }

size_t cUndo::HistoryBytes() const
{
    size_t n = 0;
    for (const std::deque<cEntry>* lpHistory : {&m_Undo, &m_Redo})
        for (const cEntry& e : *lpHistory)
            n += sizeof(cEntry) + VectorBytes(e.vBlock) + VectorBytes(e.vChara) + VectorBytes(e.vItem) + e.Index.Bytes();
    return n;
}
