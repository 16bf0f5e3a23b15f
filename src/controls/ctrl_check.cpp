#include "controls/ctrl_check.h"

int cCtrlCheckBase::GetCheck() const
{
    return m_hWnd ? static_cast<int>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)) : 0;
}

void cCtrlCheckBase::SendCheck(int nState)
{
    if (m_hWnd) SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(static_cast<INT_PTR>(nState)), 0);
}
