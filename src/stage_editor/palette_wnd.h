#pragma once
// A palette window of the stage editor: one per palette side (common,
// stage) and entry kind (block, chara, item). Until the palette windows are
// built in full, this one lists the palette's entries by number and name,
// picks the chosen entry as a one-cell pen with the project's inherit
// default, and chooses the drawing tool with the commands of the real
// toolbar (40044 to 40047 and 40087). The user never closes it; it keeps
// its place in the editor settings.
#include "framework/dlg_base.h"

class cEdBlock;
class cEdChara;
class cEdItem;
class cWndGroup;
class cWndPos;
class cStageEditWnd;

class cPaletteWnd : public cDlgBase {
public:
    // dwSide 0 common, 1 stage; dwKind 0 block, 1 chara, 2 item.
    cPaletteWnd(cStageEditWnd* lpStage, cWndList* lpRegistry, u32 dwSide, u32 dwKind, cWndPos* lpPlace);
    ~cPaletteWnd() override;

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The list shows the palette as it stands.
    void RedrawPane();
    // The tool buttons show the edit state's tool.
    void ShowTool();
    // After the entry's data window closed: the edited entry is the pen.
    void PickEdited();

    u32 GetSide() const { return m_dwSide; }
    u32 GetKind() const { return m_dwKind; }
    cWndPos& Placement() const { return *m_lpPlace; }

    // The palette's open data window (the data windows are still to come).
    cWndGroup* m_lpDataWnd = nullptr;

private:
    void PickPen(s32 nIndex);
    size_t Count() const;

    cStageEditWnd* m_lpStage;
    u32 m_dwSide;
    u32 m_dwKind;
    cWndPos* m_lpPlace;
};
