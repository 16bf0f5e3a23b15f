// The MIDI stream player's state against a fake stream that keeps its queue
// like a real one: buffers come back in the order they were queued, when
// played or when the stream stops.
#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

#include "app/file_system.h"
#include "app/midi_stream_player.h"
#include "app/str_util.h"
#include "support/test_env.h"

namespace {

class cTestPlayer : public cMidiStreamPlayer {
public:
    using cMidiStreamPlayer::Attach;
    using cMidiStreamPlayer::Buffer;
    using cMidiStreamPlayer::cMidiStreamPlayer;
    using cMidiStreamPlayer::Detach;
};

u32 WordAt(const u8* lp) { return u32(lp[0]) | u32(lp[1]) << 8 | u32(lp[2]) << 16 | u32(lp[3]) << 24; }

class cFakeStream : public cMidiStream {
public:
    explicit cFakeStream(cTestPlayer& player) : m_Player(player) {}

    void Queue(u32 nBuffer, u32 nBytes) override
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        for (const cQueued& q : m_Queue) m_nDoubleQueued += q.nBuffer == nBuffer;
        m_Queue.push_back({nBuffer, LastCallback(nBuffer, nBytes)});
        Note(Format("Queue %u %u", nBuffer, nBytes));
    }
    bool IsQueued(u32 nBuffer) const override
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        for (const cQueued& q : m_Queue)
            if (q.nBuffer == nBuffer) return true;
        return false;
    }
    void RestartStream() override { Note("Restart"); }
    void PauseStream() override { Note("Pause"); }
    // Unplayed buffers come back with no callback reached.
    void StopStream() override { GiveAllBack("Stop"); }
    void ResetStream() override { GiveAllBack("Reset"); }

    // The stream finishes its oldest buffer.
    void PlayOne()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        if (m_Queue.empty()) return;
        m_Back.push_back(m_Queue.front());
        m_Queue.pop_front();
    }
    // The player's thread hands the buffers that came back to the player.
    void Deliver()
    {
        for (;;) {
            cQueued q;
            {
                std::lock_guard<std::mutex> lock(m_Lock);
                if (m_Back.empty()) return;
                q = m_Back.front();
                m_Back.pop_front();
            }
            m_Player.OnDone(q.nBuffer, q.nOffset);
        }
    }
    std::vector<std::string> Take()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        std::vector<std::string> v;
        v.swap(m_Calls);
        return v;
    }
    int DoubleQueued() const
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        return m_nDoubleQueued;
    }

private:
    struct cQueued {
        u32 nBuffer;
        u32 nOffset;
    };
    // Where the last event with the callback flag stands in the buffer.
    u32 LastCallback(u32 nBuffer, u32 nBytes) const
    {
        const u8* lp = m_Player.Buffer(nBuffer);
        u32 nLast = 0;
        for (u32 nAt = 0; nAt + 12 <= nBytes;) {
            u32 dwWord = WordAt(lp + nAt + 8);
            if (dwWord & kStreamEventCallback) nLast = nAt;
            nAt += 12 + ((dwWord & kStreamEventLong) ? ((dwWord & 0xFFFFFF) + 3) & ~3u : 0);
        }
        return nLast;
    }
    void GiveAllBack(const char* lpWhat)
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        for (cQueued q : m_Queue) m_Back.push_back({q.nBuffer, 0});
        m_Queue.clear();
        Note(lpWhat);
    }
    void Note(const std::string& str) { m_Calls.push_back(str); }

    cTestPlayer& m_Player;
    mutable std::mutex m_Lock;
    std::deque<cQueued> m_Queue;
    std::deque<cQueued> m_Back;
    std::vector<std::string> m_Calls;
    int m_nDoubleQueued = 0;
};

typedef std::vector<std::string> tCalls;

// A format-0 file of nNotes notes, one tick apart: 2,000 of them fill the
// first buffer exactly.
std::vector<u8> NotesFile(u32 nNotes)
{
    std::vector<u8> events;
    for (u32 i = 0; i < nNotes; ++i) events.insert(events.end(), {0x01, 0x90, 0x3C, u8(i % 128)});
    events.insert(events.end(), {0x00, 0xFF, 0x2F, 0x00});
    u32 n = static_cast<u32>(events.size());
    std::vector<u8> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k',
                            u8(n >> 24), u8(n >> 16), u8(n >> 8), u8(n)};
    file.insert(file.end(), events.begin(), events.end());
    return file;
}

class MidiStreamPlayer : public cCoreTest {
protected:
    void Load(u32 nNotes)
    {
        ASSERT_TRUE(WriteFileBytes("a.mid", NotesFile(nNotes)));
        m_lpPlayer = std::make_unique<cTestPlayer>("a.mid");
        ASSERT_TRUE(m_lpPlayer->HasImage());
        m_lpStream = std::make_unique<cFakeStream>(*m_lpPlayer);
        EXPECT_FALSE(m_lpPlayer->CanPlay());
        m_lpPlayer->Attach(m_lpStream.get());
    }
    void TearDown() override
    {
        if (m_lpPlayer) m_lpPlayer->Detach();
        cCoreTest::TearDown();
    }
    // The stream plays its oldest buffer and the player hears of it.
    void PlayOne()
    {
        m_lpStream->PlayOne();
        m_lpStream->Deliver();
    }

