#include "stage_editor/stage_basic_page.h"

#include <algorithm>

#include "app/fatal.h"
#include "app/log.h"
#include "app/str_util.h"
#include "app/win32/sound.h"
#include "command_editor/behaviours.h"
#include "command_editor/rules/item_source.h"
#include "data/project_data.h"
#include "data/project_paths.h"
#include "data/settings_load.h"
#include "framework/wnd_list.h"
#include "resources/resource.h"
#include "stage_editor/stage_background_dlg.h"
#include "stage_editor/stage_edit_wnd.h"
#include "stage_editor/stage_setting_wnd.h"

namespace {

enum : u16 {
    kIdcName = 1002,
    kIdcWidth = 11210, kIdcWidthSpin = 11212, kIdcWidthDir = 1286,
    kIdcHeight = 11211, kIdcHeightSpin = 11166, kIdcHeightDir = 1287,
    kIdcLimitLeftOn = 1265, kIdcLimitRightOn = 1266, kIdcLimitTopOn = 1267, kIdcLimitBottomOn = 1268,
    kIdcLimitLeft = 11214, kIdcLimitRight = 11216, kIdcLimitTop = 11218, kIdcLimitBottom = 11220,
    kIdcScrollX = 1263, kIdcScrollY = 1264,
    kIdcAutoX = 1256, kIdcAutoXSpin = 1257, kIdcAutoY = 1259, kIdcAutoYSpin = 1260,
    kIdcTimeLimitOn = 1269, kIdcTimeLimit = 1258, kIdcTimeLimitSpin = 1261,
    kIdcWarning = 1262, kIdcWarningSpin = 1270,
    kIdcGravity = 11223, kIdcGravitySpin = 11168,
    kIdcStatusWindow = 1284, kIdcBgm = 11222, kIdcBgmLoop = 1448, kIdcKeepBgm = 1449,
    kIdcNoWait = 1285, kIdcStockTake = 1271, kIdcStockStore = 1272,
    kIdcCaptionStage = 1281, kIdcCaptionReady = 1288, kIdcCaptionClear = 1282, kIdcCaptionGameOver = 1283,
    kIdcRanking = 1316,  // to 1320
    kIdcBackground = 1222, kIdcInsert = 1219, kIdcEdit = 1220, kIdcDelete = 1221,
    kIdcPlay = 1217, kIdcMemory = 1427, kIdcUndoWarning = 1428,
    kIdcHiddenLeft = 1429, kIdcHiddenRight = 1430, kIdcHiddenTop = 1431, kIdcHiddenBottom = 1432,
};

// The entries of the edits of the page that the rules read.
enum : size_t { kEntryWidth, kEntryHeight, kEntryLeft, kEntryRight, kEntryTop, kEntryBottom };

constexpr u32 kRankingChecks = 5;
constexpr u32 kStageNameChars = 30;
constexpr s32 kMaxBackgrounds = 999;

const char* const kWidthDirNames[] = {"右方向へ拡張（または右を削除）", "左方向へ拡張（または左を削除）", ""};
const char* const kHeightDirNames[] = {"下方向へ拡張（または下を削除）", "上方向へ拡張（または上を削除）", ""};
const char* const kScrollNames[] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};

const cEnableRule kBasicRules[] = {
    {kIdcLimitLeftOn, cEnableRule::kCheckOn, {kIdcLimitLeft, kIdcHiddenLeft}},
    {kIdcLimitRightOn, cEnableRule::kCheckOn, {kIdcLimitRight, kIdcHiddenRight}},
    {kIdcLimitTopOn, cEnableRule::kCheckOn, {kIdcLimitTop, kIdcHiddenTop}},
    {kIdcLimitBottomOn, cEnableRule::kCheckOn, {kIdcLimitBottom, kIdcHiddenBottom}},
    {kIdcTimeLimitOn, cEnableRule::kCheckOn, {kIdcTimeLimit, kIdcWarning}},
    {kIdcNoWait, cEnableRule::kCheckOff, {1316, 1317, 1318, 1319, 1320}},
};

bool IsScrollLimitCommand(u16 wId, u16 wCode)
{
    if (wId >= kIdcLimitLeftOn && wId <= kIdcLimitBottomOn) return wCode == BN_CLICKED;
    const bool bEdit = wId == kIdcLimitLeft || wId == kIdcLimitRight || wId == kIdcLimitTop || wId == kIdcLimitBottom;
    return bEdit && wCode == EN_UPDATE;
}

}  // namespace

tStageResize cStageBasicPage::s_Resize;

