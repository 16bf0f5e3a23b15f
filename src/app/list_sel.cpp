#include "app/list_sel.h"

#include <algorithm>

#include "app/host.h"
#include "app/str_util.h"

namespace {

// Command IDs of the four sets, main and sub-lists, in operation order.
struct cListSetRow {
    u32 dwKind;
    u32 dwSet;
    cListCommandIds accel;
    cListCommandIds popup;
};
const cListSetRow kListSets[] = {
    {0, 1, {{40009, 40001, 40007, 40002, 0, 40008, 0}}, {{40038, 40039, 40040, 0, 0, 40041, 0}}},
    {0, 2, {{40019, 40012, 40017, 40013, 0, 40018, 0}}, {{40103, 40104, 40105, 0, 0, 40113, 0}}},
    {0, 3, {{40029, 40022, 40027, 40023, 0, 40028, 0}}, {{40108, 40109, 40110, 0, 0, 40114, 0}}},
    {0, 4, {{40098, 40091, 40096, 40092, 0, 40097, 0}}, {{40115, 40116, 40117, 0, 0, 40118, 0}}},
    {1, 1, {{40009, 40001, 40007, 0, 40033, 0, 40032}}, {{40038, 40039, 40040, 0, 40042, 0, 40043}}},
    {1, 2, {{40019, 40012, 40017, 0, 40034, 0, 40035}}, {{40103, 40104, 40105, 0, 40106, 0, 40107}}},
    {1, 3, {{40029, 40022, 40027, 0, 40036, 0, 40037}}, {{40108, 40109, 40110, 0, 40111, 0, 40112}}},
    {1, 4, {{40098, 40091, 40096, 0, 40101, 0, 40102}}, {{40115, 40116, 40117, 0, 40119, 0, 40120}}},
};

// The key of each operation: X, C, V, I, I, Delete, Delete.
const u32 kOpKeys[kListCommandOps] = {0x58, 0x43, 0x56, 0x49, 0x49, 0x2E, 0x2E};
constexpr u32 kVkDelete = 0x2E;

// The list box of a list that isn't attached: no rows, no focus.
class cNoListBox : public cListBoxPort {
public:
    int LbGetCount() override { return 0; }
    void LbResetContent() override {}
    void LbAddString(const std::string&) override {}
    int LbGetCurSel() override { return -1; }
    int LbSetCurSel(int) override { return -1; }
    bool LbGetSel(int) override { return false; }
    int LbSetSel(bool, int) override { return -1; }
    int LbGetCaretIndex() override { return -1; }
    void LbSetCaretIndex(int) override {}
    int LbGetAnchorIndex() override { return -1; }
    void LbSetAnchorIndex(int) override {}
    int LbGetTopIndex() override { return 0; }
    void LbSetTopIndex(int) override {}
    void LbRedraw() override {}
    bool LbHasFocus() override { return false; }
};

cNoListBox s_NoListBox;

}  // namespace

bool ListCommandSet(u32 dwKind, u32 dwSet, cListCommandIds& accel, cListCommandIds& popup)
{
    for (const cListSetRow& row : kListSets) {
        if (row.dwKind != dwKind || row.dwSet != dwSet) continue;
        accel = row.accel;
        popup = row.popup;
        return true;
    }
    return false;
}

// The first set with the main and the sub-list's IDs merged.
cListCommandIds DefaultListAccelIds() { return {{40009, 40001, 40007, 40002, 40033, 40008, 40032}}; }
cListCommandIds DefaultListPopupIds() { return {{40038, 40039, 40040, 0, 40042, 40041, 40043}}; }

std::vector<u16> ListKeyCommands(const cListCommandIds& accel, u32 dwKey, int bCtrlDown)
{
    std::vector<u16> ids;
    for (int i = 0; i < kListCommandOps; ++i) {
        if (!accel.aw[i] || kOpKeys[i] != dwKey) continue;
        if (dwKey != kVkDelete && !bCtrlDown) continue;
        ids.push_back(accel.aw[i]);
    }
    return ids;
}

