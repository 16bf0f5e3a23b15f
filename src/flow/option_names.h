#pragma once
// The option name tables: a stored option value is an index into the table
// that labels it. The flow page, the command and condition dialogs show them
// in their lists and the command summaries print them; lookups are bounded
// (see name_table.h).
#include "flow/name_table.h"

// Flow page and flow operation.
extern const cNameTable g_GroupLetterNames;     // "-", "A".."Z"
extern const cNameTable g_GroupLetterAllNames;  // "全て", "A".."Z" (also a shot's enabled flow group)
extern const cNameTable g_SubGroupLetterNames;  // "-", "a".."z"
extern const cNameTable g_TriggerNames;         // 27 triggers
extern const cNameTable g_CondModeNames;        // all / at least one condition (also a condition list's mode)
extern const cNameTable g_FlowOpWhoseNames;
extern const cNameTable g_FlowOpActionNames;
extern const cNameTable g_FlowOpWhichNames;

// Status kinds and conditions.
extern const cNameTable g_SubjectSelfNames;          // "自分", targets
extern const cNameTable g_SubjectSelfSystemNames;    // the same, then "システム"
extern const cNameTable g_SubjectPlayerNames;        // "主人公", targets (also the distance subject)
extern const cNameTable g_SubjectPlayerSystemNames;  // the same, then "システム"
extern const cNameTable g_OperandSourceNames;        // "ステータス", "変数"
extern const cNameTable g_RightSourceNames;          // "定数", "乱数", "ステータス", "変数"
extern const cNameTable g_VarScopeNames;             // common, stage
extern const cNameTable g_VarScopeCharaNames;        // common, stage, chara
extern const cNameTable g_CalculationNames;
extern const cNameTable g_CoordKindNames;            // "相対座標", "絶対座標", "画面座標"
extern const cNameTable g_CharaCondStateNames;

// Option lists of the chara and system states.
extern const cNameTable g_OnNames;          // "ON"
extern const cNameTable g_OffOnNames;       // "OFF", "ON"
extern const cNameTable g_FlyingNames;
extern const cNameTable g_InvincibleNames;
extern const cNameTable g_GiantSizeNames;   // "しない", "×4".."×100" (also a shot's size)
extern const cNameTable g_ScrollModeNames;

// Other command kinds.
extern const cNameTable g_StageClearDestNames;
extern const cNameTable g_StageClearFacingNames;
extern const cNameTable g_MessagePosNames;
extern const cNameTable g_DisplayDurationNames;  // message and picture
extern const cNameTable g_TargetWhoNames;
extern const cNameTable g_TargetRangeNames;
extern const cNameTable g_TargetNoneNames;
extern const cNameTable g_DisappearWhatNames;
extern const cNameTable g_DisappearRangeNames;
extern const cNameTable g_PaletteNames;        // common, stage (item get, summons)
extern const cNameTable g_PaletteCommonNames;  // common only
extern const cNameTable g_PicturePosNames;
extern const cNameTable g_EffectRunNames;      // chara and screen effects
extern const cNameTable g_BackgroundNames;
extern const cNameTable g_ItemPaletteOpNames;
extern const cNameTable g_ItemPaletteGroupNames;

// Conditions and key conditions.
extern const cNameTable g_CondKindNames;  // kind 0 has an empty name
extern const cNameTable g_DistanceShapeNames;
extern const cNameTable g_DistanceSideNames;
extern const cNameTable g_RangeDisplayNames;
extern const cNameTable g_RangeColorNames;
extern const cNameTable g_KeyCondModeNames;
extern const cNameTable g_KeyStateNames;  // "--", "押", "離"
extern const cNameTable g_KeyNames;       // the 19 keys of a key condition

// Move parameters.
extern const cNameTable g_MoveModeNames;      // straight move
extern const cNameTable g_WarpModeNames;
extern const cNameTable g_DirectionNames;     // 13 directions (moves and shots)
extern const cNameTable g_CoordKindStartNames;
extern const cNameTable g_UnitBlNames;
extern const cNameTable g_UnitHblNames;
extern const cNameTable g_GiantOriginNames;   // reference point of a giant chara
extern const cNameTable g_TargetNoNames;      // "ターゲット1".."ターゲット4"
extern const cNameTable g_RotationNames;
extern const cNameTable g_MoveAnimeNames;
extern const cNameTable g_FacingNames;        // direction change
extern const cNameTable g_TimingModeNames;
extern const cNameTable g_CircleTimingModeNames;
extern const cNameTable g_JumpHeightNames;

// Shot parameters.
extern const cNameTable g_ShotPatternNames;
extern const cNameTable g_ShotAimNames;
extern const cNameTable g_AimSubjectNames;
extern const cNameTable g_BlockSummonModeNames;
extern const cNameTable g_SummonForceNames;
extern const cNameTable g_DropPaletteNames;        // "なし", common, stage (a shot's or sword's drop)
extern const cNameTable g_DropPaletteCommonNames;  // "なし", common
