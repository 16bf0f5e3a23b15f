#include "kit_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/entry_name_combo.h"
#include "framework/wnd_list.h"

namespace {
const char* const kDirections[] = {"左", "右", "上", ""};
const char* const kStrengths[] = {"弱い", "普通", "強い", ""};
}  // namespace

cKitDlg::cKitDlg(cKitRecord& rec, const std::vector<cEdBlock>& blocks, u32 dwMode)
    : cDlgBase(IDD_KIT, nullptr, dwMode, &g_WndList),
      m_S16s(1),
      m_S32s(1),
      m_Doubles(1),
      m_S8s(1),
      m_U8s(1),
      m_Floats(1),
      m_U16s(1),
      m_U32s(1),
      m_Texts(3),
      m_Combos(1),
      m_Combos16(1),
      m_Combos32(1),
      m_Checks(1),
      m_CharChecks(1),
      m_ByteChecks(1),
      m_Sliders(2),
      m_Plains(1),
      m_Pictures(1),
      m_Blocks(blocks)
{
    m_S16s[0].Set(IDC_K_S16, &rec.nS16, -100, 1000, IDC_K_S16_SPIN, 5);
    m_S32s[0].Set(IDC_K_S32, &rec.nS32, -2000000000, 2000000000, IDC_K_S32_SPIN, 1);
    m_Doubles[0].Set(IDC_K_DOUBLE, &rec.dDouble, -10, 10, IDC_K_DOUBLE_SPIN, 0.05);
    m_S8s[0].Set(IDC_K_S8, &rec.cS8, -128, 127, IDC_K_S8_SPIN, 1);
    m_U8s[0].Set(IDC_K_U8, &rec.byU8, 0, 255, IDC_K_U8_SPIN, 1);
    m_Floats[0].Set(IDC_K_FLOAT, &rec.fFloat, -1, 1, 0, 0.01f);
    m_U16s[0].Set(IDC_K_U16, &rec.wU16, 0, 65535, 0, 1);
    m_U32s[0].Set(IDC_K_U32, &rec.dwU32, 0, 4294967295u, 0, 1);
    m_Texts[0].Set(IDC_K_NAME, &rec.strName, 10, 1);
    m_Texts[1].Set(IDC_K_PATH, &rec.strPath, 20, 0);
    m_Texts[2].SetLines(IDC_K_MESSAGE, &rec.strMessage, 1, 8, 3);
    m_Combos[0].Set(IDC_K_DIRECTION, &rec.cDirection, kDirections, 1);
    m_Combos16[0].Set(IDC_K_STRENGTH, &rec.nStrength, kStrengths, 0);
    m_Combos16[0].SetTable(&m_Strengths);
    m_Combos32[0].SetList(IDC_K_BLOCK, &rec.nBlock, nullptr, 1);
    m_Checks[0].Set(IDC_K_SHOW, &rec.nShow);
    m_CharChecks[0].Set(IDC_K_FLIP, &rec.cFlip);
    m_ByteChecks[0].Set(IDC_K_OFF, &rec.byOff);
    m_Sliders[0].SetInfo(IDC_K_VOLUME, &rec.nVolume, 0, 100, 10, 1, IDC_K_VOLUME_EDIT);
    m_Sliders[1].SetInfo(IDC_K_RED, &rec.nRed, 0, 255, 30, 1, 0);
    m_Plains[0].SetId(IDC_K_RESET);
    m_Pictures[0].Set(IDC_K_PICTURE, 60, 40, 190, 165);
}

cKitDlg::~cKitDlg()
{
    // The edits are subclassed: the window goes while they still exist.
    if (m_hWnd && m_dwState == 1) Close(0);
}

LRESULT cKitDlg::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) Close(0);
    return lResult;
}

void cKitDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    if (m_OnInit) m_OnInit(*this);
    CreateCtrls(m_Plains);
    CreateCtrls(m_S16s);
    CreateCtrls(m_S32s);
    CreateCtrls(m_Doubles);
    CreateCtrls(m_S8s);
    CreateCtrls(m_U8s);
    CreateCtrls(m_Floats);
    CreateCtrls(m_U16s);
    CreateCtrls(m_U32s);
    CreateCtrls(m_Texts);
    CreateCtrls(m_Combos);
    CreateCtrls(m_Combos16);
    CreateCtrls(m_Combos32);
    CreateCtrls(m_Checks);
    CreateCtrls(m_CharChecks);
    CreateCtrls(m_ByteChecks);
    CreateCtrls(m_Sliders);
    CreateCtrls(m_Pictures);
    SetComboBlockNames(m_Combos32, IDC_K_BLOCK, m_BlockNames, m_Blocks);
    DataToCtrls();
    m_bInitialized = 1;
}

void cKitDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    if (lParam == 0) m_Commands.push_back(LOWORD(wParam));
    if (LOWORD(wParam) == IDOK) {
        CtrlsToData();
        Close(1);
    } else if (LOWORD(wParam) == IDCANCEL) {
        Close(0);
    }
}

int cKitDlg::Commands(u16 wId) const { return static_cast<int>(std::count(m_Commands.begin(), m_Commands.end(), wId)); }

void ExpectSameRecord(const cKitRecord& actual, const cKitRecord& expected)
{
    EXPECT_EQ(actual.nS16, expected.nS16);
    EXPECT_EQ(actual.nS32, expected.nS32);
    EXPECT_DOUBLE_EQ(actual.dDouble, expected.dDouble);
    EXPECT_EQ(actual.cS8, expected.cS8);
    EXPECT_EQ(actual.byU8, expected.byU8);
    EXPECT_FLOAT_EQ(actual.fFloat, expected.fFloat);
    EXPECT_EQ(actual.wU16, expected.wU16);
    EXPECT_EQ(actual.dwU32, expected.dwU32);
    EXPECT_EQ(actual.strName, expected.strName);
    EXPECT_EQ(actual.strPath, expected.strPath);
    EXPECT_EQ(actual.strMessage, expected.strMessage);
    EXPECT_EQ(actual.cDirection, expected.cDirection);
    EXPECT_EQ(actual.nStrength, expected.nStrength);
    EXPECT_EQ(actual.nBlock, expected.nBlock);
    EXPECT_EQ(actual.nShow, expected.nShow);
    EXPECT_EQ(actual.cFlip, expected.cFlip);
    EXPECT_EQ(actual.byOff, expected.byOff);
    EXPECT_EQ(actual.nVolume, expected.nVolume);
    EXPECT_EQ(actual.nRed, expected.nRed);
}
