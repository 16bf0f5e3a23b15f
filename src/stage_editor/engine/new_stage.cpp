#include "stage_editor/engine/new_stage.h"

#include "app/file_system.h"
#include "app/str_util.h"
#include "data/common_palette.h"
#include "data/inheritance.h"
#include "data/palette_set.h"
#include "data/prj_option.h"
#include "data/project_paths.h"
#include "data/stage.h"

namespace {

template <class D>
void CopyList(std::vector<D>& list, const std::vector<D>& source, const cPrjOption& options)
{
    list = source;
    if (list.empty()) return;
    list[0] = D();
    for (size_t i = 1; i < list.size(); ++i)
        SetInheritSource(list[i], options.DefaultInheritKind<D>(0), static_cast<u16>(i),
                         options.DefaultInheritFlags<D>(0));
}

}  // namespace

void CopyCommonPalette(cStage& stage, const cCommonPalette& common, const cPrjOption& options)
{
    const cPaletteScope scope(ePaletteSide::Stage, stage.m_Palette);
    CopyList(stage.m_Palette.m_vBlock, common.m_Lists.m_vBlock, options);
    CopyList(stage.m_Palette.m_vChara, common.m_Lists.m_vChara, options);
    CopyList(stage.m_Palette.m_vItem, common.m_Lists.m_vItem, options);
}

eNewStage BuildNewStage(cStage& out, const cNewStageChoice& choice, const cCommonPalette& common,
                        const cPrjOption& options)
{
    if (choice.dwPalette == kNewPaletteFile && !FileSystem().Exists(choice.strPaletteFile))
        return eNewStage::PaletteMissing;
    const cPaletteScope scope(ePaletteSide::Stage, out.m_Palette);
    if (!choice.strTemplate.empty()) {
        if (!out.LoadNewest(choice.strTemplate, g_strExt[kExtStage])) return eNewStage::TemplateMissing;
    } else {
        out.New();
        out.Normalize();
    }
    switch (choice.dwPalette) {
    case kNewPaletteEmpty:
        out.m_Palette.m_vBlock.assign(1, cEdBlock());
        out.m_Palette.m_vChara.assign(1, cEdChara());
        out.m_Palette.m_vItem.assign(1, cEdItem());
        break;
    case kNewPaletteCommon:
        CopyCommonPalette(out, common, options);
        break;
    case kNewPaletteFile:
        if (out.LoadPalette(choice.strPaletteFile) != eLoadResult::Loaded) return eNewStage::PaletteFailed;
        break;
    default:
        break;
    }
    out.Normalize();
    return eNewStage::Created;
}

std::string NewStageFailureText(eNewStage eResult, const cNewStageChoice& choice)
{
    switch (eResult) {
    case eNewStage::PaletteMissing:
        return Format("ステージパレットファイル %s が見つかりません！", choice.strPaletteFile.c_str());
    case eNewStage::TemplateMissing:
        return Format("ステージファイル %s が見つかりません！", choice.strTemplate.c_str());
    case eNewStage::PaletteFailed:
        return Format("ステージパレットファイル %s の読み込みに失敗しました！\n編集中のステージはそのままです。",
                      choice.strPaletteFile.c_str());
    default:
        return std::string();
    }
}