const std::string& ListSeparatorText()
{
    static const std::string s_strSeparator(64, '-');
    return s_strSeparator;
}

void cListSel::BindBox(cListBoxPort* lpPort) { m_lpPort = lpPort ? lpPort : &s_NoListBox; }

cListSel::cListSel() : m_lpPort(&s_NoListBox), m_AccelIds(DefaultListAccelIds()), m_PopupIds(DefaultListPopupIds()) {}

int cListSel::DataRows() const
{
    const int n = RecordCount() - static_cast<int>(m_nFirstIndex);
    return n < 0 ? 0 : n;
}

void cListSel::BindFlags(u32 bMultiSelect, u32 bNumbering, s32 nMin, s32 nMax, u32 nFirstIndex, u32 bExtraRow,
                         u32 bAllowNoSel)
{
    m_bMultiSelect = bMultiSelect;
    m_bNumbering = bNumbering;
    m_nMinCount = nMin;
    m_nMaxCount = nMax;
    m_nFirstIndex = nFirstIndex;
    m_bExtraRow = bExtraRow;
    m_bAllowNoSel = bAllowNoSel;
    // A list that may lose its last record has nowhere else to put the cursor.
    if (nMin < 1 && !bExtraRow) m_bAllowNoSel = 1;
}

void cListSel::StartSelection()
{
    m_RowFlags.clear();
    m_SavedFlags.clear();
    if (m_bMultiSelect) m_RowFlags.assign(static_cast<size_t>(DataRows()) + m_bExtraRow, 0);
    m_nCursor = m_nAnchor = m_nPrevCursor = -1;
    m_nTopIndex = 0;
    if (RecordCount() > 0) SetCurSel(0, 1);
    FillRows();
    RedrawList();
}

int cListSel::SetCurSel(int nRow, int bRefresh)
{
    m_nCursor = nRow;
    if (m_nCursor == -1 && !m_bAllowNoSel) m_nCursor = 0;
    if (static_cast<u32>(m_nCursor) >= static_cast<u32>(DataRows()) + m_bExtraRow) m_nCursor = -1;
    if (bRefresh) LoadCur();
    if (!m_bMultiSelect) return m_lpPort->LbSetCurSel(m_nCursor);
    if (static_cast<u32>(m_nCursor) >= m_RowFlags.size()) m_nCursor = static_cast<int>(m_RowFlags.size()) - 1;
    else m_RowFlags[static_cast<size_t>(m_nCursor)] = 1;
    // Row -1 would select every row.
    const int nResult = m_nCursor >= 0 ? m_lpPort->LbSetSel(true, m_nCursor) : -1;
    m_lpPort->LbSetCaretIndex(m_nCursor);
    m_nAnchor = m_nCursor;
    m_lpPort->LbSetAnchorIndex(m_nCursor);
    return nResult;
}

int cListSel::SetSingleSel(int nRow, int bRefresh)
{
    if (m_bMultiSelect) {
        m_lpPort->LbSetCaretIndex(-1);
        m_lpPort->LbSetAnchorIndex(-1);
        ClearFlags();
        ApplyFlags();
    }
    return SetCurSel(nRow, bRefresh);
}

int cListSel::SelectNext(int bRefresh)
{
    if (m_bMultiSelect) {
        ClearFlags();
        const size_t nNext = static_cast<size_t>(m_nCursor + 1);
        if (nNext < m_RowFlags.size()) m_RowFlags[nNext] = 1;
    }
    return SetCurSel(m_nCursor + 1, bRefresh);
}

int cListSel::SelectRow(int nRow)
{
    const int nCount = m_lpPort->LbGetCount();
    if (nRow < 0 || nRow >= nCount) return 0;
    if (m_bMultiSelect) {
        m_lpPort->LbSetAnchorIndex(nRow);
        m_lpPort->LbSetCaretIndex(nRow);
        m_RowFlags.resize(static_cast<size_t>(nCount), 0);
        m_SavedFlags.resize(static_cast<size_t>(nCount), 0);
        if (m_RowFlags[static_cast<size_t>(nRow)]) {
            // A click inside a multiple selection keeps it.
            m_lpPort->LbSetSel(true, nRow);
        } else {
            ClearFlags();
            m_RowFlags[static_cast<size_t>(nRow)] = 1;
            ApplyFlags();
        }
    } else {
        m_lpPort->LbSetCurSel(nRow);
    }
    m_nCursor = nRow;
    LoadCur();
    return 1;
}

