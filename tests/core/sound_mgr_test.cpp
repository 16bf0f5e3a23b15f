// The sound manager's choice of player and its failure paths, against fake
// players that write every call into one journal.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/sound_mgr.h"
#include "app/str_util.h"
#include "support/test_env.h"

namespace {

std::vector<std::string>& Journal()
{
    static std::vector<std::string> s_Journal;
    return s_Journal;
}

void Note(const std::string& str) { Journal().push_back(str); }

class cFakeOgg : public cOggPlayerBase {
public:
    u32 m_bLoads = 1;
    u32 m_bVoices = 1;
    std::set<std::string> m_Playable;

    u32 LoadVox() override
    {
        Note("ogg LoadVox");
        return m_bLoads;
    }
    u32 SetChannelCount(u32 n) override
    {
        Note(Format("ogg SetChannelCount %u", n));
        return m_bVoices;
    }
    u32 Play(s32 nChannel, const char* lpPath, u32 bRepeat, s32 nVolume) override
    {
        Note(Format("ogg Play %d %s %u %d", nChannel, lpPath, bRepeat, nVolume));
        return m_Playable.count(lpPath) ? 1 : 0;
    }
    void Stop() override { Note("ogg Stop"); }
    void Release() override { Note("ogg Release"); }
};

class cFakeGgs4 : public cGgs4PlayerBase {
public:
    u32 m_bOpens = 1;
    std::set<std::string> m_Playable;

    u32 Init(u32 bUseDirectMusic) override
    {
        Note(Format("ggs4 Init %u", bUseDirectMusic));
        return m_bOpens;
    }
    u32 Play(s32 nChannel, const char* lpPath, u32 bRepeat, s32 nVolume) override
    {
        Note(Format("ggs4 Play %d %s %u %d", nChannel, lpPath, bRepeat, nVolume));
        return m_Playable.count(lpPath) ? 1 : 0;
    }
    void Stop(u32 bPause) override { Note(Format("ggs4 Stop %u", bPause)); }
    void Close() override { Note("ggs4 Close"); }
};

// A stream player that reads its file for real but sounds nothing.
bool g_bStreamOutputFails = false;

class cFakeStream : public cPlayerBase {
public:
    explicit cFakeStream(const std::string& strPath) : cPlayerBase(strPath) { Note("stream New " + strPath); }
    ~cFakeStream() override { Note("stream Delete " + Name()); }
    bool CanPlay() const override { return HasImage() && !g_bStreamOutputFails; }
    void Play(u32 bLoop) override { Note(Format("stream Play %s %u", Name().c_str(), bLoop)); }
    void Stop(u32 bPause) override { Note(Format("stream Stop %s %u", Name().c_str(), bPause)); }
};

std::unique_ptr<cPlayerBase> CreateFakeStream(const std::string& strPath)
{
    return std::make_unique<cFakeStream>(strPath);
}

// A format-0 file with one note.
const std::vector<u8> kMidiFile = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0,
                                   0, 12, 0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};

class SoundMgr : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        Journal().clear();
        g_bStreamOutputFails = false;
        ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
        ASSERT_TRUE(FileSystem().MakeFolder("bgm"));
        m_Ogg.m_Playable = {"bgm\\a.ogg", "bgm\\Free.ogg"};
        m_Ggs4.m_Playable = {"bgm\\a.mid", "bgm\\Free.mid"};
    }
    void TearDown() override
    {
        m_Mgr.Close();
        cCoreTest::TearDown();
    }
    // Init with two slots and one channel, then a fresh journal.
    u32 Start()
    {
        u32 bOk = m_Mgr.Init(1, m_OggList, m_MidiList, 2, 1);
        Journal().clear();
        return bOk;
    }
    std::vector<std::string> Take()
    {
        std::vector<std::string> v = Journal();
        Journal().clear();
        return v;
    }

    cFakeOgg m_Ogg;
    cFakeGgs4 m_Ggs4;
    cSoundMgr m_Mgr{m_Ogg, m_Ggs4, CreateFakeStream};
    cOggSlot m_OggList[2] = {{"bgm\\Free.ogg", 100}, {"bgm\\Free.ogg", 100}};
    cMidiSlot m_MidiList[2] = {{"bgm\\Free.mid", 100}, {"bgm\\Free.mid", 100}};
};

typedef std::vector<std::string> tCalls;

