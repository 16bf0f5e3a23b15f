#pragma once
// The editor's host: the Windows host plus what needs the window framework
// (the wait message of long operations such as the timed backup).
#include "app/win32/host_win32.h"

class cEditorHost : public cWin32Host {
public:
    void ShowWaitMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle) override;
    void CloseWaitMessage() override;
};