int cListSel::GetCurSel()
{
    if (m_lpPort->LbGetCount() <= 0) return -1;
    if (!m_bMultiSelect) return m_lpPort->LbGetCurSel();
    const int nCaret = m_lpPort->LbGetCaretIndex();
    if (nCaret >= 0 && static_cast<size_t>(nCaret) < m_RowFlags.size() && m_RowFlags[static_cast<size_t>(nCaret)])
        return nCaret;
    return -1;
}

int cListSel::GetCurIndex()
{
    const int nRow = GetCurSel();
    if (nRow == -1 || IsExtraRow(nRow)) return -1;
    return nRow + static_cast<int>(m_nFirstIndex);
}

int cListSel::CountSelected() const
{
    return static_cast<int>(std::count_if(m_RowFlags.begin(), m_RowFlags.end(), [](u32 f) { return f != 0; }));
}

int cListSel::OnSelChange()
{
    m_nTopIndex = m_lpPort->LbGetTopIndex();
    if (!m_bMultiSelect) {
        m_nCursor = GetCurSel();
    } else {
        const int nCount = m_lpPort->LbGetCount();
        m_RowFlags.resize(static_cast<size_t>(nCount < 0 ? 0 : nCount), 0);
        m_SavedFlags.resize(m_RowFlags.size(), 0);
        for (size_t r = 0; r < m_RowFlags.size(); ++r) m_RowFlags[r] = m_lpPort->LbGetSel(static_cast<int>(r)) ? 1 : 0;
        m_nCursor = m_lpPort->LbGetCaretIndex();
        m_nAnchor = m_lpPort->LbGetAnchorIndex();
        const bool bCursorFlagged =
            m_nCursor >= 0 && static_cast<size_t>(m_nCursor) < m_RowFlags.size() && m_RowFlags[static_cast<size_t>(m_nCursor)];
        if (HasEditRecord() && !bCursorFlagged) {
            const auto it = std::find_if(m_RowFlags.begin(), m_RowFlags.end(), [](u32 f) { return f != 0; });
            if (it != m_RowFlags.end()) {
                m_nCursor = static_cast<int>(it - m_RowFlags.begin());
                m_lpPort->LbSetCaretIndex(m_nCursor);
                m_lpPort->LbSetAnchorIndex(m_nCursor);
            }
        }
    }
    if (IsDataRow(m_nCursor)) {
        if (HasEditRecord()) LoadEditRecord(m_nCursor + static_cast<int>(m_nFirstIndex));
        FillRows();
        return 1;
    }
    if (!HasEditRecord()) return 0;
    LoadEmptyRecord();
    FillRows();
    return 0;
}

void cListSel::LoadCur()
{
    if (m_nCursor == -1 || !HasEditRecord() || IsExtraRow(m_nCursor)) return;
    LoadEditRecord(m_nCursor + static_cast<int>(m_nFirstIndex));
}

void cListSel::FillRows()
{
    const int nRows = DataRows();
    const int nWidth = m_bNumbering ? DigitCount(nRows) : 0;
    m_lpPort->LbBeginFill();
    m_lpPort->LbResetContent();
    std::string strText, strNumber;
    for (int i = static_cast<int>(m_nFirstIndex); i < RecordCount(); ++i) {
        strText.clear();
        RowText(strText, i);
        if (m_bNumbering) {
            IntToStrZeroPad(strNumber, i - static_cast<int>(m_nFirstIndex) + 1, nWidth);
            strText.insert(0, strNumber + " ");
        }
        m_lpPort->LbAddString(strText);
    }
    if (m_bExtraRow) m_lpPort->LbAddString(ListSeparatorText());
    m_lpPort->LbSetTopIndex(m_nTopIndex);
    if (!m_bMultiSelect) {
        m_lpPort->LbSetCurSel(m_nCursor);
    } else {
        ApplyFlags();
        m_lpPort->LbSetCaretIndex(m_nCursor);
        m_lpPort->LbSetAnchorIndex(m_nAnchor);
    }
    m_lpPort->LbEndFill();
}

