#pragma once
// An edit bound to a string field. The text is read back within a size limit
// and kept within a line width and a number of lines as the user types
// (lengths in bytes, or with the double-byte flag in characters; a
// double-byte character is never split).
#include "app/text_layout.h"
#include "controls/ctrl.h"

class cCtrlText : public cCtrlEdit {
public:
    struct cSetup {
        u16 wSetupId = 0;
        std::string* lpSetupText = nullptr;
        u32 nSetupSize = 0;       // characters plus 1; 0: 4096
        u32 nSetupLineWidth = 0;  // 0: 1024
        u32 nSetupLineCount = 0;  // 0: 32
        u32 bSetupDbcs = 0;
        // One line of at most nMax characters (bytes without bDbcs, whose
        // line then is as wide as the size allows).
        void Set(u16 wId, std::string* lpText, u32 nMax, u32 bDbcs)
        {
            wSetupId = wId;
            lpSetupText = lpText;
            nSetupSize = nMax + 1;
            nSetupLineWidth = bDbcs ? nMax : 0;
            nSetupLineCount = 1;
            bSetupDbcs = bDbcs;
        }
        // A text of several lines within the default size.
        void SetLines(u16 wId, std::string* lpText, u32 bDbcs, u32 nLineWidth, u32 nLineCount)
        {
            wSetupId = wId;
            lpSetupText = lpText;
            nSetupSize = 0;
            nSetupLineWidth = nLineWidth;
            nSetupLineCount = nLineCount;
            bSetupDbcs = bDbcs;
        }
    };

    cCtrlText() { m_dwKind = kCtrlText; }
    void Attach(cDlgBase* lpOwner, const cSetup& setup);
    // Shows a text as the program's own, fitted to the limits at once; the
    // field is written by CtrlToData.
    void SetText(const std::string& str);
    // The control's text within the size limit.
    void GetText(std::string& str) const;

    void DataToCtrl() override;
    void CtrlToData() override;
    // The layout pass after every change of the text.
    void OnChange() override;

private:
    void ReadAll(std::string& str) const;

    std::string* m_lpText = nullptr;
    u32 m_nSize = 4096;
    cTextLimits m_Limits;
    u32 m_bSetText = 0;
    std::string m_strPrev;
    s32 m_nSelStart = 0;
    s32 m_nSelEnd = 0;
};
