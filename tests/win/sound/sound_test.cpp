// Sound on a real Windows stack without a sound device: the manager with
// neither run-time library, with the GGS4 recorder beside the program, with
// our Vox.dll, the stream player and MCI. The program runs in a folder of its
// own; each test copies the libraries it needs beside it and removes them.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/str_util.h"
#include "app/win32/ggs4_player.h"
#include "app/win32/mci.h"
#include "app/win32/midi_player.h"
#include "app/win32/ogg_player.h"
#include "support/test_env.h"
#include "support/win32/win_test.h"
#include "vox/vox.h"

namespace {

typedef std::vector<std::string> tLines;

std::string ProgramFolder()
{
    char szPath[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string str(szPath, n);
    return str.substr(0, str.find_last_of('\\') + 1);
}

tLines Lines(const std::string& strText)
{
    tLines lines;
    std::istringstream in(strText);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Contains(const tLines& lines, const std::string& strPrefix)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& s) { return s.rfind(strPrefix, 0) == 0; });
}

// A format-1 file: a tempo track and one note.
const std::vector<u8> kMidiFile = {
    'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96,                                    //
    'M', 'T', 'r', 'k', 0, 0, 0, 11, 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x2F, 0x00,  //
    'M', 'T', 'r', 'k', 0, 0, 0, 12, 0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};

std::vector<u8> WithFormat(std::vector<u8> file, u8 byFormat)
{
    file[9] = byFormat;
    return file;
}

// A quarter second of silence, 8 kHz mono 8-bit.
std::vector<u8> WaveFile()
{
    const u32 nData = 2000;
    cBytes b;
    b.Raw({'R', 'I', 'F', 'F'}).U32(36 + nData).Raw({'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}).U32(16);
    b.U16(1).U16(1).U32(8000).U32(8000).U16(1).U16(8).Raw({'d', 'a', 't', 'a'}).U32(nData);
    b.Raw(std::vector<u8>(nData, 0x80));
    return b.Get();
}

class SoundWin : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        InitErrLog(1, "EC_Editor.txt");
        ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
        m_strProgramFolder = ProgramFolder();
        RemoveLibraries();
        ASSERT_TRUE(FileSystem().MakeFolder("bgm"));
        m_dwStart = GetTickCount();
    }
    void TearDown() override
    {
        m_Mgr.Close();
        m_Ogg.Release();
        CloseGgs4();
        RemoveLibraries();
        SetEnvironmentVariableA("GGS4_RECORDER_OPEN", nullptr);
        // Without a device nothing waits for one.
        EXPECT_LT(GetTickCount() - m_dwStart, 10000u);
        InitErrLog(0, "EC_Editor.txt");
        cCoreTest::TearDown();
    }

    void RemoveLibraries()
    {
        for (const char* lpName : {"Vox.dll", "GuruGuruSMF4.dll"}) {
            std::string strPath = m_strProgramFolder + lpName;
            if (GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES) {
                EXPECT_TRUE(DeleteFileA(strPath.c_str())) << strPath;
            }
        }
    }
    void PutBeside(const char* lpBuilt, const char* lpName)
    {
        ASSERT_TRUE(CopyFileA(HostPath(lpBuilt).c_str(), (m_strProgramFolder + lpName).c_str(), FALSE)) << lpBuilt;
    }
    u32 Init(u32 bUseDirectMusic) { return m_Mgr.Init(1, m_OggList, m_MidiList, 1, bUseDirectMusic); }
    tLines Calls() { return Lines(ReadFileText("ggs4_calls.txt")); }
    std::vector<std::string> MessageTexts()
    {
        std::vector<std::string> v;
        for (const auto& m : FakeHost().m_Messages) v.push_back(m.strTitle + ":" + m.strText);
        return v;
    }
    static bool HasMidiDevice() { return midiOutGetNumDevs() > 0; }
    static bool HasWaveDevice() { return waveOutGetNumDevs() > 0; }

    std::string m_strProgramFolder;
    DWORD m_dwStart = 0;
    cOggPlayer m_Ogg;
    cGgs4Player m_Ggs4;
    cSoundMgr m_Mgr{m_Ogg, m_Ggs4, CreateMidiPlayer};
    cOggSlot m_OggList[1] = {{"bgm\\Free.ogg", 100}};
    cMidiSlot m_MidiList[1] = {{"bgm\\Free.mid", 100}};
};

