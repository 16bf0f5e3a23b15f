// Summaries of the kinds that keep their settings in the command's
// parameters.
#include <vector>

#include "flow/ed_flow.h"
#include "flow/option_names.h"
#include "flow/summary_line.h"

namespace summary_detail {
namespace {

// The longest duration a summary shows, in tenths of a second.
constexpr s16 kMaxDuration = 9999;

// Display times added up as the lists show them: each addition kept to 16
// bits, and the total held at 9999 once it passes it.
s16 TotalTime(const std::vector<u32>& times)
{
    s16 nTotal = 0;
    for (u32 nTime : times) {
        nTotal = Low16(static_cast<long long>(nTotal) + static_cast<u16>(nTime));
        if (nTotal > kMaxDuration) nTotal = kMaxDuration;
    }
    return nTotal;
}

s16 RecordTime(const cSummaryLine& l, eFlowRefTable eTable, s32 nIndex)
{
    std::vector<u32> times;
    l.Refs().DisplayTimes(eTable, nIndex, times);
    return TotalTime(times);
}

// A duration computed from parameters, held at 9999.
s16 CappedDuration(long long nValue) { return nValue > kMaxDuration ? kMaxDuration : Low16(nValue); }

void AddRecordName(cSummaryLine& l, eFlowRefTable eTable, s32 nIndex)
{
    l.Add(" %s", l.Refs().RecordName(eTable, nIndex));
}

// How long a message or a picture stays: until the key (0), until the stage
// ends (1), for a time (2); no prefix for any other value.
void DurationPrefix(cSummaryLine& l, s32 nMode, s32 nTime)
{
    switch (nMode) {
    case 0: l.FixedPrefix("?"); break;
    case 1: l.FixedPrefix("P-0(∞)"); break;
    case 2: l.CountPrefix(Low16(nTime)); break;
    default: break;
    }
}

// A chara or screen effect lasts its first parameter; run back and forth
// (mode 2) twice that.
void KindEffectPrefix(cSummaryLine& l, eFlowRefTable eTable)
{
    constexpr s32 kBackAndForth = 2;
    s16 nTime = Low16(l.Refs().FirstEffectParam(eTable, l.P(0)));
    if (l.P(1) == kBackAndForth) nTime = Low16(nTime * 2);
    l.CountPrefix(nTime);
}

void KindEffectDetails(cSummaryLine& l, eFlowRefTable eTable)
{
    if (l.P(0) == 0) {
        l.Add(" なし");
        return;
    }
    AddRecordName(l, eTable, l.P(0));
    if (l.P(1) != 0) l.Add(" %s", g_EffectRunNames.At(l.P(1)));
    if (l.P(2) != 0) l.Add(" ループ実行");
}

}  // namespace

void FacingDetails(cSummaryLine& l) { l.Add(" %s", g_FacingNames.At(l.P(0))); }

// A jump's time depends on the stage: its prefix is "?".
void PrefixJump(cSummaryLine& l) { l.TextPrefix("?"); }

// Jump types 0 and 1 have one height; type 2 goes from the minimum to the
// maximum height by the speed.
void JumpDetails(cSummaryLine& l)
{
    const s32 nType = l.P(0);
    if (nType == 0 || nType == 1) l.Add(" 高さ%d", l.P(2));
    else if (nType == 2) l.Add(" 高さ%d～%d", l.P(4), l.P(2));
}

void PrefixGameWait(cSummaryLine& l) { l.StdPrefix(Low16(l.P(0))); }

// A message that erases another one is done at once.
void PrefixMessage(cSummaryLine& l)
{
    if (l.P(15) != 0) l.FixedPrefix("P-0");
    else DurationPrefix(l, l.P(6), l.P(7));
}

void MessageDetails(cSummaryLine& l)
{
    if (l.P(15) != 0) l.Add(" メッセージの消去");
    else l.AddText(l.Cmd().m_Text);
}

void TargetDetails(cSummaryLine& l)
{
    l.Add(" %s を %s にする", g_TargetNoNames.At(l.P(0)), g_TargetWhoNames.At(l.P(1)));
}

// Charas and shots (0, 1) vanish by force and range; the others are the
// chara's own children.
void VanishDetails(cSummaryLine& l)
{
    const s32 nWhat = l.P(0);
    if (nWhat == 0 || nWhat == 1)
        l.Add(" %s %s 対象勢力%d", g_DisappearWhatNames.At(nWhat), g_DisappearRangeNames.At(l.P(2)), l.P(1));
    else
        l.Add(" %s", g_DisappearWhatNames.At(nWhat));
}

void ItemGetDetails(cSummaryLine& l)
{
    const s32 nPalette = l.P(0);
    const char* lpName = "";
    if (nPalette == 0 || nPalette == 1)
        lpName = l.Refs().EntryName(nPalette ? ePaletteList::StageItem : ePaletteList::CommonItem, l.P(1));
    l.AddEntryRef(l.P(1), lpName);
}

void AnimeSetDetails(cSummaryLine& l) { AddRecordName(l, eFlowRefTable::AnimeSet, l.P(0)); }

// Ending an animation is done at once; running one lasts its patterns.
void PrefixAnime(cSummaryLine& l)
{
    if (l.P(1) != 0) l.FixedPrefix("P-0");
    else l.CountPrefix(RecordTime(l, eFlowRefTable::Anime, l.P(0)));
}

void AnimeDetails(cSummaryLine& l)
{
    AddRecordName(l, eFlowRefTable::Anime, l.P(0));
    if (l.P(1) != 0) l.Add(" を 終了");
}

// Erasing the effects is done at once, and its line carries one more "◆".
void PrefixEffect(cSummaryLine& l)
{
    if (l.P(0) == 0) l.FixedPrefix("P-0 ◆");
    else l.CountPrefix(RecordTime(l, eFlowRefTable::Effect, l.P(0)));
}

void EffectDetails(cSummaryLine& l)
{
    if (l.P(0) == 0) l.Add(" エフェクトの消去");
    else AddRecordName(l, eFlowRefTable::Effect, l.P(0));
}

void PrefixCharaEffect(cSummaryLine& l) { KindEffectPrefix(l, eFlowRefTable::CharaEffect); }
void PrefixScrEffect(cSummaryLine& l) { KindEffectPrefix(l, eFlowRefTable::ScrEffect); }
void CharaEffectDetails(cSummaryLine& l) { KindEffectDetails(l, eFlowRefTable::CharaEffect); }
void ScrEffectDetails(cSummaryLine& l) { KindEffectDetails(l, eFlowRefTable::ScrEffect); }

// Erasing pictures is done at once.
void PrefixPicture(cSummaryLine& l)
{
    if (l.P(0) == 0) l.FixedPrefix("P-0");
    else DurationPrefix(l, l.P(8), l.P(9));
}

void PictureDetails(cSummaryLine& l)
{
    if (l.P(0) == 0) l.Add(" ピクチャーの消去");
    else AddRecordName(l, eFlowRefTable::Picture, l.P(0));
}

// The change takes its time once, or once per flash.
void PrefixScreenColor(cSummaryLine& l)
{
    const long long nTime = l.P(5);
    l.CountPrefix(CappedDuration(l.P(6) != 0 ? nTime * l.P(7) : nTime));
}

void ScreenColorDetails(cSummaryLine& l)
{
    if (l.P(4) != 0) {
        l.Add(" 元に戻す");
        return;
    }
    l.Add(" R%d G%d B%d %d%%", l.P(0), l.P(1), l.P(2), l.P(3));
    if (l.P(6) != 0) l.Add(" 瞬間表示 × %d", l.P(7));
}

void BackgroundDetails(cSummaryLine& l) { l.Add(" %d番 を %s", l.P(0), g_BackgroundNames.At(l.P(1))); }

void SoundDetails(cSummaryLine& l) { AddRecordName(l, eFlowRefTable::Sound, l.P(0)); }

void BgmDetails(cSummaryLine& l) { AddRecordName(l, eFlowRefTable::Bgm, l.P(0)); }

void CodeDetails(cSummaryLine& l) { l.AddText(l.Cmd().m_Text); }

void LoopDetails(cSummaryLine& l) { l.Add(" 後続 %d 個のコマンドを %d 回繰り返す", l.P(1), l.P(0)); }

}  // namespace summary_detail
