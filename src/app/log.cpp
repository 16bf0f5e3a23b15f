#include "app/log.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/str_util.h"

namespace {

// The MIDI thread writes these logs too.
std::recursive_mutex g_LogMutex;
std::string g_strReportPath;
std::string g_strErrLogName;
u32 g_bDebug = 0;
bool g_bErrLogStarted = false;

u32 AppendReportText(const std::string& strText)
{
    std::lock_guard<std::recursive_mutex> lock(g_LogMutex);
    if (g_strReportPath.empty()) return 0;
    FILE* fp = FileSystem().Open(g_strReportPath, "r+");
    if (!fp) return 0;
    fseek(fp, 0, SEEK_END);
    fwrite(strText.data(), 1, strText.size(), fp);
    fclose(fp);
    return 1;
}

u32 AppendReportLine(const std::string& strText) { return AppendReportText(strText + "\n"); }

}  // namespace

u32 OpenReportLog(const std::string& strPath)
{
    std::lock_guard<std::recursive_mutex> lock(g_LogMutex);
    FILE* fp = FileSystem().Open(strPath, "w");
    if (!fp) return 0;
    fclose(fp);
    g_strReportPath = strPath;
    return 1;
}

u32 LogPrintf(const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    return AppendReportLine(str);
}

u32 LogText(const std::string& strText)
{
    u32 bOk = AppendReportLine(strText);
    ErrLog(strText);
    return bOk;
}

u32 LogPrintfBoth(const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    return LogText(str);
}

u32 LogPrintfBox(const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    u32 bOk = LogText(str);
    ErrorBox(str);
    return bOk;
}

const std::string& InitErrLog(u32 bDebug, const std::string& strName)
{
    std::lock_guard<std::recursive_mutex> lock(g_LogMutex);
    g_bDebug = bDebug;
    g_strErrLogName = strName;
    g_bErrLogStarted = false;
    return g_strErrLogName;
}

bool IsDebugFlag() { return g_bDebug != 0; }

void ErrLog(const std::string& strText)
{
    std::lock_guard<std::recursive_mutex> lock(g_LogMutex);
    if (!g_bDebug) return;
    // The first line of a run replaces the previous run's log.
    FILE* fp = FileSystem().Open(g_strErrLogName, g_bErrLogStarted ? "a" : "w");
    g_bErrLogStarted = true;
    if (!fp) return;
    fwrite(strText.data(), 1, strText.size(), fp);
    fputc('\n', fp);
    fclose(fp);
}

void ErrLogPrintf(const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    ErrLog(str);
}

std::string OsNameOf(const cOsVersion& ver, u32& dwMajor, u32& dwMinor)
{
    const int nMajor = static_cast<int>(ver.dwMajor), nMinor = static_cast<int>(ver.dwMinor);
    const std::string strUnknown = Format("Windows ？ (%d.%d)", nMajor, nMinor);
    dwMajor = ver.dwMajor;
    dwMinor = ver.dwMinor;
    switch (ver.dwPlatformId) {
    case 0:
        dwMajor = 1;
        dwMinor = 0;
        return "Windows 3.1";
    case 1:
        if (ver.dwMinor == 0 || ver.dwMinor == 10 || ver.dwMinor == 90) {
            dwMajor = 1;
            return ver.dwMinor == 0 ? "Windows 95" : ver.dwMinor == 10 ? "Windows 98" : "Windows Me";
        }
        return strUnknown;
    case 2:
        switch (ver.dwMajor) {
        case 3: return "Windows NT 3.51";
        case 4: return "Windows NT 4.0";
        case 5:
            if (ver.dwMinor == 0) return "Windows 2000";
            if (ver.dwMinor == 1) return "Windows XP";
            if (ver.dwMinor == 2) return "Windows XP Professional x64 Edition ?";
            return strUnknown;
        case 6:
            if (ver.dwMinor == 0) return "Windows Vista";
            if (ver.dwMinor == 1) return "Windows 7";
            if (ver.dwMinor == 2) return "Windows 8.0？";
            if (ver.dwMinor == 3) return "Windows 8.1？";
            return Format("Windows 8.X？ (%d,%d)", nMajor, nMinor);
        case 10: return Format("Windows 10.%d？", nMinor);
        default: return strUnknown;
        }
    default:
        return strUnknown;
    }
}

