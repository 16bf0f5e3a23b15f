#pragma once
// The parameter dialogs of the commands: one descriptor per command kind,
// run by one function for both command sets.
//
// A descriptor names the kind, the dialog template, the binding rows, the
// sub-records the kind needs, the refresh rule and the behaviours; ranges,
// names and new-command values of the parameters come from the command
// parameter table (flow/cmd_params.h). A kind whose dialog needs code of its
// own gives a create function for its class, derived from cCmdDlgBase.
//
// A descriptor is listed in one of the groups below; RunCommandDialog finds
// it by the command's (set, kind): item-effect kind k >= 2 is flow kind
// k + 15, item-effect kind 1 has its own.
#include <memory>

#include "command_editor/bound_dlg.h"
#include "command_editor/edit_ctx.h"

class cEdMove;
class cEdShot;
class cCondList;

// Sub-records a kind binds.
enum : u32 {
    kNeedMove = 1,
    kNeedShot = 2,
    kNeedCondList = 4,
};

// The sub-records a dialog binds: the command's own, or defaults held by the
// dialog until OK stores them.
struct cSubRecords {
    std::shared_ptr<cEdMove> m_pMove;
    std::shared_ptr<cEdShot> m_pShot;
    std::shared_ptr<cCondList> m_pCondList;
};

class cCmdDlgBase;
struct cCmdDlgDesc;
using fnCreateCmdDlg = cCmdDlgBase* (*)(const cCmdDlgDesc& desc, cWndBase* lpParent, const cCmdEditCtx& ctx);

struct cCmdDlgDesc {
    u8 m_nSet = 0;   // 0: a flow kind (item-effect kinds from 2 reach it too); 1: item-effect kind 1
    u8 m_nKind = 0;
    cBoundDesc m_Bound;
    u32 m_dwNeeds = 0;
    // The values of sub-records made for this kind (a new command's, or the
    // defaults held for a command that lacks them).
    void (*m_pfnNewRecords)(cSubRecords& records) = nullptr;
    // The values a new command gets in its own fields (its time, anime,
    // sound and so on) beyond those of the parameter table.
    void (*m_pfnNewCommand)(cCommand& cmd) = nullptr;
    // The window title is the kind's name rather than the template's.
    bool m_bKindTitle = false;
    fnCreateCmdDlg m_pfnCreate = nullptr;

    cCmdDlgDesc Refresh(fnRefresh pfnRefresh) const { cCmdDlgDesc d = *this; d.m_Bound.m_pfnRefresh = pfnRefresh; return d; }
    template <size_t N>
    cCmdDlgDesc With(const cBehaviour* const (&behaviours)[N]) const
    {
        cCmdDlgDesc d = *this;
        d.m_Bound.m_lpBehaviours = behaviours;
        d.m_Bound.m_nBehaviours = static_cast<u32>(N);
        return d;
    }
    cCmdDlgDesc Needs(u32 dwNeeds, void (*pfnNewRecords)(cSubRecords&) = nullptr) const
    {
        cCmdDlgDesc d = *this;
        d.m_dwNeeds = dwNeeds;
        d.m_pfnNewRecords = pfnNewRecords;
        return d;
    }
    cCmdDlgDesc Locals(s32 n0, s32 n1 = 0, s32 n2 = 0, s32 n3 = 0) const
    {
        cCmdDlgDesc d = *this;
        const s32 an[4] = {n0, n1, n2, n3};
        for (int i = 0; i < 4; ++i) d.m_Bound.m_anLocals[i] = an[i];
        return d;
    }
    cCmdDlgDesc NewCommand(void (*pfnNewCommand)(cCommand&)) const
    {
        cCmdDlgDesc d = *this;
        d.m_pfnNewCommand = pfnNewCommand;
        return d;
    }
    cCmdDlgDesc KindTitle() const { cCmdDlgDesc d = *this; d.m_bKindTitle = true; return d; }
    cCmdDlgDesc Create(fnCreateCmdDlg pfnCreate) const { cCmdDlgDesc d = *this; d.m_pfnCreate = pfnCreate; return d; }
};

inline cCmdDlgDesc CmdDlg(u8 nSet, u8 nKind, u16 wDlgId, const cBindRow* lpRows, u32 nRows)
{
    cCmdDlgDesc d;
    d.m_nSet = nSet;
    d.m_nKind = nKind;
    d.m_Bound.m_wDlgId = wDlgId;
    d.m_Bound.m_lpRows = lpRows;
    d.m_Bound.m_nRows = nRows;
    return d;
}
template <size_t N>
cCmdDlgDesc CmdDlg(u8 nSet, u8 nKind, u16 wDlgId, const cBindRow (&rows)[N])
{
    return CmdDlg(nSet, nKind, wDlgId, rows, static_cast<u32>(N));
}
template <size_t N>
cCmdDlgDesc CmdDlg(u8 nSet, u8 nKind, u16 wDlgId, const std::array<cBindRow, N>& rows)
{
    return CmdDlg(nSet, nKind, wDlgId, rows.data(), static_cast<u32>(N));
}

class cCmdDlgBase : public cBoundDlg {
public:
    // Sizes the command's parameters to its kind; a new command gets the
    // kind's values and fresh sub-records, an existing one that lacks a
    // sub-record binds a default held by the dialog.
    cCmdDlgBase(const cCmdDlgDesc& desc, cWndBase* lpParent, const cCmdEditCtx& ctx);

    cCommand* EditedCommand() override { return m_Ctx.m_pCmd; }
    const cCmdEditCtx& Ctx() const { return m_Ctx; }
    const cCmdDlgDesc& CmdDesc() const { return m_CmdDesc; }

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

protected:
    cItemSource DefaultItems(const cBindRow& row) const override;
    cRefreshFacts Facts() const override;
    void StoreResult() override;

private:
    static cBoundDesc WithParamRanges(const cCmdDlgDesc& desc, const cCommand& cmd);
    void PrepareRecords();

    cCmdDlgDesc m_CmdDesc;
    cCmdEditCtx m_Ctx;
    std::vector<cBindRow> m_Rows;  // the descriptor's rows with the parameters' ranges and bases
    cSubRecords m_Held;            // defaults for sub-records the command lacks
};

// A group of descriptors: each dialog issue lists its kinds in a group of its
// own.
struct cCmdDlgGroup {
    const cCmdDlgDesc* const* m_lpDescs = nullptr;
    u32 m_nCount = 0;
};
extern const cCmdDlgGroup g_FrameCmdDialogs;     // direction, jump, sound, BGM, code, arrange, loop, flow change
extern const cCmdDlgGroup g_MoveCmdDialogs;      // wait, moves, move disable
extern const cCmdDlgGroup g_VisualCmdDialogs;    // status 2, vanish, item, graphic, anime, effects, picture, colour, background
extern const cCmdDlgGroup g_ShotCmdDialogs;      // shot, sword, summons, message, warp, target, status operation
extern const cCmdDlgGroup g_FlowOpCmdDialogs;    // flow operation, stage clear, game wait

// The descriptor of a stored (set, kind), or null when the kind has no
// dialog (yet).
const cCmdDlgDesc* FindCmdDialog(u32 nSet, u32 nKind);
// Runs the parameter dialog of the context's command modally: its result (1
// OK, 0 Cancel or the close box). A kind without a dialog beeps and gives 0,
// the command untouched. lpSlot, when given, holds the running dialog.
int RunCommandDialog(cWndBase* lpParent, const cCmdEditCtx& ctx, cCmdDlgBase** lpSlot = nullptr);
