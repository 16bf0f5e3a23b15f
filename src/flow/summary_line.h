#pragma once
// The pieces of a command's summary line (see cmd_summary.h): the line being
// written, its prefixes and the details of each kind. Only the summaries use
// this header.
#include <string>

#include "app/types.h"
#include "flow/cmd_params.h"
#include "flow/summary_refs.h"

class cCommand;

// A line being appended to, with the command it describes. Every value is
// read bounded: a parameter the vector doesn't hold reads as 0.
class cSummaryLine {
public:
    cSummaryLine(std::string& strLine, const cCommand& cmd, const cSummaryRefs& refs);

    const cCommand& Cmd() const { return m_Cmd; }
    const cSummaryRefs& Refs() const { return m_Refs; }
    // Parameter i as a signed value.
    s32 P(size_t i) const { return m_Params[i]; }
    // The command's execution time, signed.
    s16 Time() const;

    void Add(const char* lpFormat, ...) __attribute__((format(printf, 2, 3)));
    // A blank, then the text (up to a NUL, as the lists show it).
    void AddText(const std::string& strText);

    // "P-%d" for a parallel command, else "%d".
    void StdPrefix(s16 nValue);
    // "P-0(%d)" for a parallel command, else "0(%d)".
    void CountPrefix(s16 nDuration);
    // "P-" and the text for a parallel command, else the text.
    void TextPrefix(const std::string& strText);
    // The same whatever the parallel flag holds.
    void FixedPrefix(const char* lpText) { m_str += lpText; }

    // " 「%s %s」": the number zero-padded to three digits (more when it has
    // more), and the name.
    void AddEntryRef(long long nNumber, const char* lpName);
    // An entry reference to a common (scope 0) or stage (1) variable; false,
    // and nothing added, for any other scope.
    bool AddVarRef(s32 nScope, s32 nNumber);

private:
    bool Parallel() const;

    std::string& m_str;
    const cCommand& m_Cmd;
    const cSummaryRefs& m_Refs;
    cParamValues m_Params;
};

// The low 16 bits of a value, signed.
inline s16 Low16(long long nValue) { return static_cast<s16>(static_cast<u16>(nValue)); }

// A quotient shown with one decimal ("%0.1lf" of it), halves rounded away from
// zero the same way in every build; 0.0 when the divisor is 0.
std::string OneDecimal(long long nNumerator, long long nDenominator);

namespace summary_detail {

// Kinds that keep their settings in a move, shot or condition-list record.
// A command without the record it needs shows no details.
void PrefixMove(cSummaryLine& l);
void PrefixCircle(cSummaryLine& l);
void StraightMoveDetails(cSummaryLine& l);
void MoveTimeDetails(cSummaryLine& l);
void CircleDetails(cSummaryLine& l);
void ChaseDetails(cSummaryLine& l);
void AvoidMoveDetails(cSummaryLine& l);
void WarpDetails(cSummaryLine& l);
void ShotDetails(cSummaryLine& l);
void SwordDetails(cSummaryLine& l);
void BlockSummonDetails(cSummaryLine& l);
void CharaSummonDetails(cSummaryLine& l);
void ItemSummonDetails(cSummaryLine& l);
void FlowOpDetails(cSummaryLine& l);

// Kinds that keep their settings in the parameters.
void FacingDetails(cSummaryLine& l);
void PrefixJump(cSummaryLine& l);
void JumpDetails(cSummaryLine& l);
void PrefixGameWait(cSummaryLine& l);
void PrefixMessage(cSummaryLine& l);
void MessageDetails(cSummaryLine& l);
void TargetDetails(cSummaryLine& l);
void VanishDetails(cSummaryLine& l);
void ItemGetDetails(cSummaryLine& l);
void AnimeSetDetails(cSummaryLine& l);
void PrefixAnime(cSummaryLine& l);
void AnimeDetails(cSummaryLine& l);
void PrefixEffect(cSummaryLine& l);
void EffectDetails(cSummaryLine& l);
void PrefixCharaEffect(cSummaryLine& l);
void PrefixScrEffect(cSummaryLine& l);
void CharaEffectDetails(cSummaryLine& l);
void ScrEffectDetails(cSummaryLine& l);
void PrefixPicture(cSummaryLine& l);
void PictureDetails(cSummaryLine& l);
void PrefixScreenColor(cSummaryLine& l);
void ScreenColorDetails(cSummaryLine& l);
void BackgroundDetails(cSummaryLine& l);
void SoundDetails(cSummaryLine& l);
void BgmDetails(cSummaryLine& l);
void CodeDetails(cSummaryLine& l);
void LoopDetails(cSummaryLine& l);

// The status, state and arrange sentences.
void StatusOpDetails(cSummaryLine& l);
void StateOpDetails(cSummaryLine& l);
void ArrangeDetails(cSummaryLine& l);

}  // namespace summary_detail
