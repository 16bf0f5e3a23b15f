#pragma once
// The rules of a list control that need no window: the rows of a vector of
// records (a first data index hides records at the front, a separator row
// may follow the data rows, rows may be numbered), the cursor, the anchor
// and the row flags of single and extended selection, and which editing
// operation a key, an accelerator or a popup command starts.
//
// cListSel keeps the selection and speaks to the list box through
// cListBoxPort (the Windows side sends the list box messages; tests use a
// model of a list box). The records and the editing operations come with the
// record type in cListEdit<T> (app/list_edit.h).
#include <string>
#include <vector>

#include "app/types.h"

// The list box messages the list control sends, one function each.
class cListBoxPort {
public:
    virtual ~cListBoxPort() = default;
    virtual int LbGetCount() = 0;                       // LB_GETCOUNT
    virtual void LbResetContent() = 0;                  // LB_RESETCONTENT
    virtual void LbAddString(const std::string& str) = 0;  // LB_ADDSTRING
    virtual int LbGetCurSel() = 0;                      // LB_GETCURSEL
    virtual int LbSetCurSel(int nRow) = 0;              // LB_SETCURSEL
    virtual bool LbGetSel(int nRow) = 0;                // LB_GETSEL
    virtual int LbSetSel(bool bSelect, int nRow) = 0;   // LB_SETSEL
    virtual int LbGetCaretIndex() = 0;                  // LB_GETCARETINDEX
    virtual void LbSetCaretIndex(int nRow) = 0;         // LB_SETCARETINDEX
    virtual int LbGetAnchorIndex() = 0;                 // LB_GETANCHORINDEX
    virtual void LbSetAnchorIndex(int nRow) = 0;        // LB_SETANCHORINDEX
    virtual int LbGetTopIndex() = 0;                    // LB_GETTOPINDEX
    virtual void LbSetTopIndex(int nRow) = 0;           // LB_SETTOPINDEX
    // Drawing back on (WM_SETREDRAW TRUE), the list painted again.
    virtual void LbRedraw() = 0;
    // True while the list box has the keyboard focus.
    virtual bool LbHasFocus() = 0;
    // Around a refill of every row: a list box that draws may stop drawing
    // meanwhile and show the new rows at the end.
    virtual void LbBeginFill() {}
    virtual void LbEndFill() {}
};

// The editing operations in their order; the index into the command IDs.
enum eListOp : u32 {
    kListCut = 0,
    kListCopy = 1,
    kListPaste = 2,
    kListAdd = 3,
    kListInsert = 4,
    kListClear = 5,
    kListDelete = 6,
    kListEdit = 7,  // the last operation code of EditEntry; it has no command IDs
};
constexpr int kListCommandOps = 7;

// The command IDs of the seven operations (0: the operation has none).
struct cListCommandIds {
    u16 aw[kListCommandOps] = {};
};

// The accelerator and popup command IDs of a (kind, set): kind 0 a main
// list, 1 a sub-list; set 1 to 4. False for any other pair.
bool ListCommandSet(u32 dwKind, u32 dwSet, cListCommandIds& accel, cListCommandIds& popup);
// The IDs a new list starts with.
cListCommandIds DefaultListAccelIds();
cListCommandIds DefaultListPopupIds();

// The command IDs that a key sends: every operation whose key it is and
// whose accelerator ID is not 0, in operation order. Ctrl must be held for
// X, C, V and I; Delete works with or without it.
std::vector<u16> ListKeyCommands(const cListCommandIds& accel, u32 dwKey, int bCtrlDown);

// The text of the separator row.
const std::string& ListSeparatorText();

class cListSel {
public:
    cListSel();
    virtual ~cListSel() = default;
    cListSel(const cListSel&) = default;
    cListSel& operator=(const cListSel&) = default;

    // The list box the selection is shown in, set when the control is
    // attached; until then (or with null) a list box without rows.
    void BindBox(cListBoxPort* lpPort);

    // Sets the cursor row (-1 none; row 0 unless no selection is allowed);
    // with bRefresh the cursor's record goes to the edit record.
    int SetCurSel(int nRow, int bRefresh);
    // The row as the only selected row.
    int SetSingleSel(int nRow, int bRefresh);
    // The row after the cursor as the only selected row (after an insert it
    // is at least the separator row).
    int SelectNext(int bRefresh);
    // Steps 3 to 5 of a right click: the row (computed by the Windows side
    // from the click) becomes the cursor; a row of an extended selection
    // keeps the selection. 1 when the row exists.
    int SelectRow(int nRow);

