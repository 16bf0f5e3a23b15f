#pragma once
// Rules of the wait and move dialogs: the distance ratio that their hints
// show and that OK checks, and the refresh of the direction, time, inertia
// and anime groups.
#include "command_editor/rules/refresh.h"

// The controls the rules read and decide.
enum : u16 {
    kMvSetType = 1126,
    kMvTime = 1113,
    kMvTimeClone = 1115,
    kMvSpeed = 1118,
    kMvSpeedClone = 1120,
    kMvDistance = 1122,
    kMvDistanceClone = 11240,
    kMvDistanceUnit = 1131,
    kMvRatioHint = 1440,
    kMvRuleHint = 1441,
    kMvInertia = 1143,
    kMvMaxSpeed = 1139,
    kMvTurnRate = 1141,
    kMvAnimeKind = 1264,
    kMvCircleAnimeKind = 1265,
    kMvAnime = 1263,
};

// The distance in dots (unit 1) or half blocks (any other unit) over a
// speed or a time; 0.0 when the divisor is 0. Clone factors don't count.
double CalcMoveRatio(s16 nDistance, s16 nDivisor, u8 nUnit);

// What OK of a timed move decides from the controls shown.
enum class eMoveOk : u8 {
    Store,         // copy and close
    SpeedError,    // the speed ratio lies strictly between -0.1 and 0.1: the error, the dialog stays
    TimeQuestion,  // the time ratio lies outside -600..600: ask, Yes stores
};
eMoveOk CheckMoveOk(const cCtrlValues& in);

extern const char* const kMoveSpeedError;     // the error box's text (title "エラー")
extern const char* const kMoveTimeQuestion;   // the question's text
extern const char* const kMoveTimeCaption;    // "警告"

// Group T of the dialogs that give two of time, speed and distance, with
// the ratio hints; nothing while no set type is shown.
void MoveTimingRule(const cCtrlValues& in, cRefreshOut& out);
// Group I: the maximum speed and the turn correction count under inertia.
void InertiaRule(const cCtrlValues& in, cRefreshOut& out);
// Group A: the anime row counts for the anime kind "その他".
void AnimeKindRule(u16 wKindCombo, const cCtrlValues& in, cRefreshOut& out);

// Straight move (208): the direction group, then T, I and A.
void LineMoveRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Ground turn-back, charge, homing and off-screen avoiding moves: T, I and A.
void TimedMoveRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Circle move (260): time or speed, and A over its own kind combo.
void CircleMoveRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
