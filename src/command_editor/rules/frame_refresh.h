#pragma once
// Refresh rules of the jump, arrange and flow-change dialogs.
#include "command_editor/rules/refresh.h"

// Jump (243): the speed thresholds and the lowest height count only for the
// type that sets the height by the inertia speed.
void JumpRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Arrange (279): the target kind's adjustable parameters; the operator and
// the variable only when it has some, the variable rows by the variable kind.
void ArrangeRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Flow change (217): the flow ID for a change or a delete, the flows for an
// add or a change.
void FlowChangeRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
