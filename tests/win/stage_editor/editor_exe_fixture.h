#pragma once
// The real Tarvenol.exe on a copy of the sample project whose last stage is a
// fixture stage, with the helpers its tests share.
#include <gtest/gtest.h>
#include "app/file_system.h"
#include "data/edit_config.h"
#include "data/project_loader.h"
#include "data/project_paths.h"
#include "editor_session.h"
#include "resource.h"
#include "sample_project.h"
#include "stage_editor/engine/new_stage.h"
#include "stage_editor/engine/stage_settings_rules.h"
#include "stage_editor/engine/undo.h"
#include "stage_editor/engine/view_rules.h"
#include "support/test_env.h"
#include "support/win32/dialog_driver.h"
#include "support/win32/win_test.h"


inline const char* const kFixture = "data\\stg4\\fixture.stg4_950";
inline const char* const kTitle = "Tarvenol  data\\stg4\\fixture.stg4_950";
inline const char* const kExpected = "expected.stg4_950";
// The stage palette's slime, which the fixture puts into chara group 12.
constexpr u16 kSlime = 2;

inline bool WaitFor(const std::function<bool()>& done, DWORD dwTimeoutMs = 10000)
{
    const DWORD dwStart = GetTickCount();
    while (!done()) {
        if (GetTickCount() - dwStart >= dwTimeoutMs) return false;
        Sleep(20);
    }
    return true;
}

// Types a name into the file-name box of the editor's file dialog and
// presses OK.
inline void ChooseFileName(HWND hDlg, const std::string& strName)
{
    HWND hName = GetDlgItem(hDlg, 0x47C);
    HWND hEdit = hName ? FindWindowExA(hName, nullptr, "Edit", nullptr) : nullptr;
    SendMessageA(hEdit ? hEdit : hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strName.c_str()));
    ClickButton(hDlg, IDOK);
}

// The text of a control of another process (GetWindowText reads only
// captions there).
inline std::string RemoteText(HWND hDlg, int nId)
{
    char buf[512] = "";
    SendDlgItemMessageA(hDlg, nId, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
}

class StageEditorExe : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        std::string strError;
        ASSERT_TRUE(MakeSampleProject("project", strError, true)) << strError;
        ASSERT_TRUE(FileSystem().SetCurrentFolder("project"));
        ASSERT_TRUE(FileSystem().GetCurrentFolder(m_strProject));
        ASSERT_TRUE(LoadProjectData());
        MakeFixtureStage();
        WriteSettings();
    }
    void TearDown() override
    {
        RemoveProjectContext();
        g_Stage.New();
        cCoreTest::TearDown();
    }

    // The sample's default stage, 15 rows higher at the top, with its slimes
    // in chara group 12, facing as they were placed.
    void MakeFixtureStage()
    {
        ASSERT_TRUE(g_Stage.LoadFile("data\\stg4\\Default.stg4_950"));
        ASSERT_TRUE(g_Stage.SetSize(40, 30, 0, 1));
        cEdChara& slime = g_Stage.m_Palette.m_vChara[kSlime];
        slime.m_cHasGroup = 1;
        slime.m_wGroupNo = 12;
        for (cEdChara& c : g_Stage.m_vCharaGrid)
            if (c.m_wGraphic == slime.m_wGraphic) {
                c.m_cHasGroup = 1;
                c.m_wGroupNo = 12;
                // Their facing is their own: the flip key turns them.
                if (c.m_bbInherit.size() > 5) c.m_bbInherit[5] = 0;
            }
        ASSERT_TRUE(g_Stage.SaveFile(kFixture));
    }
    // The fixture as the last stage; the stage window at the screen's corner
    // with its view at full size; every palette window and the group window
    // shown.
    static void WriteSettings()
    {
        cEditConfig config;
        config.m_strLastStage = kFixture;
        config.m_WndPos[0].m_dwValid = 1;
        config.m_WndPos[0].m_nWidth = 640;
        config.m_WndPos[0].m_nHeight = 480;
        for (u32 i = 1; i <= 7; ++i) {
            cWndPos& p = config.m_WndPos[i];
            p.m_dwValid = 1;
            p.m_nX = 720;
            p.m_nY = i == 7 ? 520 : 20 + static_cast<s32>(i % 2) * 250;
            p.m_dwVisible = 1;
        }
        FileSystem().MakeFolder("e_data");
        ASSERT_TRUE(config.SaveFile(g_strPath[kPathEditConfig]));
    }
    // The stage as the core writes it after the mirror's edits.
    static std::vector<u8> Expected()
    {
        EXPECT_TRUE(g_Stage.SaveFile(kExpected));
        return ReadFileBytes(kExpected);
    }
    static void Load(cMirror& mirror)
    {
        ASSERT_TRUE(OpenLastStage(g_Stage, kFixture));
        mirror.Begin();
    }
    // The palette windows' tool command, as their toolbar sends it.
    void Tool(cEditorSession& s, cMirror& m, s32 nTool)
    {
        static const u16 kCommands[kTools] = {40044, 40045, 40046, 40047, 40087};
        HWND hPalette = s.Window("[ステージ]ブロックパレット");
        ASSERT_TRUE(hPalette);
        PostMessageA(hPalette, WM_COMMAND, kCommands[nTool], 0);
        s.Settle();
        m.State().SetTool(nTool);
    }
    void ClickBoth(cEditorSession& s, cMirror& m, s32 x, s32 y, bool bShift = false)
    {
        s.Click(x, y, bShift);
        m.Click(x, y, bShift);
    }
    void DragBoth(cEditorSession& s, cMirror& m, s32 x0, s32 y0, s32 x1, s32 y1, bool bRight, bool bShift = false)
    {
        s.Drag(x0, y0, x1, y1, bRight, bShift);
        m.Drag(x0, y0, x1, y1, bRight, bShift);
    }
    // Runs the stage options dialog from the menu: depth and wheel typed and
    // chosen, then OK or Cancel.
    static void StageOptions(cEditorSession& s, const char* lpDepth, int nWheel, int nButton)
    {
        s.Menu({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, 'O'});
        HWND hDlg = s.Window("ステージオプション");
        ASSERT_TRUE(hDlg);
        SetDlgItemTextA(hDlg, 1036, lpDepth);
        SendDlgItemMessageA(hDlg, 1288, CB_SETCURSEL, static_cast<WPARAM>(nWheel), 0);
        s.Settle();
        if (nButton == IDC_OK) HoldForScreenshot(hDlg);
        ClickButton(hDlg, nButton);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(hDlg); }));
        s.Settle();
    }
    // Closes the stage window as its close box does and answers the save
    // question.
    static void CloseAnswering(cEditorSession& s, int nAnswer)
    {
        PostMessageA(s.Stage(), WM_SYSCOMMAND, SC_CLOSE, 0);
        std::string strText;
        HWND hBox = s.Process().WaitForMessageBox("保存確認", strText);
        ASSERT_TRUE(hBox);
        EXPECT_EQ(strText, "ステージが変更された可能性があります。\n保存しますか？");
        cEditorProcess::Answer(hBox, nAnswer);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(hBox); }));
    }

    std::string m_strProject;
};
