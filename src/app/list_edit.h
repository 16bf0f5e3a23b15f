#pragma once
// The editing operations of a list control over a vector of records: cut,
// copy, paste, add, insert, clear, delete and setting the number of records,
// with the cursor and row-flag rules of cListSel. Every operation works on
// the working vector only; the owner copies it to the stored data when it
// commits. A refused operation (list full, at its minimum, nothing
// selected) is a beep and a result of 0, with nothing changed.
//
// T is a record with a default state (its default constructor), copy
// assignment and Init() (back to the default state).
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/host.h"
#include "app/list_sel.h"
#include "app/safe_vector.h"

// The text of a row: (text to fill, data index, record).
template <class T>
using tListRowText = std::function<void(std::string&, int, const T*)>;

// How a list is bound: its control, the stored data it edits (may be null),
// the working copy it shows and edits, the edit record the owner's other
// controls are bound to (may be null), and its limits and layout.
template <class T>
struct cListBinding {
    u16 wSetupId = 0;
    u32 bSetupMultiSelect = 0;
    std::vector<T>* lpSetupBound = nullptr;
    std::vector<T>* lpSetupWork = nullptr;
    T* lpSetupEdit = nullptr;
    u32 bSetupNumbering = 0;
    s32 nSetupMin = 0;  // data records the operations keep at least
    s32 nSetupMax = 0;  // and at most
    u32 nSetupFirstIndex = 0;  // records at the front that the list doesn't show
    u32 bSetupExtraRow = 0;    // a separator row after the data rows
    u32 bSetupAllowNoSel = 0;
    tListRowText<T> setupRowText;

    void Set(u16 wId, std::vector<T>* lpBound, std::vector<T>* lpWork, T* lpEdit, u32 bMultiSelect,
             tListRowText<T> rowText, u32 bNumbering, s32 nMin, s32 nMax, u32 nFirstIndex, u32 bExtraRow,
             u32 bAllowNoSel)
    {
        wSetupId = wId;
        bSetupMultiSelect = bMultiSelect;
        lpSetupBound = lpBound;
        lpSetupWork = lpWork;
        lpSetupEdit = lpEdit;
        bSetupNumbering = bNumbering;
        nSetupMin = nMin;
        nSetupMax = nMax;
        nSetupFirstIndex = nFirstIndex;
        bSetupExtraRow = bExtraRow;
        bSetupAllowNoSel = bAllowNoSel;
        setupRowText = std::move(rowText);
    }
};

template <class T>
class cListEdit : public cListSel {
public:
    // Takes the binding: the stored data copied into the working vector,
    // the first row current, the rows filled.
    void Attach(const cListBinding<T>& binding)
    {
        m_lpBound = binding.lpSetupBound;
        m_lpWork = binding.lpSetupWork;
        m_lpEdit = binding.lpSetupEdit;
        m_RowText = binding.setupRowText;
        BindFlags(binding.bSetupMultiSelect, binding.bSetupNumbering, binding.nSetupMin, binding.nSetupMax,
                  binding.nSetupFirstIndex, binding.bSetupExtraRow, binding.bSetupAllowNoSel);
        if (m_lpBound && m_lpWork) *m_lpWork = *m_lpBound;
        StartSelection();
    }

    // Data to the control: the stored data copied again, the cursor kept on
    // a record, the rows filled.
    void LoadBound()
    {
        if (m_lpBound && m_lpWork) {
            *m_lpWork = *m_lpBound;
            if (m_lpEdit) {
                if (static_cast<u32>(GetCurIndex()) >= m_lpWork->size()) {
                    const int nLast = DataRows() - 1;
                    if (m_bMultiSelect) SetSingleSel(nLast, 1);
                    else SetCurSel(nLast, 1);
                }
                LoadCur();
            }
        }
        FillRows();
    }
    // Control to data: the working vector copied to the stored data.
    void StoreBound()
    {
        if (m_lpBound && m_lpWork) *m_lpBound = *m_lpWork;
    }

    // The edit record back into the cursor's record; 0 without one.
    int StoreCur()
    {
        if (m_nCursor == -1 || IsExtraRow(m_nCursor) || !m_lpEdit || !IsDataRow(m_nCursor)) return 0;
        Rec(m_nCursor + First()) = *m_lpEdit;
        return Changed();
    }

    int Copy() override
    {
        m_dwLastOp = kListCopy;
        if (!m_lpWork) return Refuse();
        if (!m_bMultiSelect) {
            const int nRow = GetCurSel();
            if (!IsDataRow(nRow)) return Refuse();
            m_Clipboard.assign(1, Rec(nRow + First()));
            return 1;
        }
        m_Clipboard.clear();
        for (size_t r = 0; r < m_RowFlags.size(); ++r)
            if (m_RowFlags[r] && IsDataRow(static_cast<int>(r))) m_Clipboard.push_back(Rec(static_cast<int>(r) + First()));
        return 1;
    }

