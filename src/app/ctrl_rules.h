#pragma once
// Rules of the dialog control wrappers that need no window: the kind codes,
// the mapping between a combo box's list positions and its stored values,
// and the match of a WM_COMMAND against a page's table of change handlers.
#include <vector>

#include "app/types.h"

// Kinds of wrappers; the dialog's command dispatch selects by them.
enum : u32 {
    kCtrlPlain = 1,
    kCtrlEditVal = 2,  // typed-value edits
    kCtrlText = 3,
    kCtrlPicture = 4,
    kCtrlCheck = 5,
    kCtrlCombo = 7,
    kCtrlList = 8,
    kCtrlSpin = 9,
    kCtrlSlider = 10,
    kCtrlScroll = 11,
};

// Notification codes as the platform sends them in the high word.
enum : u16 {
    kNotifyClicked = 0,       // BN_CLICKED
    kNotifySelChange = 1,     // CBN_SELCHANGE, LBN_SELCHANGE
    kNotifyEditChange = 0x300,  // EN_CHANGE
};

// A combo box's list maps positions to stored values either by a base
// (value = base + position) or by a table (value = table[position]).
// Position -1 is "no selection".
template <class T>
class cComboMap {
public:
    cComboMap(T base, const std::vector<T>* lpTable) : m_Base(base), m_lpTable(lpTable) {}

    // The position that shows the value; -1 when the table lacks it.
    int DataToPos(T value) const
    {
        if (!m_lpTable) return static_cast<int>(static_cast<long long>(value) - m_Base);
        for (size_t i = 0; i < m_lpTable->size(); ++i)
            if ((*m_lpTable)[i] == value) return static_cast<int>(i);
        return -1;
    }

    // The value stored for a position; false (and the value with all bits
    // set) for a position beyond the table.
    bool PosToData(int nPos, T& value) const
    {
        if (!m_lpTable || nPos == -1) {
            value = static_cast<T>(static_cast<long long>(m_Base) + nPos);
            return true;
        }
        if (nPos >= 0 && static_cast<size_t>(nPos) < m_lpTable->size()) {
            value = (*m_lpTable)[static_cast<size_t>(nPos)];
            return true;
        }
        value = static_cast<T>(-1);
        return false;
    }

    // Brings a value into the list's range [base, base + count - 1]: the
    // position to select, or -1 when the value is inside already. Without
    // items there is nothing to select. Only for maps without a table.
    int AdjustPos(T value, int nCount) const
    {
        if (nCount <= 0) return -1;
        const long long n = static_cast<long long>(value) - m_Base;
        if (n < 0) return 0;
        if (n > nCount - 1) return nCount - 1;
        return -1;
    }

private:
    T m_Base;
    const std::vector<T>* m_lpTable;
};

// True when a WM_COMMAND (its wParam) reports the change a handler of a
// control of this kind waits for: a click of a button or check box, a
// changed edit, a new selection of a combo box or list.
bool CtrlCmdMatches(u32 dwKind, u16 wId, u32 dwWParam);

// One entry of a page's table of change handlers.
template <class H>
struct cCtrlHandler {
    u32 dwKind;
    u16 wId;
    H handler;
};

template <class E>
bool cCtrlCmdMatch(const E& entry, u32 dwWParam)
{
    return CtrlCmdMatches(entry.dwKind, entry.wId, dwWParam);
}
