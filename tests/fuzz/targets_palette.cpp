// The stage and palette files and the project's settings files around
// them: the stage (.stg4) and its palette (.plt4), the common palette, the
// project options, the editor settings and the variable info.
#include "data/common_palette.h"
#include "data/database.h"
#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"
#include "data/edit_config.h"
#include "data/gval_info.h"
#include "data/prj_option.h"
#include "data/stage.h"
#include "data/stage_records.h"
#include "flow/cond_item.h"
#include "flow/ed_flow.h"
#include "fuzz_target.h"

namespace {

template <class T>
void RunRecordFile(const u8* lpData, size_t nSize)
{
    static const cDatabase s_Database;
    SetFlowRefs(&s_Database);
    RunFileKind(kRecordFile<T>, lpData, nSize);
}

// The tables whose version gates shape the palettes' entries.
const std::initializer_list<const cFieldTable*> kEntryTables = {
    &cEdBlock::FieldTable(), &cEdChara::FieldTable(), &cEdItem::FieldTable(), &cCondItem::FieldTable(),
    &cEdFlow::FieldTable(), &cCommand::FieldTable()};

void StageSeeds(tSeeds& seeds)
{
    cStage stage;
    AddVersionedSeeds(seeds, kRecordFile<cStage>, stage, {&cStage::FieldTable(), &cStageRecord::FieldTable()});
    AddVersionedSeeds(seeds, kRecordFile<cStage>, stage, kEntryTables);
}

const cFileKind<cStage> kStagePalette = {
    []() { return cStage(); },
    [](cStage& stage, const std::string& strPath) {
        return stage.LoadPalette(strPath) == eLoadResult::Loaded ? 1u : 0u;
    },
    [](const cStage& stage, const std::string& strPath) { return stage.SavePalette(strPath) ? 1u : 0u; },
};

void RunStagePalette(const u8* lpData, size_t nSize)
{
    static const cDatabase s_Database;
    SetFlowRefs(&s_Database);
    RunFileKind(kStagePalette, lpData, nSize);
}

void StagePaletteSeeds(tSeeds& seeds) { AddVersionedSeeds(seeds, kStagePalette, cStage(), kEntryTables); }

template <class T>
void EntryListSeeds(tSeeds& seeds)
{
    AddVersionedSeeds(seeds, kRecordFile<T>, T(), {&T::FieldTable()});
    AddVersionedSeeds(seeds, kRecordFile<T>, T(), kEntryTables);
}

void EditConfigSeeds(tSeeds& seeds)
{
    cEditConfig config;
    AddVersionedSeeds(seeds, kRecordFile<cEditConfig>, config, {&cEditConfig::FieldTable(), &cWndPos::FieldTable()});
    FillFields(config);
    AddVersionedSeeds(seeds, kRecordFile<cEditConfig>, config, {&cEditConfig::FieldTable()});
}

const cFileKind<cGValInfo> kGValInfo = {
    []() { return cGValInfo(3); },
    [](cGValInfo& list, const std::string& strPath) { return LoadGValInfo(list, strPath) ? 1u : 0u; },
    [](const cGValInfo& list, const std::string& strPath) { return SaveGValInfo(list, strPath) ? 1u : 0u; },
};

void RunGValInfo(const u8* lpData, size_t nSize) { RunFileKind(kGValInfo, lpData, nSize); }

void GValInfoSeeds(tSeeds& seeds)
{
    cGValInfo list(5);
    for (cStageRecord& rec : list) FillFields(rec);
    AddVersionedSeeds(seeds, kGValInfo, list, {&cStageRecord::FieldTable()});
}

const cFuzzRows s_Rows{
    {"stage", RunRecordFile<cStage>, StageSeeds, 1 << 20},
    {"stage_palette", RunStagePalette, StagePaletteSeeds, 262144},
    {"common_palette", RunRecordFile<cCommonPalette>, EntryListSeeds<cCommonPalette>, 262144},
    {"prj_option", RunRecordFile<cPrjOption>, EntryListSeeds<cPrjOption>, 262144},
    {"edit_config", RunRecordFile<cEditConfig>, EditConfigSeeds},
    {"gval_info", RunGValInfo, GValInfoSeeds},
};

}  // namespace