TEST_F(SoundMgr, InitOpensTheLibrariesAndSizesEverything)
{
    EXPECT_EQ(m_Mgr.Init(3, m_OggList, m_MidiList, 2, 1), 1u);
    EXPECT_EQ(Take(), (tCalls{"ggs4 Init 1", "ogg LoadVox", "ogg SetChannelCount 3"}));
    EXPECT_TRUE(m_Mgr.IsEnabled());
    EXPECT_TRUE(m_Mgr.IsOggReady());
    EXPECT_TRUE(m_Mgr.UsesMidiLibrary());
    EXPECT_EQ(m_Mgr.SlotKinds(), (std::vector<u32>{0, 0}));
    EXPECT_EQ(m_Mgr.ChannelStates(), (std::vector<u32>{0, 0, 0}));
    EXPECT_EQ(m_Mgr.MidiPlayers().Size(), 0u);
    EXPECT_EQ(m_Mgr.CurrentSlot(), -1);
}

TEST_F(SoundMgr, TheExtensionChoosesTheList)
{
    const std::string strLong = "bgm\\" + std::string(251, 'x') + ".ogg";  // 259 bytes
    struct {
        std::string strPath;
        u32 bResult;
        u32 dwKind;
        const char* lpOgg;  // paths and volumes of the slot afterwards
        s32 nOggVolume;
        const char* lpMidi;
        s32 nMidiVolume;
    } cases[] = {
        {"bgm\\a.ogg", 1, cSoundMgr::kSlotOgg, "bgm\\a.ogg", 70, "bgm\\Free.mid", 100},
        {"bgm\\a.OGG", 1, cSoundMgr::kSlotOgg, "bgm\\a.OGG", 70, "bgm\\Free.mid", 100},
        {"bgm\\a.mid", 1, cSoundMgr::kSlotMidi, "bgm\\Free.ogg", 100, "bgm\\a.mid", 70},
        {"bgm\\a.MID", 1, cSoundMgr::kSlotMidi, "bgm\\Free.ogg", 100, "bgm\\a.mid", 70},
        {"bgm\\a.Ogg", 0, cSoundMgr::kSlotUnknown, "bgm\\a.Ogg", 70, "bgm\\a.Ogg", 70},
        {"bgm\\a.wav", 0, cSoundMgr::kSlotUnknown, "bgm\\a.wav", 70, "bgm\\a.wav", 70},
        {"bgm.x\\a", 0, cSoundMgr::kSlotUnknown, "", 0, "", 0},
        {strLong, 1, cSoundMgr::kSlotOgg, strLong.c_str(), 70, "bgm\\Free.mid", 100},
        {strLong + "x", 0, cSoundMgr::kSlotUnknown, "", 0, "", 0},  // 260 bytes: refused
    };
    for (const auto& c : cases) {
        cOggSlot oggList[2] = {{"bgm\\Free.ogg", 100}, {"bgm\\Free.ogg", 100}};
        cMidiSlot midiList[2] = {{"bgm\\Free.mid", 100}, {"bgm\\Free.mid", 100}};
        m_Mgr.Init(1, oggList, midiList, 2, 0);
        EXPECT_EQ(m_Mgr.SetSlot(1, c.strPath, 70), c.bResult) << c.strPath;
        EXPECT_EQ(m_Mgr.SlotKinds()[1], c.dwKind) << c.strPath;
        EXPECT_STREQ(oggList[1].szPath, c.lpOgg) << c.strPath;
        EXPECT_EQ(oggList[1].nVolume, c.nOggVolume) << c.strPath;
        EXPECT_STREQ(midiList[1].szPath, c.lpMidi) << c.strPath;
        EXPECT_EQ(midiList[1].nVolume, c.nMidiVolume) << c.strPath;
        EXPECT_STREQ(oggList[0].szPath, "bgm\\Free.ogg");
        m_Mgr.Close();
    }
    EXPECT_NE(ReadFileText("Report_Editor.txt").find("パスが長すぎます"), std::string::npos);
    EXPECT_FALSE(IsFatalError());
}

TEST_F(SoundMgr, OneKindSoundsAtATime)
{
    Start();
    m_Mgr.SetSlot(0, "bgm\\a.ogg", 80);
    m_Mgr.SetSlot(1, "bgm\\a.MID", 50);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 1, 1), 1u);
    EXPECT_EQ(Take(), (tCalls{"ogg Play 0 bgm\\a.ogg 1 80", "ggs4 Stop 0"}));
    EXPECT_EQ(m_Mgr.ChannelStates()[0], cSoundMgr::kChannelOgg);
    EXPECT_EQ(m_Mgr.Play(0, 1, 0, 0, 1), 1u);
    EXPECT_EQ(Take(), (tCalls{"ggs4 Play 0 bgm\\a.mid 0 50", "ogg Stop"}));
    EXPECT_EQ(m_Mgr.ChannelStates()[0], cSoundMgr::kChannelMidi);
    EXPECT_EQ(m_Mgr.CurrentSlot(), 1);
    m_Mgr.Stop();
    EXPECT_EQ(Take(), (tCalls{"ggs4 Stop 0", "ogg Stop"}));
}