TEST_F(SoundWin, NeitherLibraryLeavesMidiOnTheStreamPlayers)
{
    EXPECT_EQ(Init(1), 0u);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"エラー:oggの初期化に失敗！"}));
    EXPECT_TRUE(m_Mgr.IsEnabled());
    EXPECT_FALSE(m_Mgr.IsOggReady());
    EXPECT_FALSE(m_Mgr.UsesMidiLibrary());
    EXPECT_FALSE(IsGgs4Loaded());
    EXPECT_EQ(m_Mgr.MidiPlayers().Size(), 1u);
    EXPECT_EQ(m_Mgr.ChannelStates().size(), 1u);
    EXPECT_EQ(m_Mgr.SlotKinds().size(), 1u);

    // The start-up slot names both files: Ogg is unavailable, so the MIDI
    // file goes to the stream player, which needs a MIDI device.
    ASSERT_TRUE(WriteFileBytes("bgm\\Free.mid", kMidiFile));
    u32 bPlays = m_Mgr.Play(0, 0, 1, 0, 1);
    tLines log = Lines(ReadFileText("Report_Editor.txt"));
    if (HasMidiDevice()) {
        EXPECT_EQ(bPlays, 1u);
    } else {
        EXPECT_EQ(bPlays, 0u);
        EXPECT_TRUE(Contains(log, "Midi bgm\\Free.mid Open ")) << ReadFileText("Report_Editor.txt");
        EXPECT_EQ(m_Mgr.ChannelStates()[0], cSoundMgr::kChannelIdle);
    }
    ASSERT_TRUE(m_Mgr.MidiPlayers().At(0));
    EXPECT_TRUE(m_Mgr.MidiPlayers().At(0)->HasImage());

    // Requests no player can serve.
    ASSERT_TRUE(WriteFileBytes("bgm\\f2.mid", WithFormat(kMidiFile, 2)));
    m_Mgr.SetSlot(0, "bgm\\f2.mid", 100);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    EXPECT_TRUE(Contains(Lines(ReadFileText("Report_Editor.txt")), "Midi bgm\\f2.mid Init 対応フォーマットが2でない"));
    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\a.ogg", 100), 1u);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    m_Mgr.Stop();
    m_Mgr.Close();
    EXPECT_FALSE(m_Mgr.IsEnabled());
    EXPECT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_FALSE(IsFatalError());
}

TEST_F(SoundWin, MidiLibraryCallsArriveInOrder)
{
    PutBeside(TARVENOL_GGS4_RECORDER_DLL, "GuruGuruSMF4.dll");
    EXPECT_EQ(Init(1), 0u);  // Vox.dll is still missing
    EXPECT_TRUE(m_Mgr.UsesMidiLibrary());
    EXPECT_EQ(m_Mgr.MidiPlayers().Size(), 0u);
    EXPECT_EQ(LoadGgs4(), 0u);  // loaded already: not loaded again

    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\a.MID", 50), 1u);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 1u);
    EXPECT_EQ(m_Mgr.ChannelStates()[0], cSoundMgr::kChannelMidi);
    EXPECT_EQ(m_Ggs4.MasterVolume(), -64);
    m_Mgr.Stop();
    for (s32 nVolume : {100, 99, 1, 0}) {
        m_Mgr.SetSlot(0, "bgm\\a.mid", nVolume);
        EXPECT_EQ(m_Mgr.Play(0, 0, 0, 0, 1), 1u);
    }
    m_Mgr.Close();

    tLines expected = {"attach",
                       "GGS4OpenDevice -1100 0",
                       "GGS4Pause",
                       "GGS4AddListFromFileA bgm\\a.mid 0 0",
                       "GGS4SetMasterVolume -64",
                       "GGS4Play 1 0 0 0 0",
                       "GGS4Stop 0"};
    for (int nMaster : {0, -2, -126, -127}) {
        tLines one = {"GGS4Pause", "GGS4AddListFromFileA bgm\\a.mid 0 0", Format("GGS4SetMasterVolume %d", nMaster),
                      "GGS4Play 0 0 0 0 0"};
        expected.insert(expected.end(), one.begin(), one.end());
    }
    expected.push_back("GGS4CloseDevice");
    expected.push_back("detach");  // one FreeLibrary unloads it: it was loaded once
    EXPECT_EQ(Calls(), expected);
    EXPECT_FALSE(IsGgs4Loaded());
}

