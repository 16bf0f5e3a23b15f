#pragma once
// The per-kind table of the parameter dialogs: one row per command kind,
// written by hand from the Parts, run the same way for every kind through a
// test host page of the row's command set:
// 1. a new command through the palette (its button, then OK): the new-command
//    values;
// 2. the existing command opens its dialog directly (the palette never
//    shows); the row's changes, then OK: the changed parameters;
// 3. the same changes, then Cancel, and then the close box: the saved bytes
//    stay identical;
// 4. a parameter vector longer than the kind's count is cut by the dialog,
//    an empty one filled, and Cancel still leaves the saved bytes identical.
#include <functional>
#include <string>
#include <vector>

#include "flow/ed_flow.h"
#include "support/win32/dlg_script.h"

struct cKindRow {
    u32 nSet = 0;
    u32 nKind = 0;
    const char* lpTitle = "";  // the dialog's title
    std::vector<s32> newParams;
    s32 nNewTime = -1;      // -1: not checked
    s32 nNewParallel = -1;
    // What an existing command shows when its dialog opens (optional).
    std::function<void(cDlgView&)> read;
    // The user's changes (the dialog still open afterwards).
    std::function<void(cDlgView&)> change;
    std::vector<s32> changedParams;
    // Further checks of the new and of the changed command (optional).
    std::function<void(const cCommand&)> checkNew;
    std::function<void(const cCommand&)> checkChanged;
};

// The command as the file holds it.
std::vector<u8> SavedCommandBytes(const cCommand& cmd);
std::vector<s32> Params(const cCommand& cmd);

// Runs the four steps of a row; failures are reported with the row's set and
// kind.
void RunKindRow(const cKindRow& row);
