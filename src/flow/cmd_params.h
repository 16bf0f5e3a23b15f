#pragma once
// What each parameter of a command means, kind by kind: its kind of value,
// its range, the value a new command starts with, the texts the parameter
// dialog shows beside it, its option names and when it counts at all (a
// parameter whose mode is off keeps its value but has no effect). The
// parameter dialogs bind their controls from this table and the command
// summaries print from it. An item-effect kind k >= 2 has the parameters of
// the flow kind k + 15.
#include <string>
#include <vector>

#include "app/types.h"
#include "flow/name_table.h"

class cCommand;

enum class eParamValue : u8 {
    Number,        // a whole number within the range
    Flag,          // 0 or 1: the state of a check box
    Choice,        // a position in a name table
    Records,       // an index of a database table or of a palette's item list
    Status,        // a chara status (owner 0..4) or a system status (owner 5)
    State,         // a chara state (owner 0..4) or a system state (owner 5)
    StateValue,    // the chosen state's minimum plus the position of its option
    Variable,      // a variable number from 1: common, stage or chara variable
    CmdKind,       // a flow-command kind from 1
    ArrangeParam,  // a position in the adjustable-parameter list of the target kind
};

// The list that a Records parameter indexes.
enum class eRecordList : u8 {
    None,
    AnimeSet,
    Anime,
    Effect,
    CharaEffect,
    ScrEffect,
    Picture,
    Sound,
    Bgm,
    PaletteItems,  // the item list of the palette that p0 chooses (0 common, 1 stage)
};

// Parameters as their meanings read them: signed, and 0 where a short
// vector has none.
class cParamValues {
public:
    explicit cParamValues(const std::vector<u32>& params) : m_Params(params) {}
    s32 operator[](size_t i) const { return i < m_Params.size() ? static_cast<s32>(m_Params[i]) : 0; }
    bool In(size_t i, s32 nMin, s32 nMax) const { return (*this)[i] >= nMin && (*this)[i] <= nMax; }

private:
    const std::vector<u32>& m_Params;
};

using fnParamUsed = bool (*)(const cParamValues& p);
using fnParamRange = void (*)(const cParamValues& p, s32& nMin, s32& nMax);

struct cParamDesc {
    const char* m_lpMeaning = "";
    eParamValue m_eValue = eParamValue::Number;
    s32 m_nMin = 0;  // the stored bounds; some ranges narrow by other parameters
    s32 m_nMax = 0;
    s32 m_nNew = 0;  // the value of a new command
    const char* m_lpLabel = "";       // the text before the control; a check box's own text
    const char* m_lpLabelAfter = "";  // the text after the control
    const cNameTable* m_lpNames = nullptr;  // Choice: the names; Variable: the chara variables' names
    eRecordList m_eRecords = eRecordList::None;
    const char* m_lpZeroName = nullptr;  // Records: what value 0 shows in place of record 0
    s8 m_nOwner = -1;  // Status, State, StateValue: the parameter naming the owner (5 = the system)
    s8 m_nState = -1;  // StateValue: the parameter naming the state
    fnParamUsed m_pfnUsed = nullptr;     // null: the parameter always counts
    fnParamRange m_pfnRange = nullptr;   // null: the range follows from the kind of value

    constexpr cParamDesc Labels(const char* lpBefore, const char* lpAfter = "") const
    {
        cParamDesc d = *this;
        d.m_lpLabel = lpBefore;
        d.m_lpLabelAfter = lpAfter;
        return d;
    }
    constexpr cParamDesc When(fnParamUsed pfnUsed) const
    {
        cParamDesc d = *this;
        d.m_pfnUsed = pfnUsed;
        return d;
    }
    constexpr cParamDesc Range(fnParamRange pfnRange) const
    {
        cParamDesc d = *this;
        d.m_pfnRange = pfnRange;
        return d;
    }
};

// The parameters of one kind, and what its dialog gives a new command.
struct cKindParams {
    static constexpr s32 kUnchanged = -1;

    const cParamDesc* m_lpParams = nullptr;
    u32 m_nCount = 0;
    s32 m_nNewTime = kUnchanged;      // m_wTime of a new command
    s32 m_nNewParallel = kUnchanged;  // m_bParallel of a new command
    // Sets the parameters that other parameters force (null: none).
    void (*m_pfnForce)(std::vector<u32>& params) = nullptr;

    const cParamDesc* begin() const { return m_lpParams; }
    const cParamDesc* end() const { return m_lpParams + m_nCount; }
};

// The parameters of a (set, kind); none for kinds that keep their settings
// elsewhere and for kinds out of their set's table.
const cKindParams& GetKindParams(u32 nSet, u32 nKind);
// One parameter's description, or null.
const cParamDesc* GetParamDesc(u32 nSet, u32 nKind, u32 nIndex);

// Whether a parameter counts with the command's other parameters as they
// are (a parameter the kind doesn't have never counts).
bool IsParamUsed(const cCommand& cmd, u32 nIndex);
// The range that the parameter's control allows with the command's other
// parameters as they are, and with the loaded database and palettes where
// it picks a record (their stored bounds while none is known).
void GetParamRange(const cCommand& cmd, u32 nIndex, s32& nMin, s32& nMax);

// The names a choice offers, in value order from the range's minimum: the
// option names, the statuses or states of the owner, the chosen state's
// options, the chara variables, the flow-command kinds, the adjustable
// parameters of the arrange command's target kind. Empty for numbers,
// flags, records and project variables (their names live in the project).
std::vector<std::string> GetParamChoiceNames(const cCommand& cmd, u32 nIndex);

// Sizes the parameters to the kind's count; for a new command also writes
// the new-command values of the parameters, the time and the parallel flag.
void PrepareCommandParams(cCommand& cmd, bool bNew);
// Sets the parameters that other parameters force (a target's flows are
// always chosen by ID, a message that waits for the key pauses the game, and
// so on).
void ForceDependentParams(cCommand& cmd);

// The graphic kinds of the graphic change whose limits differ.
constexpr s32 kGraphicChara = 1;
constexpr s32 kGraphicSpecialBmp = 4;
// The graphic number a graphic kind allows: 1..119, or for a chara special
// bitmap 1 to the last record of its table (1 while the table has no
// record beyond record 0).
void GraphicNumberLimits(s32 nKind, s32& nMin, s32& nMax);
s32 SpecialBitmapNumberMax(u32 nBitmaps);
// The offset a graphic kind allows: -19..19 for a chara, -239..239 for a
// chara special bitmap, the stored bound otherwise.
void GraphicOffsetLimits(s32 nKind, s32& nMin, s32& nMax);