TEST_F(SoundWin, MidiLibraryRefusesWhatItCantPlay)
{
    PutBeside(TARVENOL_GGS4_RECORDER_DLL, "GuruGuruSMF4.dll");
    Init(0);
    SetEnvironmentVariableA("GGS4_RECORDER_ADD", "3");
    m_Mgr.SetSlot(0, "bgm\\a.mid", 100);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    SetEnvironmentVariableA("GGS4_RECORDER_ADD", nullptr);
    m_Mgr.SetSlot(0, "bgm\\a.wav", 100);  // kind unknown: the library takes only ".mid"
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    EXPECT_EQ(m_Mgr.CurrentSlot(), -1);
    EXPECT_EQ(m_Ggs4.Play(0, "bgm\\a.MID", 0, 100), 0u);  // the manager lowers it first
    m_Mgr.Close();
    EXPECT_EQ(Calls(), (tLines{"attach", "GGS4OpenDevice -1 0", "GGS4Pause", "GGS4AddListFromFileA bgm\\a.mid 0 0",
                               "GGS4Stop 0", "GGS4Pause", "GGS4Stop 0", "GGS4Pause", "GGS4CloseDevice", "detach"}));
}

TEST_F(SoundWin, AFailingMidiDeviceFallsBackToTheStreamPlayers)
{
    PutBeside(TARVENOL_GGS4_RECORDER_DLL, "GuruGuruSMF4.dll");
    SetEnvironmentVariableA("GGS4_RECORDER_OPEN", "1");
    Init(0);
    EXPECT_FALSE(m_Mgr.UsesMidiLibrary());
    EXPECT_EQ(m_Mgr.MidiPlayers().Size(), 1u);
    ASSERT_TRUE(WriteFileBytes("bgm\\a.mid", kMidiFile));
    m_Mgr.SetSlot(0, "bgm\\a.mid", 100);
    m_Mgr.Play(0, 0, 1, 0, 1);
    ASSERT_TRUE(m_Mgr.MidiPlayers().At(0));
    EXPECT_EQ(m_Mgr.MidiPlayers().At(0)->Name(), "bgm\\a.mid");
    m_Mgr.Close();
    EXPECT_EQ(Calls(), (tLines{"attach", "GGS4OpenDevice -1 0"}));
}

TEST_F(SoundWin, MissingEntryPointsAreGuarded)
{
    PutBeside(TARVENOL_GGS4_PARTIAL_DLL, "GuruGuruSMF4.dll");
    Init(0);
    EXPECT_TRUE(m_Mgr.UsesMidiLibrary());
    m_Mgr.SetSlot(0, "bgm\\a.mid", 100);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);  // no GGS4AddListFromFileA
    m_Mgr.Close();
    EXPECT_EQ(Calls(), (tLines{"attach", "GGS4OpenDevice -1 0", "GGS4Stop 0", "GGS4CloseDevice", "detach"}));
}

struct cRendered {
    u32 nFrames = 0;
    int nPeak = 0;
    int nCrossings = 0;  // sign changes
};

cRendered RenderAll(cVoxVoice* lpVoice)
{
    cRendered r;
    s16 aBuffer[1000];
    s16 nPrevious = 0;
    for (int nGuard = 0; nGuard < 1000; ++nGuard) {
        u32 n = lpVoice->Render(aBuffer, 1000);
        if (n == 0) break;
        for (u32 i = 0; i < n; ++i) {
            r.nPeak = std::max(r.nPeak, std::abs(static_cast<int>(aBuffer[i])));
            if ((aBuffer[i] < 0) != (nPrevious < 0)) ++r.nCrossings;
            nPrevious = aBuffer[i];
        }
        r.nFrames += n;
    }
    return r;
}

