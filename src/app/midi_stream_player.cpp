#include "app/midi_stream_player.h"

cMidiStreamPlayer::cMidiStreamPlayer(const std::string& strPath) : cPlayerBase(strPath)
{
    if (!HasImage()) return;
    for (std::vector<u8>& buffer : m_Buffers) buffer.assign(kStreamBufferSize, 0);
}

bool cMidiStreamPlayer::CanPlay() const
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return HasImage() && m_lpStream && !m_bClosing;
}

void cMidiStreamPlayer::Attach(cMidiStream* lpStream)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    if (!HasImage()) return;
    m_lpStream = lpStream;
    m_nCurrent = 0;
    m_nReadPos = kSmfImageEvents;
    m_nState = kStopped;
    FillBuffer();
}

void cMidiStreamPlayer::Detach()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_bClosing = true;
    if (m_lpStream) m_lpStream->ResetStream();
}

void cMidiStreamPlayer::FillBuffer()
{
    if (m_nReadPos >= SmfImageEnd(m_Image)) return;
    if (m_lpStream->IsQueued(m_nCurrent)) return;
    u32 nWritten = FillStreamBuffer(m_Image, m_nReadPos, Buffer(m_nCurrent), kStreamBufferSize, m_strName);
    if (nWritten == 0) return;
    m_lpStream->Queue(m_nCurrent, nWritten);
    m_nCurrent = (m_nCurrent + 1) % kBufferCount;
}

void cMidiStreamPlayer::Play(u32 bLoop)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    PlayLocked(bLoop);
}

void cMidiStreamPlayer::PlayLocked(u32 bLoop)
{
    if (!m_lpStream || m_bClosing) return;
    m_bLoop = bLoop;
    if (m_nState == kPlaying) return;
    m_lpStream->RestartStream();
    u32 nOld = m_nState;
    m_nState = kPlaying;
    if (nOld == kStopped) FillBuffer();
}

void cMidiStreamPlayer::Stop(u32 bPause)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    StopLocked(bPause);
}

void cMidiStreamPlayer::StopLocked(u32 bPause)
{
    if (!m_lpStream || m_bClosing) return;
    if (!bPause) {
        m_lpStream->StopStream();
        m_nState = kStopped;
        m_nReadPos = kSmfImageEvents;
        FillBuffer();
    } else if (m_nState == kPlaying) {
        m_lpStream->PauseStream();
        m_nState = kPaused;
    }
}

void cMidiStreamPlayer::OnDone(u32 nBuffer, u32 nOffset)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    if (!m_lpStream || m_bClosing || nBuffer >= kBufferCount) return;
    u32 dwWord = 0;
    if (nOffset <= kStreamBufferSize - 12) {
        const u8* lp = Buffer(nBuffer) + nOffset + 8;
        dwWord = u32(lp[0]) | u32(lp[1]) << 8 | u32(lp[2]) << 16 | u32(lp[3]) << 24;
    }
    // A stopped player's buffers come back from the stop itself: the end of
    // the track in one of them must not start the music again.
    if ((dwWord & 0xFFFFFF) == kStreamEndOfTrackParams && m_nState != kStopped) {
        bool bWasPlaying = m_nState == kPlaying;
        StopLocked(0);
        if (m_bLoop && bWasPlaying) PlayLocked(1);
    } else {
        FillBuffer();
    }
}

u32 cMidiStreamPlayer::State() const
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_nState;
}

u32 cMidiStreamPlayer::ReadPosition() const
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_nReadPos;
}
