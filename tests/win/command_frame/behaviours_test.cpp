// What the frame's dialogs do beyond their bindings: sound previews with
// sound on and off, the BGM dialog stopping the music, the code check, the
// variable renames, the arrange dialog's lists, and the flow change with its
// nested flow page.
#include <sstream>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/win32/sound.h"
#include "command_editor/bound_dlg.h"
#include "data/project_var_names.h"
#include "frame_fixture.h"
#include "support/win32/host_page.h"
#include "support/win32/kind_rows.h"

namespace {

// The memory names, with a save that the test observes.
class cCountingNames : public cMemoryVarNames {
public:
    bool SaveCommon() override
    {
        ++m_nSaves;
        return m_bSaveWorks;
    }
    int m_nSaves = 0;
    bool m_bSaveWorks = true;
};

class Behaviours : public cFrameTest {
protected:
    void SetUp() override
    {
        cFrameTest::SetUp();
        m_Counting.List(eVarScope::Common)[5] = "鍵";
        m_Counting.List(eVarScope::Stage)[1] = "扉";
        SetVarNames(&m_Counting);
    }
    void TearDown() override
    {
        m_lpPage.reset();
        Mci().Close();
        SoundMgr().Close();
        for (const char* lpName : {"GuruGuruSMF4.dll"}) DeleteFileA((ProgramFolder() + lpName).c_str());
        cFrameTest::TearDown();
    }
    static std::string ProgramFolder()
    {
        char szPath[MAX_PATH];
        const DWORD n = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
        const std::string str(szPath, n);
        return str.substr(0, str.find_last_of('\\') + 1);
    }
    // An existing command of the kind on a page of its set.
    cTestHostPage& PageWith(u32 nSet, u32 nKind, std::vector<u32> params)
    {
        m_lpPage.reset(new cTestHostPage(nSet));
        m_lpPage->Open();
        m_lpPage->m_Commands.resize(1);
        m_lpPage->m_Commands[0].m_nSet = static_cast<u8>(nSet);
        m_lpPage->m_Commands[0].m_nKind = static_cast<u8>(nKind);
        m_lpPage->m_Commands[0].m_Params = std::move(params);
        return *m_lpPage;
    }
    void Edit(cDlgScript& script)
    {
        m_lpPage->DoubleClick(0);
        EXPECT_TRUE(RunScript(script));
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& m : FakeHost().m_Messages) texts.push_back(m.strText);
        return texts;
    }
    void SoundOn()
    {
        Mci().Init();
        const char* const kElements[] = {"wave\\missing.wav", nullptr};
        Mci().Open("waveaudio", kElements);
    }
    void MusicOn()
    {
        SoundMgr().Init(1, m_OggList, m_MidiList, 1, 0);
        FakeHost().m_Messages.clear();
    }

    cCountingNames m_Counting;
    std::unique_ptr<cTestHostPage> m_lpPage;
    cOggSlot m_OggList[1] = {{"bgm\\Free.ogg", 100}};
    cMidiSlot m_MidiList[1] = {{"bgm\\Free.mid", 100}};
};

TEST_F(Behaviours, SoundPreviewsFailAloudWithSoundOnAndStaySilentWithItOff)
{
    for (bool bSoundOn : {false, true}) {
        SCOPED_TRACE(bSoundOn ? "sound on" : "sound off");
        if (bSoundOn) SoundOn();
        FakeHost().m_Messages.clear();
        PageWith(0, 9, {11});
        cDlgScript script;
        script.On("向き変更", [](cDlgView& dlg) {
            dlg.Choose(1131, 0);  // "なし" plays nothing
            dlg.Choose(1131, 2);
            dlg.Cancel();
        });
        Edit(script);
        EXPECT_EQ(Messages(), bSoundOn ? std::vector<std::string>{"読み込み失敗！"} : std::vector<std::string>{});
        PageWith(0, 35, {1});
        cDlgScript sound;
        sound.On("効果音の再生", [](cDlgView& dlg) {
            dlg.Choose(1131, 1);
            dlg.Cancel();
        });
        Edit(sound);
        EXPECT_EQ(Messages().size(), bSoundOn ? 2u : 0u);
    }
}

