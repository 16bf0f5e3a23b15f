#pragma once
// Binding rows and behaviours that many parameter dialogs share: the anime
// that a command starts and the sound effect it plays, whose choice plays
// the sound.
#include "command_editor/behaviours.h"
#include "command_editor/bind_rows.h"
#include "flow/ed_flow.h"

inline constexpr cBindRow kAnimeRow =
    Combo(1263, CmdField<&cCommand::m_wAnime>(), DbRows(eDbTable::Anime, 0, "なし（変更しない）", 2));
inline constexpr cBindRow kSoundRow =
    Combo(1131, CmdField<&cCommand::m_wSound>(), DbRows(eDbTable::Sound, 0, "なし", 2));
inline const cSoundPreview kSoundPreview1131(1131);
