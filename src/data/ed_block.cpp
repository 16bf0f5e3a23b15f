#include "data/ed_block.h"

#include "data/palette_entry.h"
#include "data/palette_refs.h"
#include "data/serial.h"
#include "flow/ed_shot.h"

namespace {

constexpr u8 kShotGraphics = 3;
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
    if (!LoadBody(file) || !file.ReadU16(m_wCellX) || !file.ReadU16(m_wCellY) ||
        !LoadByteVector(m_bbInherit, file) || !LoadCondItems(m_vCond, file))
        return false;
    const u32 v = g_dwReadVersion;
    // The icon group came at 88; shot graphics were renumbered at 219.
    if (v < 88) OpenInheritSlot(m_bbInherit, kInheritGroups, 5);
    FitInheritFlags(m_bbInherit, kInheritGroups);
    if (v < 219 && m_cGraphicKind == kShotGraphics) RaiseOldShotGraphic(m_wGraphic);
    ApplyInheritance();
    Validate();
    return file.Ok();
}

void cEdBlock::Save(cDataWriter& file) const
{
    cEdBlock checked(*this);
    checked.Validate();
    checked.Write(file);
}

void cEdBlock::Write(cDataWriter& file) const
{
    SaveBody(file);
    file.WriteU16(m_wCellX);
    file.WriteU16(m_wCellY);
    SaveByteVector(m_bbInherit, file);
    SaveCondItems(m_vCond, file);
}

void cEdBlock::Validate()
{
    if (IsBadPaletteSource(eEntryType::Block, m_cInheritKind, m_wInheritIndex)) {
        m_cInheritKind = 0;
        m_wInheritIndex = 0;
    }
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

void cEdBlock::ApplyInheritance() { PaletteRefs().ApplyInheritance(*this); }

bool cEdBlock::IsEqual(const cEdBlock& a, const cEdBlock& b)
{
    if (a.IsEmpty() && b.IsEmpty()) return true;
    return cEdData::IsEqual(a, b) && a.m_bbInherit == b.m_bbInherit && a.m_vCond == b.m_vCond;
}

bool MoveBlockRange(std::vector<cEdBlock>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode)
{
    return MoveEntryRange(list, nFirst, nLast, nDest, nMode);
}