    int Cut() override
    {
        m_dwLastOp = kListCut;
        if (Copy() != 1 || Delete(-1, 0) != 1) return 0;
        m_dwLastOp = kListCut;
        return 1;
    }

    int Paste() override
    {
        m_dwLastOp = kListPaste;
        if (!m_lpWork) return Refuse();
        m_nCursor = GetCurSel();
        if (m_nCursor == -1 || m_nCursor > DataRows()) return Refuse();
        if (IsFull()) return Refuse();
        if (!m_Clipboard.empty()) {
            const size_t nRoom = static_cast<size_t>(Limit(m_nMaxCount) - RecordCount());
            const size_t nPasted = std::min(m_Clipboard.size(), nRoom);
            const auto at = m_lpWork->begin() + m_nCursor + First();
            m_lpWork->insert(at, m_Clipboard.begin(), m_Clipboard.begin() + static_cast<std::ptrdiff_t>(nPasted));
            // The paste reached the maximum: what fitted stays.
            if (nPasted == nRoom) Host().Beep();
            if (m_lpEdit) *m_lpEdit = Rec(m_nCursor + First());
        }
        return Changed();
    }

    int AddNew() override
    {
        m_dwLastOp = kListAdd;
        if (!m_lpWork || IsFull()) return Refuse();
        m_lpWork->push_back(T());
        m_nCursor = m_lpPort->LbGetCount() - static_cast<int>(m_bExtraRow);
        if (m_lpEdit) *m_lpEdit = m_lpWork->back();
        AppendFlag();
        SetSingleSel(m_nCursor, 0);
        return Changed();
    }

    int InsertNew() override
    {
        m_dwLastOp = kListInsert;
        if (!m_lpWork) return Refuse();
        m_nCursor = GetCurSel();
        if (m_nCursor == -1) m_nCursor = 0;
        if (IsFull()) return Refuse();
        const int nAt = std::min(m_nCursor + First(), RecordCount());
        m_lpWork->insert(m_lpWork->begin() + nAt, T());
        if (m_lpEdit) *m_lpEdit = Rec(nAt);
        AppendFlag();
        return Changed();
    }

    int ClearSel() override
    {
        m_dwLastOp = kListClear;
        if (!m_lpWork) return Changed();
        if (!m_bMultiSelect) {
            m_nCursor = GetCurSel();
            if (IsDataRow(m_nCursor)) {
                Rec(m_nCursor + First()).Init();
                if (m_lpEdit) *m_lpEdit = Rec(m_nCursor + First());
            }
            return Changed();
        }
        for (size_t r = 0; r < m_RowFlags.size(); ++r)
            if (m_RowFlags[r] && IsDataRow(static_cast<int>(r))) Rec(static_cast<int>(r) + First()).Init();
        if (IsDataRow(m_nCursor) && m_lpEdit) *m_lpEdit = Rec(m_nCursor + First());
        return Changed();
    }

    int Delete(int nRow, int bOnlyCursor) override
    {
        m_dwLastOp = kListDelete;
        if (!m_lpWork) return Refuse();
        return m_bMultiSelect ? DeleteFlagged(bOnlyCursor) : DeleteRow(nRow);
    }

    int SetDataCount(int n) override
    {
        if (n < m_nMinCount || n > m_nMaxCount || !m_lpWork) return Refuse();
        m_lpWork->resize(static_cast<size_t>(First()) + static_cast<size_t>(n));
        if (m_nCursor == -1) {
            // Nothing was selected: nothing to show.
            if (m_lpEdit) *m_lpEdit = m_Empty;
        } else if (m_nCursor + First() >= RecordCount()) {
            PlaceCursor(0);
        } else {
            LoadCursorRecord();
        }
        return Changed();
    }

    int RecordCount() const override { return m_lpWork ? static_cast<int>(m_lpWork->size()) : 0; }

    // The list's own clipboard: owners may keep it elsewhere between uses.
    const std::vector<T>& GetClipboard() const { return m_Clipboard; }
    void SetClipboard(const std::vector<T>& clip) { m_Clipboard = clip; }

