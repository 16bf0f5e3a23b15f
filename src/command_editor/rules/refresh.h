#pragma once
// What a dialog's refresh decides, without a window: from the values its
// controls show to the enabling, visibility, check states, label texts, item
// sources and edit ranges of its controls. A dialog's refresh rule is a pure
// function of this form; the dialog reads its controls into a cCtrlValues,
// runs the rule and applies the cRefreshOut, refilling a combo only when its
// item source changed.
#include <string>
#include <vector>

#include "app/types.h"
#include "command_editor/rules/item_source.h"

// The value each control shows: a combo's data value (none while nothing is
// selected), a check box's state, an edit's number.
class cCtrlValues {
public:
    cCtrlValues() = default;
    cCtrlValues(std::initializer_list<std::pair<u16, s64>> values);
    void Set(u16 wId, s64 nValue);
    void Forget(u16 wId);
    bool Has(u16 wId) const;
    // The value, or nDefault when the control shows none.
    s64 Get(u16 wId, s64 nDefault = 0) const;
    bool Is(u16 wId, s64 nValue) const { return Has(wId) && Get(wId) == nValue; }

private:
    std::vector<std::pair<u16, s64>> m_Values;
};

// Facts a rule may need beyond the controls.
struct cRefreshFacts {
    u32 nSet = 0;             // the command's set
    u32 nKind = 0;            // the command's kind
    u32 nEntryEditMode = 0;   // 1 a stage palette entry, 2 a common palette entry is edited
};

// What a rule decides for one control; parts it leaves alone stay as they are.
struct cCtrlDecision {
    u16 wId = 0;
    s8 nEnable = -1;  // -1 unchanged, 0 disabled, 1 enabled
    s8 nShow = -1;
    s8 nCheck = -1;   // -1 unchanged, else the state
    bool bLabel = false;
    std::string strLabel;
    bool bBase = false;  // a combo's base (the value of its first row)
    s32 nBase = 0;
    bool bItems = false;
    cItemSource items;
    bool bRange = false;
    s32 nMin = 0;
    s32 nMax = 0;
    bool bValue = false;  // shown as the user's own (an edit clamps it); the field follows on OK
    s32 nValue = 0;
};

class cRefreshOut {
public:
    cRefreshOut& Enable(u16 wId, bool bEnable);
    cRefreshOut& Enable(std::initializer_list<u16> ids, bool bEnable);
    cRefreshOut& Show(u16 wId, bool bShow);
    cRefreshOut& Check(u16 wId, int nState);
    cRefreshOut& Label(u16 wId, const std::string& strText);
    cRefreshOut& Items(u16 wId, const cItemSource& items);
    // A combo's rows start at this value from now on; the field is written
    // only by OK.
    cRefreshOut& Base(u16 wId, s32 nBase);
    cRefreshOut& Range(u16 wId, s32 nMin, s32 nMax);
    // A value the control shows from now on, applied after its range.
    cRefreshOut& Value(u16 wId, s32 nValue);

    const std::vector<cCtrlDecision>& Decisions() const { return m_Decisions; }
    // The decision about a control, or null when the rule left it alone.
    const cCtrlDecision* Find(u16 wId) const;
    // -1 when the rule left the control's enabling (visibility, check) alone.
    int Enabled(u16 wId) const;
    int Shown(u16 wId) const;
    int Checked(u16 wId) const;
    const cItemSource* ItemsOf(u16 wId) const;
    // False when the rule set no range (value) of the control.
    bool RangeOf(u16 wId, s32& nMin, s32& nMax) const;
    bool ValueOf(u16 wId, s32& nValue) const;

private:
    cCtrlDecision& At(u16 wId);
    std::vector<cCtrlDecision> m_Decisions;
};

using fnRefresh = void (*)(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);

// A rule of a combo's change: the values the controls show and the combo's
// previous choice, kNoPreviousChoice when the dialog has just opened.
constexpr s64 kNoPreviousChoice = 255;
using fnChoiceRule = void (*)(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out);
