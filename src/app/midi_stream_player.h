#pragma once
// The MIDI stream player's state: the format-0 image of a file cut into two
// buffers of stream events that take turns on a MIDI stream. The stream
// gives each buffer back when it has played it, on a thread of its own; one
// lock serialises every change of the state between that thread and the
// player's callers.
#include <mutex>
#include <string>
#include <vector>

#include "app/midi_player_set.h"
#include "app/smf.h"

// What the player needs of an open MIDI stream. The player calls it with its
// lock held.
class cMidiStream {
public:
    virtual ~cMidiStream() = default;
    // Sends nBytes of stream events of buffer nBuffer to the stream.
    virtual void Queue(u32 nBuffer, u32 nBytes) = 0;
    // The buffer is with the stream and not yet given back.
    virtual bool IsQueued(u32 nBuffer) const = 0;
    virtual void RestartStream() = 0;
    // Stops at once; the stream gives every queued buffer back.
    virtual void StopStream() = 0;
    virtual void PauseStream() = 0;
    // Silences the output and gives every queued buffer back.
    virtual void ResetStream() = 0;
};

class cMidiStreamPlayer : public cPlayerBase {
public:
    enum : u32 { kStopped = 0, kPlaying = 1, kPaused = 2 };
    static constexpr u32 kBufferCount = 2;

    explicit cMidiStreamPlayer(const std::string& strPath);

    bool CanPlay() const override;
    void Play(u32 bLoop) override;
    void Stop(u32 bPause) override;
    // The stream gave buffer nBuffer back; nOffset is where the last event
    // with the callback flag stands in it. The end of the track stops and
    // rewinds (and starts again when it was playing with the loop flag); any
    // other buffer, and any buffer of a stopped player, makes room for the
    // next piece of the image.
    void OnDone(u32 nBuffer, u32 nOffset);

    u32 State() const;
    u32 ReadPosition() const;

protected:
    // The memory of a buffer, kStreamBufferSize bytes; it lives as long as
    // the player.
    u8* Buffer(u32 nBuffer) { return m_Buffers[nBuffer].data(); }
    // Takes the opened stream: rewinds and queues the first buffer; the
    // stream stays paused.
    void Attach(cMidiStream* lpStream);
    // From now on buffers that come back are not refilled; resets the
    // stream. The owner ends the stream's thread and closes the stream after
    // this, before the buffers go.
    void Detach();

private:
    void PlayLocked(u32 bLoop);
    void StopLocked(u32 bPause);
    void FillBuffer();

    mutable std::mutex m_Lock;
    cMidiStream* m_lpStream = nullptr;
    bool m_bClosing = false;
    u32 m_nCurrent = 0;
    std::vector<u8> m_Buffers[kBufferCount];
    u32 m_nReadPos = kSmfImageEvents;
    u32 m_nState = kStopped;
    u32 m_bLoop = 0;
};
