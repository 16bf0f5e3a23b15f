#pragma once
// Refresh rules of the shot, sword and summon dialogs, the changes of their
// formation, move type and sword type, and the cell that the shot
// dialog's preview shows.
#include "command_editor/rules/refresh.h"
#include "flow/shot_tables.h"

// The three value edits that a formation or a move type labels, and their
// hint labels.
struct cValueSlotCtrls {
    u16 awLabel[kShotValueSlots];
    u16 awEdit[kShotValueSlots];
};
extern const cValueSlotCtrls kFormationSlots;  // 1151..1153 over 1041..1043
extern const cValueSlotCtrls kMoveTypeSlots;   // 1154..1156 over 1044, 1058, 1060

// The slots of the chosen row: each hint label shows the slot's label, each
// edit is enabled when the slot is used and takes the slot's range. When the
// choice changed from an earlier one (not kNoPreviousChoice), the edits show
// the slots' defaults.
void ValueSlotsRule(const cDescTable<cValueSlots>& table, s64 nChoice, s64 nPrevious, const cValueSlotCtrls& ctrls,
                    cRefreshOut& out);

// Formation changes (12641). The shot aims its angle at the target for the
// rows that allow it, and chooses the aim subject for "落雷" and "包囲".
void ShotFormationChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out);
// Block and item summons: subject and target for "落雷" and "包囲" only.
void SummonFormationChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out);
// Chara summon: the same, the target only while the subject is "ターゲット".
void CharaSummonFormationChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out);
// The shot's move type (1265): its target for the target-seeking types.
void ShotMoveTypeChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out);
// The sword type (1221): the execution time is the type's total time.
void SwordTypeChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out);

void ShotRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
void SwordRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
void BlockSummonRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
void CharaSummonRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
void ItemSummonRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);

// A shot graphic's 16 x 16 cell on the shot sheet (four 32-pixel columns of
// 30 cells), clipped to a sheet of the given size: the part that lies on the
// sheet, and where that part sits within the cell. False when no part does.
struct cSheetPart {
    s32 nSrcX = 0;
    s32 nSrcY = 0;
    s32 nWidth = 0;
    s32 nHeight = 0;
    s32 nCellX = 0;  // offset of the part within the cell
    s32 nCellY = 0;
};
constexpr s32 kShotCellSize = 16;
bool ShotGraphicPart(s64 nGraphic, s32 nSheetWidth, s32 nSheetHeight, cSheetPart& part);
