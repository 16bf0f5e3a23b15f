#pragma once
// The voice interface of Vox.dll, the Ogg Vorbis library the editor loads at
// run time. A voice plays one file at a time. The library's one entry point,
// CreateVox, makes a voice; Destroy ends it. The table order of the
// operations is part of the interface: never reorder them.
#include "app/types.h"

#ifdef _WIN32
#define VOX_CALL __stdcall
#else
#define VOX_CALL
#endif

// Loop count that never ends.
constexpr s32 kVoxLoopForever = 0x7FFFFFFF;

class cVoxVoice {
public:
    // 1: opens an Ogg Vorbis file (CP932 path); non-zero on success.
    virtual u8 VOX_CALL Load(const char* lpPath) = 0;
    // 2: starts playing from the current position.
    virtual void VOX_CALL Play() = 0;
    // 3: stops and rewinds.
    virtual void VOX_CALL Stop() = 0;
    // 4: called before every load: stops, closes the file, and puts the
    // volume (1.0) and the loop count (0) back.
    virtual void VOX_CALL Reset() = 0;
    // 5: how many times the file starts again after its end.
    virtual void VOX_CALL SetLoop(s32 nCount) = 0;
    // 6: the length of the loaded file in milliseconds (0 when none).
    virtual u32 VOX_CALL GetLength() = 0;
    // 7: 0.0 to 1.0.
    virtual void VOX_CALL SetVolume(float fVolume) = 0;
    // 8: non-zero while the device plays.
    virtual u8 VOX_CALL IsPlaying() = 0;
    // 9: decodes up to nFrames frames (16-bit, interleaved, at most two
    // channels) from the current position as playing would send them to the
    // device, with the volume and the loop count applied. Returns the frames
    // written, 0 at the end or while playing.
    virtual u32 VOX_CALL Render(s16* lpFrames, u32 nFrames) = 0;
    // 10: stops and frees the voice.
    virtual void VOX_CALL Destroy() = 0;

protected:
    ~cVoxVoice() = default;
};

typedef cVoxVoice*(VOX_CALL* tCreateVox)();
