#pragma once
// The option names of the block, chara and item entries: a stored option
// value is its position in the table that labels it (lookups are bounded,
// see flow/name_table.h). Tables the flow model already has (off and on,
// flying, invincibility, enlargement, effect run modes, condition modes)
// are shared from there.
#include "flow/name_table.h"

// Shared by the three entry types.
extern const cNameTable g_InheritKindNames;  // "継承しない", "コモンパレット", "ステージパレット"
extern const cNameTable g_GraphicKindNames;  // "ブロック" .. "専用bmp" (also the graphic change command)
extern const cNameTable g_IconShowNames;

// Block entries.
extern const cNameTable g_BlockTypeNames;
extern const cNameTable g_NoEffectForceNames;  // list position p stores p - 1 ("なし" stores 255)
extern const cNameTable g_BlockActionNames;
extern const cNameTable g_ItemSourceNames;     // "なし", "コモンパレット", "ステージパレット"

// Chara entries.
extern const cNameTable g_ControlNames;
extern const cNameTable g_PlayerNoNames;
extern const cNameTable g_InvincibleEffectNames;
extern const cNameTable g_SightNames;
extern const cNameTable g_BodyHitRangeNames;
extern const cNameTable g_ActRangeNames;
extern const cNameTable g_ActJudgeNames;

// Item entries.
extern const cNameTable g_GetTypeNames;