TEST_F(Behaviours, BgmPlaysFailAloudAndEveryWayOutStopsTheMusic)
{
    // Without a device nothing plays: "再生" tells so; with sound off it is
    // silent.
    for (bool bSoundOn : {false, true}) {
        if (bSoundOn) MusicOn();
        FakeHost().m_Messages.clear();
        PageWith(0, 36, {1, 0});
        cDlgScript script;
        script.On("BGMの再生", [](cDlgView& dlg) {
            dlg.Choose(11222, 0);
            dlg.Press(1309);  // "BGMの停止" plays nothing
        });
        script.On("BGMの再生", [](cDlgView& dlg) {
            dlg.Choose(11222, 1);
            dlg.Press(1309);
        });
        script.On("BGMの再生", [](cDlgView& dlg) { dlg.Cancel(); });
        Edit(script);
        EXPECT_EQ(Messages(), bSoundOn ? std::vector<std::string>{"読み込み失敗！"} : std::vector<std::string>{})
            << (bSoundOn ? "on" : "off");
    }
    SoundMgr().Close();

    // With a MIDI library the BGM plays; OK, Cancel and the close box each
    // stop it.
    ASSERT_TRUE(CopyFileA(HostPath(TARVENOL_GGS4_RECORDER_DLL).c_str(), (ProgramFolder() + "GuruGuruSMF4.dll").c_str(),
                          FALSE));
    MusicOn();
    ASSERT_TRUE(SoundMgr().UsesMidiLibrary());
    for (int nWay = 0; nWay < 3; ++nWay) {
        SCOPED_TRACE(nWay);
        DeleteFileA("ggs4_calls.txt");
        PageWith(0, 36, {1, 0});
        cDlgScript script;
        script.On("BGMの再生", [](cDlgView& dlg) { dlg.Press(1309); });
        script.On("BGMの再生", [nWay](cDlgView& dlg) {
            if (nWay == 0) dlg.Ok();
            else if (nWay == 1) dlg.Cancel();
            else dlg.CloseBox();
        });
        Edit(script);
        const std::string strCalls = ReadFileText("ggs4_calls.txt");
        const size_t nPlay = strCalls.find("GGS4Play");
        ASSERT_NE(nPlay, std::string::npos) << strCalls;
        EXPECT_NE(strCalls.find("GGS4Stop", nPlay), std::string::npos) << strCalls;
        EXPECT_EQ(Messages().size(), 0u);
    }
    SoundMgr().Close();
}

TEST_F(Behaviours, ABadExpressionKeepsTheCodeDialogOpenAndWritesNothing)
{
    cTestHostPage& page = PageWith(0, 37, {});
    page.m_Commands[0].m_Text = "hp = 1";
    cDlgScript script;
    script.On("コードの実行", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1377), "hp = 1");
        dlg.Paste(1377, "C5 = (");
        dlg.Ok();
    });
    script.On("コードの実行", [&](cDlgView& dlg) {
        EXPECT_EQ(FakeHost().m_Messages.size(), 1u) << "the checker's own message";
        EXPECT_EQ(page.m_Commands[0].m_Text, "hp = 1");
        dlg.Screenshot("dialog_252");
        dlg.Paste(1377, "C5 = rand(0,5)");
        dlg.Ok();
    });
    Edit(script);
    EXPECT_EQ(page.LastResult(), 1);
    EXPECT_EQ(page.m_Commands[0].m_Text, "C5 = rand(0,5)");
}

