#include "app/deferred_host.h"

int cDeferredHost::ShowMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle, u32 uType)
{
    m_Messages.push_back({hOwner, strText, strTitle, uType});
    return kIdOk;
}

void cDeferredHost::Replay()
{
    for (const cMessage& m : m_Messages)
        m_Real.ShowMessage(m.hOwner ? m.hOwner : m_Real.ActiveWindow(), m.strText, m.strTitle, m.uType);
    for (; m_nBeeps > 0; --m_nBeeps) m_Real.Beep();
    if (m_bClose) m_Real.CloseMainWindow();
    m_Messages.clear();
    m_bClose = false;
}