// tone.ogg: 8,000 frames (half a second) of a 440 Hz sine at half scale,
// 16 kHz mono.
TEST_F(SoundWin, VoxDecodesAndReportsTheLength)
{
    PutBeside(TARVENOL_VOX_DLL, "Vox.dll");
    HMODULE hVox = LoadLibraryA("Vox.dll");
    ASSERT_TRUE(hVox);
    auto fnCreate = reinterpret_cast<tCreateVox>(reinterpret_cast<void (*)()>(GetProcAddress(hVox, "CreateVox")));
    ASSERT_TRUE(fnCreate);
    cVoxVoice* lpVoice = fnCreate();
    ASSERT_TRUE(lpVoice);

    EXPECT_EQ(lpVoice->Load(FixturePath("sound\\tone.ogg").c_str()), 1);
    EXPECT_EQ(lpVoice->GetLength(), 500u);
    cRendered once = RenderAll(lpVoice);
    EXPECT_EQ(once.nFrames, 8000u);
    EXPECT_NEAR(once.nPeak, 16384, 1200);
    EXPECT_NEAR(once.nCrossings, 440, 6);

    lpVoice->Stop();  // rewinds
    lpVoice->SetLoop(2);
    lpVoice->SetVolume(0.5f);
    cRendered looped = RenderAll(lpVoice);
    EXPECT_EQ(looped.nFrames, 24000u);
    EXPECT_NEAR(looped.nPeak, 8192, 600);

    // Before every load the voice is put back: full volume, no loop.
    lpVoice->Reset();
    EXPECT_EQ(lpVoice->GetLength(), 0u);
    EXPECT_EQ(lpVoice->Render(nullptr, 0), 0u);
    EXPECT_EQ(lpVoice->Load(FixturePath("sound\\tone.ogg").c_str()), 1);
    cRendered again = RenderAll(lpVoice);
    EXPECT_EQ(again.nFrames, 8000u);
    EXPECT_NEAR(again.nPeak, 16384, 1200);

    // Playing without a device fails quietly and at once.
    lpVoice->Stop();
    lpVoice->SetLoop(kVoxLoopForever);
    lpVoice->Play();
    if (!HasWaveDevice()) {
        EXPECT_EQ(lpVoice->IsPlaying(), 0);
    }
    lpVoice->Stop();
    EXPECT_EQ(lpVoice->IsPlaying(), 0);

    ASSERT_TRUE(WriteFileBytes("bgm\\fake.ogg", kMidiFile));
    EXPECT_EQ(lpVoice->Load("bgm\\fake.ogg"), 0);
    EXPECT_EQ(lpVoice->Load("bgm\\missing.ogg"), 0);
    EXPECT_EQ(lpVoice->GetLength(), 0u);
    lpVoice->Destroy();
    FreeLibrary(hVox);
}

TEST_F(SoundWin, OggPlaysThroughTheManager)
{
    PutBeside(TARVENOL_VOX_DLL, "Vox.dll");
    ASSERT_TRUE(CopyFileA(FixturePath("sound\\tone.ogg").c_str(), "bgm\\tone.ogg", FALSE));
    EXPECT_EQ(Init(0), 1u);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_TRUE(m_Mgr.IsOggReady());

    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\tone.ogg", 50), 1u);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 1u);
    EXPECT_EQ(m_Mgr.ChannelStates()[0], cSoundMgr::kChannelOgg);
    EXPECT_EQ(m_Ogg.CurrentChannel(), 0);
    cVoxVoice* lpVoice = m_Ogg.Voice(0);
    ASSERT_TRUE(lpVoice);
    EXPECT_EQ(lpVoice->GetLength(), 500u);
    if (!HasWaveDevice()) {
        // The voice got the volume 0.5 and the endless loop count.
        s16 aBuffer[20000];
        EXPECT_EQ(lpVoice->Render(aBuffer, 20000), 20000u);
        EXPECT_NEAR(*std::max_element(aBuffer, aBuffer + 20000), 8192, 600);
    }
    m_Mgr.Stop();
    EXPECT_EQ(m_Ogg.CurrentChannel(), -1);

    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\missing.ogg", 100), 1u);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    EXPECT_EQ(m_Mgr.SetSlot(0, "bgm\\tone.wav", 100), 0u);
    EXPECT_EQ(m_Mgr.Play(0, 0, 1, 0, 1), 0u);
    m_Mgr.Close();
    EXPECT_FALSE(IsFatalError());
}