void BackgroundRowText(std::string& str, int, const cStageBackground* lpRec)
{
    str = lpRec->m_dwShowFromStart ? "○" : "‐";
    if (lpRec->m_dwFillColor) StrAppendFormat(str, " 色番号%u", lpRec->m_dwColor);
    else StrAppendFormat(str, " %s", lpRec->m_strImage.c_str());
}

cStageBasicPage::cStageBasicPage(cWndBase* lpParent, cWndList* lpRegistry)
    : cStagePage(kIddStageBasic, lpParent, lpRegistry),
      m_nWidth(static_cast<s32>(g_Stage.m_dwWidth)),
      m_nHeight(static_cast<s32>(g_Stage.m_dwHeight))
{
    FillComboNumbered(m_vBgmNames, g_Database.m_vBgm, "なし", 0, 3);
    if (m_vBgmNames.empty()) m_vBgmNames.push_back("なし");
    BindControls();
    AddRules(kBasicRules, sizeof kBasicRules / sizeof kBasicRules[0]);
}

void cStageBasicPage::BindControls()
{
    cStage& s = g_Stage;
    if (s.m_vRanking.size() < kRankingChecks) s.m_vRanking.resize(kRankingChecks, 0);
    m_EditVals.resize(14);
    m_EditVals[kEntryWidth].Set(kIdcWidth, &m_nWidth, 1, kMaxStageSize, kIdcWidthSpin, 1);
    m_EditVals[kEntryHeight].Set(kIdcHeight, &m_nHeight, 1, kMaxStageSize, kIdcHeightSpin, 1);
    m_EditVals[kEntryLeft].Set(kIdcLimitLeft, &s.m_anScrollLimit[kScrollLeft], 0, 492, 11215, 1);
    m_EditVals[kEntryRight].Set(kIdcLimitRight, &s.m_anScrollLimit[kScrollRight], 19, 511, 11217, 1);
    m_EditVals[kEntryTop].Set(kIdcLimitTop, &s.m_anScrollLimit[kScrollTop], 0, 497, 11219, 1);
    m_EditVals[kEntryBottom].Set(kIdcLimitBottom, &s.m_anScrollLimit[kScrollBottom], 14, 511, 11221, 1);
    m_EditVals[6].Set(kIdcAutoX, &s.m_nAutoScrollX, -480, 480, kIdcAutoXSpin, 1);
    m_EditVals[7].Set(kIdcAutoY, &s.m_nAutoScrollY, -480, 480, kIdcAutoYSpin, 1);
    m_EditVals[8].Set(kIdcTimeLimit, AsS32(s.m_dwTimeLimit), 1, 999, kIdcTimeLimitSpin, 1);
    m_EditVals[9].Set(kIdcWarning, AsS32(s.m_dwWarningTime), 0, 999, kIdcWarningSpin, 1);
    m_EditVals[10].Set(1273, AsS32(s.m_dwPlayerImmunity), 0, 9999, 1274, 1);
    m_EditVals[11].Set(1275, AsS32(s.m_dwPlayerSameImmunity), 1, 9999, 1276, 1);
    m_EditVals[12].Set(1277, AsS32(s.m_dwEnemyImmunity), 0, 9999, 1278, 1);
    m_EditVals[13].Set(1279, AsS32(s.m_dwEnemySameImmunity), 1, 9999, 1280, 1);
    m_Doubles.resize(1);
    m_Doubles[0].Set(kIdcGravity, &s.m_dGravity, 0.1, 1.0, kIdcGravitySpin, 0.1);

    const struct {
        u16 wId;
        u32* lpField;
    } kChecks[] = {
        {kIdcLimitLeftOn, &s.m_adwScrollLimitOn[kScrollLeft]},
        {kIdcLimitRightOn, &s.m_adwScrollLimitOn[kScrollRight]},
        {kIdcLimitTopOn, &s.m_adwScrollLimitOn[kScrollTop]},
        {kIdcLimitBottomOn, &s.m_adwScrollLimitOn[kScrollBottom]},
        {kIdcTimeLimitOn, &s.m_dwTimeLimitOn},
        {kIdcStatusWindow, &s.m_dwStatusWindow},
        {kIdcBgmLoop, &s.m_dwBgmLoop},
        {kIdcKeepBgm, &s.m_dwKeepBgm},
        {kIdcNoWait, &s.m_dwNoWaitAfterClear},
        {kIdcStockTake, &s.m_dwStockTake},
        {kIdcStockStore, &s.m_dwStockStore},
        {kIdcCaptionStage, &s.m_adwCaption[kCaptionStage]},
        {kIdcCaptionReady, &s.m_adwCaption[kCaptionReady]},
        {kIdcCaptionClear, &s.m_adwCaption[kCaptionClear]},
        {kIdcCaptionGameOver, &s.m_adwCaption[kCaptionGameOver]},
    };
    for (const auto& check : kChecks) {
        m_Checks.emplace_back();
        m_Checks.back().Set(check.wId, AsInt(*check.lpField));
    }
    for (u32 i = 0; i < kRankingChecks; ++i) {
        m_Checks.emplace_back();
        m_Checks.back().Set(static_cast<u16>(kIdcRanking + i), AsInt(s.m_vRanking[i]));
    }

    m_Combos.resize(5);
    m_Combos[0].Set(kIdcWidthDir, AsS32(g_EditConfig.m_adwStageSetting[0]), kWidthDirNames, 0);
    m_Combos[1].Set(kIdcHeightDir, AsS32(g_EditConfig.m_adwStageSetting[1]), kHeightDirNames, 0);
    m_Combos[2].Set(kIdcScrollX, AsS32(s.m_dwScrollTypeX), kScrollNames, 0);
    m_Combos[3].Set(kIdcScrollY, AsS32(s.m_dwScrollTypeY), kScrollNames, 0);
    m_Combos[4].SetList(kIdcBgm, AsS32(s.m_dwBgm), &m_vBgmNames, 0);

    m_Texts.resize(1);
    m_Texts[0].Set(kIdcName, &s.m_strName, kStageNameChars, 1);

    for (u16 wId : {kIdcMemory, kIdcUndoWarning, kIdcHiddenLeft, kIdcHiddenRight, kIdcHiddenTop, kIdcHiddenBottom,
                    kIdcPlay, kIdcInsert, kIdcEdit, kIdcDelete}) {
        m_Plains.emplace_back();
        m_Plains.back().SetId(wId);
    }

    m_Lists.resize(1);
    m_Lists[0].Set(kIdcBackground, &s.m_vBackground, &m_vBgWork, &m_BgEdit, 0, BackgroundRowText, 0, 1,
                   kMaxBackgrounds, 0, 1, 0);
}

