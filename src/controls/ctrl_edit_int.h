#pragma once
// An edit bound to a 32-bit integer, with an optional up-down partner: shows
// the integer, reads the typed number back clamped to the limits, and steps
// it with the partner's arrows.
#include "controls/ctrl.h"

// The up-down partner of an integer edit; never in the dialog's list.
class cCtrlSpin : public cCtrl {
public:
    cCtrlSpin() { m_dwKind = kCtrlSpin; }
    void AttachSpin(cDlgBase* lpOwner, u16 wId, s32 nMin, s32 nMax);
};

class cCtrlEditInt : public cCtrlEdit {
public:
    struct cSetup {
        u16 wSetupId = 0;
        s32* lpSetupValue = nullptr;
        s32 nSetupMin = 0;
        s32 nSetupMax = 0;
        u16 wSetupSpinId = 0;
        s32 nSetupStep = 1;
        void SetInfo(u16 wId, s32* lpValue, s32 nMin, s32 nMax, u16 wSpinId, s32 nStep)
        {
            wSetupId = wId;
            lpSetupValue = lpValue;
            nSetupMin = nMin;
            nSetupMax = nMax;
            wSetupSpinId = wSpinId;
            nSetupStep = nStep;
        }
    };

    cCtrlEditInt() { m_dwKind = kCtrlEditVal; }
    void Attach(cDlgBase* lpOwner, const cSetup& setup);

    int Enable(BOOL bEnable) override;
    void DataToCtrl() override;
    void CtrlToData() override;
    int OnNotify(WPARAM wParam, LPARAM lParam) override;

    // The number in the edit: double-byte characters and everything but
    // digits, '.' and a leading '-' are dropped; an empty text gives the
    // minimum when it is above 0, else 0.
    s32 ParseText() const;
    void SetData(s32 nValue);

private:
    s32 ClampToLimits(long long nValue) const;

    s32* m_lpValue = nullptr;
    cCtrlSpin m_Spin;
    s32 m_nMin = 0;
    s32 m_nMax = 0;
    s32 m_nStep = 1;
};