TEST_F(SoundMgr, AnUnknownKindTriesOggThenMidi)
{
    Start();
    m_Ogg.m_Playable.clear();
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 1u);  // the start-up slot: both lists hold a path
    EXPECT_EQ(Take(), (tCalls{"ogg Play 0 bgm\\Free.ogg 1 100", "ggs4 Play 0 bgm\\Free.mid 1 100", "ogg Stop"}));

    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\a.wav", 60), 0u);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    EXPECT_EQ(Take(), (tCalls{"ogg Play 0 bgm\\a.wav 1 60", "ggs4 Play 0 bgm\\a.wav 1 60", "ogg Stop", "ggs4 Stop 0"}));
    EXPECT_EQ(m_Mgr.ChannelStates()[0], cSoundMgr::kChannelIdle);
    EXPECT_EQ(m_Mgr.CurrentSlot(), -1);

    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\noext", 60), 0u);
    EXPECT_EQ(m_Mgr.Play(0, 0, 0, 0, 1), 0u);
    EXPECT_EQ(Take(), (tCalls{"ogg Play 0  0 0", "ggs4 Play 0  0 0", "ogg Stop", "ggs4 Stop 0"}));
}

TEST_F(SoundMgr, TheCurrentSlotPlaysAgainOnlyWhenForced)
{
    Start();
    m_Mgr.SetSlot(0, "bgm\\a.ogg", 100);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 1u);
    Take();
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 0), 1u);
    EXPECT_EQ(Take(), tCalls{});
    m_Mgr.Stop();
    Take();
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 0), 1u);  // stopped, and still the current slot
    EXPECT_EQ(Take(), tCalls{});
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 1u);
    EXPECT_EQ(Take(), (tCalls{"ogg Play 0 bgm\\a.ogg 1 100", "ggs4 Stop 0"}));
}

TEST_F(SoundMgr, WithoutTheMidiLibraryTheStreamPlayersPlay)
{
    m_Ggs4.m_bOpens = 0;
    Start();
    EXPECT_FALSE(m_Mgr.UsesMidiLibrary());
    ASSERT_EQ(m_Mgr.MidiPlayers().Size(), 1u);
    ASSERT_TRUE(WriteFileBytes("bgm\\a.mid", kMidiFile));

    m_Mgr.SetSlot(0, "bgm\\a.MID", 40);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 1u);
    EXPECT_EQ(Take(), (tCalls{"stream New bgm\\a.mid", "stream Play bgm\\a.mid 1", "ogg Stop"}));
    ASSERT_TRUE(m_Mgr.MidiPlayers().At(0));
    EXPECT_EQ(m_Mgr.MidiPlayers().At(0)->Image().size(), kMidiFile.size());

    m_Mgr.SetSlot(1, "bgm\\a.ogg", 100);
    EXPECT_EQ(m_Mgr.Play(0, 1, 1, 0, 1), 1u);
    EXPECT_EQ(Take(), (tCalls{"ogg Play 0 bgm\\a.ogg 1 100", "stream Stop bgm\\a.mid 0"}));

    // A file that can't be read, and one whose output can't be opened.
    m_Mgr.SetSlot(0, "bgm\\b.mid", 40);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    EXPECT_EQ(Take(), (tCalls{"stream Stop bgm\\a.mid 1", "stream Delete bgm\\a.mid", "stream New bgm\\b.mid",
                              "ogg Stop", "stream Stop bgm\\b.mid 0"}));
    EXPECT_NE(ReadFileText("Report_Editor.txt").find("Midi bgm\\b.mid Create ファイルが開けません\n"),
              std::string::npos);
    g_bStreamOutputFails = true;
    m_Mgr.SetSlot(0, "bgm\\a.mid", 40);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    EXPECT_EQ(m_Mgr.ChannelStates()[0], cSoundMgr::kChannelIdle);

    m_Mgr.Close();
    EXPECT_EQ(Take().back(), "stream Delete bgm\\a.mid");
    EXPECT_EQ(m_Mgr.MidiPlayers().Size(), 0u);
}

TEST_F(SoundMgr, WithoutTheOggLibraryOggFailsAndMidiPlays)
{
    m_Ogg.m_bLoads = 0;
    EXPECT_EQ(m_Mgr.Init(2, m_OggList, m_MidiList, 2, 0), 0u);
    EXPECT_EQ(Take(), (tCalls{"ggs4 Init 0", "ogg LoadVox"}));
    EXPECT_TRUE(m_Mgr.IsEnabled());
    EXPECT_FALSE(m_Mgr.IsOggReady());
    EXPECT_EQ(m_Mgr.SlotKinds().size(), 2u);
    EXPECT_EQ(m_Mgr.ChannelStates().size(), 2u);

    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\a.ogg", 100), 1u);
    EXPECT_EQ(m_Mgr.Play(1, 0, 1, 0, 1), 0u);
    EXPECT_EQ(Take(), (tCalls{"ggs4 Stop 0"}));  // the Ogg player is never touched
    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\a.mid", 100), 1u);
    EXPECT_EQ(m_Mgr.Play(1, 0, 1, 0, 1), 1u);
    EXPECT_EQ(Take(), (tCalls{"ggs4 Play 1 bgm\\a.mid 1 100"}));
    EXPECT_EQ(m_Mgr.Play(0, 1, 1, 0, 1), 1u);  // the start-up slot goes to MIDI
    EXPECT_EQ(Take(), (tCalls{"ggs4 Play 0 bgm\\Free.mid 1 100"}));
    m_Mgr.Stop();
    EXPECT_EQ(Take(), (tCalls{"ggs4 Stop 0"}));
}

