#pragma once
// The Ogg Vorbis player over Vox.dll, loaded at run time: one voice of the
// library per channel, at most one of them sounding.
#include <windows.h>

#include <vector>

#include "app/sound_mgr.h"
#include "vox/vox.h"

class cOggPlayer : public cOggPlayerBase {
public:
    cOggPlayer() = default;
    ~cOggPlayer() override { Release(); }
    cOggPlayer(const cOggPlayer&) = delete;
    cOggPlayer& operator=(const cOggPlayer&) = delete;

    // Loads "Vox.dll" and finds CreateVox; "oggの初期化に失敗！" and 0 when
    // either is missing.
    u32 LoadVox() override;
    u32 SetChannelCount(u32 nChannels) override;
    u32 Play(s32 nChannel, const char* lpPath, u32 bRepeat, s32 nVolume) override;
    void Stop() override;
    void SetVolume(s32 nChannel, s32 nVolume);
    void Release() override;

    s32 CurrentChannel() const { return m_nCurrent; }
    cVoxVoice* Voice(s32 nChannel) const;

private:
    void DestroyVoices();

    std::vector<cVoxVoice*> m_Voices;
    u32 m_nChannels = 0;
    s32 m_nCurrent = -1;
    HMODULE m_hModule = nullptr;
    tCreateVox m_fnCreateVox = nullptr;
};
