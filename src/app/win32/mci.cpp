#include "app/win32/mci.h"

#include <cstring>
#include <new>

#include "app/fatal.h"
#include "app/log.h"
#include "app/path.h"

namespace {

MCIERROR Send(MCIDEVICEID id, UINT uMsg, DWORD_PTR dwFlags, void* lpParams)
{
    return mciSendCommandA(id, uMsg, dwFlags, reinterpret_cast<DWORD_PTR>(lpParams));
}

}  // namespace

void cMci::Init()
{
    m_bEnabled = 1;
    m_nCurrent = -1;
}

MCIERROR cMci::OpenDevice(cDevice& device, const char* lpType, const std::string& strElement)
{
    device = cDevice();
    device.strType = lpType;
    device.strElement = strElement;
    device.parms.lpstrDeviceType = device.strType.c_str();
    device.parms.lpstrElementName = device.strElement.c_str();
    MCIERROR mr = Send(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &device.parms);
    if (mr) device = cDevice();  // stays closed
    return mr;
}

bool cMci::Open(const char* lpType, const char* const* lpElements)
{
    if (!m_bEnabled) return true;
    CloseAll();
    size_t nCount = 0;
    while (lpElements && lpElements[nCount]) ++nCount;
    try {
        m_Devices.resize(nCount);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (size_t i = 0; i < nCount; ++i) OpenDevice(m_Devices[i], lpType, lpElements[i]);
    m_nCurrent = -1;
    return true;
}

bool cMci::IsIndex(s32 nIndex) const
{
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < m_Devices.size()) return true;
    ReportBadIndex('V', nIndex, m_Devices.size(), sizeof(cDevice));
    return false;
}

MCIDEVICEID cMci::DeviceId(s32 nIndex) const
{
    return nIndex >= 0 && static_cast<size_t>(nIndex) < m_Devices.size() ? m_Devices[nIndex].parms.wDeviceID : 0;
}

bool cMci::ChangeSound(s32 nIndex, const char* lpType, const std::string& strElement)
{
    if (!m_bEnabled) return true;
    Stop(0);
    if (!IsIndex(nIndex)) return false;
    if (strcmp(lpType, "sequencer") != 0) {
        cDevice& device = m_Devices[nIndex];
        if (device.parms.wDeviceID) {
            if (Send(device.parms.wDeviceID, MCI_CLOSE, 0, nullptr)) ErrLogPrintf("MCI_CLOSE失敗！ %d", nIndex);
            device = cDevice();
        }
    } else {
        // The sequencer plays alone. A closed device's ID may be handed out
        // again, so no record keeps one.
        for (cDevice& device : m_Devices) {
            if (device.parms.wDeviceID) Send(device.parms.wDeviceID, MCI_CLOSE, 0, nullptr);
            device.parms.wDeviceID = 0;
        }
    }
    if (OpenDevice(m_Devices[nIndex], lpType, strElement)) {
        ErrLogPrintf("ChangeSound失敗！ %s", strElement.c_str());
        return false;
    }
    return true;
}

void cMci::Play(HWND hWnd, s32 nIndex, u32 bNotify, u32 bNoFrom, u32 dwFrom)
{
    if (!m_bEnabled) return;
    if (m_nCurrent >= 0) Stop(0);
    if (!IsIndex(nIndex)) return;
    MCI_PLAY_PARMS parms = {};
    DWORD_PTR dwFlags = 0;
    if (!bNoFrom) {
        parms.dwFrom = dwFrom;
        dwFlags |= MCI_FROM;
    }
    if (bNotify) {
        parms.dwCallback = reinterpret_cast<DWORD_PTR>(hWnd);
        dwFlags |= MCI_NOTIFY;
    }
    Send(m_Devices[nIndex].parms.wDeviceID, MCI_PLAY, dwFlags, &parms);
    m_nCurrent = nIndex;
}

void cMci::Stop(u32 bPause)
{
    if (!m_bEnabled || m_nCurrent < 0) return;
    MCIDEVICEID id = DeviceId(m_nCurrent);
    MCI_GENERIC_PARMS parms = {};
    if (!bPause) {
        MCIERROR mr = Send(id, MCI_STOP, 0, &parms);
        if (mr)
            ErrLogPrintf("Stop失敗！ mr = %8x stop =%d", static_cast<unsigned>(mr), m_nCurrent);
        else
            ErrLogPrintf("Stop成功！ mr = %8x stop =%d", 0u, m_nCurrent);
        MCI_SEEK_PARMS seek = {};
        Send(id, MCI_SEEK, MCI_SEEK_TO_START, &seek);
    } else {
        Send(id, MCI_PAUSE, 0, &parms);
    }
    m_nCurrent = -1;
}

u32 cMci::PlayFile(HWND hWnd, s32 nIndex, std::string& strPath, u32 dwFrom)
{
    if (!m_bEnabled) return 1;
    std::string strExt;
    if (!GetFileExt(strExt, strPath)) return 0;
    if (strExt == "mid" || strExt == "MID") {
        std::string strMid;
        ChangeFileExt(strMid, strPath, "mid");
        strPath = strMid;
        if (!ChangeSound(nIndex, "sequencer", strPath)) return 0;
        Play(hWnd, nIndex, 1, 0, dwFrom);
        return 1;
    }
    if (strExt == "wav" || strExt == "WAV") {
        if (!ChangeSound(nIndex, "waveaudio", strPath)) return 0;
        Play(hWnd, nIndex, 0, 0, dwFrom);
        return 1;
    }
    return 0;
}

void cMci::CloseAll()
{
    if (!m_bEnabled) return;
    for (cDevice& device : m_Devices)
        if (device.parms.wDeviceID) Send(device.parms.wDeviceID, MCI_CLOSE, 0, nullptr);
    m_Devices.clear();
    m_nCurrent = -1;
}

void cMci::Close()
{
    CloseAll();
    m_bEnabled = 0;
}
