#include "app/win32/host_win32.h"

#include <cpuid.h>
#include <shellapi.h>
#include <x86intrin.h>

#include <cstring>

int cWin32Host::ShowMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle, u32 uType)
{
    return MessageBoxA(static_cast<HWND>(hOwner), strText.c_str(), strTitle.c_str(), uType);
}

tWnd cWin32Host::ActiveWindow() { return ::GetActiveWindow(); }

void cWin32Host::Beep() { MessageBeep(0); }

void cWin32Host::CloseMainWindow()
{
    if (m_hMainWnd) PostMessageA(m_hMainWnd, WM_CLOSE, 0, 0);
}

bool cWin32Host::CopyFolderTree(tWnd hOwner, const std::string& strDst, const std::string& strSrc)
{
    // The shell takes lists ended by two NULs.
    std::string strFrom = strSrc + std::string(2, '\0');
    std::string strTo = strDst + std::string(2, '\0');
    SHFILEOPSTRUCTA op;
    memset(&op, 0, sizeof op);
    op.hwnd = static_cast<HWND>(hOwner);
    op.wFunc = FO_COPY;
    op.pFrom = strFrom.c_str();
    op.pTo = strTo.c_str();
    op.fFlags = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;
    return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

void cWin32Host::GetOsVersion(cOsVersion& ver)
{
    OSVERSIONINFOA info;
    memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    ver.dwMajor = info.dwMajorVersion;
    ver.dwMinor = info.dwMinorVersion;
    ver.dwBuild = info.dwBuildNumber;
    ver.dwPlatformId = info.dwPlatformId;
    ver.strServicePack = info.szCSDVersion;
}

namespace {
u32 Saturate(SIZE_T n) { return n > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<u32>(n); }
}

void cWin32Host::GetMemoryStatus(cMemoryStatus& status)
{
    MEMORYSTATUS ms;
    memset(&ms, 0, sizeof ms);
    ms.dwLength = sizeof ms;
    GlobalMemoryStatus(&ms);
    status.dwTotalPhys = Saturate(ms.dwTotalPhys);
    status.dwAvailPhys = Saturate(ms.dwAvailPhys);
    status.dwTotalVirtual = Saturate(ms.dwTotalVirtual);
    status.dwAvailVirtual = Saturate(ms.dwAvailVirtual);
    MEMORYSTATUSEX mx;
    memset(&mx, 0, sizeof mx);
    mx.dwLength = sizeof mx;
    status.qwAvailPhys = GlobalMemoryStatusEx(&mx) ? mx.ullAvailPhys : ms.dwAvailPhys;
}

double MeasureCpuClock()
{
    LARGE_INTEGER freq, c0, c1, c2;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&c0);
    QueryPerformanceCounter(&c1);
    unsigned long long t0 = __rdtsc();
    DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 1000) {
    }
    QueryPerformanceCounter(&c2);
    unsigned long long t1 = __rdtsc();
    // The elapsed span less the cost of one counter read.
    double dCounts = static_cast<double>(c2.QuadPart - 2 * c1.QuadPart + c0.QuadPart);
    if (dCounts <= 0 || freq.QuadPart == 0) return 0;
    return static_cast<double>(t1 - t0) / (dCounts / static_cast<double>(freq.QuadPart));
}

void cWin32Host::GetCpuInfo(CpuInfo& info)
{
    info.strBrand.clear();
    info.strVendor.clear();
    unsigned a, b, c, d;
    if (__get_cpuid_max(0, nullptr) > 0 && __get_cpuid(0, &a, &b, &c, &d)) {
        char szVendor[13];
        memcpy(szVendor, &b, 4);
        memcpy(szVendor + 4, &d, 4);
        memcpy(szVendor + 8, &c, 4);
        szVendor[12] = '\0';
        info.strVendor = szVendor;
        if (__get_cpuid_max(0x80000000, nullptr) >= 0x80000004) {
            char szBrand[49];
            for (unsigned n = 0; n < 3; ++n) {
                __get_cpuid(0x80000002 + n, &a, &b, &c, &d);
                memcpy(szBrand + 16 * n, &a, 4);
                memcpy(szBrand + 16 * n + 4, &b, 4);
                memcpy(szBrand + 16 * n + 8, &c, 4);
                memcpy(szBrand + 16 * n + 12, &d, 4);
            }
            szBrand[48] = '\0';
            info.strBrand = szBrand;
        }
    }
    info.dClock = MeasureCpuClock();
}

bool cWin32Host::GetDiskFree(const std::string& strRoot, u64& qwFree)
{
    typedef BOOL(WINAPI * tGetDiskFreeSpaceExA)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    HMODULE hKernel = GetModuleHandleA("kernel32.dll");
    auto pfn = reinterpret_cast<tGetDiskFreeSpaceExA>(
        reinterpret_cast<void*>(hKernel ? GetProcAddress(hKernel, "GetDiskFreeSpaceExA") : nullptr));
    qwFree = 0;
    if (!pfn) return false;
    ULARGE_INTEGER avail, total, free;
    if (!pfn(strRoot.empty() ? nullptr : strRoot.c_str(), &avail, &total, &free)) return false;
    qwFree = avail.QuadPart;
    return true;
}

void cWin32Host::GetScreenSize(int& nWidth, int& nHeight)
{
    nWidth = GetSystemMetrics(SM_CXSCREEN);
    nHeight = GetSystemMetrics(SM_CYSCREEN);
}

void cWin32Host::GetWorkAreaSize(int& nWidth, int& nHeight)
{
    nWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    nHeight = GetSystemMetrics(SM_CYFULLSCREEN);
}

void cWin32Host::GetIconTitleFont(cFontInfo& font)
{
    LOGFONTA lf;
    memset(&lf, 0, sizeof lf);
    SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0);
    font.strFace = lf.lfFaceName;
    font.nWidth = lf.lfWidth;
    font.nHeight = lf.lfHeight;
    font.byPitchAndFamily = lf.lfPitchAndFamily;
}
