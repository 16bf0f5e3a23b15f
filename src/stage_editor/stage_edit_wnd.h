#pragma once
// The stage editor window (dialog 104): the view of the stage with its
// scroll bars, the main menu, the toolbar and the status bar. It routes the
// mouse to the placement tools, runs the commands of the menu, the toolbar
// and accelerator table 105, and is the hub of the editor: it owns the six
// palette windows and the chara group window, opens every other editing
// window, and each of those calls one of its return points when it closes.
// Closing it asks the save questions and ends the editor.
//
// The window edits the stage (g_Stage) and the edit state (g_EditState) in
// place; it owns no stage data.
#include <functional>
#include <memory>

#include "framework/dlg_base.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/stage_files.h"
#include "stage_editor/engine/stage_tools.h"

class cCharaGroupWnd;
class cDatabaseDlg;
class cPaletteWnd;
class cWndGroup;
class cWorldMapWnd;
class cWndPos;

// The stage editor's dialog and its view.
constexpr u16 kIddStageEdit = 104;
constexpr u16 kIdcView = 1006;

// The editor settings' placement records: the stage window, the six
// palette windows, the chara group window (then the world map's).
enum ePlacement : u32 {
    kPlaceStage = 0,
    kPlacePalette = 1,  // 1 to 6, in the palettes' order
    kPlaceGroup = 7,
};

// What the stage window needs of the program around it; the top-level
// window fills it in.
struct cProgramHooks {
    // The game program that test play starts; false when there is none.
    bool (*lpFindGame)(std::string& strPath) = nullptr;
    // The program waits for messages until it is activated again.
    void (*lpDeactivate)() = nullptr;
};
extern cProgramHooks g_ProgramHooks;

class cStageEditWnd : public cDlgBase, public cEditUi {
public:
    // The six palette windows, in the order they are made and their
    // placement records.
    enum {
        kCommonBlock,
        kStageBlock,
        kCommonChara,
        kStageChara,
        kCommonItem,
        kStageItem,
        kPaletteCount,
    };
    static constexpr int PaletteOf(u32 dwSide, s32 nLayer) { return nLayer * 2 + static_cast<int>(dwSide); }

    cStageEditWnd(cWndBase* lpParent, cWndList* lpRegistry);
    ~cStageEditWnd() override;

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Drag auto-scroll with the mouse outside the view.
    void OnFrame() override;
    void OnDraw() override { Redraw(); }
    // The view: the stage's entries, the grid, the marks and the cursor.
    void Redraw();

    // The palette windows and the group window, made anew.
    virtual void CreatePaletteWindows();
    // This window, and the current layer's palette windows (and on the chara
    // layer the group window) whose flags say so; none without a stage.
    void ShowLayerWindows();
    void HideAll();
    void EnableAll(bool bEnable);
    // The names the top-level window uses.
    virtual void ShowWindows() { ShowLayerWindows(); }
    virtual void HideWindows() { HideAll(); }
    void MinimizeAll();
    // The save questions before the editor closes; false when the user
    // cancels or a save fails.
    bool AskSaveOnClose();
    void UpdateTitle();
    // Menu items and toolbar buttons, all of them or the undo pair.
    void UpdateMenus();
    void UpdateUndoButtons();

    // The stage saved by overwriting its file (bOverwrite) or to a file the
    // user chooses (stage_files_wnd.cpp).
    eStageSave SaveStage(bool bOverwrite);
    bool SaveCommonPalette();

    // Return points of the windows that the stage window opens.
    void OnStageSettingsClosed();
    void OnWorldMapClosed();
    void OnDatabaseClosed();
    void RefreshAfterSettings();
    void OnProjectOptionsClosed();
    void OnBlockEditorClosed() { OnEntryEditorClosed(); }
    void OnCharaEditorClosed() { OnEntryEditorClosed(); }
    void OnItemEditorClosed() { OnEntryEditorClosed(); }
    // The data window of the entry the edit state points to (of a layer's
    // kind); closing it runs the kind's return point.
    void RunEntryEditor(s32 nLayer);

