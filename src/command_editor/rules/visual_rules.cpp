#include "command_editor/rules/visual_rules.h"

#include "flow/cmd_params.h"
#include "flow/option_names.h"
#include "flow/status_tables.h"

namespace {

// Status operation 2 (266).
enum : u16 {
    kSoSubject = 11174,
    kSoState = 1173,
    kSoValue = 1397,
    kSoRemember = 1492,
    kSoAvoidCrush = 1493,
    kSoFlightNote = 1494,
    kSoCrushNote = 1495,
};
constexpr s64 kSystemSubject = 5;
constexpr s64 kFlightState = 3;

// Vanish (281).
enum : u16 { kVnWhat = 11175, kVnRange = 1391, kVnForce = 1261 };

// Item get (268).
enum : u16 { kIgPalette = 1408, kIgItem = 1409 };
constexpr u32 kCommonEntryEdited = 2;

// Graphic change (232).
enum : u16 { kGcKind = 1254, kGcNumber = 1036, kGcPicker = 1446, kGcOffset = 1038 };

// Effect run (234) and picture display (233).
enum : u16 {
    kFxRow = 1230,
    kPicRow = 1234,
    kPlPosition = 1232,
    kPlUnit = 1499,
    kPlX = 1206,
    kPlY = 1210,
    kPlOffsetX = 1040,
    kPlOffsetY = 1048,
    kPlScale = 1208,
    kPlPause = 1231,
    kPicHasId = 1460,
    kPicId = 1461,
    kPicFollow = 1456,
    kPicFront = 1181,
    kPicDuration = 1233,
    kPicTime = 1113,
    kPicMomentary = 1239,
};

// Screen colour (238).
enum : u16 { kScRestore = 1241, kScFlash = 1248, kScFlashCount = 1208 };

// The coordinates count for the screen and stage positions (rows 3 to 6).
void PlacementRule(const cCtrlValues& in, cRefreshOut& out)
{
    const s64 nPosition = in.Get(kPlPosition);
    out.Enable({kPlUnit, kPlX, kPlY}, nPosition >= 3 && nPosition <= 6);
}

void PictureDuration(const cCtrlValues& in, cRefreshOut& out)
{
    switch (in.Get(kPicDuration)) {
    case 0:  // until the advance key: the game waits
        out.Enable({kPicFollow, kPicTime, kPicMomentary, kPlPause}, false).Check(kPlPause, 1);
        break;
    case 1:  // until the stage ends
        out.Enable(kPicFollow, true).Enable({kPicTime, kPicMomentary, kPlPause}, false).Check(kPlPause, 0);
        break;
    default:
        out.Enable({kPicFollow, kPicMomentary, kPlPause}, true);
        if (in.Get(kPicMomentary) != 0) out.Value(kPicTime, 1).Enable(kPicTime, false);
        else out.Enable(kPicTime, true);
        break;
    }
}

}  // namespace

void StateOp2Refresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    if (!in.Has(kSoSubject)) return;
    const s64 nSubject = in.Get(kSoSubject);
    const bool bSystem = nSubject == kSystemSubject;
    out.Items(kSoState, StateRows(bSystem));
    const cDescTable<cStateDesc>& states = bSystem ? g_SystemStates : g_CharaStates;
    const s64 nState = in.Get(kSoState, -1);
    if (states.Has(nState)) {
        const cStateDesc& state = states.At(nState);
        out.Base(kSoValue, state.m_nMin).Items(kSoValue, Names(state.Options()));
    }
    const bool bCharaFlight = nSubject >= 0 && nSubject < kSystemSubject && nState == kFlightState;
    out.Enable({kSoRemember, kSoAvoidCrush, kSoFlightNote, kSoCrushNote}, bCharaFlight);
}

void VanishRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    const s64 nWhat = in.Get(kVnWhat, -1);
    out.Enable({kVnRange, kVnForce}, nWhat == 0 || nWhat == 1);
}

void ItemGetRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    const bool bCommonOnly = facts.nEntryEditMode == kCommonEntryEdited;
    out.Items(kIgPalette, Names(bCommonOnly ? g_PaletteCommonNames : g_PaletteNames));
    const bool bStage = !bCommonOnly && in.Get(kIgPalette) == 1;
    out.Items(kIgItem, PaletteRows(bStage ? ePaletteList::StageItem : ePaletteList::CommonItem));
}

void GraphicChangeRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    if (!in.Has(kGcKind)) return;
    const s32 nKind = static_cast<s32>(in.Get(kGcKind));
    s32 nMin = 0, nMax = 0;
    GraphicNumberLimits(nKind, nMin, nMax);
    out.Range(kGcNumber, nMin, nMax);
    const bool bOffset = nKind == kGraphicChara || nKind == kGraphicSpecialBmp;
    out.Enable(kGcOffset, bOffset);
    if (bOffset) {
        GraphicOffsetLimits(nKind, nMin, nMax);
        out.Range(kGcOffset, nMin, nMax);
    }
    out.Enable(kGcPicker, nKind != kGraphicSpecialBmp);
}

void EffectRunRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    if (!in.Has(kFxRow)) return;
    if (in.Get(kFxRow) == 0) {
        out.Enable({kPlPosition, kPlUnit, kPlX, kPlY, kPlOffsetX, kPlOffsetY, kPlScale, kPlPause}, false);
        return;
    }
    out.Enable({kPlPosition, kPlOffsetX, kPlOffsetY, kPlScale, kPlPause}, true);
    PlacementRule(in, out);
}

void PictureRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    if (in.Get(kPicRow, -1) == 0) {
        out.Enable({kPlPosition, kPlUnit, kPlX, kPlY, kPlOffsetX, kPlOffsetY, kPicFront, kPicFollow, kPlScale,
                    kPicDuration, kPicTime, kPicMomentary, kPlPause},
                   false);
    } else if (in.Has(kPicRow)) {
        out.Enable({kPlPosition, kPlOffsetX, kPlOffsetY, kPicFront, kPlScale, kPicDuration}, true);
        PlacementRule(in, out);
        PictureDuration(in, out);
    }
    out.Enable(kPicId, in.Get(kPicHasId) != 0);
}

void ScreenColorRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    // A slider's partner edit follows the slider.
    const std::initializer_list<u16> colour = {kColorRed, kColorGreen, kColorBlue, kColorPercent};
    if (in.Get(kScRestore) != 0) {
        out.Enable(colour, false).Enable({kScFlash, kScFlashCount}, false).Check(kScFlash, 0);
        return;
    }
    out.Enable(colour, true).Enable(kScFlash, true).Enable(kScFlashCount, in.Get(kScFlash) != 0);
}
