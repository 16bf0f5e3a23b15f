#include "flow/cond_item.h"

#include "data/serial.h"

namespace {

// Condition kinds.
enum : u8 { kStatusCond = 4, kStatusCond2 = 5, kStatusCond3 = 6, kDistanceCond = 7 };

// Adds to a status index at or above a position where statuses were
// inserted, unless the subject is the system.
void ShiftStatus(u8& nStatus, u8 nSubject, u8 nSystemSubject, u8 nFrom, u8 nBy)
{
    if (nSubject != nSystemSubject && nStatus >= nFrom) nStatus = static_cast<u8>(nStatus + nBy);
}

}  // namespace

// Files below version 110 stored a shorter item: the kind, the first value,
// two words nothing reads any more, the comparison, the percent flag and the
// distance measure.
const cFieldTable& cCondItem::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cCondItem::m_nKind>(),
        Field<&cCondItem::m_nValue1>(),
        RetiredField<u16>().Until(110),
        RetiredField<u16>().Until(110),
        Field<&cCondItem::m_nValue2>().From(110),
        Field<&cCondItem::m_nValue3>().From(110),
        Field<&cCondItem::m_nLeftSubject>().From(110),
        Field<&cCondItem::m_nLeftStatus>().From(110),
        Field<&cCondItem::m_nLeftSource>().From(110),
        Field<&cCondItem::m_nLeftScope>().From(110),
        Field<&cCondItem::m_wLeftCharaVar>().From(110),
        Field<&cCondItem::m_nRightSource>().From(110),
        Field<&cCondItem::m_nRightSubject>().From(110),
        Field<&cCondItem::m_nRightStatus>().From(110),
        Field<&cCondItem::m_nRightScope>().From(110),
        Field<&cCondItem::m_wRightCharaVar>().From(110),
        Field<&cCondItem::m_nCompare>(),
        Field<&cCondItem::m_bPercent>().From(43),
        Field<&cCondItem::m_nLeftCoordKind>().From(883),
        Field<&cCondItem::m_nRightCoordKind>().From(883),
        Field<&cCondItem::m_nLeftGiantPos>().From(893),
        Field<&cCondItem::m_nRightGiantPos>().From(893),
        Field<&cCondItem::m_bCond20>(),
    };
    return s_Table;
}

bool cCondItem::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    Migrate(g_dwReadVersion);
    return file.Ok();
}

// Subjects: "システム" moved from 2 to 5 when targets 2 to 4 were added at
// 767. Statuses: one inserted at 10 by 168, one at 5 by 203, two at 6 by 883;
// the status condition 2 gained one at 6 by 210.
void cCondItem::Migrate(u32 v)
{
    if (v < 160 && m_nKind >= 5) m_nKind = static_cast<u8>(m_nKind + 2);
    if (v < 161 && m_nKind == kStatusCond3 && m_nLeftStatus == 2) m_nCompare ^= 1;
    if (v < 168 && m_nKind == kStatusCond) ShiftStatuses(2, 10, 1);
    if (v < 203 && m_nKind == kStatusCond) ShiftStatuses(2, 5, 1);
    if (v < 210 && m_nKind == kStatusCond2) ShiftStatus(m_nLeftStatus, m_nLeftSubject, 2, 6, 1);
    if (m_nKind == kDistanceCond) {
        if (v < 657) m_nLeftSubject = 0;
        if (v < 745) m_nLeftSource = 0;
        if (v < 746) {
            m_nRightSource = 1;
            m_nRightSubject = 1;
        }
    }
    if (v < 767 && (m_nKind == kStatusCond || m_nKind == kStatusCond2)) {
        if (m_nLeftSubject >= 2) m_nLeftSubject = static_cast<u8>(m_nLeftSubject + 3);
        if (m_nRightSubject >= 2) m_nRightSubject = static_cast<u8>(m_nRightSubject + 3);
    }
    if (v < 883 && m_nKind == kStatusCond) {
        m_nLeftCoordKind = 0;
        m_nRightCoordKind = 0;
        ShiftStatuses(5, 6, 2);
    }
    if (v < 892 && m_nKind == kStatusCond) {
        m_nLeftGiantPos = 0;
        m_nRightGiantPos = 0;
    }
}

// The left side names a status when its source is 0, the right side when its
// source is 2.
void cCondItem::ShiftStatuses(u8 nSystemSubject, u8 nFrom, u8 nBy)
{
    if (m_nLeftSource == 0) ShiftStatus(m_nLeftStatus, m_nLeftSubject, nSystemSubject, nFrom, nBy);
    if (m_nRightSource == 2) ShiftStatus(m_nRightStatus, m_nRightSubject, nSystemSubject, nFrom, nBy);
}

bool LoadCondItems(cCondItems& items, cDataReader& file) { return LoadRecordList(items, file); }

void SaveCondItems(const cCondItems& items, cDataWriter& file) { SaveRecordList(items, file); }

const cFieldTable& cCondList::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cCondList::m_nMode>(),
        Field<&cCondList::m_bList2>(),
    };
    return s_Table;
}

// Lists of files below 766 stored no items.
bool cCondList::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    if (g_dwReadVersion >= 766 && !LoadCondItems(m_Items, file)) return false;
    return file.Ok();
}

void cCondList::Save(cDataWriter& file) const
{
    SaveBody(file);
    SaveCondItems(m_Items, file);
}

u32 CreateCondList(std::shared_ptr<cCondList>& holder)
{
    holder = std::make_shared<cCondList>();
    return 1;
}