    std::vector<T>* GetBound() const { return m_lpBound; }
    std::vector<T>* GetWork() const { return m_lpWork; }
    T* GetEditRecord() const { return m_lpEdit; }

protected:
    bool HasEditRecord() const override { return m_lpEdit != nullptr; }
    void LoadEditRecord(int nDataIndex) override
    {
        if (m_lpEdit && m_lpWork) *m_lpEdit = Rec(nDataIndex);
    }
    void LoadEmptyRecord() override
    {
        if (m_lpEdit) *m_lpEdit = m_Empty;
    }
    void RowText(std::string& str, int nDataIndex) override
    {
        if (m_RowText) m_RowText(str, nDataIndex, &Rec(nDataIndex));
    }

private:
    int First() const { return static_cast<int>(m_nFirstIndex); }
    // The record count that a count of data records means (in 64 bits: the
    // limits may be anything).
    long long Limit(s32 nDataCount) const { return static_cast<long long>(m_nFirstIndex) + nDataCount; }
    bool IsFull() const { return RecordCount() >= Limit(m_nMaxCount); }
    bool AtMinimum() const { return RecordCount() <= Limit(m_nMinCount); }
    T& Rec(int nIndex) { return SafeAt(*m_lpWork, nIndex); }

    void AppendFlag()
    {
        if (!m_bMultiSelect) return;
        m_RowFlags.push_back(0);
        m_SavedFlags.push_back(0);
    }

    // The flagged data rows (only the cursor's with bOnlyCursor) erased in
    // row order while the list is above its minimum.
    int DeleteFlagged(int bOnlyCursor)
    {
        if (AtMinimum()) return Refuse();
        std::vector<u8> erase(m_RowFlags.size(), 0);
        int nErased = 0, nBeforeCursor = 0;
        for (size_t r = 0; r < m_RowFlags.size(); ++r) {
            const int nRow = static_cast<int>(r);
            if (bOnlyCursor && nRow != m_nCursor) continue;
            if (RecordCount() - nErased <= Limit(m_nMinCount)) break;
            if (!m_RowFlags[r] || !IsDataRow(nRow)) continue;
            erase[r] = 1;
            ++nErased;
            if (nRow < m_nCursor) ++nBeforeCursor;
            if (bOnlyCursor) break;
        }
        if (nErased == 0) return Refuse();
        m_nCursor -= nBeforeCursor;
        EraseRows(erase);
        ClearFlags();
        if (m_nCursor >= 0 && static_cast<size_t>(m_nCursor) < m_RowFlags.size())
            m_RowFlags[static_cast<size_t>(m_nCursor)] = 1;
        if (m_lpEdit) {
            if (m_nCursor >= 0 && m_nCursor + First() < RecordCount()) {
                *m_lpEdit = Rec(m_nCursor + First());
            } else {
                m_lpEdit->Init();
                if (RecordCount() <= First()) m_nCursor = -1;
            }
        }
        return Changed();
    }

    // Erases the marked rows' records and flags in one pass.
    void EraseRows(const std::vector<u8>& erase)
    {
        std::vector<T>& work = *m_lpWork;
        size_t w = m_nFirstIndex;
        for (size_t i = m_nFirstIndex; i < work.size(); ++i) {
            const size_t r = i - m_nFirstIndex;
            if (r < erase.size() && erase[r]) continue;
            if (w != i) work[w] = std::move(work[i]);
            ++w;
        }
        work.erase(work.begin() + static_cast<std::ptrdiff_t>(w), work.end());
        size_t f = 0;
        for (size_t r = 0; r < m_RowFlags.size(); ++r)
            if (!erase[r]) m_RowFlags[f++] = m_RowFlags[r];
        m_RowFlags.resize(f);
    }

    int DeleteRow(int nRow)
    {
        m_nCursor = nRow == -1 ? GetCurSel() : nRow;
        // No row, or the separator: nothing to erase.
        if (!IsDataRow(m_nCursor)) return Refuse();
        if (AtMinimum()) return Refuse();
        m_lpWork->erase(m_lpWork->begin() + m_nCursor + First());
        // The last record went: the cursor moves up.
        if (m_nCursor + First() >= RecordCount()) PlaceCursor(m_nCursor - 1);
        else LoadCursorRecord();
        return Changed();
    }

    // The cursor on a row after records went: the list box selects it and
    // the edit record shows it; with no record left the edit record is
    // reset and the cursor goes.
    void PlaceCursor(int nRow)
    {
        m_nCursor = nRow;
        m_lpPort->LbSetCurSel(nRow);
        if (!m_lpEdit) return;
        if (RecordCount() > First()) {
            *m_lpEdit = Rec(nRow + First());
        } else {
            m_lpEdit->Init();
            m_nCursor = -1;
        }
    }
    void LoadCursorRecord()
    {
        if (m_lpEdit) *m_lpEdit = Rec(m_nCursor + First());
    }

    std::vector<T>* m_lpBound = nullptr;
    std::vector<T>* m_lpWork = nullptr;
    T* m_lpEdit = nullptr;
    std::vector<T> m_Clipboard;
    T m_Empty;
    tListRowText<T> m_RowText;
};
