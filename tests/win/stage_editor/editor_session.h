#pragma once
// The real Tarvenol.exe on a sample project, driven by the mouse and the
// keyboard (SendInput) at cells of its stage view, and a mirror of the same
// input on the project's stage in this process: the engine applies what the
// editor's windows received, so that the files both write can be compared.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "data/project_data.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/stage_tools.h"
#include "support/win32/editor_process.h"

// The editor: its stage window, view, toolbar and palette windows.
class cEditorSession {
public:
    // Starts the editor in the folder and waits for its stage window with
    // the title.
    bool Start(const std::string& strFolder, const std::string& strTitle);
    // The stage window again, by its title, once the editor has built it
    // anew (as it does for a new, opened or closed stage and a loaded stage
    // palette).
    bool Attach(const std::string& strTitle);
    cEditorProcess& Process() { return m_Editor; }
    HWND Stage() const { return m_hStage; }
    HWND Toolbar() const { return m_hToolbar; }
    // A window of the editor by its title (null when there is none).
    HWND Window(const char* lpTitle, DWORD dwTimeoutMs = 5000) { return m_Editor.WaitForWindow(nullptr, lpTitle, dwTimeoutMs); }

    // Lets the editor take in everything sent so far.
    void Settle();
    // The centre of a cell of the stage (the view scrolled by the editor's
    // own scroll bars), on the screen.
    POINT CellPoint(s32 x, s32 y) const;
    // Buttons pressed and released at cells; with bShift, Shift is held from
    // the last move to the release.
    void Click(s32 x, s32 y, bool bShift);
    void Drag(s32 x0, s32 y0, s32 x1, s32 y1, bool bRight, bool bShift);
    // A right-button pick from one cell to another with a key pressed
    // before the button is let go.
    void PickWithKey(s32 x0, s32 y0, s32 x1, s32 y1, WORD vk);
    // A toolbar button clicked by its command.
    void ClickToolbar(u16 wCommand);
    // The left button pressed and released at a point of the screen.
    void ClickAt(POINT pt);
    // The centre of an entry's icon in a palette window (eight 32 x 32 icons
    // to a row, scrolled by the window's own scroll bar), on the screen.
    static POINT PaletteIcon(HWND hPalette, s32 nIndex);
    void Keys(std::initializer_list<WORD> keys);
    // A menu command from the keyboard: Alt, then the keys that reach the
    // item (the mouse kept away from where the menus open).
    void Menu(std::initializer_list<WORD> keys);
    // The wheel turned over the view by notches (+ forward).
    void Wheel(int nNotches, bool bCtrl);
    s32 ScrollPos(bool bVertical) const;
    // A toolbar button's state (the menus of another process can't be read
    // under Wine).
    LRESULT ButtonState(u16 wId) const;

private:
    void MoveTo(POINT pt);
    cEditorProcess m_Editor;
    HWND m_hStage = nullptr;
    HWND m_hView = nullptr;
    HWND m_hToolbar = nullptr;
};

// The same input applied by the engine to this process's stage (g_Stage).
class cMirror {
public:
    // After the stage was loaded: the view where the editor starts it.
    void Begin();
    void Click(s32 x, s32 y, bool bShift);
    void Drag(s32 x0, s32 y0, s32 x1, s32 y1, bool bRight, bool bShift);
    void PickWithKey(s32 x0, s32 y0, s32 x1, s32 y1, WORD vk);
    cEditState& State() { return m_State; }
    cStageTools& Tools() { return m_Tools; }
    cViewport& View() { return m_View; }

private:
    void Send(eMouseMsg eMsg, s32 x, s32 y, bool bLeft, bool bShift);
    cEditState m_State;
    cStageTools m_Tools{m_State, g_Stage};
    cViewport m_View;
};
