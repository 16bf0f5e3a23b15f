#include "app/host.h"

namespace {

class cSilentHost : public cHost {
public:
    int ShowMessage(tWnd, const std::string&, const std::string&, u32) override { return kIdCancel; }
    tWnd ActiveWindow() override { return nullptr; }
    void Beep() override {}
    void CloseMainWindow() override {}
    bool CopyFolderTree(tWnd, const std::string&, const std::string&) override { return false; }
    void GetOsVersion(cOsVersion& ver) override { ver = cOsVersion(); }
    void GetMemoryStatus(cMemoryStatus& status) override { status = cMemoryStatus(); }
    void GetCpuInfo(CpuInfo& info) override { info = CpuInfo(); }
    bool GetDiskFree(const std::string&, u64& qwFree) override { qwFree = 0; return false; }
    void GetScreenSize(int& nWidth, int& nHeight) override { nWidth = nHeight = 0; }
    void GetIconTitleFont(cFontInfo& font) override { font = cFontInfo(); }
};

cSilentHost g_SilentHost;
cHost* g_lpHost = &g_SilentHost;

}  // namespace

cHost& Host() { return *g_lpHost; }

cHost* SetHost(cHost* lpHost)
{
    cHost* lpOld = g_lpHost;
    g_lpHost = lpHost ? lpHost : &g_SilentHost;
    return lpOld == &g_SilentHost ? nullptr : lpOld;
}
