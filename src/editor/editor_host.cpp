#include "editor/editor_host.h"

#include "framework/input_dlg.h"
#include "framework/wnd_list.h"

void cEditorHost::ShowWaitMessage(tWnd, const std::string& strText, const std::string& strTitle)
{
    // Centred on the screen: the owner may be the off-screen top-level window.
    ShowMessageWindow(nullptr, &g_WndList, strText, strTitle, nullptr, 1, 1);
}

void cEditorHost::CloseWaitMessage() { CloseMessageWindow(); }
