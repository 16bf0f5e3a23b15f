#include "data/ed_item.h"

#include "flow/flow_refs.h"

void cEdItem::Init()
{
    cEdData::Clear();
    m_bbInherit.assign(kInheritGroups, 0);
    m_cGraphicKind = 2;
    m_wGraphic = 0;
    m_cShowOverHead = 1;
    m_cGiant = 1;
    m_cZ = 6;
}

// The over-head flag is stored before the get type.
const cFieldTable& cEdItem::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdItem::m_cInheritKind>(),
        Field<&cEdItem::m_wInheritIndex>(),
        Field<&cEdItem::m_strName>(),
        Field<&cEdItem::m_cCondJudge>(),
        Field<&cEdItem::m_cCondLatch>(),
        Field<&cEdItem::m_sOffsetX>(),
        Field<&cEdItem::m_sOffsetY>(),
        Field<&cEdItem::m_wGraphic>(),
        Field<&cEdItem::m_cGraphicKind>(),
        Field<&cEdItem::m_wFrame>(),
        Field<&cEdItem::m_cZ>(),
        Field<&cEdItem::m_cTransparent>(),
        Field<&cEdItem::m_cIconShow>(),
        Field<&cEdItem::m_wIcon>(),
        Field<&cEdItem::m_cShowOverHead>(),
        Field<&cEdItem::m_cGetType>(),
        Field<&cEdItem::m_cGiant>(),
        Field<&cEdItem::m_wSound>(),
    };
    return s_Table;
}

bool cEdItem::Load(cDataReader& file)
{
    if (!LoadHead(file) || !LoadFlagsAndConds(file) || !LoadCommandList(m_vCommand, file)) return false;
    // The icon group came at 88.
    if (g_dwReadVersion < 88) OpenInheritSlot(m_bbInherit, kInheritGroups, 7);
    FinishLoad(g_dwReadVersion);
    return file.Ok();
}

void cEdItem::Write(cDataWriter& file) const
{
    WriteHead(file);
    WriteFlagsAndConds(file);
    WriteCommandList(m_vCommand, file);
}

void cEdItem::Validate()
{
    ValidateInheritSource();
    if (m_cGiant < 1) m_cGiant = 1;
    if (IsBadFlowRef(eFlowRefTable::Sound, m_wSound)) m_wSound = 0;
    for (cCommand& cmd : m_vCommand) cmd.Normalize();
}

void cEdItem::ValidateRefs()
{
    for (cCommand& cmd : m_vCommand) cmd.ValidateRefs();
}

bool MoveItemRange(std::vector<cEdItem>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode)
{
    return MoveEntryRange(list, nFirst, nLast, nDest, nMode);
}
