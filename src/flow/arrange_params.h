#pragma once
// The parameters that the arrange command can adjust in the command after
// it: for each flow-command kind, the list of its adjustable parameters (the
// label that the arrange dialog and the command summaries show, and the
// range of values), and which stored value of a command of that kind each
// one designates.
#include <string>
#include <vector>

#include "app/types.h"

class cCommand;

struct cArrangeParam {
    std::string m_strLabel;
    s32 m_nMin = 0;
    s32 m_nMax = 0;

    void Set(const std::string& strLabel, s32 nMin, s32 nMax)
    {
        m_strLabel = strLabel;
        m_nMin = nMin;
        m_nMax = nMax;
    }
};

using cArrangeParams = std::vector<cArrangeParam>;

// The lists cover the flow-command kinds 0 to 39; the longest has 32 entries.
constexpr u32 kArrangeKinds = 40;
constexpr u32 kMaxArrangeParams = 32;

// Builds the lists, once at start-up before any window opens (building them
// again gives the same lists).
void BuildArrangeParams();

// A flow-command kind's list: empty for a kind without adjustable
// parameters, for a kind out of the table and before the lists are built.
const cArrangeParams& GetArrangeParams(long long nKind);
// One entry of a kind's list; an empty entry (no label, range 0..0) for an
// index that the list doesn't have, such as an arrange command's parameter
// choice left from the kind it chose before.
const cArrangeParam& GetArrangeParam(long long nKind, long long nIndex);

// The value of a command's adjustable parameter nIndex, by the command's
// kind as a flow command (an item-effect command of kind k >= 2 is the flow
// kind k + 15). A value stored in fewer than 32 bits is widened with its
// sign when its range goes below 0. False, and nValue unchanged, when the
// kind's list has no such index or the command lacks the move or shot
// record or the parameter that holds the value.
bool GetArrangeValue(const cCommand& cmd, long long nIndex, s32& nValue);
// Writes a command's adjustable parameter nIndex, narrowed to the width of
// the stored value; the range is the caller's to keep. False, and nothing
// changed or created, in the cases where GetArrangeValue fails.
bool SetArrangeValue(cCommand& cmd, long long nIndex, s32 nValue);