    // What the edit state tells the windows.
    void LayerChanged() override;
    void ToolChanged() override;
    void HistoryChanged() override { UpdateUndoButtons(); }
    void RedrawPanes() override;
    void SetWaitCursor(bool bWait) override;
    void OpenEntryAtCursor() override;
    void FocusView() override;

    cDatabaseDlg* DatabaseWnd() const;
    cPaletteWnd* Palette(int n) const { return m_lpPalette[n]; }
    cCharaGroupWnd* GroupWnd() const { return m_lpGroupWnd; }
    s32 GetScrollX() const { return m_nScrollX; }
    s32 GetScrollY() const { return m_nScrollY; }
    // The placement record of a window of the editor settings.
    static cWndPos& Placement(u32 dwRecord);

    cPaletteWnd* m_lpPalette[kPaletteCount] = {};
    cWorldMapWnd* m_lpWorldMapWnd = nullptr;
    // The database window (a cDatabaseDlg); the registry clears the field
    // when its sheet has finished.
    cWndGroup* m_lpDatabaseWnd = nullptr;
    cWndGroup* m_lpWaitSheet = nullptr;
    // The stage settings window (a cStageSettingWnd) while its sheet is open.
    cWndGroup* m_lpSettingWnd = nullptr;
    u32 m_bMinimized = 0;

private:
    using tCommand = void (cStageEditWnd::*)();
    struct cCommand {
        u16 wId;
        bool bNeedsStage;
        tCommand lpHandler;
    };
    static const cCommand s_aCommands[];

    void CreateToolbar();
    void PlaceInitially();
    void StartAtPlayer();
    void OnSize();
    void OnScroll(bool bVertical);
    void OnWheel(WPARAM wParam);
    void OnMouse(UINT uMsg, WPARAM wParam, LPARAM lParam);
    bool OnKeyDown(WPARAM wParam);
    void OnDestroy();
    void ReadScrollPos();
    cViewport Viewport() const;
    void SetScrollOrigin(s32 x, s32 y);
    void OnEntryEditorClosed();

    // Commands (stage_commands.cpp).
    void CmdNewStage();
    void CmdOpenStage();
    void CmdCloseStage();
    void CmdSave();
    void CmdSaveAs();
    void CmdSaveCommon();
    void CmdUndo();
    void CmdRedo();
    void CmdLayerBlock() { SwitchToLayer(kLayerBlock); }
    void CmdLayerChara() { SwitchToLayer(kLayerChara); }
    void CmdLayerItem() { SwitchToLayer(kLayerItem); }
    void CmdClearAll();
    void CmdClearBlocks();
    void CmdClearCharas();
    void CmdClearItems();
    void CmdShowCommon() { TogglePaletteWindows(0); }
    void CmdShowStage() { TogglePaletteWindows(1); }
    void CmdShowGroups();
    void CmdStageSettings();
    void CmdLoadPalette();
    void CmdSavePalette();
    void CmdStageOptions();
    void CmdDatabase();
    void CmdWorldMap();
    void CmdSystem();
    void CmdProjectOptions();
    void CmdTestPlay();
    void CmdTestPlayGame();
    void CmdBitmapTool();

    void SwitchToLayer(s32 nLayer);
    void ClearData(u32 dwMask, const char* lpQuestion);
    void TogglePaletteWindows(u32 dwSide);
    void SaveBoth(bool bOverwrite);
    // The stage of a file the user chooses; true when it was loaded.
    bool OpenStage();
    void StartTestPlay(bool bWhole);
    // After a new stage, an opened stage or a stage palette: the history
    // sized for the stage and the window rebuilt around it.
    void AfterStageReplaced();
    // Asks the frame to rebuild this window around the stage.
    void RequestRebuild();
    // A window that later work builds: shown until the user closes it,
    // then the return point runs.
    void RunStandIn(const char* lpTitle, bool bHideOthers, const std::function<void()>& onClosed);
    void SaveSettings();

    std::unique_ptr<cStageTools> m_lpTools;
    cCharaGroupWnd* m_lpGroupWnd = nullptr;
    s32 m_nScrollX = 0;
    s32 m_nScrollY = 0;
    u32 m_bReady = 0;
    HMENU m_hMenu = nullptr;
};
