#include "stage_editor/engine/stage_settings_rules.h"

#include <algorithm>

#include "app/fatal.h"
#include "app/host.h"
#include "app/str_util.h"
#include "data/stage.h"
#include "stage_editor/engine/undo.h"

cHiddenWidths HiddenWidths(s32 nWidth, s32 nHeight, s32 nLeft, s32 nRight, s32 nTop, s32 nBottom)
{
    cHiddenWidths hidden;
    hidden.nLeft = std::min(nLeft, nWidth - kMinStageWidth);
    hidden.nRight = nWidth - std::min(nRight, nWidth - 1) - 1;
    hidden.nTop = std::min(nTop, nHeight - kMinStageHeight);
    hidden.nBottom = nHeight - std::min(nBottom, nHeight - 1) - 1;
    return hidden;
}

std::string HiddenWidthText(s32 nCells) { return Format("隠れる幅 %d(bl)", nCells); }

cStageMemory StageMemory(s32 nWidth, s32 nHeight, u32 dwCurWidth, u32 dwCurHeight, s64 nFreeBytes)
{
    const s64 nSnapshot = cUndo::SnapshotSize(static_cast<u32>(std::max(nWidth, 1)), static_cast<u32>(std::max(nHeight, 1)));
    cStageMemory memory;
    memory.nUse = 2 * nSnapshot;
    memory.nLimit = cUndo::SnapshotSize(dwCurWidth, dwCurHeight) + std::max<s64>(nFreeBytes, 0);
    memory.nUndoSteps = std::max<s64>(0, (memory.nLimit - memory.nUse) / nSnapshot);
    return memory;
}

std::string StageMemoryText(const cStageMemory& memory)
{
    return Format("%9lld KB\r\n%9lld KB\r\n", static_cast<long long>(memory.nUse / 1024),
                  static_cast<long long>(memory.nLimit / 1024));
}

std::string UndoWarningText(s32 nDepth, s64 nUndoSteps)
{
    if (nUndoSteps >= nDepth) return std::string();
    return Format("※元に戻せる回数 %d → %d", nDepth, static_cast<int>(nUndoSteps));
}

eSizeChange ChangeStageSize(cStage& stage, cUndo& undo, s32& nWidth, s32& nHeight, u32 dwDirX, u32 dwDirY,
                            s64 nFreeBytes, const tStageResize& resize)
{
    nWidth = std::clamp<s32>(nWidth, kMinStageWidth, kMaxStageSize);
    nHeight = std::clamp<s32>(nHeight, kMinStageHeight, kMaxStageSize);
    const u32 dwWidth = static_cast<u32>(nWidth), dwHeight = static_cast<u32>(nHeight);
    if (dwWidth == stage.m_dwWidth && dwHeight == stage.m_dwHeight) return eSizeChange::Unchanged;

    undo.Clear();
    const s64 nRequired = 2 * cUndo::SnapshotSize(dwWidth, dwHeight);
    const bool bGrows = dwWidth > stage.m_dwWidth || dwHeight > stage.m_dwHeight;
    if (bGrows && nFreeBytes < nRequired) {
        ErrorBox("メモリ不足により、サイズの変更に失敗しました！");
        return eSizeChange::NoMemory;
    }
    Host().ShowWaitMessage(Host().ActiveWindow(), "サイズを変更しています...", "ステージサイズの変更");
    const bool bDone =
        resize ? resize(stage, dwWidth, dwHeight, dwDirX, dwDirY) : stage.SetSize(dwWidth, dwHeight, dwDirX, dwDirY);
    Host().CloseWaitMessage();
    if (!bDone) {
        ErrorBox("サイズの変更に失敗しました！");
        return eSizeChange::Failed;
    }
    return eSizeChange::Resized;
}
