#pragma once
// The top-level window: the invisible anchor of the editor. It owns the
// stage editor window, receives the application's activation, restores and
// minimises the editor's windows together, asks before quitting, stops the
// worker thread and ends the message loop when it is destroyed, hears the
// game program's end of a test play and rebuilds the stage editor window on
// request.
#include <memory>

#include "framework/wnd_base.h"

class cStageEditWnd;

// The editor's top-level window class.
extern const char* const kMainWindowClass;

// The base of top-level windows: its processing calls OnCreate on WM_CREATE.
class cTopWndBase : public cWndBase {
public:
    LRESULT DefaultProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    virtual void OnCreate(WPARAM, LPARAM) {}
};

class cMainWnd : public cTopWndBase {
public:
    cMainWnd();
    ~cMainWnd() override;

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnCreate(WPARAM wParam, LPARAM lParam) override;
    // Binds the object to its window; the top-level window is never listed
    // in the registry.
    void Attach(u16 wResId, HWND hParent, cWndList* lpRegistry);
    void CreateStageWindow();
    // Deletes and re-creates the stage editor window, keeping the stage path.
    void RebuildStageWindow(WPARAM wKeep);
    void RestoreWindows();

    cStageEditWnd* GetStageWnd() const { return m_lpStageWnd.get(); }
    // Deletes the stage editor window.
    void DeleteStageWnd();
    u32 GetCurEditor() const { return m_dwCurEditor; }
    void SetCurEditor(u32 dwEditor) { m_dwCurEditor = dwEditor; }

private:
    void OnActivateApp(WPARAM wParam, LPARAM lParam);
    void OnCopyData(const COPYDATASTRUCT* lpData);

    u32 m_bFirstMessage = 0;
    std::unique_ptr<cStageEditWnd> m_lpStageWnd;
    u32 m_dwCurEditor = 0;  // 0 the stage editor, 1 the world-map editor
};

extern cMainWnd g_MainWnd;
// The stage editor window (null before start-up made it).
cStageEditWnd* StageWnd();

// The registered procedure of the top-level window class.
LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
