// The MIDI file reader and the stream-buffer converter against hand-built
// standard MIDI files. Every input lives in a vector of its exact size, so a
// read past its end is caught by the address sanitizer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/log.h"
#include "app/smf.h"
#include "support/smf_bytes.h"
#include "support/test_env.h"

namespace {

using namespace smfbytes;

class SmfReader : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
    }
    std::string Log() { return ReadFileText("Report_Editor.txt"); }
};

TEST_F(SmfReader, FormatZeroIsCopiedWithItsTimeDivision)
{
    tBytes events = tBytes{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20} + tBytes{0x00, 0x90, 0x3C, 0x40} +
                    tBytes{0x60, 0x80, 0x3C, 0x00} + tBytes{0x10} + kEnd;
    tBytes file = Header(0, 1, 96) + Track(events);
    EXPECT_BYTES(Image(events, 96), ParseSmf("a.mid", file));
    EXPECT_EQ(Log(), "");
}

// Track 1 runs on status 0x90 and 0x80, track 2 on 0xC1 (one data byte),
// also across a text event. Equal times keep the lower track first, and the
// end of the track comes at the latest end of all tracks.
TEST_F(SmfReader, FormatOneIsMergedWithEveryStatusWrittenOut)
{
    tBytes track0 = tBytes{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20} + tBytes{0x10} + kEnd;
    tBytes track1 = tBytes{0x00, 0x90, 0x3C, 0x40, 0x20, 0x3E, 0x40, 0x20, 0x80, 0x3C, 0x00, 0x00, 0x3E, 0x00} +
                    tBytes{0x10} + kEnd;
    tBytes track2 = tBytes{0x00, 0xC1, 0x05, 0x20, 0x06, 0x20, 0xFF, 0x01, 0x02, 'h', 'i', 0x00, 0x07} +
                    tBytes{0x00, 0x91, 0x40, 0x40} + tBytes{0x40} + kEnd;
    tBytes file = Header(1, 3) + Track(track0) + Track(track1) + Track(track2);

    tBytes expected = tBytes{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20} +  // 0x00 track 0
                      tBytes{0x00, 0x90, 0x3C, 0x40} +                    //      track 1
                      tBytes{0x00, 0xC1, 0x05} +                          //      track 2
                      tBytes{0x20, 0x90, 0x3E, 0x40} +                    // 0x20 track 1
                      tBytes{0x00, 0xC1, 0x06} +                          //      track 2
                      tBytes{0x20, 0x80, 0x3C, 0x00} +                    // 0x40 track 1
                      tBytes{0x00, 0x80, 0x3E, 0x00} +                    //
                      tBytes{0x00, 0xFF, 0x01, 0x02, 'h', 'i'} +          //      track 2
                      tBytes{0x00, 0xC1, 0x07} +                          //
                      tBytes{0x00, 0x91, 0x40, 0x40} +                    //
                      tBytes{0x40} + kEnd;                                // 0x80: track 2 ends last
    EXPECT_BYTES(Image(expected), ParseSmf("b.mid", file));
}

TEST_F(SmfReader, ChunksOtherThanTracksArePassedOver)
{
    tBytes track = tBytes{0x00, 0x90, 0x3C, 0x40, 0x00} + kEnd;
    tBytes file = Header(1, 2) + Track(track) + Chunk("XFIH", {1, 2, 3}) + Track(track);
    tBytes expected = tBytes{0x00, 0x90, 0x3C, 0x40, 0x00, 0x90, 0x3C, 0x40, 0x00} + kEnd;
    EXPECT_BYTES(Image(expected), ParseSmf("c.mid", file));
}

