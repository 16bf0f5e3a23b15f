#pragma once
// A new stage, built whole in a scratch stage before it replaces the open
// one: empty, or the newest version of a template stage file, with its own
// palette as the template left it, empty, copied from the common palette or
// read from a stage palette file.
#include <string>

#include "app/types.h"

class cCommonPalette;
class cPrjOption;
class cStage;

// The palette choices of the new-stage dialog (their texts:
// g_lpNewStagePaletteChoices).
enum eNewStagePalette : u32 {
    kNewPaletteKeep = 0,    // "上記ステージのパレットをそのまま使用"
    kNewPaletteEmpty = 1,   // "データなし"
    kNewPaletteCommon = 2,  // "コモンパレットをコピー"
    kNewPaletteFile = 3,    // "ステージパレットファイルからコピー"
    kNewPaletteChoices
};

struct cNewStageChoice {
    std::string strTemplate;  // empty: an empty stage
    u32 dwPalette = kNewPaletteKeep;
    std::string strPaletteFile;
};

enum class eNewStage {
    Created,
    PaletteMissing,   // choice 3 and no such file
    TemplateMissing,  // no version of the template could be read
    PaletteFailed,    // the palette file exists but could not be read
};

// The stage's palette lists become a copy of the common palette's, entry 0
// emptied, every further entry inheriting from the entry of its index by
// the project options' "ステージ" default.
void CopyCommonPalette(cStage& stage, const cCommonPalette& common, const cPrjOption& options);

// Builds the new stage into out (which the caller swaps in on Created) and
// normalises it. The stage that is open is not touched.
eNewStage BuildNewStage(cStage& out, const cNewStageChoice& choice, const cCommonPalette& common,
                        const cPrjOption& options);
// The user's message for a failure (none for Created).
std::string NewStageFailureText(eNewStage eResult, const cNewStageChoice& choice);
