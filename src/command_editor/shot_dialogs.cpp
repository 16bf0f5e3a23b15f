// The dialogs of the shot, the sword, the block, chara and item summons, the
// message, the warp, the target and the status operation.
#include "app/picker_rules.h"
#include "command_editor/behaviours.h"
#include "command_editor/cmd_dlg_base.h"
#include "command_editor/common_rows.h"
#include "command_editor/rules/sentence_rules.h"
#include "command_editor/rules/shot_rules.h"
#include "controls/ctrl_picture.h"
#include "flow/ed_move.h"
#include "flow/ed_shot.h"
#include "flow/option_names.h"
#include "flow/var_names.h"
#include "framework/bitmap_slots.h"

namespace {

// The dialog's own values that keep the previous formation and move type.
enum : u32 { kPreviousFormation = 0, kPreviousMoveType = 1 };

// Rows the shot and the summons share beyond the time: the formation with
// its values, the direction and the aim.
constexpr cBindRow kFormationRows[] = {
    Combo(12641, ShotField<&cEdShot::m_nPattern>(), Names(g_ShotPatternNames)),
    Edit(1041, ShotElement<&cEdShot::m_wPatternValue, 0>(), 0, 999, 1051),
    Edit(1042, ShotElement<&cEdShot::m_wPatternValue, 1>(), 0, 999, 1052),
    Edit(1043, ShotElement<&cEdShot::m_wPatternValue, 2>(), 0, 999, 1056),
    Edit(1069, ShotField<&cEdShot::m_bShot1>(), 1, 127, 1071),
    Combo(1128, ShotField<&cEdShot::m_nDirection>(), Names(g_DirectionNames)),
    Combo(1136, ShotField<&cEdShot::m_nAimSubject>(), Names(g_AimSubjectNames)),
    Combo(1484, ShotField<&cEdShot::m_nTargetNo>(), Names(g_TargetNoNames)),
    Edit(1040, ShotField<&cEdShot::m_wOffsetX>(), -640, 640, 1045),
    Check(1053, ShotField<&cEdShot::m_bFlipX>()),
    Edit(1048, ShotField<&cEdShot::m_wOffsetY>(), -640, 640, 1049),
    Check(1055, ShotField<&cEdShot::m_bFlipY>()),
};
// The anime and the sound of the shot, the sword and the summons.
constexpr cBindRow kAnimeSoundRows[] = {
    kAnimeRow,
    kSoundRow,
    Check(1435, CmdField<&cCommand::m_bMuteOffScreen>()),
};
// Rows the shot and the sword share: the look, the faction, the size, the
// hit and the drop.
constexpr cBindRow kHitRows[] = {
    Edit(1256, ShotField<&cEdShot::m_nZ>(), 0, 7, 1257),
    Check(1147, ShotField<&cEdShot::m_bTransparent>()),
    Edit(1261, ShotField<&cEdShot::m_nForce>(), 0, 7, 1262),
    Check(1148, ShotField<&cEdShot::m_bSameAsUser>()),
    Combo(1266, ShotField<&cEdShot::m_nSize>(), Names(g_GiantSizeNames), 1),
    Edit(1065, ShotField<&cEdShot::m_nPower>(), -999999, 999999, 1066),
    Edit(1067, ShotField<&cEdShot::m_nImpact>(), -20, 20, 1068),
    Combo(1230, ShotField<&cEdShot::m_wEffect>(), DbRows(eDbTable::Effect, 0, "なし", 2)),
    Check(1160, ShotField<&cEdShot::m_bAttack>()),
    Combo(1231, ShotField<&cEdShot::m_nFlowGroup>(), Names(g_GroupLetterAllNames)),
    Combo(1270, ShotField<&cEdShot::m_nDropSource>(), Names(g_DropPaletteNames)),
    Combo(12640, ShotField<&cEdShot::m_wDropItem>(), cItemSource(), 1),
};

// A new shot or summon takes a tenth of a second, the first anime and the
// first sound; a sword its anime and sound (its time is its type's).
void NewSwordCommand(cCommand& cmd)
{
    cmd.m_wAnime = 1;
    cmd.m_wSound = 1;
}

void NewTimedCommand(cCommand& cmd)
{
    cmd.m_wTime = 1;
    NewSwordCommand(cmd);
}

// 209 "ショット": the graphic previewed, the formation and the move type
// labelling their values.
constexpr cBindRow kShotOwnRows[] = {
    Edit(1036, ShotField<&cEdShot::m_wGraphic>(), 1, 120, 1037),
    Button(1446),
    Picture(1070),
    Edit(1259, ShotField<&cEdShot::m_bShot13>(), 0, 20, 1260),
    Check(1063, ShotField<&cEdShot::m_bAimAngle>()),
    Edit(1130, ShotField<&cEdShot::m_wDirExtra>(), -7200, 7200, 1132),
    Edit(1133, ShotField<&cEdShot::m_wDirExtraClone>(), -7200, 7200, 1134),
    Check(1158, ShotField<&cEdShot::m_bMirror>()),
    Edit(11135, ShotField<&cEdShot::m_wSpread>(), 0, 180, 11136),
    Check(1062, ShotField<&cEdShot::m_bShiftByAngle>()),
    Edit(1046, ShotField<&cEdShot::m_wOffsetXClone>(), -640, 640, 1047),
    Edit(1050, ShotField<&cEdShot::m_wOffsetYClone>(), -640, 640, 1054),
    Combo(1265, ShotField<&cEdShot::m_nAim>(), Names(g_ShotAimNames)),
    Edit(1044, ShotElement<&cEdShot::m_wAimValue, 0>(), 0, 999, 1057),
    Edit(1058, ShotElement<&cEdShot::m_wAimValue, 1>(), 0, 999, 1059),
    Edit(1060, ShotElement<&cEdShot::m_wAimValue, 2>(), 0, 999, 1061),
    Combo(1483, ShotField<&cEdShot::m_nTargetNo2>(), Names(g_TargetNoNames)),
    Check(1064, ShotField<&cEdShot::m_bScrollSync>()),
    Edit(1118, ShotField<&cEdShot::m_wShot32>(), -200, 200, 1119),
    Edit(1120, ShotField<&cEdShot::m_wSpeedClone>(), -200, 200, 1121),
    Check(1177, ShotField<&cEdShot::m_bAccel>()),
    Edit(1126, ShotField<&cEdShot::m_wAccelValue>(), -200, 200, 1127),
    Edit(1129, ShotField<&cEdShot::m_wAccelClone>(), -200, 200, 1135),
    Check(1176, ShotField<&cEdShot::m_bRange>()),
    Edit(1122, ShotField<&cEdShot::m_wRange>(), 0, 64, 1123),
    Edit(11240, ShotField<&cEdShot::m_wRangeClone>(), -40, 40, 11270),
    Check(1157, ShotField<&cEdShot::m_bKeepAtEnd>()),
    Check(1393, ShotField<&cEdShot::m_bLifetime>()),
    Edit(1394, ShotField<&cEdShot::m_wLifetime>(), 1, 999, 1395),
    Edit(11241, ShotField<&cEdShot::m_wLifetimeClone>(), -99, 99, 11271),
    Check(1146, ShotField<&cEdShot::m_bDieByShot>()),
    Edit(1124, ShotField<&cEdShot::m_nVanishValue>(), 1, 9, 1125),
    Check(1149, ShotField<&cEdShot::m_bPierceBlock>()),
    Check(1150, ShotField<&cEdShot::m_bPierceChara>()),
    Check(1159, ShotField<&cEdShot::m_bPierceBlockChara>()),
};
constexpr auto kShotRows = JoinRows(kTimeRows, kFormationRows, kAnimeSoundRows, kHitRows, kShotOwnRows);

void NewShot(cSubRecords& records)
{
    if (!records.m_pShot) return;
    cEdShot& shot = *records.m_pShot;
    shot.m_wGraphic = 1;
    shot.m_wShot32 = 20;
    shot.m_nPower = 1;
    shot.m_bPierceBlock = 1;
    shot.m_nZ = 3;
    shot.m_wEffect = 1;
}

// The graphic's cell of the shot sheet, stretched over the picture; the part
// of a cell beyond the sheet stays blank.
void DrawShotPreview(cBoundDlg& dlg, cCtrlPicture& picture)
{
    cSurface& back = picture.GetBack();
    back.Fill(RGB(0, 0, 0));
    const cSurface& sheet = g_aBitmap[kSlotShot];
    s64 nGraphic = 0;
    cSheetPart part;
    if (sheet.GetDC() && dlg.ReadCtrl(1036, nGraphic) &&
        ShotGraphicPart(nGraphic, sheet.GetWidth(), sheet.GetHeight(), part)) {
        const s32 nWidth = back.GetWidth();
        const s32 nHeight = back.GetHeight();
        back.StretchBlt(part.nCellX * nWidth / kShotCellSize, part.nCellY * nHeight / kShotCellSize,
                        part.nWidth * nWidth / kShotCellSize, part.nHeight * nHeight / kShotCellSize, sheet,
                        part.nSrcX, part.nSrcY, part.nWidth, part.nHeight, 0);
    }
    picture.Present();
}

const cChoiceChange kShotFormation(12641, kPreviousFormation, ShotFormationChange);
const cChoiceChange kShotMoveType(1265, kPreviousMoveType, ShotMoveTypeChange);
const cPickerButton kShotPicker(1446, 1036, kSheetShot);
const cPreview kShotPreview(1070, DrawShotPreview);
const cBehaviour* const kShotBehaviours[] = {&kShotFormation, &kShotMoveType, &kShotPicker, &kShotPreview,
                                             &kSoundPreview1131};
const cCmdDlgDesc kShotDlg = CmdDlg(0, 11, 209, kShotRows)
                                 .Refresh(ShotRefresh)
                                 .With(kShotBehaviours)
                                 .Needs(kNeedShot, NewShot)
                                 .NewCommand(NewTimedCommand);

// 224 "ソード": the time is the sword type's.
constexpr cBindRow kSwordOwnRows[] = {
    kParallelRow,
    kTimeRow,
    Combo(1221, ShotField<&cEdShot::m_nAim>(), DbRows(eDbTable::SwordType, 0, nullptr, 3, 1)),
};
constexpr auto kSwordRows = JoinRows(kSwordOwnRows, kAnimeSoundRows, kHitRows);

void NewSword(cSubRecords& records)
{
    if (!records.m_pShot) return;
    cEdShot& shot = *records.m_pShot;
    shot.m_bPierceBlock = 1;
    shot.m_bPierceChara = 1;
    shot.m_bDieByShot = 0;
    shot.m_nPower = 10;
    shot.m_nZ = 3;
    shot.m_wEffect = 1;
}

const cChoiceChange kSwordType(1221, 0, SwordTypeChange);
const cBehaviour* const kSwordBehaviours[] = {&kSwordType, &kSoundPreview1131};
const cCmdDlgDesc kSwordDlg = CmdDlg(0, 12, 224, kSwordRows)
                                  .Refresh(SwordRefresh)
                                  .With(kSwordBehaviours)
                                  .Needs(kNeedShot, NewSword)
                                  .NewCommand(NewSwordCommand);

// The summons: the palette and its entry (stored as row + 1).
constexpr cBindRow kSummonRows[] = {
    Combo(1379, ShotField<&cEdShot::m_nSummonSource>(), Names(g_PaletteNames)),
    Combo(1385, ShotField<&cEdShot::m_wSummonIndex>(), cItemSource(), 1),
};
// The lifetime of a summoned chara or item.
constexpr cBindRow kLifetimeRows[] = {
    Check(1393, ShotField<&cEdShot::m_bRange>()),
    Edit(1394, ShotField<&cEdShot::m_wRange>(), 1, 9999, 1395),
};

// A new summon takes the first entry; a chara or an item lives ten seconds
// without a score.
cEdShot* NewSummon(cSubRecords& records)
{
    if (!records.m_pShot) return nullptr;
    records.m_pShot->m_wSummonIndex = 1;
    return records.m_pShot.get();
}

void NewLivingSummon(cEdShot& shot)
{
    shot.m_bZeroScore = 1;
    shot.m_bRange = 1;
    shot.m_wRange = 100;
}

// 258 "ブロック召喚".
constexpr cBindRow kBlockSummonOwnRows[] = {
    Combo(1129, ShotField<&cEdShot::m_nBlockMode>(), Names(g_BlockSummonModeNames)),
    Check(1054, ShotField<&cEdShot::m_bFailOnPlayer>()),
    Check(1057, ShotField<&cEdShot::m_bFailOnEnemy>()),
};
constexpr auto kBlockSummonRows = JoinRows(kTimeRows, kFormationRows, kAnimeSoundRows, kSummonRows,
                                           kBlockSummonOwnRows);

void NewBlockSummon(cSubRecords& records)
{
    if (cEdShot* lpShot = NewSummon(records)) {
        lpShot->m_bFailOnPlayer = 0;
        lpShot->m_bFailOnEnemy = 1;
        lpShot->m_bFlipX = 1;
    }
}

const cChoiceChange kSummonFormation(12641, kPreviousFormation, SummonFormationChange);
const cBehaviour* const kSummonBehaviours[] = {&kSummonFormation, &kSoundPreview1131};
const cCmdDlgDesc kBlockSummonDlg = CmdDlg(0, 13, 258, kBlockSummonRows)
                                        .Refresh(BlockSummonRefresh)
                                        .With(kSummonBehaviours)
                                        .Needs(kNeedShot, NewBlockSummon)
                                        .NewCommand(NewTimedCommand);

// 256 "キャラ召喚".
constexpr cBindRow kCharaSummonOwnRows[] = {
    Combo(1129, ShotField<&cEdShot::m_nForceMode>(), Names(g_SummonForceNames)),
    Edit(1261, ShotField<&cEdShot::m_nForce>(), 0, 7, 1262),
    Check(1382, ShotField<&cEdShot::m_bFaceOpposite>()),
    Check(1381, ShotField<&cEdShot::m_bZeroScore>()),
    Check(1160, ShotField<&cEdShot::m_bAttack>()),
    Combo(1231, ShotField<&cEdShot::m_nFlowGroup>(), Names(g_GroupLetterAllNames)),
};
constexpr auto kCharaSummonRows = JoinRows(kTimeRows, kFormationRows, kAnimeSoundRows, kSummonRows, kLifetimeRows,
                                           kCharaSummonOwnRows);

void NewCharaSummon(cSubRecords& records)
{
    if (cEdShot* lpShot = NewSummon(records)) NewLivingSummon(*lpShot);
}

const cChoiceChange kCharaSummonFormation(12641, kPreviousFormation, CharaSummonFormationChange);
const cBehaviour* const kCharaSummonBehaviours[] = {&kCharaSummonFormation, &kSoundPreview1131};
const cCmdDlgDesc kCharaSummonDlg = CmdDlg(0, 14, 256, kCharaSummonRows)
                                        .Refresh(CharaSummonRefresh)
                                        .With(kCharaSummonBehaviours)
                                        .Needs(kNeedShot, NewCharaSummon)
                                        .NewCommand(NewTimedCommand);

// 257 "アイテム召喚".
constexpr auto kItemSummonRows = JoinRows(kTimeRows, kFormationRows, kAnimeSoundRows, kSummonRows, kLifetimeRows);

void NewItemSummon(cSubRecords& records)
{
    if (cEdShot* lpShot = NewSummon(records)) {
        NewLivingSummon(*lpShot);
        lpShot->m_bFlipX = 1;
    }
}

const cCmdDlgDesc kItemSummonDlg = CmdDlg(0, 15, 257, kItemSummonRows)
                                       .Refresh(ItemSummonRefresh)
                                       .With(kSummonBehaviours)
                                       .Needs(kNeedShot, NewItemSummon)
                                       .NewCommand(NewTimedCommand);

// 239 "メッセージ": the text of 29 lines of 39 characters; OK runs the
// command in parallel unless the game pauses. The variable lists are for
// reference and renaming (the common names are saved at once).
constexpr cBindRow kMessageRows[] = {
    TextLines(1002, CmdField<&cCommand::m_Text>(), 1, 39, 29),
    ParamCombo(1232, 0),
    ParamEdit(1206, 1, 1207),
    ParamEdit(1210, 2, 1211),
    ParamEdit(1040, 3, 1045),
    ParamEdit(1048, 4, 1049),
    Check(1234, ParamField(5)),
    ParamCombo(1233, 6),
    ParamEdit(1113, 7, 1114),
    Check(1231, ParamField(8)),
    Check(1235, ParamField(9)),
    Check(1456, ParamField(10)),
    Check(1236, ParamField(11)),
    Check(1457, ParamField(12)),
    ParamEdit(1458, 13, 1459),
    Check(1238, ParamField(14)),
    Check(1237, ParamField(15)),
    ParamEdit(1115, 16, 1116),
    Check(1239, ParamField(17)),
    ParamCombo(1499, 18),
    Combo(1046, LocalField(0), Rows(eRows::CommonVars), 1),
    Button(1378),
    Combo(1050, LocalField(1), Rows(eRows::StageVars), 1),
    Button(1051),
};
const cParallelFromPause kMessagePause(1231);
const cVarRename kMessageRenameCommon(1378, 1046, eVarScope::Common, true);
const cVarRename kMessageRenameStage(1051, 1050, eVarScope::Stage, false);
const cBehaviour* const kMessageBehaviours[] = {&kMessagePause, &kMessageRenameCommon, &kMessageRenameStage};
const cCmdDlgDesc kMessageDlg =
    CmdDlg(0, 19, 239, kMessageRows).Refresh(MessageRefresh).With(kMessageBehaviours).Locals(1, 1);

// 264 "ワープ": the command's move record.
constexpr cBindRow kWarpRows[] = {
    Combo(1127, MoveField<&cEdMove::m_nMode>(), Names(g_WarpModeNames)),
    Combo(1128, MoveField<&cEdMove::m_nDirection>(), Names(g_DirectionNames)),
    Check(1397, MoveField<&cEdMove::m_bUseX>()),
    Check(1149, MoveField<&cEdMove::m_bUseY>()),
    Edit(1135, MoveField<&cEdMove::m_wTargetX>(), -16383, 16383, 1136),
    Edit(1388, MoveField<&cEdMove::m_wTargetY>(), -16383, 16383, 1389),
    Edit(1137, MoveField<&cEdMove::m_wTargetDotX>(), -640, 640, 1138),
    Edit(1390, MoveField<&cEdMove::m_wTargetDotY>(), -640, 640, 1391),
    Combo(1129, MoveField<&cEdMove::m_nCoordKind>(), Names(g_CoordKindNames)),
    Combo(1151, MoveField<&cEdMove::m_nTargetUnit>(), Names(g_UnitBlNames)),
    Combo(1130, MoveField<&cEdMove::m_nOrigin>(), Names(g_GiantOriginNames)),
    Check(1144, MoveField<&cEdMove::m_bFlipX>()),
    Check(1145, MoveField<&cEdMove::m_bFlipY>()),
    Edit(1122, MoveField<&cEdMove::m_wDistance>(), 0, 64, 1123),
    Edit(11240, MoveField<&cEdMove::m_wDistanceClone>(), -40, 40, 11270),
};

void NewWarp(cSubRecords& records)
{
    if (!records.m_pMove) return;
    cEdMove& move = *records.m_pMove;
    move.m_wDistance = 2;
    move.m_bFlipX = 0;
    move.m_nOrigin = 2;
}

void NewWarpCommand(cCommand& cmd)
{
    cmd.m_wTime = 0;
    cmd.m_bParallel = 1;
}

const cCmdDlgDesc kWarpDlg =
    CmdDlg(0, 20, 264, kWarpRows).Refresh(WarpRefresh).Needs(kNeedMove, NewWarp).NewCommand(NewWarpCommand);

// 265 "ターゲットの設定": [slot] を [who] にする, with the filters.
constexpr cBindRow kTargetRows[] = {
    ParamCombo(1483, 0),
    ParamCombo(1390, 1),
    ParamEdit(1261, 2, 1262),
    Check(1397, ParamField(3)),
    ParamCombo(1391, 4),
    Check(1392, ParamField(5)),
    Check(1393, ParamField(6)),
    Check(1396, ParamField(7)),
    Check(1394, ParamField(8)),
    Check(1395, ParamField(9)),
    ParamEdit(1263, 10, 1264),
    Check(1398, ParamField(11)),
    ParamCombo(1429, 12, Names(g_CharaVarNames)),
    ParamEdit(1477, 13, 1478),
    ParamCombo(1479, 14),
    ParamCombo(1399, 15),
};
const cCmdDlgDesc kTargetDlg = CmdDlg(0, 21, 265, kTargetRows).Refresh(TargetRefresh);

// 215 "ステータスの操作": left side を operator right side. The status and
// variable lists come from the refresh.
constexpr cBindRow kStatusOpRows[] = {
    ParamCombo(11175, 0),
    ParamCombo(11176, 1),
    ParamCombo(1402, 2),
    ParamCombo(1400, 3),
    ParamCombo(1401, 4),
    ParamCombo(1174, 5),
    ParamCombo(11177, 6),
    ParamEdit(1403, 7, 1404),
    ParamEdit(1048, 8, 1053),
    ParamEdit(1054, 9, 1055),
    ParamCombo(11179, 10),
    ParamCombo(1051, 11),
    ParamCombo(11178, 12),
    ParamCombo(1176, 13),
    Check(1175, ParamField(14)),
    ParamCombo(11180, 15),
    Check(1398, ParamField(16)),
    Check(1399, ParamField(17)),
    ParamCombo(1498, 18),
    ParamCombo(1499, 19),
    ParamCombo(1500, 20),
    ParamCombo(1501, 21),
    Button(1405),
    Button(1052),
};

// The left status row last chosen in any status operation dialog, for the
// whole run of the program (-1 before the first).
s64 s_nRememberedLeftStatus = -1;

// Once the dialog is set up, a left status other than the remembered one
// re-clamps the operand's values to its limits.
class cLeftStatusMemory : public cBehaviour {
public:
    void AfterRefresh(cBoundDlg& dlg) const override
    {
        if (!dlg.IsInitialized()) return;
        const cCtrlValues in = dlg.ReadCtrls();
        const s64 nRow = StatusOpLeftRow(in);
        if (nRow < 0) return;
        cRefreshOut out;
        StatusOpReclamp(in, s_nRememberedLeftStatus, out);
        dlg.Apply(out);
        s_nRememberedLeftStatus = nRow;
    }
};

const cLeftStatusMemory kLeftStatusMemory;
const cVarRename kStatusOpRenameLeft(1405, 1402, static_cast<u16>(11176), false);
const cVarRename kStatusOpRenameRight(1052, 1051, static_cast<u16>(11179), false);
const cBehaviour* const kStatusOpBehaviours[] = {&kLeftStatusMemory, &kStatusOpRenameLeft, &kStatusOpRenameRight};
const cCmdDlgDesc kStatusOpDlg = CmdDlg(0, 22, 215, kStatusOpRows).Refresh(StatusOpRefresh).With(kStatusOpBehaviours);

const cCmdDlgDesc* const kShotDialogs[] = {
    &kShotDlg,    &kSwordDlg,  &kBlockSummonDlg, &kCharaSummonDlg, &kItemSummonDlg,
    &kMessageDlg, &kWarpDlg,   &kTargetDlg,      &kStatusOpDlg,
};

}  // namespace

const cCmdDlgGroup g_ShotCmdDialogs{kShotDialogs, sizeof kShotDialogs / sizeof kShotDialogs[0]};
