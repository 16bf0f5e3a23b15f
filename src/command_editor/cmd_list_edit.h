#pragma once
// What a page with a command list does around the palette: editing a row
// runs the palette on that command; inserting puts a default command before
// the row, runs the palette on it and removes it again when the run gives 0.
#include <string>

#include "command_editor/edit_ctx.h"
#include "flow/ed_flow.h"

constexpr size_t kMaxCommands = 999;

// The palette of the set on the command at the row (nothing for a row past
// the list): the palette's result.
int EditCommandInList(cCommands& commands, size_t nRow, u32 nSet, cEditHost& host, cCtrl* lpAnchor);
// A default command before the row (at the end for the row past the last),
// edited through the palette of the set, kept on 1 and removed on 0. A list
// at its maximum beeps and gives 0 without opening the palette.
int InsertCommandInList(cCommands& commands, size_t nRow, u32 nSet, cEditHost& host, cCtrl* lpAnchor,
                        u32 bCentre, size_t nMax = kMaxCommands);

// The palette of the set on the default command that a list has just put at
// nAt; the command is removed again when the run gives 0.
int EditInsertedCommand(cCommands& commands, size_t nAt, u32 nSet, cEditHost& host, cCtrl* lpAnchor, u32 bCentre);

// The text of a command row of a list of the set: the row number and the
// command's summary.
void CommandRowText(std::string& out, int nRow, const cCommand& cmd, u32 nListSet);
