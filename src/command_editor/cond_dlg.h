#pragma once
// The condition chooser and the condition dialogs. A page with a condition
// list runs the chooser on a condition: one button per condition kind, which
// stamps the kind into the condition and runs the kind's dialog; the
// chooser closes with that dialog's result. An existing condition goes
// straight to the dialog of its kind, which then can't change; a stored kind
// without a dialog beeps and gives 0, the condition untouched.
//
// The seven condition dialogs are descriptors run by one function on the
// frame's engine (bound_dlg.h), each bound to the fields of its condition; a
// new condition first gets its kind's values.
#include <vector>

#include "command_editor/bound_dlg.h"
#include "command_editor/edit_ctx.h"
#include "controls/ctrl.h"
#include "flow/cond_item.h"
#include "framework/dlg_base.h"

struct cCondEditCtx {
    cCondItem* m_pItem = nullptr;
    u32 m_bNew = 0;               // 1 when the list has just inserted the condition
    // Not 0: the distance condition may be chosen whatever layer the stage
    // editor shows (a chara's flow page 1, the flow operation 2).
    u32 m_bDistanceOk = 0;
    u32 m_bSelfSubject = 0;       // a chara's conditions: subjects start with "自分", else "主人公"
    cCtrl* m_lpAnchor = nullptr;  // the condition list: the dialogs are centred on it
    cEditHost* m_lpHost = nullptr;
};

struct cCondDlgDesc {
    u8 m_nKind = 0;
    cBoundDesc m_Bound;
    // The kind's values written into a new condition.
    void (*m_pfnNew)(cCondItem& item) = nullptr;
    // The subject combos whose rows the page decides, with "システム" or not.
    u16 m_awSubjects[2] = {0, 0};
    bool m_bSystemSubject = false;
};

class cCondDlgBase : public cBoundDlg {
public:
    cCondDlgBase(const cCondDlgDesc& desc, cWndBase* lpParent, const cCondEditCtx& ctx);
    const cCondEditCtx& Ctx() const { return m_Ctx; }

protected:
    cItemSource DefaultItems(const cBindRow& row) const override;

private:
    const cCondDlgDesc& m_CondDesc;
    cCondEditCtx m_Ctx;
};

// The descriptor of a condition kind, or null when the kind has none.
const cCondDlgDesc* FindCondDialog(u32 nKind);
// The dialog of the context's condition kind, modally: 1 OK, 0 Cancel or the
// close box; a kind without a dialog beeps and gives 0.
int RunCondDialog(cWndBase* lpParent, const cCondEditCtx& ctx);

// Dialog 170 "条件".
class cCondEntryDlg : public cDlgBase {
public:
    static constexpr u16 kIdPicture = 1006;
    static constexpr u16 kFirstButton = 1267;
    static constexpr u16 kDistanceButton = 1273;
    static constexpr u32 kKinds = 7;

    cCondEntryDlg(cWndBase* lpParent, const cCondEditCtx& ctx);
    ~cCondEntryDlg() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    void Finish(int nResult);

    cCondEditCtx m_Ctx;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Buttons;
    u32 m_bDone = 0;
};

// The chooser on the context's condition, owned by the page: its result.
int RunCondChooser(cWndBase* lpOwner, const cCondEditCtx& ctx);

// What a page with a condition list does around the chooser: editing a row
// runs it on that condition; inserting puts a default condition before the
// row, runs the chooser on it and removes it again when the run gives 0. A
// list at its maximum beeps and opens nothing. The context gives the flags,
// the anchor and the host; its condition and new flag are the list's.
constexpr size_t kMaxConditions = 99;
int EditCondInList(cCondItems& items, size_t nRow, cWndBase* lpOwner, cCondEditCtx ctx);
int InsertCondInList(cCondItems& items, size_t nRow, cWndBase* lpOwner, cCondEditCtx ctx,
                     size_t nMax = kMaxConditions);