TEST_F(SoundMgr, AVoiceThatCantBeMadeLeavesOggUnavailable)
{
    m_Ogg.m_bVoices = 0;
    EXPECT_EQ(m_Mgr.Init(1, m_OggList, m_MidiList, 2, 0), 1u);
    EXPECT_FALSE(m_Mgr.IsOggReady());
    Take();
    m_Mgr.SetSlot(0, "bgm\\a.ogg", 100);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    EXPECT_EQ(Take(), (tCalls{"ggs4 Stop 0"}));
}

TEST_F(SoundMgr, ADisabledManagerDoesNothing)
{
    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\a.ogg", 100), 1u);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 1u);
    EXPECT_EQ(m_Mgr.SetChannelCount(4), 1u);
    m_Mgr.Stop();
    m_Mgr.Close();
    EXPECT_EQ(Take(), tCalls{});

    Start();
    m_Mgr.Close();
    EXPECT_EQ(Take(), (tCalls{"ogg Release", "ggs4 Close"}));
    EXPECT_FALSE(m_Mgr.IsEnabled());
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 1u);
    m_Mgr.Close();
    EXPECT_EQ(Take(), tCalls{});
}

TEST_F(SoundMgr, ABadSlotOrChannelIsAProgrammingError)
{
    Start();
    EXPECT_EQ(m_Mgr.SetSlot(2, "bgm\\a.ogg", 100), 0u);
    EXPECT_TRUE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1);
    EXPECT_EQ(m_Mgr.Play(1, 0, 1, 0, 1), 0u);
    EXPECT_EQ(FakeHost().m_nCloseRequests, 2);
    EXPECT_EQ(Take(), tCalls{});
    EXPECT_EQ(ReadFileText("Report_Editor.txt"), "err V[2] ( 2 , 4 )\nerr V[1] ( 1 , 4 )\n");
}

TEST(SoundGgs4, MasterVolumeFollowsTheLibraryScale)
{
    struct {
        s32 nVolume;
        s32 nMaster;
    } cases[] = {{100, 0}, {99, -2}, {50, -64}, {1, -126}, {0, -127}};
    for (const auto& c : cases) EXPECT_EQ(Ggs4MasterVolume(c.nVolume), c.nMaster) << c.nVolume;
}

class MidiPlayerSet : public SoundMgr {};

TEST_F(MidiPlayerSet, EachPlayReplacesEveryPlayer)
{
    ASSERT_TRUE(WriteFileBytes("bgm\\a.mid", kMidiFile));
    ASSERT_TRUE(WriteFileBytes("bgm\\b.mid", kMidiFile));
    cMidiPlayerSet set(CreateFakeStream);
    set.Resize(2);
    EXPECT_EQ(set.Play(0, "bgm\\a.mid", 0), 1u);
    EXPECT_EQ(set.Play(1, "bgm\\b.mid", 1), 1u);
    EXPECT_EQ(Take(), (tCalls{"stream New bgm\\a.mid", "stream Play bgm\\a.mid 0", "stream Stop bgm\\a.mid 1",
                              "stream Delete bgm\\a.mid", "stream New bgm\\b.mid", "stream Play bgm\\b.mid 1"}));
    EXPECT_FALSE(set.At(0));

    // Only "mid" is taken; the players are gone all the same.
    EXPECT_EQ(set.Play(0, "bgm\\a.MID", 0), 0u);
    EXPECT_EQ(Take(), (tCalls{"stream Stop bgm\\b.mid 1", "stream Delete bgm\\b.mid"}));

    EXPECT_EQ(set.Play(0, "bgm\\a.mid", 0), 1u);
    set.Resize(1);
    set.StopAll(0);
    set.Resize(0);
    EXPECT_EQ(Take(), (tCalls{"stream New bgm\\a.mid", "stream Play bgm\\a.mid 0", "stream Stop bgm\\a.mid 0",
                              "stream Delete bgm\\a.mid"}));
    EXPECT_EQ(set.Play(0, "bgm\\a.mid", 0), 0u);
    EXPECT_TRUE(IsFatalError());
}

}  // namespace