TEST_F(Behaviours, RenamesSaveTheCommonNamesAtOnceAndReportAFailedSave)
{
    PageWith(0, 37, {});
    cDlgScript script;
    script.On("コードの実行", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1045), "001 ");
        dlg.Choose(1045, 4);
        EXPECT_EQ(dlg.SelText(1045), "005 鍵");
        dlg.Press(1378);
    });
    script.InputText("変数名の入力", "宝箱");
    script.On("コードの実行", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1045), "005 宝箱") << "the rows are rebuilt, the choice kept";
        dlg.Press(1051);
    });
    script.InputText("変数名の入力", "出口");
    script.On("コードの実行", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1049), "001 出口");
        SendDlgItemMessageA(dlg.Hwnd(), 1045, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        dlg.Press(1378);  // no variable: a beep
    });
    script.On("コードの実行", [](cDlgView& dlg) { dlg.Cancel(); });
    Edit(script);
    EXPECT_EQ(m_Counting.Name(eVarScope::Common, 5), "宝箱") << "a rename stays when the dialog is cancelled";
    EXPECT_EQ(m_Counting.Name(eVarScope::Stage, 1), "出口");
    EXPECT_EQ(m_Counting.m_nSaves, 1) << "only the common rename saves";
    EXPECT_EQ(FakeHost().m_nBeeps, 1);
    EXPECT_TRUE(FakeHost().m_Messages.empty());

    m_Counting.m_bSaveWorks = false;
    cDlgScript failing;
    failing.On("コードの実行", [](cDlgView& dlg) {
        dlg.Choose(1045, 0);
        dlg.Press(1378);
    });
    failing.InputText("変数名の入力", "体力");
    failing.On("コードの実行", [](cDlgView& dlg) { dlg.Cancel(); });
    Edit(failing);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "data\\GValInfo.dat の保存に失敗しました！");
}

TEST_F(Behaviours, TheCommonRenameWritesTheVariableInfoAsItsWriterDoesTheStageRenameNothing)
{
    ASSERT_TRUE(FileSystem().MakeFolder("data"));
    cGValInfo common(kGValCount);
    common[5].m_strName = "鍵";
    std::vector<cStageRecord> stage(kGValCount);
    cProjectVarNames names(common, stage, "data\\GValInfo.dat");
    SetVarNames(&names);
    PageWith(0, 37, {});
    cDlgScript script;
    script.On("コードの実行", [](cDlgView& dlg) {
        dlg.Choose(1049, 1);
        dlg.Press(1051);
    });
    script.InputText("変数名の入力", "扉");
    script.On("コードの実行", [](cDlgView& dlg) {
        EXPECT_FALSE(FileSystem().Exists("data\\GValInfo.dat")) << "a stage name goes with the stage";
        dlg.Choose(1045, 4);
        dlg.Press(1378);
    });
    script.InputText("変数名の入力", "宝箱");
    script.On("コードの実行", [](cDlgView& dlg) { dlg.Cancel(); });
    Edit(script);
    EXPECT_EQ(stage[2].m_strName, "扉");
    cGValInfo expected(kGValCount);
    expected[5].m_strName = "宝箱";
    ASSERT_TRUE(SaveGValInfo(expected, "expected.dat"));
    EXPECT_EQ(Hex(ReadFileBytes("data\\GValInfo.dat")), Hex(ReadFileBytes("expected.dat")));

    // A save refused under the fatal-error flag is told once.
    SetFatalError();
    cDlgScript refused;
    refused.On("コードの実行", [](cDlgView& dlg) {
        dlg.Choose(1045, 0);
        dlg.Press(1378);
    });
    refused.InputText("変数名の入力", "体力");
    refused.On("コードの実行", [](cDlgView& dlg) { dlg.Cancel(); });
    Edit(refused);
    ClearFatalErrorForTests();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("data\\GValInfo.dat を保存できませんでした！", 0), 0u) << Messages()[0];
    SetVarNames(&m_Counting);
}

