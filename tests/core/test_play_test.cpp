// Test play: the double-start guard with the clock passed in, the refusals
// before anything is saved, the saves whose failure stops the start, and
// the parameter the game gets.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/test_play.h"
#include "stage_test_util.h"

namespace {

const char* const kDoubleStart =
    "二重起動はできません！\n\n二重起動ではないのにこのエラーが出る場合、次の原因が考えられます。\n"
    "・前回のテストプレイで不正終了している（この場合エディター再起動で直る）\n"
    "・エディタープログラムとゲームプログラムのバージョンが合っていない";
const char* const kNoPath = "ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！";

class cScriptedPlay : public cTestPlayHost {
public:
    bool bGame = true;
    eStageSave eSave = eStageSave::Written;
    bool bCommonSaves = true;
    bool bLaunches = true;
    int nStageSaves = 0, nCommonSaves = 0, nUndoClears = 0, nDeactivations = 0;
    std::vector<std::string> launched;  // "game|parameters"

    bool FindGame(std::string& strPath) override
    {
        strPath = bGame ? "Game.exe" : "";
        return bGame;
    }
    eStageSave SaveStage() override
    {
        ++nStageSaves;
        return eSave;
    }
    bool SaveCommonPalette() override
    {
        ++nCommonSaves;
        return bCommonSaves;
    }
    void ClearUndo() override { ++nUndoClears; }
    bool Launch(const std::string& strGame, const std::string& strParams) override
    {
        launched.push_back(strGame + "|" + strParams);
        return bLaunches;
    }
    void Deactivate() override { ++nDeactivations; }
};

class TestPlay : public cStageTest {
protected:
    void SetUp() override
    {
        cStageTest::SetUp();
        Reset();
    }
    void Reset()
    {
        m_Stage = cStage();
        m_State = cEditState();
        m_Host = cScriptedPlay();
        FakeHost().Reset();
        cEdChara player;
        player.m_wGraphic = 1;
        player.m_cControl = 0;
        m_Stage.m_vCharaGrid[m_Stage.CellOf(2, 3)] = player;
        m_State.m_bHasPath = 1;
        m_State.m_strStagePath = "data\\stg4\\森.stg4_950";
        m_State.m_bStageModified = 1;
        m_State.m_bCommonModified = 1;
    }
public:
    eTestPlay Run(bool bWhole, u32 dwNow) { return RunTestPlay(m_State, m_Stage, bWhole, dwNow, m_Host, nullptr); }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const cFakeHost::cMessage& m : FakeHost().m_Messages) texts.push_back(m.strText);
        return texts;
    }

    cStage m_Stage;
    cEditState m_State;
    cScriptedPlay m_Host;
};

TEST_F(TestPlay, AStageTestPlaySavesThenStartsTheGameOnTheStoredPath)
{
    EXPECT_EQ(Run(false, 10000), eTestPlay::Started);
    EXPECT_EQ(m_Host.launched, std::vector<std::string>{"Game.exe|data\\stg4\\森.stg4_950"});
    EXPECT_EQ(m_Host.nStageSaves, 1);
    EXPECT_EQ(m_Host.nCommonSaves, 1);
    EXPECT_EQ(m_Host.nUndoClears, 1);
    EXPECT_EQ(m_Host.nDeactivations, 1);
    EXPECT_EQ(m_State.m_bTestPlay, 1u);
    EXPECT_EQ(m_State.m_bStageModified, 0u);
    EXPECT_EQ(m_State.m_bCommonModified, 0u);
    ExpectQuiet();
}

// A second start while the first runs: dropped within 3 s, refused after;
// once the game reported its end a start goes through again.
TEST_F(TestPlay, TheGuardDropsADoubleClickAndRefusesALaterStart)
{
    ASSERT_EQ(Run(false, 0xFFFFF000u), eTestPlay::Started);  // the clock wraps in between
    EXPECT_EQ(Run(false, 0xFFFFF000u + 1000), eTestPlay::Ignored);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_EQ(Run(false, 0xFFFFF000u + 2999), eTestPlay::Ignored);
    EXPECT_EQ(Run(false, 0xFFFFF000u + 5000), eTestPlay::Refused);
    EXPECT_EQ(Texts(), std::vector<std::string>{kDoubleStart});
    EXPECT_EQ(m_State.m_bTestPlay, 1u) << "the refusal leaves it running";
    EXPECT_EQ(m_Host.launched.size(), 1u);
    EXPECT_EQ(m_Host.nStageSaves, 1);

    m_State.m_bTestPlay = 0;  // the game's end report
    EXPECT_EQ(Run(false, 0xFFFFF000u + 6000), eTestPlay::Started);
    EXPECT_EQ(m_Host.launched.size(), 2u);
}