TEST_F(SoundWin, StreamPlayerWithoutADevice)
{
    ASSERT_TRUE(WriteFileBytes("bgm\\a.mid", kMidiFile));
    {
        cMidiPlayer player("bgm\\a.mid");
        EXPECT_TRUE(player.HasImage());
        EXPECT_EQ(player.CanPlay(), HasMidiDevice());
        if (!HasMidiDevice()) {
            EXPECT_FALSE(player.HasThread());
        }
        player.Play(1);
        player.Stop(1);
        player.Stop(0);
    }
    cMidiPlayer missing("bgm\\none.mid");
    EXPECT_FALSE(missing.HasImage());
    EXPECT_FALSE(missing.CanPlay());
    missing.Play(0);
    EXPECT_TRUE(Contains(Lines(ReadFileText("Report_Editor.txt")), "Midi bgm\\none.mid Create ファイルが開けません"));
}

TEST_F(SoundWin, MciOpensWaveAndSequencerDevices)
{
    ASSERT_TRUE(FileSystem().MakeFolder("wave"));
    cMci mci;
    const char* aList[] = {"wave\\free.wav", nullptr};
    EXPECT_TRUE(mci.Open("waveaudio", aList));  // disabled: nothing happens
    EXPECT_EQ(mci.DeviceCount(), 0u);
    mci.Init();
    EXPECT_TRUE(mci.Open("waveaudio", aList));  // a missing file leaves a closed record
    ASSERT_EQ(mci.DeviceCount(), 1u);
    EXPECT_EQ(mci.DeviceId(0), 0u);

    ASSERT_TRUE(WriteFileBytes("wave\\free.wav", WaveFile()));
    EXPECT_TRUE(mci.Open("waveaudio", aList));
    EXPECT_NE(mci.DeviceId(0), 0u);

    std::string strWave = "wave\\free.WAV";
    EXPECT_EQ(mci.PlayFile(nullptr, 0, strWave, 0), 1u);
    EXPECT_EQ(mci.Current(), 0);
    mci.Stop(0);
    EXPECT_EQ(mci.Current(), -1);
    tLines errors = Lines(ReadFileText("EC_Editor.txt"));
    EXPECT_TRUE(Contains(errors, "Stop成功！ mr =        0 stop =0") || Contains(errors, "Stop失敗！"))
        << ReadFileText("EC_Editor.txt");

    // A wave device closes only its own record's device; the sequencer
    // closes every device.
    ASSERT_TRUE(WriteFileBytes("wave\\b.wav", WaveFile()));
    const char* aTwo[] = {"wave\\free.wav", "wave\\b.wav", nullptr};
    EXPECT_TRUE(mci.Open("waveaudio", aTwo));
    MCIDEVICEID idSecond = mci.DeviceId(1);
    EXPECT_NE(idSecond, 0u);
    EXPECT_EQ(mci.PlayFile(nullptr, 0, strWave, 0), 1u);
    EXPECT_EQ(mci.DeviceId(1), idSecond);

    // A MIDI file: the caller's path gets the extension "mid".
    ASSERT_TRUE(WriteFileBytes("wave\\a.mid", kMidiFile));
    std::string strMidi = "wave\\a.MID";
    u32 bPlayed = mci.PlayFile(nullptr, 0, strMidi, 0);
    EXPECT_EQ(strMidi, "wave\\a.mid");
    EXPECT_EQ(mci.DeviceId(1), 0u);
    if (!bPlayed) {
        EXPECT_TRUE(Contains(Lines(ReadFileText("EC_Editor.txt")), "ChangeSound失敗！ wave\\a.mid"));
    }

    std::string strOther = "bgm\\a.ogg";
    EXPECT_EQ(mci.PlayFile(nullptr, 0, strOther, 0), 0u);
    std::string strMissing = "wave\\none.wav";
    EXPECT_EQ(mci.PlayFile(nullptr, 0, strMissing, 0), 0u);
    EXPECT_TRUE(Contains(Lines(ReadFileText("EC_Editor.txt")), "ChangeSound失敗！ wave\\none.wav"));
    EXPECT_EQ(mci.DeviceId(0), 0u);

    mci.Close();
    EXPECT_FALSE(mci.IsEnabled());
    EXPECT_EQ(mci.DeviceCount(), 0u);
    EXPECT_EQ(mci.PlayFile(nullptr, 0, strWave, 0), 1u);
}

}  // namespace
