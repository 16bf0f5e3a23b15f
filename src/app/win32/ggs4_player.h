#pragma once
// The GGS4 MIDI library, loaded at run time from the program's folder when a
// user put "GuruGuruSMF4.dll" there. Its state is one per program.
#include "app/sound_mgr.h"

// 0 when the library is loaded (now or before), 1 when it can't be.
u32 LoadGgs4();
// Closes the device when it was opened and unloads the library.
void CloseGgs4();
bool IsGgs4Loaded();

class cGgs4Player : public cGgs4PlayerBase {
public:
    // Loads the library and opens its device (-1100 with DirectMusic, else -1).
    u32 Init(u32 bUseDirectMusic) override;
    // Plays a ".mid" file as the channel's list item at the volume (0 to 100).
    u32 Play(s32 nChannel, const char* lpPath, u32 bRepeat, s32 nVolume) override;
    // Stops (0) or pauses (1).
    void Stop(u32 bPause) override;
    void Close() override { CloseGgs4(); }

    s32 ListNumber() const { return m_nListNumber; }
    s32 MasterVolume() const { return m_nVolume; }

private:
    s32 m_nListNumber = 0;
    s32 m_nVolume = 0;
};
