#pragma once
// The sound manager: background music for previews. It chooses the player by
// the file's extension: the Ogg Vorbis player for "ogg", and for "mid" either
// the MIDI library loaded at run time or the program's own MIDI stream
// players. At most one kind of player sounds at a time. GUI thread only.
#include <string>
#include <vector>

#include "app/midi_player_set.h"
#include "app/types.h"

// Slot records, in the caller's static storage; they hold the initial paths.
struct cOggSlot {
    char szPath[260];
    s32 nVolume;  // 0 to 100
};
struct cMidiSlot {
    char szPath[264];
    s32 nVolume;  // 0 to 100
};

// The Ogg Vorbis player over the library loaded at run time.
class cOggPlayerBase {
public:
    virtual ~cOggPlayerBase() = default;
    // Loads the library; 0 (after telling the user) when it can't.
    virtual u32 LoadVox() = 0;
    // One voice per channel; 0 when a voice can't be made.
    virtual u32 SetChannelCount(u32 nChannels) = 0;
    virtual u32 Play(s32 nChannel, const char* lpPath, u32 bRepeat, s32 nVolume) = 0;
    virtual void Stop() = 0;
    // Destroys the voices and unloads the library.
    virtual void Release() = 0;
};

// The MIDI library loaded at run time.
class cGgs4PlayerBase {
public:
    virtual ~cGgs4PlayerBase() = default;
    // Loads the library and opens its device; 0 when either fails.
    virtual u32 Init(u32 bUseDirectMusic) = 0;
    virtual u32 Play(s32 nChannel, const char* lpPath, u32 bRepeat, s32 nVolume) = 0;
    virtual void Stop(u32 bPause) = 0;
    // Closes the device and unloads the library.
    virtual void Close() = 0;
};

// The MIDI library's master volume (-127 to 0) for a volume of 0 to 100:
// 100 -> 0, 50 -> -64, 0 -> -127.
s32 Ggs4MasterVolume(s32 nVolume);

class cSoundMgr {
public:
    enum : u32 { kSlotUnknown = 0, kSlotOgg = 1, kSlotMidi = 2 };
    enum : u32 { kChannelIdle = 0, kChannelOgg = 1, kChannelMidi = 2 };

    cSoundMgr(cOggPlayerBase& ogg, cGgs4PlayerBase& ggs4, cMidiPlayerSet::tCreatePlayer fnCreateMidiPlayer);
    cSoundMgr(const cSoundMgr&) = delete;
    cSoundMgr& operator=(const cSoundMgr&) = delete;

    // Returns 0 when the Ogg library could not be loaded; the manager is then
    // complete all the same, with Ogg playback unavailable for the run.
    u32 Init(u32 nChannels, cOggSlot* lpOggList, cMidiSlot* lpMidiList, u32 nSlots, u32 bUseDirectMusic);
    u32 SetChannelCount(u32 nChannels);
    // Puts the path into the Ogg or the MIDI list by its extension. 1 when it
    // went to exactly one list; 0 for any other extension (the path then
    // stands in both), for no extension or a path of 260 bytes or more (the
    // slot is emptied).
    u32 SetSlot(s32 nSlot, const std::string& strPath, s32 nVolume);
    // 1 when the slot plays or nothing had to be done (the slot is current
    // and bForce is 0); 0 when no player could play it.
    u32 Play(s32 nChannel, s32 nSlot, u32 bRepeat, u32 nUnused, u32 bForce);
    void Stop();
    void Close();

    bool IsEnabled() const { return m_bEnabled != 0; }
    bool IsOggReady() const { return m_bOggReady != 0; }
    bool UsesMidiLibrary() const { return m_bMidiLibrary != 0; }
    s32 CurrentSlot() const { return m_nCurrentSlot; }
    const std::vector<u32>& SlotKinds() const { return m_SlotKinds; }
    const std::vector<u32>& ChannelStates() const { return m_ChannelStates; }
    const cMidiPlayerSet& MidiPlayers() const { return m_MidiPlayers; }

private:
    bool CheckSlot(s32 nSlot) const;
    bool CheckChannel(s32 nChannel) const;
    void ClearSlot(s32 nSlot);
    bool PlayOgg(s32 nChannel, s32 nSlot, u32 bRepeat);
    bool PlayMidi(s32 nChannel, s32 nSlot, u32 bRepeat);
    void StopOgg();
    void StopMidi();

    u32 m_bEnabled = 0;
    u32 m_bOggReady = 0;
    cOggPlayerBase& m_OggPlayer;
    cOggSlot* m_lpOggList = nullptr;
    u32 m_bMidiLibrary = 0;
    cGgs4PlayerBase& m_Ggs4Player;
    cMidiPlayerSet m_MidiPlayers;
    cMidiSlot* m_lpMidiList = nullptr;
    s32 m_nCurrentSlot = -1;
    std::vector<u32> m_SlotKinds;
    std::vector<u32> m_ChannelStates;
};
