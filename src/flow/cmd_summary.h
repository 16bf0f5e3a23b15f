#pragma once
// The one-line summary of a command, as the flow lists and the item-effect
// lists show it: the command's time (or how long it lasts), the kind's name
// between two "◆" and a short description of its settings, e.g.
// "P-30 ◆ ウエイト ◆" for a parallel wait of 30 tenths of a second.
#include <string>

#include "app/types.h"
#include "flow/summary_refs.h"

class cCommand;

// Appends the summary of a command to the line. The list's set picks how the
// command is described (0: a flow's command list, any other value: an item's
// effect list, whose kinds 2 to 24 are the flow kinds 17 to 39); a kind the
// list's set doesn't have appends nothing. Names come from refs; a value that
// names nothing shows an empty name.
void AppendCommandSummary(std::string& strLine, const cCommand& cmd, u32 nListSet,
                          const cSummaryRefs& refs = SummaryRefs());
// The summary alone (empty for a kind the list's set doesn't have).
std::string CommandSummary(const cCommand& cmd, u32 nListSet, const cSummaryRefs& refs = SummaryRefs());
