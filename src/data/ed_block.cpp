#include "data/ed_block.h"

namespace {

constexpr u8 kNoForce = 255;

}  // namespace

void cEdBlock::Init()
{
    cEdData::Clear();
    m_bbInherit.assign(kInheritGroups, 0);
    m_cBlockType = 1;
    m_cNoEffectForce = kNoForce;
    m_wGraphic = 0;
}

const cFieldTable& cEdBlock::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdBlock::m_cInheritKind>(),
        Field<&cEdBlock::m_wInheritIndex>(),
        Field<&cEdBlock::m_strName>(),
        Field<&cEdBlock::m_cCondJudge>(),
        Field<&cEdBlock::m_cCondLatch>(),
        Field<&cEdBlock::m_wGraphic>(),
        Field<&cEdBlock::m_cGraphicKind>(),
        Field<&cEdBlock::m_wFrame>(),
        Field<&cEdBlock::m_cFront>(),
        Field<&cEdBlock::m_cTransparent>(),
        Field<&cEdBlock::m_cIconShow>(),
        Field<&cEdBlock::m_wIcon>(),
        Field<&cEdBlock::m_cBlockType>(),
        Field<&cEdBlock::m_cNoEffectForce>(),
        Field<&cEdBlock::m_cAction>(),
        Field<&cEdBlock::m_nActionX>(),
        Field<&cEdBlock::m_cItemKind>(),
        Field<&cEdBlock::m_wItemIndex>(),
        Field<&cEdBlock::m_cNoSummon>(),
    };
    return s_Table;
}

bool cEdBlock::Load(cDataReader& file)
{
    if (!LoadHead(file) || !LoadFlagsAndConds(file)) return false;
    // The icon group came at 88.
    if (g_dwReadVersion < 88) OpenInheritSlot(m_bbInherit, kInheritGroups, 5);
    FinishLoad(g_dwReadVersion);
    return file.Ok();
}

void cEdBlock::Write(cDataWriter& file) const
{
    WriteHead(file);
    WriteFlagsAndConds(file);
}

void cEdBlock::Validate()
{
    ValidateInheritSource();
    if (m_wGraphic == 0) {
        m_cBlockType = 0;
        m_cNoSummon = 0;
    }
}

void cEdBlock::ValidateItemRef()
{
    if (IsBadPaletteSource(eEntryType::Item, m_cItemKind, m_wItemIndex)) {
        m_cItemKind = 0;
        m_wItemIndex = 0;
    }
}

bool MoveBlockRange(std::vector<cEdBlock>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode)
{
    return MoveEntryRange(list, nFirst, nLast, nDest, nMode);
}
