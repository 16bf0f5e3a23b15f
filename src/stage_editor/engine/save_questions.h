#pragma once
// The questions before unsaved work could be lost: a modified stage before
// the editor, the stage or the stage window's rebuild closes it, and a
// modified common palette before the editor ends. Yes saves; a save that
// fails or that the user cancels keeps what would close open.
#include <functional>

#include "app/types.h"
#include "stage_editor/engine/edit_state.h"

// Saves and tells whether it saved.
using tSaveStep = std::function<bool()>;

// Step 1: a modified open stage. False when the user cancels or the save
// doesn't succeed; after a save the stage-modified flag is clear.
bool AskSaveStage(tWnd hOwner, cEditState& state, const tSaveStep& saveStage);
// Both steps: the stage, then a modified common palette. True when the
// editor may close.
bool AskSaveOnClose(tWnd hOwner, cEditState& state, const tSaveStep& saveStage, const tSaveStep& saveCommon);