    std::unique_ptr<cTestPlayer> m_lpPlayer;
    std::unique_ptr<cFakeStream> m_lpStream;
};

TEST_F(MidiStreamPlayer, PlaysThroughAndStopsAtTheEnd)
{
    Load(2500);  // 2,000 notes, then 500 notes and the end
    EXPECT_TRUE(m_lpPlayer->CanPlay());
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Queue 0 24000"}));
    EXPECT_EQ(m_lpPlayer->State(), cMidiStreamPlayer::kStopped);
    EXPECT_EQ(m_lpPlayer->ReadPosition(), kSmfImageEvents + 2000 * 4);

    m_lpPlayer->Play(0);
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Restart", "Queue 1 6012"}));
    EXPECT_EQ(m_lpPlayer->State(), cMidiStreamPlayer::kPlaying);
    PlayOne();  // nothing left to read
    EXPECT_EQ(m_lpStream->Take(), tCalls{});
    PlayOne();  // the end: stop, rewind, first buffer ready again
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Stop", "Queue 0 24000"}));
    EXPECT_EQ(m_lpPlayer->State(), cMidiStreamPlayer::kStopped);
}

TEST_F(MidiStreamPlayer, LoopingRestartsRightAfterTheEnd)
{
    Load(2500);
    m_lpPlayer->Play(1);
    m_lpStream->Take();
    PlayOne();
    PlayOne();
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Stop", "Queue 0 24000", "Restart", "Queue 1 6012"}));
    EXPECT_EQ(m_lpPlayer->State(), cMidiStreamPlayer::kPlaying);
}

TEST_F(MidiStreamPlayer, PauseKeepsThePlaceAndStopRewinds)
{
    Load(2500);
    m_lpPlayer->Play(0);
    m_lpPlayer->Stop(1);
    EXPECT_EQ(m_lpPlayer->State(), cMidiStreamPlayer::kPaused);
    m_lpPlayer->Stop(1);  // paused already
    m_lpPlayer->Play(0);  // resumes without reading further
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Queue 0 24000", "Restart", "Queue 1 6012", "Pause", "Restart"}));

    m_lpPlayer->Stop(0);
    m_lpStream->Deliver();  // both buffers come back from the stop
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Stop", "Queue 0 24000", "Queue 1 6012"}));
    EXPECT_EQ(m_lpPlayer->State(), cMidiStreamPlayer::kStopped);
    EXPECT_EQ(m_lpPlayer->ReadPosition(), SmfImageEnd(m_lpPlayer->Image()));
}

// The second buffer holds only the end of the track. When a stop gives it
// back, the looping player stays stopped.
TEST_F(MidiStreamPlayer, ABufferGivenBackByAStopDoesntStartTheMusicAgain)
{
    Load(2000);
    m_lpPlayer->Play(1);
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Queue 0 24000", "Restart", "Queue 1 12"}));
    m_lpPlayer->Stop(0);
    m_lpStream->Deliver();
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Stop", "Queue 0 24000", "Queue 1 12"}));
    EXPECT_EQ(m_lpPlayer->State(), cMidiStreamPlayer::kStopped);

    // Paused right as the track ended: rewound and stopped, not started
    // again.
    m_lpPlayer->Play(1);
    PlayOne();
    m_lpPlayer->Stop(1);
    PlayOne();
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Restart", "Pause", "Stop", "Queue 0 24000"}));
    EXPECT_EQ(m_lpPlayer->State(), cMidiStreamPlayer::kStopped);
}

TEST_F(MidiStreamPlayer, NothingMovesOnceDetached)
{
    Load(2500);
    m_lpPlayer->Play(1);
    m_lpStream->Take();
    m_lpPlayer->Detach();
    EXPECT_FALSE(m_lpPlayer->CanPlay());
    m_lpStream->Deliver();
    m_lpPlayer->Play(1);
    m_lpPlayer->Stop(0);
    EXPECT_EQ(m_lpStream->Take(), (tCalls{"Reset"}));
}

// The stream's thread hands back buffers while the caller plays, pauses and
// stops: no buffer is ever queued twice, and the read position stays inside
// the image.
TEST_F(MidiStreamPlayer, TheStreamsThreadAndTheCallerTakeTurns)
{
    Load(2500);
    std::atomic<bool> bQuit{false};
    std::thread stream([&] {
        while (!bQuit) {
            m_lpStream->PlayOne();
            m_lpStream->Deliver();
        }
    });
    std::mt19937 rng(7);
    const u32 nEnd = SmfImageEnd(m_lpPlayer->Image());
    for (int i = 0; i < 3000; ++i) {
        switch (rng() % 3) {
        case 0: m_lpPlayer->Play(rng() % 2); break;
        case 1: m_lpPlayer->Stop(1); break;
        default: m_lpPlayer->Stop(0); break;
        }
        u32 nPos = m_lpPlayer->ReadPosition();
        EXPECT_TRUE(nPos >= kSmfImageEvents && nPos <= nEnd) << nPos;
        if (i % 100 == 0) m_lpStream->Take();
    }
    bQuit = true;
    stream.join();
    EXPECT_EQ(m_lpStream->DoubleQueued(), 0);
}

}  // namespace
