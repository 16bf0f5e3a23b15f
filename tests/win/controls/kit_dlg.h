#pragma once
// The test dialog of the control kit: one control of every kind, bound to a
// record with a field of every type, the way a dialog of the editor binds
// its controls.
#include <functional>
#include <string>
#include <vector>

#include "controls/ctrl_check.h"
#include "controls/ctrl_combo.h"
#include "controls/ctrl_edit_val.h"
#include "controls/ctrl_picture.h"
#include "controls/ctrl_slider.h"
#include "controls/ctrl_text.h"
#include "data/ed_block.h"
#include "framework/dlg_base.h"
#include "kit_ids.h"

struct cKitRecord {
    s16 nS16 = 12;
    s32 nS32 = -7;
    double dDouble = 1.5;
    s8 cS8 = 127;
    u8 byU8 = 200;
    float fFloat = 0.25f;
    u16 wU16 = 60000;
    u32 dwU32 = 4000000000u;
    std::string strName = "勇者";
    std::string strPath = "bmp\\表紙.bmp";
    std::string strMessage = "こんにちは";
    s8 cDirection = 2;  // base 1: 0 no direction
    s16 nStrength = 9;  // table {5, 9, 12}
    s32 nBlock = 2;     // base 1: the block list's entry
    int nShow = 2;
    s8 cFlip = 0;
    u8 byOff = 1;
    s32 nVolume = 40;
    s32 nRed = 100;
};

class cKitDlg : public cDlgBase {
public:
    cKitDlg(cKitRecord& rec, const std::vector<cEdBlock>& blocks, u32 dwMode = kModeWindow);
    ~cKitDlg() override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDraw() override {}

    // How many WM_COMMANDs without a control window (the sliders' own
    // notifications, menus) arrived with the ID.
    int Commands(u16 wId) const;

    std::function<void(cKitDlg&)> m_OnInit;  // runs before the controls are made
    std::vector<u16> m_Commands;

    std::vector<cCtrlDesc<cCtrlEditVal>> m_S16s;
    std::vector<cCtrlDesc<cCtrlEditInt>> m_S32s;
    std::vector<cCtrlDesc<cCtrlEditDouble>> m_Doubles;
    std::vector<cCtrlDesc<cCtrlEditChar>> m_S8s;
    std::vector<cCtrlDesc<cCtrlEditByte>> m_U8s;
    std::vector<cCtrlDesc<cCtrlEditValT<float>>> m_Floats;
    std::vector<cCtrlDesc<cCtrlEditValT<u16>>> m_U16s;
    std::vector<cCtrlDesc<cCtrlEditValT<u32>>> m_U32s;
    std::vector<cCtrlDesc<cCtrlText>> m_Texts;
    std::vector<cCtrlDesc<cCtrlCombo>> m_Combos;
    std::vector<cCtrlDesc<cCtrlCombo16>> m_Combos16;
    std::vector<cCtrlDesc<cCtrlCombo32>> m_Combos32;
    std::vector<cCtrlDesc<cCtrlCheck>> m_Checks;
    std::vector<cCtrlDesc<cCtrlCheckChar>> m_CharChecks;
    std::vector<cCtrlDesc<cCtrlCheckByte>> m_ByteChecks;
    std::vector<cCtrlDesc<cCtrlSlider>> m_Sliders;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Plains;
    std::vector<cCtrlDesc<cCtrlPicture>> m_Pictures;

    std::vector<std::string> m_BlockNames;
    const std::vector<s16> m_Strengths = {5, 9, 12};

private:
    const std::vector<cEdBlock>& m_Blocks;
};

// Every field of two records compared one by one.
void ExpectSameRecord(const cKitRecord& actual, const cKitRecord& expected);
