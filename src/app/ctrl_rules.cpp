#include "app/ctrl_rules.h"

bool CtrlCmdMatches(u32 dwKind, u16 wId, u32 dwWParam)
{
    if ((dwWParam & 0xFFFF) != wId) return false;
    const u16 wCode = static_cast<u16>(dwWParam >> 16);
    switch (dwKind) {
    case kCtrlPlain:
    case kCtrlCheck:
        return wCode == kNotifyClicked;
    case kCtrlEditVal:
    case kCtrlText:
        return wCode == kNotifyEditChange;
    case kCtrlCombo:
    case kCtrlList:
        return wCode == kNotifySelChange;
    default:
        return false;
    }
}