cStageBasicPage::~cStageBasicPage()
{
    if (m_hWnd) DestroyWindow(m_hWnd);
}

void cStageBasicPage::SetResize(tStageResize resize) { s_Resize = std::move(resize); }

void cStageBasicPage::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_EditVals);
    CreateCtrls(m_Doubles);
    CreateCtrls(m_Checks);
    CreateCtrls(m_Combos);
    CreateCtrls(m_Texts);
    CreateCtrls(m_Plains);
    CreateList(m_Lists[0]);
    BackgroundList().SetAccelMenu(IDR_ACCEL_SUB1, IDR_MENU_LIST_SUB1, 1, 1);
    BackgroundList().SetCurSel(0, 1);
    FinishSetup();
    ShowMemory();
    ShowHiddenWidths();
}

LRESULT cStageBasicPage::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = cStagePage::WndProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY)) {
        if (auto* lpSheet = dynamic_cast<cStageSettingWnd*>(GetHostGroup())) lpSheet->CommitAll();
        g_EditState.m_bStageModified = 1;
        if (cStageEditWnd* lpStage = StageWnd()) lpStage->UpdateTitle();
    } else if (uMsg == WM_DESTROY) {
        SoundMgr().Stop();
        if (cStageEditWnd* lpStage = StageWnd()) lpStage->OnStageSettingsClosed();
    }
    return lResult;
}

void cStageBasicPage::OnFrame()
{
    GetCursorPos(false, kMouseHeld | kMousePressed | kMouseReleased);
    if (UpdateActive()) BackgroundList().OnListRightClick(GetPopupPos());
}

s32 cStageBasicPage::EditValue(size_t nEntry)
{
    cCtrlDesc<cCtrlEditInt>& edit = m_EditVals[nEntry];
    return std::clamp<s32>(edit.ParseText(), edit.setupMin, edit.setupMax);
}

void cStageBasicPage::ShowMemory()
{
    // The history is released while the window is open; the stage window
    // sizes it again when the window closes.
    g_EditState.ClearUndo();
    const cStageMemory memory = StageMemory(EditValue(kEntryWidth), EditValue(kEntryHeight), g_Stage.m_dwWidth,
                                            g_Stage.m_dwHeight, static_cast<s64>(GetFreePhysMemory()));
    SetDlgItemTextA(m_hWnd, kIdcMemory, StageMemoryText(memory).c_str());
    SetDlgItemTextA(m_hWnd, kIdcUndoWarning,
                    UndoWarningText(static_cast<s32>(g_Stage.m_dwUndoDepth), memory.nUndoSteps).c_str());
}

