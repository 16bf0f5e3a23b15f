// The flow sub-records that load as data files of their own: condition
// lists, key conditions, move and shot parameters.
#include "flow/cond_item.h"
#include "flow/ed_move.h"
#include "flow/ed_shot.h"
#include "flow/flow_refs.h"
#include "flow/key_cond.h"
#include "fuzz_target.h"

namespace {

template <class T>
const cFileKind<T> kRecordKind = {
    []() { return T(); },
    [](T& rec, const std::string& strPath) { return rec.LoadFile(strPath); },
    [](const T& rec, const std::string& strPath) { return rec.SaveFile(strPath); },
};

// A database of four effects: shots repair their effect number against it.
class cFourEffects : public cFlowRefs {
public:
    u32 Count(eFlowRefTable) const override { return 4; }
};

template <class T>
void RunRecord(const u8* lpData, size_t nSize)
{
    static const cFourEffects s_Refs;
    SetFlowRefs(&s_Refs);
    RunFileKind(kRecordKind<T>, lpData, nSize);
}

template <class T>
void RecordSeeds(tSeeds& seeds, const T& filled, std::initializer_list<const cFieldTable*> tables)
{
    AddVersionedSeeds(seeds, kRecordKind<T>, T(), tables);
    AddVersionedSeeds(seeds, kRecordKind<T>, filled, tables);
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

const cFuzzRows s_Rows{
    {"cond_list", RunRecord<cCondList>, CondListSeeds},
    {"key_cond", RunRecord<cEdKeyCond>, KeyCondSeeds},
    {"move", RunRecord<cEdMove>, MoveSeeds},
    {"shot", RunRecord<cEdShot>, ShotSeeds},
};

}  // namespace
