#include "stage_editor/stage_background_dlg.h"

#include <algorithm>

#include "app/game_palette.h"
#include "app/path.h"
#include "app/win32/file_dialogs.h"
#include "stage_editor/stage_page.h"

namespace {

enum : u16 {
    kIdcShown = 1182, kIdcImage = 1253, kIdcBrowse = 1254, kIdcFillColor = 1250,
    kIdcColor = 1251, kIdcColorSpin = 1252, kIdcFront = 1181,
    kIdcSpeedX = 1256, kIdcSpeedXSpin = 1257, kIdcSpeedY = 1259, kIdcSpeedYSpin = 1260,
    kIdcAutoX = 1258, kIdcAutoSpeedX = 1262, kIdcAutoSpeedXSpin = 1263,
    kIdcAutoY = 1261, kIdcAutoSpeedY = 1264, kIdcAutoSpeedYSpin = 1265,
    kIdcPreview = 1006,
};
constexpr s32 kMinColor = 16, kMaxColor = 207;
constexpr u32 kImageBytes = 260;

bool IsChecked(HWND hDlg, u16 wId) { return IsDlgButtonChecked(hDlg, wId) == BST_CHECKED; }

}  // namespace

cStageBackgroundDlg::cStageBackgroundDlg(cStageBackground* lpRecord, cWndBase* lpParent, cWndList* lpRegistry)
    : cApplyDlg(kIddStageBackground, lpParent, kModeModal, lpRegistry, lpParent, 1), m_lpRecord(lpRecord)
{
    cStageBackground& r = *lpRecord;
    const struct {
        u16 wId;
        u32* lpField;
    } kChecks[] = {{kIdcShown, &r.m_dwShowFromStart}, {kIdcFillColor, &r.m_dwFillColor}, {kIdcFront, &r.m_dwFront},
                   {kIdcAutoX, &r.m_dwAutoScrollX}, {kIdcAutoY, &r.m_dwAutoScrollY}};
    for (const auto& check : kChecks) {
        m_Checks.emplace_back();
        m_Checks.back().Set(check.wId, AsInt(*check.lpField));
    }
    m_EditVals.resize(1);
    m_EditVals[0].Set(kIdcColor, AsS32(r.m_dwColor), kMinColor, kMaxColor, kIdcColorSpin, 1);
    const struct {
        u16 wId, wSpin;
        double* lpField;
        double dLimit;
    } kDoubles[] = {{kIdcSpeedX, kIdcSpeedXSpin, &r.m_dScrollSpeedX, 640.0},
                    {kIdcSpeedY, kIdcSpeedYSpin, &r.m_dScrollSpeedY, 480.0},
                    {kIdcAutoSpeedX, kIdcAutoSpeedXSpin, &r.m_dAutoSpeedX, 640.0},
                    {kIdcAutoSpeedY, kIdcAutoSpeedYSpin, &r.m_dAutoSpeedY, 480.0}};
    for (const auto& d : kDoubles) {
        m_Doubles.emplace_back();
        m_Doubles.back().Set(d.wId, d.lpField, -d.dLimit, d.dLimit, d.wSpin, 0.01);
    }
    m_Texts.resize(1);
    m_Texts[0].Set(kIdcImage, &r.m_strImage, kImageBytes - 1, 0);
    m_Plains.resize(1);
    m_Plains[0].SetId(kIdcBrowse);
    m_Picture.Set(kIdcPreview, 0, 0, -1, -1);
}

cStageBackgroundDlg::~cStageBackgroundDlg()
{
    if (m_hWnd && m_dwState == 1) Close(0);
}

void cStageBackgroundDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_Checks);
    CreateCtrls(m_EditVals);
    CreateCtrls(m_Doubles);
    CreateCtrls(m_Texts);
    CreateCtrls(m_Plains);
    AddPicture(m_Picture);
    DataToCtrls();
    ApplyEnableRules();
    m_bInitialized = 1;
}

void cStageBackgroundDlg::Apply()
{
    CtrlsToData();
    Close(1);
}

void cStageBackgroundDlg::OnOtherCommand(WPARAM wParam)
{
    const u16 wId = LOWORD(wParam);
    if (wId == kIdcBrowse && HIWORD(wParam) == BN_CLICKED) Browse();
    if (!m_hWnd) return;
    ApplyEnableRules();
    if (wId == kIdcColor && m_bInitialized) OnDraw();
}

void cStageBackgroundDlg::ApplyEnableRules()
{
    const BOOL bColor = IsChecked(m_hWnd, kIdcFillColor);
    EnableCtrl(m_EditVals, kIdcColor, bColor);
    EnableCtrl(m_Texts, kIdcImage, !bColor);
    EnableCtrl(m_Plains, kIdcBrowse, !bColor);
    EnableCtrl(m_Doubles, kIdcSpeedX, !bColor);
    EnableCtrl(m_Doubles, kIdcSpeedY, !bColor);
    EnableCtrl(m_Checks, kIdcAutoX, !bColor);
    EnableCtrl(m_Checks, kIdcAutoY, !bColor);
    EnableCtrl(m_Doubles, kIdcAutoSpeedX, !bColor && IsChecked(m_hWnd, kIdcAutoX));
    EnableCtrl(m_Doubles, kIdcAutoSpeedY, !bColor && IsChecked(m_hWnd, kIdcAutoY));
}

void cStageBackgroundDlg::Browse()
{
    char szFile[MAX_PATH] = "";
    if (!SelectOpenFile(m_hWnd, szFile, sizeof szFile, "bmp\\back\\", "ビットマップの選択",
                        "BitmapFile ( *.bmp )\0*.bmp\0\0", "bmp", nullptr))
        return;
    std::string strPath = szFile;
    // A file the project folder can't reach by a relative path is dropped.
    if (!MakeRelativePath(strPath, 1)) return;
    m_Texts[0].SetText(strPath);
}

s32 cStageBackgroundDlg::PreviewIndex()
{
    return std::clamp<s32>(m_EditVals[0].ParseText(), kMinColor, kMaxColor);
}

void cStageBackgroundDlg::OnDraw()
{
    if (!m_bInitialized || !m_Picture.GetHwnd() || !m_Picture.GetBack().GetDC()) return;
    const u8* lpEntry = GamePaletteColors()[PreviewIndex()];
    m_Picture.GetBack().FillRgb(lpEntry[0], lpEntry[1], lpEntry[2]);
    m_Picture.Present();
}