void GetOsName(std::string* lpName, u32* lpMajor, u32* lpMinor)
{
    cOsVersion ver;
    Host().GetOsVersion(ver);
    u32 dwMajor, dwMinor;
    std::string strName = OsNameOf(ver, dwMajor, dwMinor);
    if (lpName) {
        *lpName = Format("%s %s PID %d Build %d", strName.c_str(), ver.strServicePack.c_str(),
                         static_cast<int>(ver.dwPlatformId), static_cast<int>(ver.dwBuild));
    }
    if (lpMajor) *lpMajor = dwMajor;
    if (lpMinor) *lpMinor = dwMinor;
}

bool IsOsVersion(u32 dwMajor, u32 dwMinor)
{
    u32 a, b;
    GetOsName(nullptr, &a, &b);
    return a == dwMajor && b == dwMinor;
}

bool IsOsVersionOrLater(u32 dwMajor, u32 dwMinor)
{
    u32 a, b;
    GetOsName(nullptr, &a, &b);
    s32 nMajor = static_cast<s32>(a), nMinor = static_cast<s32>(b);
    return nMajor > static_cast<s32>(dwMajor) ||
           (nMajor == static_cast<s32>(dwMajor) && nMinor >= static_cast<s32>(dwMinor));
}

void GetMemoryStatus(cMemoryStatus& status) { Host().GetMemoryStatus(status); }

u64 GetFreePhysMemory()
{
    cMemoryStatus status;
    GetMemoryStatus(status);
    return status.qwAvailPhys;
}

void GetCpuInfo(CpuInfo& info) { Host().GetCpuInfo(info); }

u32 GetDiskFreeBytes(const std::string& strRoot)
{
    u64 qwFree = 0;
    if (!Host().GetDiskFree(strRoot, qwFree)) return 0;
    return qwFree < 0x80000000ull ? static_cast<u32>(qwFree) : 0x7FFFFFFFu;
}

u32 WriteSystemReport()
{
    const float fMega = 9.5367431640625e-07f;
    std::string strOs;
    GetOsName(&strOs, nullptr, nullptr);
    CpuInfo cpu;
    GetCpuInfo(cpu);
    cMemoryStatus mem;
    GetMemoryStatus(mem);
    int nWidth = 0, nHeight = 0;
    Host().GetScreenSize(nWidth, nHeight);
    cFontInfo font;
    Host().GetIconTitleFont(font);

    std::string str;
    StrAppendFormat(str, "OS : %s\n", strOs.c_str());
    StrAppendFormat(str, "CPU : %s %s %d\n", cpu.strVendor.c_str(), cpu.strBrand.c_str(),
                    static_cast<int>(cpu.dClock * 0.000001));
    StrAppendFormat(str, "Mem Total : %.3fMB\n", static_cast<double>(mem.dwTotalPhys * fMega));
    StrAppendFormat(str, "Mem Free : %3.fMB\n", static_cast<double>(mem.dwAvailPhys * fMega));
    StrAppendFormat(str, "Vir Total : %.3fMB\n", static_cast<double>(mem.dwTotalVirtual * fMega));
    StrAppendFormat(str, "Vir Free : %3.fMB\n", static_cast<double>(mem.dwAvailVirtual * fMega));
    StrAppendFormat(str, "HD Free : %3.fMB\n", static_cast<double>(GetDiskFreeBytes() * fMega));
    StrAppendFormat(str, "Display : (%d,%d)\n", nWidth, nHeight);
    std::string strFont;
    StrFormat(strFont, "System Font : %s (%d,%d) %u\n", font.strFace.c_str(), font.nWidth, font.nHeight,
              static_cast<unsigned>(font.byPitchAndFamily));
    str += strFont;
    return AppendReportText(str);
}
