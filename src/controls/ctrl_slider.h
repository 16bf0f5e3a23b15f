#pragma once
// A trackbar bound to a 32-bit field within a range, with an optional partner
// edit that shows the position as a number. Moving the thumb or setting the
// position shows it in the partner and tells the owner with a WM_COMMAND of
// the trackbar's ID; a number typed into the partner moves the thumb. The
// field follows the thumb in the controls-to-data pass only.
#include "controls/ctrl_edit_val.h"

class cCtrlSlider : public cCtrl {
public:
    struct cSetup {
        u16 wSetupId = 0;
        s32* lpSetupValue = nullptr;
        s32 nSetupMin = 0;
        s32 nSetupMax = 0;
        s32 nSetupPage = 0;
        s32 nSetupLine = 0;
        u16 wSetupPartnerId = 0;  // 0: no partner edit
        void SetInfo(u16 wId, s32* lpValue, s32 nMin, s32 nMax, s32 nPage, s32 nLine, u16 wPartnerId)
        {
            wSetupId = wId;
            lpSetupValue = lpValue;
            nSetupMin = nMin;
            nSetupMax = nMax;
            nSetupPage = nPage;
            nSetupLine = nLine;
            wSetupPartnerId = wPartnerId;
        }
    };

    cCtrlSlider() { m_dwKind = kCtrlSlider; }
    // The trackbar takes its range as two 16-bit words: min and max must
    // each fit in 16 bits; the partner edit uses them whole.
    void Attach(cDlgBase* lpOwner, const cSetup& setup);
    // Moves the thumb, shows the position in the partner and tells the
    // owner; the field is not written.
    using cCtrl::SetPos;
    void SetPos(s32 nPos);
    s32 GetPos() const;
    cCtrlEditInt& GetPartner() { return m_Partner; }

    int Enable(BOOL bEnable) override;
    void DataToCtrl() override;
    void CtrlToData() override;
    // The thumb moved: shows it in the partner and tells the owner; never
    // claims the message.
    int OnScroll(WPARAM wParam, LPARAM lParam) override;
    // The partner's text changed or lost the focus: the typed number, within
    // the range, moves the thumb.
    void OnChange() override;
    void OnKillFocus() override;
    u16 GetCommandId() const override { return m_Partner.GetHwnd() ? m_Partner.GetId() : 0; }

private:
    void ShowInPartner(s32 nPos);
    void FollowPartner();

    s32* m_lpValue = nullptr;
    s32 m_nMin = 0;
    s32 m_nMax = 0;
    s32 m_nPage = 0;
    s32 m_nLine = 0;
    cCtrlEditInt m_Partner;
};
