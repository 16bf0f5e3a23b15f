#pragma once
// Refresh rules of the message, warp, target and status operation dialogs.
#include "command_editor/rules/refresh.h"

// Message (239): an erase disables everything that shows a message; the
// coordinates count for the coordinate positions, the time and the pause by
// how long the message shows.
void MessageRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Warp (264): a direction and a distance, or target coordinates whose mirror
// and reference point depend on their coordinate kind.
void WarpRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Target (265): the filters count for the nearest chara, a chara by ID and a
// conditional child.
void TargetRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);

// Status operation (215): the status lists by owner, the variable lists by
// the variable kinds, the operand's limits by the left status, the percent,
// coordinate and reference-point controls by the statuses chosen.
void StatusOpRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// The left status row the operation shows, or -1 while its left side is a
// variable or nothing is chosen.
s64 StatusOpLeftRow(const cCtrlValues& in);
// After a left status other than the remembered one (nRemembered, -1 for
// none yet), the constant and the random bounds show their values clamped
// to the new limits.
void StatusOpReclamp(const cCtrlValues& in, s64 nRemembered, cRefreshOut& out);
