#include "stage_editor/engine/view_rules.h"

s32 WheelNotches(u16 wDelta)
{
    const s32 n = wDelta / 120;
    return n >= 10 ? -1 : n;
}

cScrollStep WheelScroll(u16 wDelta, u32 dwWheelMode, bool bCtrl)
{
    cScrollStep step;
    if (dwWheelMode > 1) return step;
    const bool bVertical = (dwWheelMode == 1) != bCtrl;
    (bVertical ? step.nDy : step.nDx) = -WheelNotches(wDelta);
    return step;
}

bool IsStageKeyCommand(u16 wId)
{
    switch (wId) {
    case kKeyNewStage:
    case kKeyOpenStage:
    case kKeySave:
    case kKeyTestPlay:
    case kKeyRedo:
    case kKeyUndo:
    case kKeyTestPlayGame:
        return true;
    default:
        return false;
    }
}

namespace {

const u16 kAlwaysEnabled[] = {
    kCmdNewStage, kCmdOpenStage, kCmdSaveCommon, kCmdDatabase, kCmdWorldMap,
    kCmdSystem, kCmdProjectOptions, kCmdTestPlayGame, kCmdBitmapTool,
};
const u16 kNeedStage[] = {
    kCmdCloseStage, kCmdSaveAs, kCmdSave, kCmdLayerBlock, kCmdLayerChara, kCmdLayerItem, kCmdClearBlocks,
    kCmdClearCharas, kCmdClearItems, kCmdStageSettings, kCmdLoadPalette, kCmdSavePalette, kCmdStageOptions,
    kCmdTestPlay,
};

}  // namespace

std::vector<cCommandState> MenuStates(const cEditorState& s)
{
    std::vector<cCommandState> states;
    for (u16 wId : kAlwaysEnabled) states.push_back({wId, true, false});
    for (u16 wId : kNeedStage) {
        const s32 nLayer = wId - kCmdLayerBlock;
        states.push_back({wId, s.bStageOpen, wId >= kCmdLayerBlock && wId <= kCmdLayerItem && nLayer == s.nLayer});
    }
    states.push_back({kCmdUndo, s.bStageOpen && s.nUndo >= 1, false});
    states.push_back({kCmdRedo, s.bStageOpen && s.nRedo >= 1, false});
    states.push_back({kCmdClearAll, true, false});
    states.push_back({kCmdShowCommon, true, s.bCommonShown});
    states.push_back({kCmdShowStage, true, s.bStageShown});
    states.push_back({kCmdShowGroups, true, s.bGroupShown});
    return states;
}

std::vector<cCommandState> ToolbarStates(const cEditorState& s)
{
    std::vector<cCommandState> states = {
        {kCmdNewStage, true, false},
        {kCmdOpenStage, true, false},
        {kToolTestPlayGame, true, false},
        {kCmdSave, s.bStageOpen, false},
        {kCmdUndo, s.bStageOpen && s.nUndo >= 1, false},
        {kCmdRedo, s.bStageOpen && s.nRedo >= 1, false},
        {kToolTestPlay, s.bStageOpen, false},
    };
    for (s32 nLayer = 0; nLayer < 3; ++nLayer)
        states.push_back({static_cast<u16>(kToolLayerBlock + nLayer), s.bStageOpen, s.bStageOpen && nLayer == s.nLayer});
    return states;
}

std::array<bool, kCharaGroups> UsedCharaGroups(const cStage& stage)
{
    std::array<bool, kCharaGroups> used = {};
    for (u32 y = 0; y < stage.m_dwHeight; ++y)
        for (u32 x = 0, c = stage.CellOf(0, y); x < stage.m_dwWidth && c < stage.m_vCharaGrid.size(); ++x, ++c) {
            const cEdChara& chara = stage.m_vCharaGrid[c];
            if (chara.IsEmpty() || !chara.m_cHasGroup) continue;
            const s32 nGroup = static_cast<s16>(chara.m_wGroupNo);
            if (nGroup >= 0 && nGroup < kCharaGroups) used[static_cast<size_t>(nGroup)] = true;
        }
    return used;
}

u16 GroupCheckId(s32 nGroup)
{
    if (nGroup == 0) return 1453;
    if (nGroup <= 40) return static_cast<u16>(1412 + nGroup);
    return static_cast<u16>(1413 + nGroup);
}

cDepthChange DecideDepthChange(s32 nOld, s32 nNew, s64 nSnapshotBytes, s64 nFreeBytes)
{
    if (nNew == nOld) return {nNew, false, false};
    if (nNew < nOld) return {nNew, true, false};
    const s64 nNeed = nSnapshotBytes * (nNew - nOld) * 2;
    if (nFreeBytes < nNeed) return {nOld, false, true};
    return {nNew, true, false};
}
