#include "app/win32/midi_player.h"

#include "app/log.h"

namespace {

// A thread's queue exists once a post to it succeeds; the thread makes it
// with its first call. Far more tries than a starting thread ever needs.
constexpr int kPostTries = 2000;

bool PostUntilTaken(DWORD dwThreadId, UINT uMsg)
{
    for (int i = 0; i < kPostTries; ++i) {
        if (PostThreadMessageA(dwThreadId, uMsg, 0, 0)) return true;
        Sleep(1);
    }
    return false;
}

}  // namespace

cMidiPlayer::cMidiPlayer(const std::string& strPath) : cMidiStreamPlayer(strPath)
{
    if (HasImage()) Open();
}

cMidiPlayer::~cMidiPlayer()
{
    Detach();
    EndThread();
    if (!m_hStream) return;
    HMIDIOUT hOut = reinterpret_cast<HMIDIOUT>(m_hStream);
    for (MIDIHDR& hdr : m_Headers) {
        if (hdr.dwFlags & MHDR_PREPARED) LogError("Unprepare", midiOutUnprepareHeader(hOut, &hdr, sizeof hdr));
    }
    LogError("Close", midiStreamClose(m_hStream));
}

// Errors of the MIDI calls go to both logs; playback goes on.
void cMidiPlayer::LogError(const char* lpWhat, MMRESULT mr) const
{
    if (mr == MMSYSERR_NOERROR) return;
    char szText[512] = "";
    midiOutGetErrorTextA(mr, szText, sizeof szText);
    LogPrintfBoth("Midi %s %s %s", m_strName.c_str(), lpWhat, szText);
}

bool cMidiPlayer::StartThread()
{
    m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, &m_dwThreadId);
    if (!m_hThread) return false;
    if (PostUntilTaken(m_dwThreadId, WM_APP)) return true;
    EndThread();
    return false;
}

void cMidiPlayer::EndThread()
{
    if (!m_hThread) return;
    if (PostUntilTaken(m_dwThreadId, WM_QUIT)) WaitForSingleObject(m_hThread, INFINITE);
    CloseHandle(m_hThread);
    m_hThread = nullptr;
}

bool cMidiPlayer::Open()
{
    // Without any MIDI output the mapper can't open; asking it anyway is
    // known to crash some platforms on the next try.
    if (midiOutGetNumDevs() == 0) {
        LogError("Open", MMSYSERR_NODRIVER);
        return false;
    }
    if (!StartThread()) {
        LogPrintfBoth("Midi %s Open スレッドが作れません", m_strName.c_str());
        return false;
    }
    UINT uDevice = MIDI_MAPPER;
    MMRESULT mr = midiStreamOpen(&m_hStream, &uDevice, 1, m_dwThreadId, 0, CALLBACK_THREAD);
    if (mr != MMSYSERR_NOERROR) {
        // Without a stream there is nothing to play the image on.
        LogError("Open", mr);
        m_hStream = nullptr;
        EndThread();
        return false;
    }
    MIDIPROPTIMEDIV prop = {};
    prop.cbStruct = sizeof prop;
    prop.dwTimeDiv = static_cast<DWORD>(m_Image[12] << 8 | m_Image[13]);
    LogError("Property",
             midiStreamProperty(m_hStream, reinterpret_cast<LPBYTE>(&prop), MIDIPROP_SET | MIDIPROP_TIMEDIV));
    for (u32 i = 0; i < kBufferCount; ++i) {
        m_Headers[i] = MIDIHDR{};
        m_Headers[i].lpData = reinterpret_cast<LPSTR>(Buffer(i));
        m_Headers[i].dwBufferLength = kStreamBufferSize;
        m_Headers[i].dwUser = i;
    }
    Attach(this);
    return true;
}

void cMidiPlayer::Queue(u32 nBuffer, u32 nBytes)
{
    MIDIHDR& hdr = m_Headers[nBuffer];
    HMIDIOUT hOut = reinterpret_cast<HMIDIOUT>(m_hStream);
    if (hdr.dwFlags & MHDR_PREPARED) LogError("Unprepare", midiOutUnprepareHeader(hOut, &hdr, sizeof hdr));
    hdr.dwFlags = 0;
    hdr.dwOffset = 0;
    hdr.dwBytesRecorded = nBytes;
    for (DWORD_PTR& dw : hdr.dwReserved) dw = 0;
    LogError("Prepare", midiOutPrepareHeader(hOut, &hdr, sizeof hdr));
    LogError("Out", midiStreamOut(m_hStream, &hdr, sizeof hdr));
}

bool cMidiPlayer::IsQueued(u32 nBuffer) const { return (m_Headers[nBuffer].dwFlags & MHDR_INQUEUE) != 0; }

void cMidiPlayer::RestartStream() { LogError("Restart", midiStreamRestart(m_hStream)); }

void cMidiPlayer::StopStream() { LogError("Stop", midiStreamStop(m_hStream)); }

void cMidiPlayer::PauseStream() { LogError("Pause", midiStreamPause(m_hStream)); }

void cMidiPlayer::ResetStream() { LogError("Reset", midiOutReset(reinterpret_cast<HMIDIOUT>(m_hStream))); }

DWORD WINAPI cMidiPlayer::ThreadProc(LPVOID lpParam)
{
    cMidiPlayer* lpPlayer = static_cast<cMidiPlayer*>(lpParam);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message != MM_MOM_DONE) continue;
        const MIDIHDR* lpHeader = reinterpret_cast<const MIDIHDR*>(msg.lParam);
        if (lpHeader) lpPlayer->OnDone(static_cast<u32>(lpHeader->dwUser), lpHeader->dwOffset);
    }
    return 0;
}

std::unique_ptr<cPlayerBase> CreateMidiPlayer(const std::string& strPath)
{
    return std::make_unique<cMidiPlayer>(strPath);
}
