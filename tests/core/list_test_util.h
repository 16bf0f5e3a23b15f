#pragma once
// A list box without a window for the list rules: rows, the selection of a
// single or an extended-selection list box, caret, anchor and top row, as
// the list box messages leave them.
#include <string>
#include <vector>

#include "app/list_edit.h"

class cModelListBox : public cListBoxPort {
public:
    explicit cModelListBox(bool bMulti) : m_bMulti(bMulti) {}

    int LbGetCount() override { return static_cast<int>(m_Rows.size()); }
    void LbResetContent() override
    {
        m_Rows.clear();
        m_Sel.clear();
        m_nCurSel = -1;
        m_nCaret = 0;
        m_nAnchor = -1;
        m_nTop = 0;
    }
    void LbAddString(const std::string& str) override
    {
        m_Rows.push_back(str);
        m_Sel.push_back(false);
    }
    int LbGetCurSel() override { return m_bMulti ? m_nCaret : m_nCurSel; }
    int LbSetCurSel(int nRow) override
    {
        if (m_bMulti) return -1;
        m_nCurSel = InRange(nRow) ? nRow : -1;
        return m_nCurSel == -1 && nRow != -1 ? -1 : m_nCurSel;
    }
    bool LbGetSel(int nRow) override { return m_bMulti ? InRange(nRow) && m_Sel[nRow] : nRow == m_nCurSel; }
    int LbSetSel(bool bSelect, int nRow) override
    {
        if (!m_bMulti) return -1;
        if (nRow == -1) {
            m_Sel.assign(m_Sel.size(), bSelect);
            return 0;
        }
        if (!InRange(nRow)) return -1;
        m_Sel[nRow] = bSelect;
        return 0;
    }
    int LbGetCaretIndex() override { return m_bMulti ? m_nCaret : m_nCurSel; }
    void LbSetCaretIndex(int nRow) override
    {
        if (InRange(nRow)) m_nCaret = nRow;
    }
    int LbGetAnchorIndex() override { return m_nAnchor; }
    void LbSetAnchorIndex(int nRow) override
    {
        if (nRow >= -1 && nRow < LbGetCount()) m_nAnchor = nRow;
    }
    int LbGetTopIndex() override { return m_nTop; }
    void LbSetTopIndex(int nRow) override
    {
        if (InRange(nRow)) m_nTop = nRow;
    }
    void LbRedraw() override { ++m_nRedraws; }
    bool LbHasFocus() override { return m_bFocus; }

    // What the user does: a click on a row (Ctrl adds it to an extended
    // selection), then the list box's LBN_SELCHANGE is up to the test.
    void Click(int nRow, bool bCtrl = false)
    {
        if (!m_bMulti) {
            m_nCurSel = nRow;
            return;
        }
        if (!bCtrl) m_Sel.assign(m_Sel.size(), false);
        if (InRange(nRow)) m_Sel[nRow] = !bCtrl || !m_Sel[nRow];
        m_nCaret = nRow;
        m_nAnchor = nRow;
    }
    // Rows shown as selected, in order.
    std::vector<int> Selected() const
    {
        std::vector<int> rows;
        for (size_t r = 0; r < m_Rows.size(); ++r)
            if (m_bMulti ? m_Sel[r] : static_cast<int>(r) == m_nCurSel) rows.push_back(static_cast<int>(r));
        return rows;
    }

    bool m_bMulti;
    std::vector<std::string> m_Rows;
    std::vector<bool> m_Sel;
    int m_nCurSel = -1;
    int m_nCaret = 0;
    int m_nAnchor = -1;
    int m_nTop = 0;
    int m_nRedraws = 0;
    bool m_bFocus = true;

private:
    bool InRange(int nRow) const { return nRow >= 0 && nRow < static_cast<int>(m_Rows.size()); }
};

// The record of the list tests: a name and a number.
struct cListRec {
    std::string m_strName;
    s32 m_nValue = 0;
    void Init() { *this = cListRec(); }
};

inline void ListRecText(std::string& str, int, const cListRec* lpRec) { str = lpRec->m_strName; }

// n records named by their index: "r0", "r1", ...
inline std::vector<cListRec> NumberedRecs(int n)
{
    std::vector<cListRec> recs(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) recs[static_cast<size_t>(i)] = {"r" + std::to_string(i), i};
    return recs;
}

// The records' names, space separated.
inline std::string Names(const std::vector<cListRec>& recs)
{
    std::string s;
    for (const cListRec& r : recs) s += (s.empty() ? "" : " ") + r.m_strName;
    return s;
}
