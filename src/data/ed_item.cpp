#include "data/ed_item.h"

#include "data/palette_entry.h"
#include "data/palette_refs.h"
#include "data/serial.h"
#include "flow/flow_refs.h"

namespace {

constexpr u8 kShotGraphics = 3;

}  // namespace

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
    if (!LoadBody(file) || !file.ReadU16(m_wCellX) || !file.ReadU16(m_wCellY) ||
        !LoadByteVector(m_bbInherit, file) || !LoadCondItems(m_vCond, file) || !LoadCommandList(m_vCommand, file))
        return false;
    const u32 v = g_dwReadVersion;
    // The icon group came at 88; shot graphics were renumbered at 219.
    if (v < 88) OpenInheritSlot(m_bbInherit, kInheritGroups, 7);
    FitInheritFlags(m_bbInherit, kInheritGroups);
    if (v < 219 && m_cGraphicKind == kShotGraphics) RaiseOldShotGraphic(m_wGraphic);
    ApplyInheritance();
    Validate();
    return file.Ok();
}

void cEdItem::Save(cDataWriter& file) const
{
    cEdItem checked(*this);
    checked.Validate();
    checked.Write(file);
}

void cEdItem::Write(cDataWriter& file) const
{
    SaveBody(file);
    file.WriteU16(m_wCellX);
    file.WriteU16(m_wCellY);
    SaveByteVector(m_bbInherit, file);
    SaveCondItems(m_vCond, file);
    WriteCommandList(m_vCommand, file);
}

void cEdItem::Validate()
{
    if (IsBadPaletteSource(eEntryType::Item, m_cInheritKind, m_wInheritIndex)) {
        m_cInheritKind = 0;
        m_wInheritIndex = 0;
    }
    if (m_cGiant < 1) m_cGiant = 1;
    if (IsBadFlowRef(eFlowRefTable::Sound, m_wSound)) m_wSound = 0;
    for (cCommand& cmd : m_vCommand) cmd.Normalize();
}

void cEdItem::ValidateRefs()
{
    for (cCommand& cmd : m_vCommand) cmd.ValidateRefs();
}

void cEdItem::ApplyInheritance() { PaletteRefs().ApplyInheritance(*this); }

bool cEdItem::IsEqual(const cEdItem& a, const cEdItem& b)
{
    if (a.IsEmpty() && b.IsEmpty()) return true;
    return cEdData::IsEqual(a, b) && a.m_bbInherit == b.m_bbInherit && a.m_vCond == b.m_vCond &&
           a.m_vCommand == b.m_vCommand;
}

bool MoveItemRange(std::vector<cEdItem>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode)
{
    return MoveEntryRange(list, nFirst, nLast, nDest, nMode);
}
