#include "app/win32/ogg_player.h"

#include "app/fatal.h"
#include "app/win32/proc_address.h"

u32 cOggPlayer::LoadVox()
{
    if (!m_hModule) m_hModule = LoadLibraryA("Vox.dll");
    m_fnCreateVox = ProcAddress<tCreateVox>(m_hModule, "CreateVox");
    if (!m_fnCreateVox) {
        ErrorBox("oggの初期化に失敗！");
        return 0;
    }
    return 1;
}

void cOggPlayer::DestroyVoices()
{
    m_nCurrent = -1;
    for (cVoxVoice* lpVoice : m_Voices)
        if (lpVoice) lpVoice->Destroy();
    m_Voices.clear();
}

u32 cOggPlayer::SetChannelCount(u32 nChannels)
{
    m_nChannels = nChannels;
    DestroyVoices();
    if (!m_fnCreateVox) return 0;
    m_Voices.assign(nChannels, nullptr);
    for (cVoxVoice*& lpVoice : m_Voices) {
        lpVoice = m_fnCreateVox();
        if (!lpVoice) {
            ReportOutOfMemory();
            return 0;
        }
    }
    return 1;
}

cVoxVoice* cOggPlayer::Voice(s32 nChannel) const
{
    if (nChannel >= 0 && static_cast<size_t>(nChannel) < m_Voices.size()) return m_Voices[nChannel];
    ReportBadIndex('V', nChannel, m_Voices.size(), sizeof(cVoxVoice*));
    return nullptr;
}

u32 cOggPlayer::Play(s32 nChannel, const char* lpPath, u32 bRepeat, s32 nVolume)
{
    if (!lpPath || !*lpPath) return 0;
    s32 nLoop = bRepeat ? kVoxLoopForever : 0;
    Stop();
    cVoxVoice* lpVoice = Voice(nChannel);
    if (!lpVoice) return 0;
    lpVoice->Reset();
    if (!lpVoice->Load(lpPath)) {
        m_nCurrent = -1;
        return 0;
    }
    if (nVolume < 100) lpVoice->SetVolume(static_cast<float>(nVolume * 0.01));
    lpVoice->SetLoop(nLoop);
    lpVoice->Play();
    m_nCurrent = nChannel;
    return 1;
}

void cOggPlayer::Stop()
{
    if (m_nCurrent < 0) return;
    if (cVoxVoice* lpVoice = Voice(m_nCurrent)) lpVoice->Stop();
    m_nCurrent = -1;
}

void cOggPlayer::SetVolume(s32 nChannel, s32 nVolume)
{
    cVoxVoice* lpVoice = Voice(nChannel);
    if (lpVoice) lpVoice->SetVolume(nVolume < 100 ? static_cast<float>(nVolume * 0.01) : 1.0f);
}

void cOggPlayer::Release()
{
    DestroyVoices();
    m_fnCreateVox = nullptr;
    if (m_hModule) {
        FreeLibrary(m_hModule);
        m_hModule = nullptr;
    }
}
