#include "command_editor/cmd_list_edit.h"

#include "app/host.h"
#include "app/str_util.h"
#include "command_editor/cmd_palette.h"
#include "flow/cmd_summary.h"

namespace {

cCmdEditCtx ContextOf(cCommand& cmd, u32 bNew, cEditHost& host, cCtrl* lpAnchor)
{
    cCmdEditCtx ctx;
    ctx.m_pCmd = &cmd;
    ctx.m_bNew = bNew;
    ctx.m_lpAnchor = lpAnchor;
    ctx.m_lpHost = &host;
    return ctx;
}

}  // namespace

int EditCommandInList(cCommands& commands, size_t nRow, u32 nSet, cEditHost& host, cCtrl* lpAnchor)
{
    if (nRow >= commands.size()) return 0;
    const int nResult = RunCommandPalette(nSet, ContextOf(commands[nRow], 0, host, lpAnchor), 1);
    host.RedrawLists();
    return nResult;
}

int InsertCommandInList(cCommands& commands, size_t nRow, u32 nSet, cEditHost& host, cCtrl* lpAnchor, u32 bCentre,
                        size_t nMax)
{
    if (commands.size() >= nMax) {
        Host().Beep();
        return 0;
    }
    if (nRow > commands.size()) nRow = commands.size();
    commands.insert(commands.begin() + static_cast<std::ptrdiff_t>(nRow), cCommand());
    return EditInsertedCommand(commands, nRow, nSet, host, lpAnchor, bCentre);
}

int EditInsertedCommand(cCommands& commands, size_t nAt, u32 nSet, cEditHost& host, cCtrl* lpAnchor, u32 bCentre)
{
    if (nAt >= commands.size()) return 0;
    const int nResult = RunCommandPalette(nSet, ContextOf(commands[nAt], 1, host, lpAnchor), bCentre);
    if (!nResult) commands.erase(commands.begin() + static_cast<std::ptrdiff_t>(nAt));
    host.RedrawLists();
    return nResult;
}

void CommandRowText(std::string& out, int nRow, const cCommand& cmd, u32 nListSet)
{
    IntToStrZeroPad(out, nRow, 3);
    out += ' ';
    AppendCommandSummary(out, cmd, nListSet);
}
