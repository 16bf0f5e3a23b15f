#pragma once
// A check box bound to an integer field: 0 unchecked, 1 checked, 2
// indeterminate (on a three-state button). One template over the field type,
// cCtrlCheckT<T>; the dialogs use cCtrlCheck (int), cCtrlCheckChar (signed
// 8-bit) and cCtrlCheckByte (unsigned 8-bit).
#include "controls/ctrl.h"

class cCtrlCheckBase : public cCtrl {
public:
    cCtrlCheckBase() { m_dwKind = kCtrlCheck; }
    // The button's state (BM_GETCHECK); the field is not touched.
    int GetCheck() const;

protected:
    // BM_SETCHECK with the state widened to int as its type widens.
    void SendCheck(int nState);
};

template <class T>
class cCtrlCheckT : public cCtrlCheckBase {
public:
    struct cSetup {
        u16 wSetupId = 0;
        T* lpSetupValue = nullptr;
        void Set(u16 wId, T* lpValue)
        {
            wSetupId = wId;
            lpSetupValue = lpValue;
        }
    };

    void Attach(cDlgBase* lpOwner, const cSetup& setup)
    {
        cCtrl::Attach(lpOwner, setup.wSetupId);
        m_lpValue = setup.lpSetupValue;
    }
    // Sets the button's state; the field is not touched.
    void SetCheck(T state) { SendCheck(static_cast<int>(state)); }

    void DataToCtrl() override
    {
        if (m_lpValue) SendCheck(static_cast<int>(*m_lpValue));
    }
    void CtrlToData() override
    {
        if (OwnerUpdating() || !m_lpValue || !m_hWnd) return;
        *m_lpValue = static_cast<T>(GetCheck());
    }

private:
    T* m_lpValue = nullptr;
};

using cCtrlCheck = cCtrlCheckT<int>;
using cCtrlCheckChar = cCtrlCheckT<s8>;
using cCtrlCheckByte = cCtrlCheckT<u8>;
