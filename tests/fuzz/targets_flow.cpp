// The records that the stage, palette and project files hold lists of, each
// loaded as a data file of its own: flows and commands with their
// sub-records (condition lists, key conditions, move and shot parameters)
// and the block, chara and item entries of the palettes. References are
// repaired against the default database and palettes of six entries a list.
#include "data/database.h"
#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"
#include "data/palette_refs.h"
#include "flow/cmd_kinds.h"
#include "flow/cmd_params.h"
#include "flow/cond_item.h"
#include "flow/ed_move.h"
#include "flow/ed_flow.h"
#include "flow/ed_shot.h"
#include "flow/flow_refs.h"
#include "flow/key_cond.h"
#include "fuzz_target.h"

namespace {

class cSixEntries : public cPaletteRefs {
public:
    u32 Count(ePaletteList) const override { return 6; }
};

template <class T>
void RunRecord(const u8* lpData, size_t nSize)
{
    static const cDatabase s_Database;
    static const cSixEntries s_Palettes;
    SetFlowRefs(&s_Database);
    SetPaletteRefs(&s_Palettes);
    RunFileKind(kRecordFile<T>, lpData, nSize);
}

template <class T>
void RecordSeeds(tSeeds& seeds, const T& filled, std::initializer_list<const cFieldTable*> tables)
{
    AddVersionedSeeds(seeds, kRecordFile<T>, T(), tables);
    AddVersionedSeeds(seeds, kRecordFile<T>, filled, tables);
}

template <class T>
T Filled()
{
    T rec;
    FillFields(rec);
    return rec;
}

void CondListSeeds(tSeeds& seeds)
{
    cCondList list = Filled<cCondList>();
    for (int i = 0; i < 3; ++i) list.m_Items.push_back(Filled<cCondItem>());
    list.m_Items[1].m_nKind = 1;
    list.m_Items[2].m_nKind = 2;
    RecordSeeds(seeds, list, {&cCondList::FieldTable(), &cCondItem::FieldTable()});
}

void KeyCondSeeds(tSeeds& seeds)
{
    cEdKeyCond key = Filled<cEdKeyCond>();
    for (size_t i = 0; i < key.m_Keys.size(); ++i) key.m_Keys[i] = static_cast<u8>(i % 3);
    RecordSeeds(seeds, key, {&cEdKeyCond::FieldTable()});
}

void MoveSeeds(tSeeds& seeds) { RecordSeeds(seeds, Filled<cEdMove>(), {&cEdMove::FieldTable()}); }

void ShotSeeds(tSeeds& seeds) { RecordSeeds(seeds, Filled<cEdShot>(), {&cEdShot::FieldTable()}); }

// A new command of every kind of both sets, with a move, a shot and a
// condition list, and one whose members all carry values.
void CommandSeeds(tSeeds& seeds)
{
    RecordSeeds(seeds, Filled<cCommand>(), {&cCommand::FieldTable()});
    for (u8 nSet : {0, 1}) {
        for (u32 nKind = 0; nKind < GetCmdKindTable(nSet).Count(); ++nKind) {
            cCommand cmd;
            cmd.m_nSet = nSet;
            cmd.m_nKind = static_cast<u8>(nKind);
            PrepareCommandParams(cmd, true);
            CreateEdMove(cmd.m_pMove);
            CreateEdShot(cmd.m_pShot);
            CreateCondList(cmd.m_pCondList);
            cmd.m_Text = "v1 = rand(3)";
            seeds.push_back(SavedBytes(kRecordFile<cCommand>, cmd));
        }
    }
}

void FlowSeeds(tSeeds& seeds)
{
    cEdFlow flow = Filled<cEdFlow>();
    flow.m_Conds.push_back(Filled<cCondItem>());
    flow.m_KeyConds.push_back(Filled<cEdKeyCond>());
    flow.m_Commands.push_back(Filled<cCommand>());
    flow.m_Commands.push_back(cCommand());
    RecordSeeds(seeds, flow, {&cEdFlow::FieldTable(), &cCommand::FieldTable(), &cCondItem::FieldTable()});
}

template <class T>
void EntrySeeds(tSeeds& seeds)
{
    RecordSeeds(seeds, Filled<T>(), {&T::FieldTable(), &cCondItem::FieldTable()});
}

const cFuzzRows s_Rows{
    {"cond_list", RunRecord<cCondList>, CondListSeeds},
    {"key_cond", RunRecord<cEdKeyCond>, KeyCondSeeds},
    {"move", RunRecord<cEdMove>, MoveSeeds},
    {"shot", RunRecord<cEdShot>, ShotSeeds},
    {"command", RunRecord<cCommand>, CommandSeeds},
    {"flow", RunRecord<cEdFlow>, FlowSeeds},
    {"block", RunRecord<cEdBlock>, EntrySeeds<cEdBlock>},
    {"chara", RunRecord<cEdChara>, EntrySeeds<cEdChara>},
    {"item", RunRecord<cEdItem>, EntrySeeds<cEdItem>},
};

}  // namespace
