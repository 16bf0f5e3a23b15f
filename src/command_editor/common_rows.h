#pragma once
// Binding rows and behaviours that many parameter dialogs share: the time
// of a command that runs for a while, the anime that a command starts and
// the sound effect it plays, whose choice plays the sound.
#include "command_editor/behaviours.h"
#include "command_editor/bind_rows.h"
#include "flow/ed_flow.h"

inline constexpr cBindRow kAnimeRow =
    Combo(1263, CmdField<&cCommand::m_wAnime>(), DbRows(eDbTable::Anime, 0, "なし（変更しない）", 2));
inline constexpr cBindRow kSoundRow =
    Combo(1131, CmdField<&cCommand::m_wSound>(), DbRows(eDbTable::Sound, 0, "なし", 2));
inline const cSoundPreview kSoundPreview1131(1131);

// "並列実行", "実行時間(1/10s)" and its "＋分身値×".
inline constexpr cBindRow kParallelRow = Check(1117, CmdField<&cCommand::m_bParallel>());
inline constexpr cBindRow kTimeRow = Edit(1113, CmdField<&cCommand::m_wTime>(), 1, 9999, 1114);
inline constexpr cBindRow kTimeCloneRow = Edit(1115, CmdField<&cCommand::m_nCloneFactor>(), -500, 500, 1116);
inline constexpr cBindRow kTimeRows[] = {kParallelRow, kTimeRow, kTimeCloneRow};
