#include "app/win32/ggs4_player.h"

#include <windows.h>

#include <string>

#include "app/path.h"
#include "app/win32/proc_address.h"

namespace {

// The entry points, in the order they are looked up.
enum eGgs4Entry {
    kOpenDevice,
    kCloseDevice,
    kAddDlsW,
    kAddDlsA,
    kPlay,
    kStop,
    kPause,
    kRestart,
    kSetMasterTempo,
    kSetMasterVolume,
    kSetMasterPitch,
    kGetPlayerStatus,
    kAddListFromFileW,
    kAddListFromFileA,
    kAddListFromMemory,
    kDeleteListItem,
    kClearList,
    kEnumList,
    kGetSmfInformation,
    kEntryCount
};

const char* const kEntryNames[kEntryCount] = {
    "GGS4OpenDevice",       "GGS4CloseDevice",      "GGS4AddDlsW",          "GGS4AddDlsA",
    "GGS4Play",             "GGS4Stop",             "GGS4Pause",            "GGS4Restart",
    "GGS4SetMasterTempo",   "GGS4SetMasterVolume",  "GGS4SetMasterPitch",   "GGS4GetPlayerStatus",
    "GGS4AddListFromFileW", "GGS4AddListFromFileA", "GGS4AddListFromMemory", "GGS4DeleteListItem",
    "GGS4ClearList",        "GGS4EnumList",         "GGS4GetSmfInformation",
};

// What the program passes to the entry points it calls. The result a missing
// entry point stands for is the library's "failed" code.
typedef int(WINAPI* tOpenDevice)(int nDevice, void* lpReserved);
typedef void(WINAPI* tCloseDevice)();
typedef int(WINAPI* tAddListFromFileA)(const char* lpPath, int nOptions, int nListNumber);
typedef void(WINAPI* tSetMasterVolume)(int nVolume);
typedef int(WINAPI* tPlay)(int bRepeat, int nListNumber, int nReserved1, int nReserved2, int nReserved3);
typedef void(WINAPI* tStop)(int nReserved);
typedef void(WINAPI* tPause)();
constexpr int kMissingEntry = 15;

struct cGgs4Library {
    HMODULE hModule = nullptr;
    bool bToken = false;  // the device was opened through this program's session
    FARPROC aEntries[kEntryCount] = {};
};
cGgs4Library g_Ggs4;

template <class T>
T Entry(eGgs4Entry e)
{
    return FunctionCast<T>(g_Ggs4.aEntries[e]);
}

int OpenDevice(int nDevice)
{
    auto fn = Entry<tOpenDevice>(kOpenDevice);
    return fn ? fn(nDevice, nullptr) : kMissingEntry;
}

void CloseDevice()
{
    if (auto fn = Entry<tCloseDevice>(kCloseDevice)) fn();
}

int AddListFromFileA(const char* lpPath, int nListNumber)
{
    auto fn = Entry<tAddListFromFileA>(kAddListFromFileA);
    return fn ? fn(lpPath, 0, nListNumber) : kMissingEntry;
}

void SetMasterVolume(int nVolume)
{
    if (auto fn = Entry<tSetMasterVolume>(kSetMasterVolume)) fn(nVolume);
}

int PlayList(int bRepeat, int nListNumber)
{
    auto fn = Entry<tPlay>(kPlay);
    return fn ? fn(bRepeat, nListNumber, 0, 0, 0) : kMissingEntry;
}

void StopPlaying()
{
    if (auto fn = Entry<tStop>(kStop)) fn(0);
}

void Pause()
{
    if (auto fn = Entry<tPause>(kPause)) fn();
}

}  // namespace

u32 LoadGgs4()
{
    if (g_Ggs4.hModule) return 0;
    wchar_t szProgram[MAX_PATH];
    DWORD nLength = GetModuleFileNameW(nullptr, szProgram, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH) return 1;
    std::wstring strPath(szProgram, nLength);
    strPath.resize(strPath.find_last_of(L"\\/") + 1);  // drive and folder
    strPath += L"GuruGuruSMF4.dll";
    g_Ggs4.hModule = LoadLibraryW(strPath.c_str());
    if (!g_Ggs4.hModule) return 1;
    for (int i = 0; i < kEntryCount; ++i) g_Ggs4.aEntries[i] = GetProcAddress(g_Ggs4.hModule, kEntryNames[i]);
    return 0;
}

void CloseGgs4()
{
    if (g_Ggs4.bToken) {
        CloseDevice();
        g_Ggs4.bToken = false;
    }
    if (g_Ggs4.hModule) {
        FreeLibrary(g_Ggs4.hModule);
        g_Ggs4 = cGgs4Library();
    }
}

bool IsGgs4Loaded() { return g_Ggs4.hModule != nullptr; }

u32 cGgs4Player::Init(u32 bUseDirectMusic)
{
    if (LoadGgs4() != 0) return 0;
    g_Ggs4.bToken = true;
    if (OpenDevice(bUseDirectMusic ? -1100 : -1) != 0) return 0;
    m_nListNumber = 0;
    return 1;
}

u32 cGgs4Player::Play(s32 nChannel, const char* lpPath, u32 bRepeat, s32 nVolume)
{
    Stop(1);
    if (!lpPath || !HasFileExt(lpPath, "mid")) return 0;
    if (AddListFromFileA(lpPath, nChannel) != 0) return 0;
    m_nVolume = Ggs4MasterVolume(nVolume);
    SetMasterVolume(m_nVolume);
    PlayList(bRepeat ? 1 : 0, nChannel);
    m_nListNumber = nChannel;
    return 1;
}

void cGgs4Player::Stop(u32 bPause)
{
    if (bPause)
        Pause();
    else
        StopPlaying();
}
