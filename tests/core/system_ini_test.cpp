#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "app/str_util.h"
#include "data/system_data.h"
#include "data/system_ini.h"
#include "support/test_env.h"

namespace {

class SystemIni : public cCoreTest {
protected:
    const std::vector<cSysIniDefault>& Options() const { return cSystem::Defaults().m_vIniDefault; }

    cSystemIni Defaults() const
    {
        cSystemIni ini;
        SetSystemIniDefaults(ini, Options());
        return ini;
    }
};

bool operator==(const cSystemIni& a, const cSystemIni& b)
{
    for (int i = 0; i < kIniOptionCount; ++i)
        if (a.m_anOption[i] != b.m_anOption[i]) return false;
    for (int i = 0; i < kReplayKeyCount; ++i)
        if (a.m_aReplay[i].bPresent != b.m_aReplay[i].bPresent || a.m_aReplay[i].nValue != b.m_aReplay[i].nValue)
            return false;
    return a.m_strText == b.m_strText;
}

// The file a game's author would write for these settings.
std::string IniText(const cSystemIni& ini, const std::vector<cSysIniDefault>& options)
{
    std::string str;
    for (int i = 0; i < kIniOptionCount; ++i) {
        if (i == kIniFreeStage)
            StrAppendFormat(str, "%s=%s\n", options[i].m_strKey.c_str(), ini.m_strText.c_str());
        else
            StrAppendFormat(str, "%s=%d    // comment\n", options[i].m_strKey.c_str(), ini.m_anOption[i]);
    }
    for (int i = 0; i < kReplayKeyCount; ++i)
        if (ini.m_aReplay[i].bPresent) StrAppendFormat(str, "%s=%d\n", g_lpReplayKeys[i], ini.m_aReplay[i].nValue);
    return str + "Exit\n";
}

bool WriteText(const std::string& strPath, const std::string& strText)
{
    return WriteFileBytes(strPath, std::vector<u8>(strText.begin(), strText.end()));
}

TEST_F(SystemIni, DefaultsComeFromTheSystemDataAndReplaySettingsAreAbsent)
{
    cSystemIni ini;
    ini.m_aReplay[kReplayOn] = {1, 7};
    ini.m_strText = "old";
    std::vector<cSysIniDefault> options = Options();
    options[kIniFreeStage].m_strText = "opening";
    SetSystemIniDefaults(ini, options);
    const s32 expected[kIniOptionCount] = {2, 0, 0, 2, 0, 1, 0, 1, 0, 0, 1};
    for (int i = 0; i < kIniOptionCount; ++i) EXPECT_EQ(ini.m_anOption[i], expected[i]) << i;
    EXPECT_EQ(ini.m_strText, "opening");
    EXPECT_EQ(ini.m_aReplay[kReplayOn].bPresent, 0u);
    EXPECT_EQ(ini.m_aReplay[kReplayOn].nValue, 7);
}

TEST_F(SystemIni, WrittenSettingsReadBackEqual)
{
    cSystemIni written = Defaults();
    for (int i = 0; i < kIniOptionCount; ++i) written.m_anOption[i] = i == kIniFreeStage ? 0 : 10 + i;
    written.m_strText = "data\\stg4\\opening.stg4_950";
    written.m_aReplay[kReplayOn] = {1, 0};
    written.m_aReplay[kReplayPlaybackOrder] = {1, 2};
    written.m_aReplay[kReplayAutomaticMessageProgress] = {1, 21};
    ASSERT_TRUE(WriteText("System.ini", IniText(written, Options())));

    cSystemIni read;
    EXPECT_TRUE(ReadSystemIni(read, Options()));
    EXPECT_TRUE(read == written);

    // Keys are the names the system data gives its options.
    std::vector<cSysIniDefault> renamed = Options();
    renamed[kIniBpp].m_strKey = "ColorBits";
    ASSERT_TRUE(WriteText("System.ini", "ColorBits=16\nBpp=8\nExit\n"));
    EXPECT_TRUE(ReadSystemIni(read, renamed));
    EXPECT_EQ(read.m_anOption[kIniBpp], 16);
}

TEST_F(SystemIni, MissingFileOrMissingExitLineLeavesOnlyDefaults)
{
    cSystemIni ini;
    ini.m_anOption[kIniBpp] = 99;
    EXPECT_FALSE(ReadSystemIni(ini, Options()));
    EXPECT_TRUE(ini == Defaults());

    ASSERT_TRUE(WriteText("System.ini", "Bpp=16\nShowFps=0\n"));
    EXPECT_FALSE(LoadSystemIni("System.ini", ini, Options()));
    EXPECT_EQ(ini.m_anOption[kIniBpp], 16) << "the reader itself stores what it read";
    EXPECT_FALSE(ReadSystemIni(ini, Options()));
    EXPECT_TRUE(ini == Defaults());

    // "Exit" ends the file only as a whole line.
    ASSERT_TRUE(WriteText("System.ini", "Bpp=16\nExit"));
    EXPECT_FALSE(ReadSystemIni(ini, Options()));
    EXPECT_TRUE(ini == Defaults());
}

struct cIniCase {
    const char* lpWhat;
    std::string strText;
    bool bComplete;
    std::function<void(cSystemIni&)> expect;  // changes from the defaults
};

TEST_F(SystemIni, OddLinesKeepEverythingElseInPlace)
{
    const std::string strLongKey(3000, 'K');
    const std::string strLongValue(3000, 'v');
    std::string strManyLines;
    for (int i = 0; i < 10000; ++i) strManyLines += "x\n";

    const cIniCase cases[] = {
        {"replay save kinds of 3 or more are held to 2", "Replay_AutomaticSave=7\nReplay_PlaybackOrder=2\nExit\n",
         true,
         [](cSystemIni& i) {
             i.m_aReplay[kReplayAutomaticSave] = {1, 2};
             i.m_aReplay[kReplayPlaybackOrder] = {1, 2};
         }},
        {"a negative replay value is absent", "Replay_AutomaticSave=-1\nReplay_On=-5\nExit\n", true, nullptr},
        {"message progress 21 stays", "Replay_AutomaticMessageProgress=21\nExit\n", true,
         [](cSystemIni& i) { i.m_aReplay[kReplayAutomaticMessageProgress] = {1, 21}; }},
        {"message progress above 21 becomes 20", "Replay_AutomaticMessageProgress=22\nExit\n", true,
         [](cSystemIni& i) { i.m_aReplay[kReplayAutomaticMessageProgress] = {1, 20}; }},
        {"a one-character text keeps the earlier one", "FreeStage=a\nExit\n", true, nullptr},
        {"a two-character text is taken", "FreeStage=ab\nExit\n", true, [](cSystemIni& i) { i.m_strText = "ab"; }},
        {"a value ends at a space", "ShowFps = 1\nExit\n", true, [](cSystemIni& i) { i.m_anOption[kIniShowFps] = 0; }},
        {"a comment after the value", "VSync=1 // 垂直同期\nBpp=16/32\nExit\n", true,
         [](cSystemIni& i) {
             i.m_anOption[kIniVSync] = 1;
             i.m_anOption[kIniBpp] = 16;
         }},
        {"lines without '=' and unknown keys are passed over", "garbage\n\nFoo=3\nDirect3D=0\nExit\n", true,
         [](cSystemIni& i) { i.m_anOption[kIniDirect3D] = 0; }},
        {"CR LF lines", "FreeStage=stage1\r\nWindowMode=1\r\nExit\r\n", true,
         [](cSystemIni& i) {
             i.m_strText = "stage1";
             i.m_anOption[kIniWindowMode] = 1;
         }},
        {"an over-long key stays one line", strLongKey + "=5\nBpp=8\nExit\n", true,
         [](cSystemIni& i) { i.m_anOption[kIniBpp] = 8; }},
        {"an over-long value stays one line and is no text", "FreeStage=" + strLongValue + "\nBpp=8\nExit\n", true,
         [](cSystemIni& i) { i.m_anOption[kIniBpp] = 8; }},
        {"a text of 259 bytes is taken", "FreeStage=" + std::string(259, 't') + "\nExit\n", true,
         [](cSystemIni& i) { i.m_strText = std::string(259, 't'); }},
        {"a text of 260 bytes is not", "FreeStage=" + std::string(260, 't') + "\nExit\n", true, nullptr},
        {"a number beyond 32 bits is held", "Bpp=99999999999\nVSync=-99999999999\nExit\n", true,
         [](cSystemIni& i) {
             i.m_anOption[kIniBpp] = INT_MAX;
             i.m_anOption[kIniVSync] = INT_MIN;
         }},
        {"a NUL byte in a key ends the file", std::string("Bpp=8\n\0Bpp=9\n", 14), true,
         [](cSystemIni& i) { i.m_anOption[kIniBpp] = 8; }},
        {"a NUL byte ends a value", std::string("Bpp=8\0garbage\nExit\n", 19), true,
         [](cSystemIni& i) { i.m_anOption[kIniBpp] = 8; }},
        {"reading stops after 10,000 lines", strManyLines + "Bpp=8\n", true, nullptr},
    };
    for (const cIniCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        ASSERT_TRUE(WriteText("System.ini", c.strText));
        cSystemIni expected = Defaults();
        if (c.expect) c.expect(expected);
        cSystemIni ini = Defaults();
        EXPECT_EQ(LoadSystemIni("System.ini", ini, Options()), c.bComplete);
        EXPECT_TRUE(ini == expected);
    }
}

}  // namespace
