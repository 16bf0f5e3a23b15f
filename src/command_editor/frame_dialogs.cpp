// The dialogs of the direction change, the jump, the sound effect, the BGM,
// the code, the arrange command, the loop and the item effect that changes
// a chara's flows.
#include "command_editor/behaviours.h"
#include "command_editor/cmd_dlg_base.h"
#include "command_editor/common_rows.h"
#include "command_editor/rules/frame_refresh.h"
#include "command_editor/sub_flow_page.h"
#include "flow/ed_flow.h"

namespace {

// 263 "向き変更".
constexpr cBindRow kDirectionRows[] = {
    kParallelRow,
    kTimeRow,
    kTimeCloneRow,
    ParamCombo(1127, 0),
    kAnimeRow,
    kSoundRow,
};
const cBehaviour* const kDirectionBehaviours[] = {&kSoundPreview1131};
const cCmdDlgDesc kDirectionDlg = CmdDlg(0, 9, 263, kDirectionRows).With(kDirectionBehaviours);

// 243 "ジャンプ".
constexpr cBindRow kJumpRows[] = {
    ParamCombo(1178, 0),
    ParamEdit(1309, 1, 1310),
    ParamEdit(1305, 2, 1306),
    ParamEdit(1311, 3, 1312),
    ParamEdit(1307, 4, 1308),
    kAnimeRow,
    kSoundRow,
    Check(1435, CmdField<&cCommand::m_bMuteOffScreen>()),
};
const cCmdDlgDesc kJumpDlg = CmdDlg(0, 10, 243, kJumpRows).Refresh(JumpRefresh).With(kDirectionBehaviours);

// 228 "効果音の再生": the sounds from row 1.
constexpr cBindRow kSoundRows[] = {
    ParamCombo(1131, 0, DbRows(eDbTable::Sound, 1, nullptr, 3)),
    Check(1435, CmdField<&cCommand::m_bMuteOffScreen>()),
};
const cCmdDlgDesc kSoundDlg = CmdDlg(0, 35, 228, kSoundRows).With(kDirectionBehaviours);

// 229 "BGMの再生": "再生" previews; every way out stops the music.
constexpr cBindRow kBgmRows[] = {
    ParamCombo(11222, 0, DbRows(eDbTable::Bgm, 0, "BGMの停止", 3)),
    Check(1168, ParamField(1)),
    Button(1309),
};
const cBgmPreview kBgmPreview(1309, 11222);
const cStopMusic kStopMusic;
const cBehaviour* const kBgmBehaviours[] = {&kBgmPreview, &kStopMusic};
const cCmdDlgDesc kBgmDlg = CmdDlg(0, 36, 229, kBgmRows).With(kBgmBehaviours);

// 252 "コードの実行": the code is checked on OK; the two variable lists are
// for reference and renaming (the common names are saved at once).
constexpr cBindRow kCodeRows[] = {
    Text(1377, CmdField<&cCommand::m_Text>(), 100, 0),
    Combo(1045, LocalField(0), Rows(eRows::CommonVars), 1),
    Button(1378),
    Combo(1049, LocalField(1), Rows(eRows::StageVars), 1),
    Button(1051),
};
const cFormulaCheck kCodeCheck(1377);
const cVarRename kRenameCommon1378(1378, 1045, eVarScope::Common, true);
const cVarRename kRenameStage1051(1051, 1049, eVarScope::Stage, false);
const cBehaviour* const kCodeBehaviours[] = {&kCodeCheck, &kRenameCommon1378, &kRenameStage1051};
const cCmdDlgDesc kCodeDlg = CmdDlg(0, 37, 252, kCodeRows).With(kCodeBehaviours).Locals(1, 1);

// 279 "アレンジ": the parameter list follows the target kind, the variable
// rows the variable kind.
constexpr cBindRow kArrangeRows[] = {
    ParamCombo(1473, 0), ParamCombo(1470, 1), ParamCombo(1174, 2), ParamCombo(1471, 3), ParamCombo(1472, 4),
    Button(1050),
};
const cVarRename kRenameByKind1050(1050, 1472, static_cast<u16>(1471), false);
const cBehaviour* const kArrangeBehaviours[] = {&kRenameByKind1050};
const cCmdDlgDesc kArrangeDlg = CmdDlg(0, 38, 279, kArrangeRows).Refresh(ArrangeRefresh).With(kArrangeBehaviours);

// 280 "ループ": "後続" p1 commands, repeated p0 times.
constexpr cBindRow kLoopRows[] = {
    ParamEdit(1261, 1, 1262),
    ParamEdit(1183, 0, 1184),
};
const cCmdDlgDesc kLoopDlg = CmdDlg(0, 39, 280, kLoopRows);

// 217, item-effect kind 1 "フローの変更": "フローの設定" opens the flow page
// on the command's flows, which writes them back on its own OK.
int RunFlowChangeFlows(cBoundDlg& dlg)
{
    cCommand* lpCmd = dlg.EditedCommand();
    if (!lpCmd) return 0;
    s64 nOperation = 0, nFlowId = 0;
    dlg.ReadCtrl(1178, nOperation);
    dlg.ReadCtrl(1096, nFlowId);
    if (lpCmd->m_SubFlows.empty()) lpCmd->m_SubFlows.emplace_back();
    return RunSubFlowPage(&dlg, lpCmd->m_SubFlows, static_cast<u32>(nOperation), static_cast<u32>(nFlowId));
}

constexpr cBindRow kFlowChangeRows[] = {
    ParamCombo(1178, 0),
    ParamCombo(1096, 1),
    Button(1179),
};
const cNestedPage kFlowChangePage(1179, RunFlowChangeFlows);
const cBehaviour* const kFlowChangeBehaviours[] = {&kFlowChangePage};
const cCmdDlgDesc kFlowChangeDlg =
    CmdDlg(1, 1, 217, kFlowChangeRows).Refresh(FlowChangeRefresh).With(kFlowChangeBehaviours).KindTitle();

const cCmdDlgDesc* const kFrameDialogs[] = {
    &kDirectionDlg, &kJumpDlg, &kSoundDlg, &kBgmDlg, &kCodeDlg, &kArrangeDlg, &kLoopDlg, &kFlowChangeDlg,
};

}  // namespace

const cCmdDlgGroup g_FrameCmdDialogs{kFrameDialogs, sizeof kFrameDialogs / sizeof kFrameDialogs[0]};