void cStageBasicPage::ShowHiddenWidths()
{
    const cHiddenWidths hidden =
        HiddenWidths(EditValue(kEntryWidth), EditValue(kEntryHeight), EditValue(kEntryLeft), EditValue(kEntryRight),
                     EditValue(kEntryTop), EditValue(kEntryBottom));
    SetDlgItemTextA(m_hWnd, kIdcHiddenLeft, HiddenWidthText(hidden.nLeft).c_str());
    SetDlgItemTextA(m_hWnd, kIdcHiddenRight, HiddenWidthText(hidden.nRight).c_str());
    SetDlgItemTextA(m_hWnd, kIdcHiddenTop, HiddenWidthText(hidden.nTop).c_str());
    SetDlgItemTextA(m_hWnd, kIdcHiddenBottom, HiddenWidthText(hidden.nBottom).c_str());
}

void cStageBasicPage::OnPageCommand(WPARAM wParam)
{
    const u16 wId = LOWORD(wParam), wCode = HIWORD(wParam);
    if ((wId == kIdcWidth || wId == kIdcHeight) && wCode == EN_UPDATE) {
        if (!IsUpdating()) ShowMemory();
    } else if (IsScrollLimitCommand(wId, wCode)) {
        ShowHiddenWidths();
    } else if (wId == kIdcPlay && wCode == BN_CLICKED) {
        PlayBgm();
    } else if (wId == kIdcInsert && wCode == BN_CLICKED) {
        InsertBackground();
    } else if ((wId == kIdcEdit && wCode == BN_CLICKED) || (wId == kIdcBackground && wCode == LBN_DBLCLK)) {
        EditBackground();
    } else if (wId == kIdcDelete && wCode == BN_CLICKED) {
        BackgroundList().Delete(-1, 0);
    } else {
        OnListCommand(wParam);
    }
}

void cStageBasicPage::OnListCommand(WPARAM wParam)
{
    // Nothing else on the page shows the list's edit record: the other
    // controls keep what the user typed.
    cCtrlList<cStageBackground>& list = BackgroundList();
    const u16 wId = LOWORD(wParam);
    if (wId == kIdcBackground) {
        if (HIWORD(wParam) == LBN_SELCHANGE) list.OnSelChange();
        return;
    }
    if (list.OnAccelCommand(wId) || list.OnMenuCommand(wId)) {
        if (list.GetLastOp() == kListInsert) EditInsertedBackground();
    }
}

void cStageBasicPage::PlayBgm() { PlayBgmPreview(m_Combos[4].GetCurSel()); }

void cStageBasicPage::InsertBackground()
{
    if (BackgroundList().InsertNew()) EditInsertedBackground();
}

void cStageBasicPage::EditInsertedBackground()
{
    cCtrlList<cStageBackground>& list = BackgroundList();
    if (RunBackgroundDlg()) list.StoreCur();
    else list.Delete(-1, 0);
    list.FillRows();
}

void cStageBasicPage::EditBackground()
{
    cCtrlList<cStageBackground>& list = BackgroundList();
    const int nRow = list.GetCurSel();
    if (nRow < 0 || list.IsExtraRow(nRow)) return;
    if (RunBackgroundDlg()) {
        list.StoreCur();
        list.FillRows();
    }
}

int cStageBasicPage::RunBackgroundDlg()
{
    m_lpBgDlg = std::make_unique<cStageBackgroundDlg>(&m_BgEdit, this, GetRegistry());
    const int nResult = m_lpBgDlg->DoModal(0);
    m_lpBgDlg.reset();
    return nResult;
}

void cStageBasicPage::Commit()
{
    if (!m_hWnd || !m_bInitialized) return;
    SaveEditorSettings(g_EditConfig, g_SettingsLoad);
    CtrlsToData();
    const eSizeChange change = ChangeStageSize(g_Stage, g_EditState.m_Undo, m_nWidth, m_nHeight,
                                               g_EditConfig.m_adwStageSetting[0], g_EditConfig.m_adwStageSetting[1],
                                               static_cast<s64>(GetFreePhysMemory()), s_Resize);
    if (change != eSizeChange::Resized) {
        // The page shows the size the stage has.
        m_nWidth = static_cast<s32>(g_Stage.m_dwWidth);
        m_nHeight = static_cast<s32>(g_Stage.m_dwHeight);
    }
    m_bUpdating = 1;
    m_EditVals[kEntryWidth].DataToCtrl();
    m_EditVals[kEntryHeight].DataToCtrl();
    m_bUpdating = 0;
    ShowMemory();
    ShowHiddenWidths();
}