TEST_F(Behaviours, ArrangeListsFollowTheTargetKindAndTheVariableKind)
{
    PageWith(0, 38, {2, 1, 0, 0, 1});
    cDlgScript script;
    script.On("アレンジ", [](cDlgView& dlg) {
        // A refresh that leaves every item source as it was builds no rows.
        const cBoundDlg* lpDlg = static_cast<const cBoundDlg*>(GetPropA(dlg.Hwnd(), "DLG_CLASS"));
        ASSERT_TRUE(lpDlg);
        const u32 nRefills = lpDlg->RefillCount();
        dlg.Choose(1174, 2);
        dlg.Choose(1470, 1);
        EXPECT_EQ(lpDlg->RefillCount(), nRefills);
        dlg.Choose(1473, 0);  // ウエイト has nothing to arrange
        EXPECT_EQ(dlg.Rows(1470), (std::vector<std::string>{"×　非対応"}));
        for (int nId : {1471, 1472, 1174, 1050}) EXPECT_FALSE(dlg.Enabled(nId)) << nId;
        dlg.Choose(1473, 4);  // 突撃移動
        EXPECT_EQ(dlg.Rows(1470).size(), 6u);
        EXPECT_EQ(dlg.Rows(1470)[0], "目標のズレX(bl)");
        for (int nId : {1471, 1472, 1174, 1050}) EXPECT_TRUE(dlg.Enabled(nId)) << nId;
        dlg.Choose(1471, 1);
        EXPECT_EQ(dlg.SelText(1472), "001 扉");
        dlg.Press(1050);
    });
    script.InputText("変数名の入力", "門");
    script.On("アレンジ", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1472), "001 門");
        dlg.Choose(1471, 2);
        EXPECT_FALSE(dlg.Enabled(1050));
        dlg.Screenshot("dialog_279");
        dlg.Ok();
    });
    Edit(script);
    EXPECT_EQ(Params(m_lpPage->m_Commands[0]), (std::vector<s32>{5, 0, 2, 2, 1}));
    EXPECT_EQ(m_Counting.m_nSaves, 0) << "the arrange dialog's renames are not saved at once";
}

TEST_F(Behaviours, FlowChangeRunsItsFlowPageOnTheCommandsFlows)
{
    cTestHostPage& page = PageWith(1, 1, {0, 0});
    // "フローの設定" on a command without flows gives it one, even when the page
    // is cancelled.
    cDlgScript first;
    first.On("フローの変更", [](cDlgView& dlg) {
        EXPECT_TRUE(dlg.Enabled(1179));
        dlg.Press(1179);
    });
    first.On("フローデータ", [](cDlgView& flows) {
        EXPECT_TRUE(flows.Enabled(1096)) << "an add leaves the ID open";
        flows.Cancel();
    });
    first.On("フローの変更", [](cDlgView& dlg) { dlg.Cancel(); });
    Edit(first);
    ASSERT_EQ(page.m_Commands[0].m_SubFlows.size(), 1u);
    EXPECT_TRUE(page.m_Commands[0].m_SubFlows[0].m_Commands.empty());

    // A change of flow C: the page's OK writes its flows, the ID is C and
    // locked; 217's own Cancel keeps them.
    cDlgScript second;
    second.On("フローの変更", [](cDlgView& dlg) {
        dlg.Choose(1178, 1);
        dlg.Choose(1096, 3);
        dlg.Press(1179);
    });
    second.On("フローデータ", [](cDlgView& flows) {
        EXPECT_EQ(flows.SelText(1096), "C");
        EXPECT_FALSE(flows.Enabled(1096));
        flows.Press(1068);
    });
    second.On("コマンド", [](cDlgView& palette) { palette.Press(1275); });
    second.On("向き変更", [](cDlgView& dlg) { dlg.Ok(); });
    second.On("フローデータ", [](cDlgView& flows) {
        flows.Screenshot("flow_page_201");
        flows.Ok();
    });
    second.On("フローの変更", [](cDlgView& dlg) {
        dlg.Screenshot("dialog_217");
        dlg.Cancel();
    });
    Edit(second);
    ASSERT_EQ(page.m_Commands[0].m_SubFlows.size(), 1u);
    const cEdFlow& flow = page.m_Commands[0].m_SubFlows[0];
    EXPECT_EQ(flow.m_nGroup, 3);
    ASSERT_EQ(flow.m_Commands.size(), 1u);
    EXPECT_EQ(flow.m_Commands[0].m_nSet, 0);
    EXPECT_EQ(flow.m_Commands[0].m_nKind, 9);
    EXPECT_EQ(Params(page.m_Commands[0]), (std::vector<s32>{0, 0})) << "217's Cancel wrote nothing of its own";

    // The page's Cancel writes nothing.
    cDlgScript third;
    third.On("フローの変更", [](cDlgView& dlg) { dlg.Press(1179); });
    third.On("フローデータ", [](cDlgView& flows) {
        flows.Press(1069);
        flows.Cancel();
    });
    third.On("フローの変更", [](cDlgView& dlg) { dlg.Ok(); });
    Edit(third);
    EXPECT_EQ(page.m_Commands[0].m_SubFlows[0].m_Commands.size(), 1u);
}

}  // namespace
