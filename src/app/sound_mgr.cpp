#include "app/sound_mgr.h"

#include <cstring>

#include "app/fatal.h"
#include "app/log.h"
#include "app/path.h"

s32 Ggs4MasterVolume(s32 nVolume)
{
    s32 nScaled = static_cast<s32>(nVolume * -1.27);
    return -127 - nScaled;
}

namespace {

template <size_t N>
void CopyPath(char (&szTo)[N], const std::string& strPath)
{
    static_assert(N >= kMaxPath, "a slot holds a path");
    memset(szTo, 0, N);
    memcpy(szTo, strPath.data(), strPath.size() < N ? strPath.size() : N - 1);
}

}  // namespace

cSoundMgr::cSoundMgr(cOggPlayerBase& ogg, cGgs4PlayerBase& ggs4, cMidiPlayerSet::tCreatePlayer fnCreateMidiPlayer)
    : m_OggPlayer(ogg), m_Ggs4Player(ggs4), m_MidiPlayers(fnCreateMidiPlayer)
{
}

u32 cSoundMgr::Init(u32 nChannels, cOggSlot* lpOggList, cMidiSlot* lpMidiList, u32 nSlots, u32 bUseDirectMusic)
{
    m_bEnabled = 1;
    m_bMidiLibrary = m_Ggs4Player.Init(bUseDirectMusic) ? 1 : 0;
    if (!m_bMidiLibrary) m_MidiPlayers.Clear();
    // Without the Ogg library the rest is set up all the same: MIDI files
    // still play, and Ogg requests fail.
    u32 bOggLoaded = m_OggPlayer.LoadVox() ? 1 : 0;
    m_bOggReady = bOggLoaded;
    SetChannelCount(nChannels);
    m_lpOggList = lpOggList;
    m_lpMidiList = lpMidiList;
    m_SlotKinds.assign(lpOggList && lpMidiList ? nSlots : 0, kSlotUnknown);
    m_nCurrentSlot = -1;
    return bOggLoaded;
}

u32 cSoundMgr::SetChannelCount(u32 nChannels)
{
    if (!m_bEnabled) return 1;
    if (!m_bMidiLibrary) m_MidiPlayers.Resize(nChannels);
    if (m_bOggReady && !m_OggPlayer.SetChannelCount(nChannels)) m_bOggReady = 0;
    m_ChannelStates.assign(nChannels, kChannelIdle);
    return 1;
}

bool cSoundMgr::CheckSlot(s32 nSlot) const
{
    if (nSlot >= 0 && static_cast<size_t>(nSlot) < m_SlotKinds.size()) return true;
    ReportBadIndex('V', nSlot, m_SlotKinds.size(), sizeof(u32));
    return false;
}

bool cSoundMgr::CheckChannel(s32 nChannel) const
{
    if (nChannel >= 0 && static_cast<size_t>(nChannel) < m_ChannelStates.size()) return true;
    ReportBadIndex('V', nChannel, m_ChannelStates.size(), sizeof(u32));
    return false;
}

void cSoundMgr::ClearSlot(s32 nSlot)
{
    CopyPath(m_lpOggList[nSlot].szPath, "");
    CopyPath(m_lpMidiList[nSlot].szPath, "");
    m_lpOggList[nSlot].nVolume = 0;
    m_lpMidiList[nSlot].nVolume = 0;
    m_SlotKinds[nSlot] = kSlotUnknown;
}

u32 cSoundMgr::SetSlot(s32 nSlot, const std::string& strPath, s32 nVolume)
{
    if (!m_bEnabled) return 1;
    if (!CheckSlot(nSlot)) return 0;
    std::string strExt;
    if (strPath.size() >= kMaxPath) {
        LogPrintfBoth("Sound %s パスが長すぎます", strPath.c_str());
        ClearSlot(nSlot);
        return 0;
    }
    if (!GetFileExt(strExt, strPath)) {
        ClearSlot(nSlot);
        return 0;
    }
    cOggSlot& ogg = m_lpOggList[nSlot];
    cMidiSlot& midi = m_lpMidiList[nSlot];
    if (strExt == "mid" || strExt == "MID") {
        std::string strMidi;
        ChangeFileExt(strMidi, strPath, "mid");
        CopyPath(midi.szPath, strMidi);
        midi.nVolume = nVolume;
        m_SlotKinds[nSlot] = kSlotMidi;
        return 1;
    }
    if (strExt == "ogg" || strExt == "OGG") {
        CopyPath(ogg.szPath, strPath);
        ogg.nVolume = nVolume;
        m_SlotKinds[nSlot] = kSlotOgg;
        return 1;
    }
    CopyPath(ogg.szPath, strPath);
    CopyPath(midi.szPath, strPath);
    ogg.nVolume = nVolume;
    midi.nVolume = nVolume;
    m_SlotKinds[nSlot] = kSlotUnknown;
    return 0;
}

bool cSoundMgr::PlayOgg(s32 nChannel, s32 nSlot, u32 bRepeat)
{
    if (!m_bOggReady) return false;
    const cOggSlot& slot = m_lpOggList[nSlot];
    if (!m_OggPlayer.Play(nChannel, slot.szPath, bRepeat, slot.nVolume)) return false;
    m_ChannelStates[nChannel] = kChannelOgg;
    StopMidi();
    return true;
}

bool cSoundMgr::PlayMidi(s32 nChannel, s32 nSlot, u32 bRepeat)
{
    const cMidiSlot& slot = m_lpMidiList[nSlot];
    u32 bOk = m_bMidiLibrary ? m_Ggs4Player.Play(nChannel, slot.szPath, bRepeat, slot.nVolume)
                             : m_MidiPlayers.Play(nChannel, slot.szPath, bRepeat);
    if (!bOk) return false;
    m_ChannelStates[nChannel] = kChannelMidi;
    StopOgg();
    return true;
}

u32 cSoundMgr::Play(s32 nChannel, s32 nSlot, u32 bRepeat, u32, u32 bForce)
{
    if (!m_bEnabled) return 1;
    if (nSlot == m_nCurrentSlot && !bForce) return 1;
    if (!CheckSlot(nSlot) || !CheckChannel(nChannel)) return 0;
    m_nCurrentSlot = nSlot;
    u32 dwKind = m_SlotKinds[nSlot];
    if ((dwKind == kSlotOgg || dwKind == kSlotUnknown) && PlayOgg(nChannel, nSlot, bRepeat)) return 1;
    if ((dwKind == kSlotMidi || dwKind == kSlotUnknown) && PlayMidi(nChannel, nSlot, bRepeat)) return 1;
    m_ChannelStates[nChannel] = kChannelIdle;
    m_nCurrentSlot = -1;
    StopOgg();
    StopMidi();
    return 0;
}

void cSoundMgr::StopOgg()
{
    if (m_bOggReady) m_OggPlayer.Stop();
}

void cSoundMgr::StopMidi()
{
    if (m_bMidiLibrary)
        m_Ggs4Player.Stop(0);
    else
        m_MidiPlayers.StopAll(0);
}

void cSoundMgr::Stop()
{
    if (!m_bEnabled) return;
    StopMidi();
    StopOgg();
}

void cSoundMgr::Close()
{
    if (!m_bEnabled) return;
    m_OggPlayer.Release();
    m_bOggReady = 0;
    if (m_bMidiLibrary)
        m_Ggs4Player.Close();
    else
        m_MidiPlayers.Clear();
    m_bMidiLibrary = 0;
    m_bEnabled = 0;
}