// What stops a test play, what the user reads, and what ran before it.
TEST_F(TestPlay, RefusalsClearTheFlagAndSaveNothingTheyShouldNot)
{
    const struct {
        const char* lpWhat;
        std::function<void(TestPlay&)> fnSetUp;
        std::vector<std::string> texts;
        int nStageSaves;
        int nCommonSaves;
        bool bLaunched;
        bool bStageClean;   // the stage-modified flag cleared
        bool bCommonClean;  // the common-palette-modified flag cleared
    } kCases[] = {
        {"no game program", [](TestPlay& t) { t.m_Host.bGame = false; },
         {"ゲームプログラムが見つかりません！"}, 0, 0, false, false, false},
        {"a stage never saved", [](TestPlay& t) { t.m_State.m_strStagePath.clear(); }, {kNoPath}, 0, 0, false, false,
         false},
        {"no player", [](TestPlay& t) { t.m_Stage.m_vCharaGrid.assign(t.m_Stage.m_vCharaGrid.size(), cEdChara()); },
         {"プレイヤーが配置されていません！"}, 0, 0, false, false, false},
        {"the save dialog cancelled", [](TestPlay& t) { t.m_Host.eSave = eStageSave::Cancelled; },
         {"ステージファイルのパスが無効です！\n1度ステージを保存する必要があります！"}, 1, 0, false, false, false},
        {"the stage save failed", [](TestPlay& t) { t.m_Host.eSave = eStageSave::Failed; }, {}, 1, 0, false, false,
         false},
        {"the common palette save failed", [](TestPlay& t) { t.m_Host.bCommonSaves = false; }, {}, 1, 1, false, true,
         false},
        {"the game does not start", [](TestPlay& t) { t.m_Host.bLaunches = false; },
         {"ゲームプログラムが呼び出せません！"}, 1, 1, true, true, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.lpWhat);
        Reset();
        c.fnSetUp(*this);
        EXPECT_EQ(Run(false, 20000), eTestPlay::Refused);
        EXPECT_EQ(Texts(), c.texts);
        EXPECT_EQ(m_State.m_bTestPlay, 0u);
        EXPECT_EQ(m_Host.nStageSaves, c.nStageSaves);
        EXPECT_EQ(m_Host.nCommonSaves, c.nCommonSaves);
        EXPECT_EQ(m_Host.launched.size(), c.bLaunched ? 1u : 0u);
        EXPECT_EQ(m_State.m_bStageModified, c.bStageClean ? 0u : 1u);
        EXPECT_EQ(m_State.m_bCommonModified, c.bCommonClean ? 0u : 1u);
        for (const cFakeHost::cMessage& m : FakeHost().m_Messages) EXPECT_EQ(m.strTitle, "エラー");
    }
}

TEST_F(TestPlay, TheWholeGameStartsWithoutAParameter)
{
    // No stage open: nothing is saved.
    m_State.m_bHasPath = 0;
    m_State.m_strStagePath.clear();
    EXPECT_EQ(Run(true, 1000), eTestPlay::Started);
    EXPECT_EQ(m_Host.launched, std::vector<std::string>{"Game.exe|"});
    EXPECT_EQ(m_Host.nStageSaves + m_Host.nCommonSaves, 0);

    // With a stage open the stage is saved first.
    m_State.m_bTestPlay = 0;
    m_State.m_bHasPath = 1;
    m_State.m_strStagePath = "data\\stg4\\a.stg4_950";
    EXPECT_EQ(Run(true, 9000), eTestPlay::Started);
    EXPECT_EQ(m_Host.launched.back(), "Game.exe|");
    EXPECT_EQ(m_Host.nStageSaves, 1);
    ExpectQuiet();
}

}  // namespace
