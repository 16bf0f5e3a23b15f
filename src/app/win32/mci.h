#pragma once
// Sound-effect previews through the Media Control Interface: wave files on
// "waveaudio", MIDI files on "sequencer". GUI thread only; every error goes
// to the error log only.
#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "app/types.h"

class cMci {
public:
    cMci() = default;
    ~cMci() { Close(); }
    cMci(const cMci&) = delete;
    cMci& operator=(const cMci&) = delete;

    void Init();
    // Opens one device of the type per element of the list (ended by a null
    // pointer). An element that can't be opened keeps a closed record.
    bool Open(const char* lpType, const char* const* lpElements);
    // Opens the element on record nIndex: a sequencer first closes every
    // device, another type only the record's own.
    bool ChangeSound(s32 nIndex, const char* lpType, const std::string& strElement);
    void Play(HWND hWnd, s32 nIndex, u32 bNotify, u32 bNoFrom, u32 dwFrom);
    // Stops and rewinds (0) or pauses (1) the current device.
    void Stop(u32 bPause);
    // Plays a "mid"/"MID" file (the caller's path is given the extension
    // "mid") or a "wav"/"WAV" file on record nIndex; 0 for other files and
    // when the file can't be opened.
    u32 PlayFile(HWND hWnd, s32 nIndex, std::string& strPath, u32 dwFrom);
    void CloseAll();
    void Close();

    bool IsEnabled() const { return m_bEnabled != 0; }
    s32 Current() const { return m_nCurrent; }
    size_t DeviceCount() const { return m_Devices.size(); }
    MCIDEVICEID DeviceId(s32 nIndex) const;

private:
    // The open parameters of one element, with the texts they point to.
    struct cDevice {
        MCI_OPEN_PARMSA parms = {};
        std::string strType;
        std::string strElement;
    };
    bool IsIndex(s32 nIndex) const;
    static MCIERROR OpenDevice(cDevice& device, const char* lpType, const std::string& strElement);

    u8 m_bEnabled = 0;
    std::vector<cDevice> m_Devices;
    s32 m_nCurrent = -1;
};
