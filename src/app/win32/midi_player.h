#pragma once
// The program's own MIDI player on a Windows MIDI stream (the MIDI mapper).
// The stream reports played buffers to a thread of the player's own, which
// hands them to the player's state.
#include <windows.h>
#include <mmsystem.h>

#include <memory>
#include <string>

#include "app/midi_stream_player.h"

class cMidiPlayer : public cMidiStreamPlayer, private cMidiStream {
public:
    // Reads the file; with an image, starts the thread and opens the stream
    // (paused, with the first buffer queued). Without a stream it can't play.
    explicit cMidiPlayer(const std::string& strPath);
    // Resets the stream, ends the thread, then closes the stream; the
    // buffers go after that.
    ~cMidiPlayer() override;

    bool HasThread() const { return m_hThread != nullptr; }

private:
    bool Open();
    bool StartThread();
    void EndThread();
    void LogError(const char* lpWhat, MMRESULT mr) const;
    static DWORD WINAPI ThreadProc(LPVOID lpParam);

    // cMidiStream
    void Queue(u32 nBuffer, u32 nBytes) override;
    bool IsQueued(u32 nBuffer) const override;
    void RestartStream() override;
    void StopStream() override;
    void PauseStream() override;
    void ResetStream() override;

    HMIDISTRM m_hStream = nullptr;
    MIDIHDR m_Headers[kBufferCount] = {};
    HANDLE m_hThread = nullptr;
    DWORD m_dwThreadId = 0;
};

// The stream players of the sound manager's player set.
std::unique_ptr<cPlayerBase> CreateMidiPlayer(const std::string& strPath);
