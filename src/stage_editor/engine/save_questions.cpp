#include "stage_editor/engine/save_questions.h"

#include "app/fatal.h"
#include "app/host.h"

namespace {

const char* const kTitle = "保存確認";

// Yes saves and clears the flag; a failed save counts as a cancel.
bool AskAndSave(tWnd hOwner, u32& bModified, const char* lpText, const tSaveStep& save)
{
    switch (ShowMessageBox(hOwner, lpText, kTitle, kMbYesNoCancel)) {
    case kIdYes:
        if (!save()) return false;
        bModified = 0;
        return true;
    case kIdNo:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool AskSaveStage(tWnd hOwner, cEditState& state, const tSaveStep& saveStage)
{
    if (!state.m_bHasPath || !state.m_bStageModified) return true;
    return AskAndSave(hOwner, state.m_bStageModified, "ステージが変更された可能性があります。\n保存しますか？",
                      saveStage);
}

bool AskSaveOnClose(tWnd hOwner, cEditState& state, const tSaveStep& saveStage, const tSaveStep& saveCommon)
{
    if (!AskSaveStage(hOwner, state, saveStage)) return false;
    if (!state.m_bCommonModified) return true;
    return AskAndSave(hOwner, state.m_bCommonModified,
                      "コモンパレットが変更された可能性があります。\n保存しますか？", saveCommon);
}
