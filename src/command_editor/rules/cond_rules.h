#pragma once
// Refresh rules of the condition dialogs, the key condition dialog and the
// flow operation and stage clear dialogs, with the control IDs they read.
#include "command_editor/rules/refresh.h"
#include "flow/name_table.h"

// The status condition (269): a left operand compared with a right one.
enum : u16 {
    kStLeftKind = 11175,     // "ステータス", "変数"
    kStLeftSubject = 1400,
    kStLeftStatus = 1401,
    kStLeftScope = 11176,
    kStLeftVar = 1402,
    kStLeftRename = 1405,
    kStLeftCoord = 1498,
    kStLeftGiant = 1500,
    kStCompare = 1407,
    kStRightKind = 11177,    // "定数", "乱数", "ステータス", "変数"
    kStConstant = 1403,
    kStRandomFrom = 1048,
    kStRandomTo = 1054,
    kStRightSubject = 11178,
    kStRightStatus = 1176,
    kStRightScope = 11179,
    kStRightVar = 1051,
    kStRightRename = 1052,
    kStPercent = 1175,
    kStRightCoord = 1499,
    kStRightGiant = 1501,
};

// The status condition 2 (274): a subject's state has a value.
enum : u16 {
    kSt2Subject = 11174,
    kSt2State = 1173,
    kSt2Value = 1397,
};

// The distance condition (219): the range display and what it shows.
enum : u16 {
    kDistDisplay = 1475,
    kDistColour = 1476,
    kDistUnappeared = 1474,
    kDistTransparent = 1477,
};

// The key condition (204): the press times and "1～∞".
enum : u16 {
    kKeyPressMin = 1038,
    kKeyPressMax = 1109,
    kKeyInfinite = 1111,
};
constexpr s32 kKeyPressLimit = 999;

// The flow operation (225).
enum : u16 {
    kFopAction = 1178,
    kFopWhich = 11175,
    kFopGroup = 1096,
    kFopWhose = 11174,
    kFopHasConds = 1482,
    kFopCondMode = 1255,
    kFopCondList = 1044,
    kFopInsert = 1041,
    kFopEdit = 1042,
    kFopDelete = 1043,
};

// The stage clear (245).
enum : u16 {
    kClrDest = 1313,
    kClrNumber = 1314,
    kClrMoveOnMap = 1437,
    kClrMapX = 1316,
    kClrMapY = 1318,
    kClrForceStart = 1438,
    kClrStartX = 1320,
    kClrStartY = 1322,
    kClrFacing = 1324,
    kClrPath = 1247,
    kClrBrowse = 1248,
};

// The subject that stands for the system in the status conditions.
constexpr s64 kSystemSubject = 5;

// The chara states a status condition 2 names (from "透明", value 1 on) and
// the system states (from value 0).
extern const cNameTable g_CondCharaStateNames;
extern const cNameTable g_CondSystemStateNames;

// 269: the operands' controls by their kinds, the status lists by their
// subjects, the variable lists (chara variables for the status
// "キャラ変数", else the common or stage names, also while unused) with a
// shown number outside
// the new list clamped into it, and the coordinate rule of each side.
void StatusCondRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// 274: the state list and its base by the subject's group, the value list
// and its base by the state.
void StatusCond2Refresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// 274, a new subject: one of the other group (chara 0-4 against the system)
// selects the first state of its list; then the refresh.
void StatusCond2SubjectChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out);
// 219: the colour and both display checks only while the range is shown.
void DistanceCondRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// 204: the maximum press time is at least the minimum (a maximum below it is
// raised); "1～∞" disables both.
void KeyCondRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// 225: the condition list's controls by "条件あり"; a target's flows are
// always picked by their ID.
void FlowOpRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// 245: the number or the path by the transition, the world-map position and
// the next stage's start by their checks.
void StageClearRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
