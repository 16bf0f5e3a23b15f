// The dialogs of the status operation 2, the vanish, the item get, the
// graphic change, the anime set and anime, the effects, the picture, the
// screen colour and the background.
#include "app/picker_rules.h"
#include "command_editor/behaviours.h"
#include "command_editor/cmd_dlg_base.h"
#include "command_editor/rules/visual_rules.h"
#include "controls/ctrl_picture.h"
#include "flow/cmd_params.h"
#include "framework/bitmap_slots.h"

namespace {

// 266 "ステータスの操作2": subject "の" state "を" value "にする"; the state
// and value lists come from the refresh.
constexpr cBindRow kStateOpRows[] = {
    ParamCombo(11174, 0), ParamCombo(1173, 1), ParamCombo(1397, 2), Check(1492, ParamField(3)), Check(1493, ParamField(4)),
};
const cCmdDlgDesc kStateOpDlg = CmdDlg(0, 23, 266, kStateOpRows).Refresh(StateOp2Refresh);

// 281 "消滅".
constexpr cBindRow kVanishRows[] = {ParamCombo(11175, 0), ParamCombo(1391, 2), ParamEdit(1261, 1, 1262)};
const cCmdDlgDesc kVanishDlg = CmdDlg(0, 24, 281, kVanishRows).Refresh(VanishRefresh);

// 268 "アイテムの取得": palette "の" item (from 1). The note on items that
// change flows shows where the host says such an item may be edited.
constexpr cBindRow kItemGetRows[] = {ParamCombo(1408, 0), ParamCombo(1409, 1)};

class cItemFlowNote : public cBehaviour {
public:
    void AfterInit(cBoundDlg& dlg) const override
    {
        const cEditHost* lpHost = static_cast<cCmdDlgBase&>(dlg).Ctx().m_lpHost;
        if (HWND hNote = GetDlgItem(dlg.GetHwnd(), 1450))
            ShowWindow(hNote, lpHost && lpHost->ItemGetNoteShown() ? SW_SHOW : SW_HIDE);
    }
};
const cItemFlowNote kItemFlowNote;
const cBehaviour* const kItemGetBehaviours[] = {&kItemFlowNote};
const cCmdDlgDesc kItemGetDlg = CmdDlg(0, 25, 268, kItemGetRows).Refresh(ItemGetRefresh).With(kItemGetBehaviours);

// 232 "グラフィックの変更": kind "の" number with the picker, the offset and
// a 32 x 32 preview of the graphic.
constexpr u16 kGraphicKind = 1254;
constexpr u16 kGraphicNumber = 1036;
constexpr cBindRow kGraphicRows[] = {
    ParamCombo(kGraphicKind, 0), ParamEdit(kGraphicNumber, 1, 1037), Button(1446), ParamEdit(1038, 2, 1039),
    Picture(1070),
};

// The graphic's cell of its kind's picker sheet, or the left-facing surface
// of a chara special bitmap, stretched over the picture.
void DrawGraphicPreview(cBoundDlg& dlg, cCtrlPicture& picture)
{
    cSurface& back = picture.GetBack();
    back.Fill(RGB(0, 0, 0));
    s64 nKind = 0, nNumber = 0;
    if (dlg.ReadCtrl(kGraphicKind, nKind) && dlg.ReadCtrl(kGraphicNumber, nNumber) && nNumber >= 0) {
        const cSurface* lpSrc = nullptr;
        s32 x = 0, y = 0, nSize = kPickerCell;
        if (nKind == kGraphicSpecialBmp) {
            const size_t nAt = static_cast<size_t>(nNumber) * 2;
            if (nAt < g_vCharaExcBitmap.size()) lpSrc = &g_vCharaExcBitmap[nAt];
            if (lpSrc) nSize = lpSrc->GetHeight();
        } else if (nKind >= kSheetBlock && nKind < kSheetMark && nNumber < kPickerColumns * kPickerRows) {
            lpSrc = &g_aBitmap[kSlotBlockSheet + nKind];
            x = PickerCellX(static_cast<s32>(nNumber));
            y = PickerCellY(static_cast<s32>(nNumber));
        }
        if (lpSrc && lpSrc->GetDC())
            back.StretchBlt(0, 0, back.GetWidth(), back.GetHeight(), *lpSrc, x, y, nSize, nSize, 1);
    }
    picture.Present();
}

const cPickerButton kGraphicPicker(1446, kGraphicNumber, cPickerButton::kSheetByKind, kGraphicKind);
const cPreview kGraphicPreview(1070, DrawGraphicPreview);
const cBehaviour* const kGraphicBehaviours[] = {&kGraphicPicker, &kGraphicPreview};
const cCmdDlgDesc kGraphicDlg =
    CmdDlg(0, 26, 232, kGraphicRows).Refresh(GraphicChangeRefresh).With(kGraphicBehaviours);

// 230 "基本アニメセットの変更": the sets numbered from 1.
constexpr cBindRow kAnimeSetRows[] = {ParamCombo(1223, 0, DbRows(eDbTable::AnimeSet, 0, nullptr, 3, 1))};
const cCmdDlgDesc kAnimeSetDlg = CmdDlg(0, 27, 230, kAnimeSetRows);

// 227 "アニメの実行": the animes from row 1.
constexpr cBindRow kAnimeRunRows[] = {ParamCombo(1263, 0, DbRows(eDbTable::Anime, 1, nullptr, 3)),
                                      Check(1496, ParamField(1))};
const cCmdDlgDesc kAnimeRunDlg = CmdDlg(0, 28, 227, kAnimeRunRows);

// Where the effect and the picture show: the position, the coordinates and
// their unit, the offsets and the scale, at the parameters of each.
struct cPlacementRows {
    cBindRow rows[7];
};
constexpr cPlacementRows Placement(u16 nUnitParam, u16 nScaleParam)
{
    return {{ParamCombo(1232, 1), ParamCombo(1499, nUnitParam), ParamEdit(1206, 2, 1207), ParamEdit(1210, 3, 1211),
             ParamEdit(1040, 4, 1045), ParamEdit(1048, 5, 1049), ParamEdit(1208, nScaleParam, 1209)}};
}

// OK of the effect and the picture: in parallel unless "一時停止".
const cParallelFromPause kPauseStopsFlow(1231);
const cBehaviour* const kPausingBehaviours[] = {&kPauseStopsFlow};

// 234 "エフェクトの実行".
constexpr cPlacementRows kEffectPlacement = Placement(8, 6);
constexpr cBindRow kEffectOwnRows[] = {
    ParamCombo(1230, 0, DbRows(eDbTable::Effect, 0, "エフェクトの消去", 3)),
    Check(1231, ParamField(7)),
};
constexpr auto kEffectRows = JoinRows(kEffectOwnRows, kEffectPlacement.rows);
const cCmdDlgDesc kEffectDlg = CmdDlg(0, 29, 234, kEffectRows).Refresh(EffectRunRefresh).With(kPausingBehaviours);

// 213 "キャラエフェクトの実行" and 231 "画面エフェクトの実行": one design over
// two tables.
struct cEffectRunRows {
    cBindRow rows[3];
};
constexpr cEffectRunRows EffectRun(u16 wCombo, eDbTable eTable)
{
    return {{ParamCombo(wCombo, 0, DbRows(eTable, 0, "なし", 3)), ParamCombo(1178, 1), Check(1168, ParamField(2))}};
}
constexpr cEffectRunRows kCharaEffectRows = EffectRun(1264, eDbTable::CharaEffect);
constexpr cEffectRunRows kScrEffectRows = EffectRun(1235, eDbTable::ScrEffect);
const cCmdDlgDesc kCharaEffectDlg = CmdDlg(0, 30, 213, kCharaEffectRows.rows);
const cCmdDlgDesc kScrEffectDlg = CmdDlg(0, 31, 231, kScrEffectRows.rows);

// 233 "ピクチャーの表示".
constexpr cPlacementRows kPicturePlacement = Placement(15, 7);
constexpr cBindRow kPictureOwnRows[] = {
    ParamCombo(1234, 0, DbRows(eDbTable::Picture, 0, "ピクチャーの消去(ID非設定なら全消去)", 3)),
    Check(1460, ParamField(12)),
    ParamEdit(1461, 13, 1462),
    Check(1456, ParamField(11)),
    Check(1181, ParamField(6)),
    ParamCombo(1233, 8),
    ParamEdit(1113, 9, 1114),
    Check(1239, ParamField(14)),
    Check(1231, ParamField(10)),
};
constexpr auto kPictureRows = JoinRows(kPictureOwnRows, kPicturePlacement.rows);
const cCmdDlgDesc kPictureDlg = CmdDlg(0, 32, 233, kPictureRows).Refresh(PictureRefresh).With(kPausingBehaviours);

// 238 "画面の色を変更": four sliders with their partner edits and the colour
// of the first three.
constexpr cBindRow kScreenColorRows[] = {
    Slider(kColorRed, ParamField(0), 0, 255, 30, 1242),
    Slider(kColorGreen, ParamField(1), 0, 255, 30, 1243),
    Slider(kColorBlue, ParamField(2), 0, 255, 30, 1244),
    Slider(kColorPercent, ParamField(3), 0, 100, 10, 1250),
    Check(1241, ParamField(4)),
    ParamEdit(1113, 5, 1114),
    Check(1248, ParamField(6)),
    ParamEdit(1208, 7, 1209),
    Picture(1249),
};

void DrawColourPreview(cBoundDlg& dlg, cCtrlPicture& picture)
{
    s64 nRed = 0, nGreen = 0, nBlue = 0;
    dlg.ReadCtrl(kColorRed, nRed);
    dlg.ReadCtrl(kColorGreen, nGreen);
    dlg.ReadCtrl(kColorBlue, nBlue);
    picture.GetBack().Fill(RGB(nRed, nGreen, nBlue));
    picture.Present();
}

const cPreview kColourPreview(1249, DrawColourPreview);
const cBehaviour* const kScreenColorBehaviours[] = {&kColourPreview};
const cCmdDlgDesc kScreenColorDlg =
    CmdDlg(0, 33, 238, kScreenColorRows).Refresh(ScreenColorRefresh).With(kScreenColorBehaviours);

// 240 "背景の変更": number "を" operation.
constexpr cBindRow kBackgroundRows[] = {ParamEdit(1259, 0, 1260), ParamCombo(1261, 1)};
const cCmdDlgDesc kBackgroundDlg = CmdDlg(0, 34, 240, kBackgroundRows);

const cCmdDlgDesc* const kVisualDialogs[] = {
    &kStateOpDlg,  &kVanishDlg,      &kItemGetDlg,   &kGraphicDlg, &kAnimeSetDlg,    &kAnimeRunDlg,
    &kEffectDlg,   &kCharaEffectDlg, &kScrEffectDlg, &kPictureDlg, &kScreenColorDlg, &kBackgroundDlg,
};

}  // namespace

const cCmdDlgGroup g_VisualCmdDialogs{kVisualDialogs, sizeof kVisualDialogs / sizeof kVisualDialogs[0]};