void cListSel::RedrawMultiFlags()
{
    const size_t nCount = static_cast<size_t>(std::max(m_lpPort->LbGetCount(), 0));
    if (m_RowFlags.size() > nCount) {
        m_RowFlags.resize(nCount);
        m_SavedFlags.resize(std::min(m_SavedFlags.size(), nCount));
        if (!AnyFlagSet()) {
            if (!m_RowFlags.empty()) m_RowFlags[0] = 1;
            m_nCursor = 0;
        }
    }
    if (AnyFlagSet()) return;
    if (m_RowFlags.size() == m_SavedFlags.size()) {
        m_RowFlags = m_SavedFlags;
        m_nCursor = m_nPrevCursor;
        if (!AnyFlagSet() && !m_RowFlags.empty()) m_RowFlags[0] = 1;
    } else if (!m_RowFlags.empty()) {
        m_RowFlags[0] = 1;
        m_nCursor = 0;
    } else {
        m_RowFlags.assign(1, 1);
        m_nCursor = 0;
    }
    m_nAnchor = m_nCursor;
}

void cListSel::RedrawList()
{
    if (m_bMultiSelect) {
        if (!m_bAllowNoSel) RedrawMultiFlags();
        ApplyFlags();
        m_lpPort->LbSetAnchorIndex(m_nAnchor);
        m_lpPort->LbSetCaretIndex(m_nCursor);
        m_lpPort->LbSetTopIndex(m_nTopIndex);
        m_SavedFlags = m_RowFlags;
    } else {
        const int nCount = m_lpPort->LbGetCount();
        if (!m_bAllowNoSel) {
            if (m_nCursor == -1) m_nCursor = m_nPrevCursor;
            if (m_nCursor == -1 || m_nCursor >= nCount) m_nCursor = 0;
        } else if (m_nCursor >= nCount) {
            m_nCursor = -1;
        }
        m_lpPort->LbSetCurSel(m_nCursor);
        m_lpPort->LbSetTopIndex(m_nTopIndex);
    }
    m_nPrevCursor = m_nCursor;
    m_lpPort->LbRedraw();
}

int cListSel::RunCommand(const cListCommandIds& ids, u16 wId)
{
    if (wId == 0 || !m_lpPort->LbHasFocus()) return 0;
    for (u32 i = 0; i < kListCommandOps; ++i)
        if (ids.aw[i] == wId) return RunOp(i) == 1 ? 1 : 0;
    return 0;
}

int cListSel::RunOp(u32 dwOp)
{
    switch (dwOp) {
    case kListCut: return Cut();
    case kListCopy: return Copy();
    case kListPaste: return Paste();
    case kListAdd: return AddNew();
    case kListInsert: return InsertNew();
    case kListClear: return ClearSel();
    case kListDelete: return Delete(-1, 0);
    default: return 0;
    }
}

int cListSel::Refuse()
{
    Host().Beep();
    return 0;
}

int cListSel::Changed()
{
    FillRows();
    RedrawList();
    return 1;
}

void cListSel::ClearFlags() { std::fill(m_RowFlags.begin(), m_RowFlags.end(), 0); }

void cListSel::ApplyFlags()
{
    // Every row's flag, as one clearing and the flagged rows.
    m_lpPort->LbSetSel(false, -1);
    for (size_t r = 0; r < m_RowFlags.size(); ++r)
        if (m_RowFlags[r]) m_lpPort->LbSetSel(true, static_cast<int>(r));
}

bool cListSel::AnyFlagSet() const
{
    return std::any_of(m_RowFlags.begin(), m_RowFlags.end(), [](u32 f) { return f != 0; });
}