    // -1 without rows; the selected row (extended: the caret row when its
    // flag is set, else -1).
    int GetCurSel();
    // The data index of the current row; -1 without one or on the separator.
    int GetCurIndex();
    bool IsExtraRow(int nRow) const { return m_bExtraRow && nRow == DataRows(); }
    // A row that shows a record.
    bool IsDataRow(int nRow) const { return nRow >= 0 && nRow < DataRows(); }
    int CountSelected() const;

    // The owner reports a new selection (LBN_SELCHANGE): the edit record
    // follows it. 1 when a data row is current.
    int OnSelChange();
    // The cursor's record into the edit record.
    void LoadCur();
    // Rebuilds every row from the records.
    void FillRows();
    // The selection applied again after the owner refreshed its controls.
    void RedrawList();

    // Runs the operation whose command ID (accelerator or popup) is the ID,
    // only while the list box has the focus; 1 when it ran and succeeded.
    int OnAccelCommand(u16 wId) { return RunCommand(m_AccelIds, wId); }
    int OnMenuCommand(u16 wId) { return RunCommand(m_PopupIds, wId); }
    // Runs an operation by its index (delete as Delete (-1, 0)).
    int RunOp(u32 dwOp);

    // The operations, on the records of the derived class.
    virtual int Cut() = 0;
    virtual int Copy() = 0;
    virtual int Paste() = 0;
    virtual int AddNew() = 0;
    virtual int InsertNew() = 0;
    virtual int ClearSel() = 0;
    virtual int Delete(int nRow, int bOnlyCursor) = 0;
    virtual int SetDataCount(int n) = 0;

    // Number of records in the working vector, and of data rows.
    virtual int RecordCount() const = 0;
    int DataRows() const;

    int GetCursor() const { return m_nCursor; }
    int GetAnchor() const { return m_nAnchor; }
    int GetTopIndex() const { return m_nTopIndex; }
    void SetTopIndex(int nTop) { m_nTopIndex = nTop; }
    const std::vector<u32>& GetRowFlags() const { return m_RowFlags; }
    u32 GetLastOp() const { return m_dwLastOp; }
    void SetLastOp(u32 dwOp) { m_dwLastOp = dwOp; }
    u32 IsMultiSelect() const { return m_bMultiSelect; }
    s32 GetMinCount() const { return m_nMinCount; }
    s32 GetMaxCount() const { return m_nMaxCount; }
    u32 GetFirstIndex() const { return m_nFirstIndex; }
    u32 HasExtraRow() const { return m_bExtraRow; }
    u32 AllowsNoSel() const { return m_bAllowNoSel; }
    const cListCommandIds& GetAccelIds() const { return m_AccelIds; }
    const cListCommandIds& GetPopupIds() const { return m_PopupIds; }
    void SetAccelIds(const cListCommandIds& ids) { m_AccelIds = ids; }
    void SetPopupIds(const cListCommandIds& ids) { m_PopupIds = ids; }

protected:
    // The binding's flags; the selection starts empty.
    void BindFlags(u32 bMultiSelect, u32 bNumbering, s32 nMin, s32 nMax, u32 nFirstIndex, u32 bExtraRow,
                   u32 bAllowNoSel);
    // Attaching: flags sized to the rows, the first row current when there
    // is one, the rows filled.
    void StartSelection();

    // The edit record, when the list has one.
    virtual bool HasEditRecord() const = 0;
    // Copies the record at the data index (or the empty record) into the
    // edit record.
    virtual void LoadEditRecord(int nDataIndex) = 0;
    virtual void LoadEmptyRecord() = 0;
    virtual void RowText(std::string& str, int nDataIndex) = 0;

    // A refused operation: a beep, result 0.
    int Refuse();
    // After an operation that changed something: rows and selection again.
    int Changed();
    // Every flag cleared.
    void ClearFlags();
    // LB_SETSEL with every row's flag.
    void ApplyFlags();
    bool AnyFlagSet() const;

    cListBoxPort* m_lpPort;
    s32 m_nCursor = -1;
    s32 m_nAnchor = -1;
    std::vector<u32> m_RowFlags;
    s32 m_nPrevCursor = -1;
    std::vector<u32> m_SavedFlags;
    s32 m_nTopIndex = 0;
    u32 m_bMultiSelect = 0;
    u32 m_bNumbering = 0;
    s32 m_nMinCount = 0;
    s32 m_nMaxCount = 0;
    u32 m_bAllowNoSel = 0;
    u32 m_nFirstIndex = 0;
    u32 m_bExtraRow = 0;
    cListCommandIds m_AccelIds;
    cListCommandIds m_PopupIds;
    u32 m_dwLastOp = 0;

private:
    int RunCommand(const cListCommandIds& ids, u16 wId);
    void RedrawMultiFlags();
};
