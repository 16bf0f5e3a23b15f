#pragma once
// The rules of the stage settings window that need no window: the hidden
// widths of the scroll limits, the memory figures of a stage size, the
// and the size change itself.
#include <functional>
#include <string>

#include "app/types.h"

class cStage;
class cUndo;

// The smallest stage the settings accept: one screen.
constexpr s32 kMinStageWidth = 20, kMinStageHeight = 15;

// The columns (rows) that the scroll limits hide at each edge of a stage of
// that size: the limits are first cut to the stage (left to w - 20, right to
// w - 1, top to h - 15, bottom to h - 1).
struct cHiddenWidths {
    s32 nLeft = 0;
    s32 nRight = 0;
    s32 nTop = 0;
    s32 nBottom = 0;
};
cHiddenWidths HiddenWidths(s32 nWidth, s32 nHeight, s32 nLeft, s32 nRight, s32 nTop, s32 nBottom);
// "隠れる幅 %d(bl)"
std::string HiddenWidthText(s32 nCells);

// What a stage of a size would cost in undo memory: two snapshots of it,
// against one snapshot of the current stage plus the free memory; and how
// many undo steps the rest would hold. In 64 bits: two snapshots of a
// 512 x 512 stage pass 2^31 bytes, free memory may pass 2^32.
struct cStageMemory {
    s64 nUse = 0;
    s64 nLimit = 0;
    s64 nUndoSteps = 0;  // at least 0
};
cStageMemory StageMemory(s32 nWidth, s32 nHeight, u32 dwCurWidth, u32 dwCurHeight, s64 nFreeBytes);
// "%9u KB\r\n%9u KB\r\n" of the use and the limit in KB.
std::string StageMemoryText(const cStageMemory& memory);
// Empty when the steps reach the depth, else "※元に戻せる回数 %d → %d".
std::string UndoWarningText(s32 nDepth, s64 nUndoSteps);

// The size change of the settings' commit.
enum class eSizeChange {
    Unchanged,  // the size is the stage's already
    NoMemory,   // growing needs more free memory than there is; the size stays
    Failed,     // the resize failed; the stage is as it was
    Resized,
};
// Resizes the stage; the default is cStage::SetSize.
using tStageResize = std::function<bool(cStage&, u32 dwWidth, u32 dwHeight, u32 dwLeft, u32 dwTop)>;
// Raises the width and height to 20 x 15 (in place, so the page shows what
// was committed); when they differ from the stage's, clears the undo history
// and, when the stage grows, checks the free memory against two snapshots
// of the new size ("メモリ不足により、サイズの変更に失敗しました！"); then
// resizes under the wait message "サイズを変更しています..." in the
// directions (1: the left, the top). A failed resize tells the user
// "サイズの変更に失敗しました！" and leaves the stage as it was.
eSizeChange ChangeStageSize(cStage& stage, cUndo& undo, s32& nWidth, s32& nHeight, u32 dwDirX, u32 dwDirY,
                            s64 nFreeBytes, const tStageResize& resize = nullptr);