TEST_F(SmfReader, DeltaTimesAreWrittenAsShortestQuantities)
{
    struct {
        tBytes delta;  // as the file writes it
        tBytes written;
    } cases[] = {
        {{0x00}, {0x00}},
        {{0x7F}, {0x7F}},
        {{0x81, 0x00}, {0x81, 0x00}},
        {{0xFF, 0x7F}, {0xFF, 0x7F}},
        {{0x81, 0x80, 0x00}, {0x81, 0x80, 0x00}},
        {{0xFF, 0xFF, 0xFF, 0x7F}, {0xFF, 0xFF, 0xFF, 0x7F}},
        {{0x80, 0x80, 0x05}, {0x05}},
    };
    for (const auto& c : cases) {
        tBytes file = Header(0, 1) + Track(c.delta + tBytes{0x90, 0x3C, 0x40, 0x00} + kEnd);
        EXPECT_BYTES(Image(c.written + tBytes{0x90, 0x3C, 0x40, 0x00} + kEnd), ParseSmf("d.mid", file))
            << Hex(c.delta);
    }
}

TEST_F(SmfReader, FilesThatAreNotWhatTheyClaimAreRefused)
{
    const tBytes track = Track(tBytes{0x00, 0x90, 0x3C, 0x40, 0x00} + kEnd);
    const tBytes good = Header(0, 1) + track;
    struct {
        const char* lpWhat;
        tBytes file;
        const char* lpLog;
    } cases[] = {
        {"empty", {}, "標準MIDIでない(4)"},
        {"not MThd", tBytes{'R', 'I', 'F', 'F'} + tBytes(good.begin() + 4, good.end()), "標準MIDIでない(4)"},
        {"header cut", {'M', 'T', 'h', 'd', 0, 0}, "標準MIDIでない(6)"},
        {"header length 7", tBytes{'M', 'T', 'h', 'd'} + Be32(7) + tBytes(good.begin() + 8, good.end()),
         "標準MIDIでない(6)"},
        {"header without its fields", tBytes(good.begin(), good.begin() + 12), "標準MIDIでない(6)"},
        {"format 2", Header(2, 1) + track, "対応フォーマットが2でない"},
        {"format 3", Header(3, 1) + track, "対応フォーマットが0または1でない"},
        {"no MTrk", Header(0, 1) + Chunk("MTrx", {0x00, 0xFF, 0x2F, 0x00}), "標準MIDIでない(4)"},
        {"cut in MTrk", tBytes(good.begin(), good.begin() + 16), "標準MIDIでない(4)"},
        {"no track", Header(1, 0) + track, "トラック数が不正 0"},
        {"fewer tracks than claimed", Header(1, 2) + track, "トラック数が不正 2"},
        {"cut chunk header", Header(1, 2) + track + tBytes{'M', 'T', 'r', 'k', 0}, "トラック数が不正 2"},
        {"chunk longer than the file", tBytes(good.begin(), good.end() - 1), "トラック0が壊れている"},
        {"second chunk longer than the file", Header(1, 2) + track + tBytes(track.begin(), track.end() - 2),
         "トラック1が壊れている"},
        {"five-byte delta", Header(0, 1) + Track(tBytes{0x80, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x40, 0x00} + kEnd),
         "トラック0が壊れている"},
        {"delta cut by the chunk", Header(0, 1) + Track({0x00, 0x90, 0x3C, 0x40, 0x81}), "トラック0が壊れている"},
        {"no end of track", Header(0, 1) + Track({0x00, 0x90, 0x3C, 0x40}), "トラック0が壊れている"},
        {"event cut by the chunk, file goes on",
         Header(0, 1) + Chunk("MTrk", {0x00, 0x90, 0x3C}) + tBytes{0x40, 0x00, 0xFF, 0x2F, 0x00},
         "トラック0が壊れている"},
        {"meta longer than the chunk", Header(0, 1) + Track({0x00, 0xFF, 0x01, 0x10, 'a', 0x00, 0xFF, 0x2F, 0x00}),
         "トラック0が壊れている"},
        {"exclusive longer than the chunk", Header(0, 1) + Track({0x00, 0xF0, 0x7F, 0x01}), "トラック0が壊れている"},
        {"end of track longer than the chunk", Header(0, 1) + Track({0x00, 0xFF, 0x2F, 0x05}),
         "トラック0が壊れている"},
        {"data with no status", Header(0, 1) + Track(tBytes{0x00, 0x3C, 0x40, 0x00} + kEnd), "トラック0が壊れている"},
        {"data with no status after a meta",
         Header(0, 1) + Track(tBytes{0x00, 0xFF, 0x01, 0x00, 0x00, 0x3C, 0x40, 0x00} + kEnd),
         "トラック0が壊れている"},
        {"system message", Header(0, 1) + Track(tBytes{0x00, 0xF1, 0x00, 0x00} + kEnd), "トラック0が壊れている"},
        {"status in the data", Header(0, 1) + Track(tBytes{0x00, 0x90, 0x3C, 0x90, 0x00} + kEnd),
         "トラック0が壊れている"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
        EXPECT_TRUE(ParseSmf("bad.mid", c.file).empty()) << c.lpWhat;
        EXPECT_EQ(Log(), std::string("Midi bad.mid Init ") + c.lpLog + "\n") << c.lpWhat;
    }
}

// Stream events as the converter writes them: delta, stream ID 0, event word.
cBytes& Event(cBytes& b, u32 dwDelta, u32 dwWord) { return b.U32(dwDelta).U32(0).U32(dwWord); }

u32 WordAt(const tBytes& buffer, size_t nEvent)
{
    const u8* lp = buffer.data() + nEvent * 12 + 8;
    return u32(lp[0]) | u32(lp[1]) << 8 | u32(lp[2]) << 16 | u32(lp[3]) << 24;
}

TEST_F(SmfReader, StreamEventsOfEachKind)
{
    tBytes image = Image(tBytes{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20} + tBytes{0x00, 0x90, 0x3C, 0x40} +
                         tBytes{0x00, 0xC1, 0x05} + tBytes{0x10, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7} +
                         tBytes{0x05, 0xFF, 0x01, 0x02, 'h', 'i'} + tBytes{0x03, 0x80, 0x3C, 0x00} +
                         tBytes{0x02, 0xFF, 0x58, 0x04, 4, 2, 24, 8} + tBytes{0x04} + kEnd);
    u32 nPos = kSmfImageEvents;
    tBytes buffer(kStreamBufferSize, 0xCC);
    u32 nWritten = FillStreamBuffer(image, nPos, buffer.data(), kStreamBufferSize, "e.mid");

    cBytes expected;
    Event(expected, 0, 0x0107A120);
    Event(expected, 0, 0x00403C90);
    Event(expected, 0, 0x000005C1);
    Event(expected, 0x10, 0x80000006).Raw({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x00, 0x00});
    Event(expected, 0x05 + 0x03, 0x00003C80);  // the text event writes nothing; its time goes on
    Event(expected, 0x02 + 0x04, kStreamEndOfTrack);
    ASSERT_EQ(nWritten, expected.Get().size());
    EXPECT_BYTES(expected.Get(), tBytes(buffer.begin(), buffer.begin() + nWritten));
    EXPECT_EQ(nPos, image.size());
    EXPECT_EQ(nPos, SmfImageEnd(image));
    EXPECT_EQ(tBytes(buffer.begin() + nWritten, buffer.end()), tBytes(kStreamBufferSize - nWritten, 0));
    EXPECT_EQ(FillStreamBuffer(image, nPos, buffer.data(), kStreamBufferSize, "e.mid"), 0u);
}

TEST_F(SmfReader, LongFilesArePlayedInFullBuffersEndingOnACallback)
{
    const u32 nNotes = 2500;
    tBytes events;
    for (u32 i = 0; i < nNotes; ++i) events = events + tBytes{0x01, 0x90, 0x3C, u8(i % 128)};
    tBytes image = Image(events + tBytes{0x00} + kEnd);

    u32 nPos = kSmfImageEvents, nEvents = 0;
    tBytes buffer(kStreamBufferSize);
    std::vector<u32> sizes;
    for (int nGuard = 0; nPos < SmfImageEnd(image) && nGuard < 10; ++nGuard) {
        u32 nWritten = FillStreamBuffer(image, nPos, buffer.data(), kStreamBufferSize, "f.mid");
        sizes.push_back(nWritten);
        u32 nCount = nWritten / 12;
        for (u32 i = 0; i + 1 < nCount; ++i) EXPECT_EQ(WordAt(buffer, i) & kStreamEventCallback, 0u);
        ASSERT_GT(nCount, 0u);
        EXPECT_NE(WordAt(buffer, nCount - 1) & kStreamEventCallback, 0u);
        nEvents += nCount;
    }
    EXPECT_EQ(sizes, (std::vector<u32>{24000, (nNotes + 1 - 2000) * 12}));
    EXPECT_EQ(nEvents, nNotes + 1);
    EXPECT_EQ(WordAt(buffer, nNotes - 2000), kStreamEndOfTrack);
}

// The buffer ends at an event that doesn't fit; the text event before it is
// read again with the next buffer, so that its time is not lost.
TEST_F(SmfReader, TimeOfSkippedEventsCarriesOverTheBufferEnd)
{
    tBytes image = Image(tBytes{0x01, 0x90, 0x3C, 0x40} + tBytes{0x05, 0xFF, 0x01, 0x00} +
                         tBytes{0x02, 0x80, 0x3C, 0x00} + tBytes{0x00} + kEnd);
    u32 nPos = kSmfImageEvents;
    tBytes buffer(12);
    ASSERT_EQ(FillStreamBuffer(image, nPos, buffer.data(), 12, "g.mid"), 12u);
    cBytes first;
    Event(first, 1, kStreamEventCallback | 0x00403C90);
    EXPECT_BYTES(first.Get(), buffer);
    ASSERT_EQ(FillStreamBuffer(image, nPos, buffer.data(), 12, "g.mid"), 12u);
    cBytes second;
    Event(second, 5 + 2, kStreamEventCallback | 0x00003C80);
    EXPECT_BYTES(second.Get(), buffer);
    ASSERT_EQ(FillStreamBuffer(image, nPos, buffer.data(), 12, "g.mid"), 12u);
    cBytes third;
    Event(third, 0, kStreamEndOfTrack);
    EXPECT_BYTES(third.Get(), buffer);
    EXPECT_EQ(nPos, SmfImageEnd(image));
}

// An exclusive message larger than a whole buffer can never be sent: it is
// logged and skipped, and the playback goes on at the right time.
TEST_F(SmfReader, EventsLargerThanAnEmptyBufferAreSkipped)
{
    tBytes sysex = {0x0A, 0xF0, 0x81, 0xBB, 0x40};  // 24,000 data bytes
    sysex.resize(sysex.size() + 24000, 0x11);
    tBytes image = Image(tBytes{0x00, 0x90, 0x3C, 0x40} + sysex + tBytes{0x02, 0x80, 0x3C, 0x00} + tBytes{0x00} + kEnd);
    u32 nPos = kSmfImageEvents;
    tBytes buffer(kStreamBufferSize);
    ASSERT_EQ(FillStreamBuffer(image, nPos, buffer.data(), kStreamBufferSize, "h.mid"), 12u);
    EXPECT_EQ(WordAt(buffer, 0), kStreamEventCallback | 0x00403C90);
    EXPECT_EQ(Log(), "");
    ASSERT_EQ(FillStreamBuffer(image, nPos, buffer.data(), kStreamBufferSize, "h.mid"), 24u);
    cBytes expected;
    Event(expected, 0x0A + 0x02, 0x00003C80);
    Event(expected, 0, kStreamEndOfTrack);
    EXPECT_BYTES(expected.Get(), tBytes(buffer.begin(), buffer.begin() + 24));
    EXPECT_EQ(nPos, SmfImageEnd(image));
    EXPECT_EQ(Log(), "Midi h.mid Out イベントがバッファに入らない 24016\n");
}

}  // namespace
