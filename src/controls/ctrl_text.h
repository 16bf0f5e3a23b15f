#pragma once
// An edit bound to a string, read back within a size limit counted in bytes
// or, with the double-byte flag, in characters.
#include "controls/ctrl.h"

class cCtrlText : public cCtrlEdit {
public:
    struct cSetup {
        u16 wSetupId = 0;
        std::string* lpSetupText = nullptr;
        u32 nSetupSize = 0;  // characters plus 1; 0 = 4096
        u32 bSetupDbcs = 0;
        void Set(u16 wId, std::string* lpText, u32 nSize, u32 bDbcs)
        {
            wSetupId = wId;
            lpSetupText = lpText;
            nSetupSize = nSize;
            bSetupDbcs = bDbcs;
        }
    };

    cCtrlText() { m_dwKind = kCtrlText; }
    void Attach(cDlgBase* lpOwner, const cSetup& setup);
    void DataToCtrl() override;
    void CtrlToData() override;
    // The control's text within the limit.
    void ReadText(std::string& str) const;

private:
    std::string* m_lpText = nullptr;
    u32 m_nSize = 4096;
    u32 m_bDbcs = 0;
};
