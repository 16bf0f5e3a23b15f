#pragma once
// Where the rows of a dialog's combo box come from, as a value that compares
// equal for the same rows: a dialog refills a combo only when its source
// changed. BuildItems turns a source into the texts.
#include <string>
#include <vector>

#include "app/types.h"
#include "data/palette_refs.h"
#include "flow/flow_refs.h"
#include "flow/name_table.h"

enum class eRows : u8 {
    None,
    Names,          // a fixed name table
    Database,       // numbered rows of a database table
    CommonVars,     // "001 name" from variable 1
    StageVars,
    FlowKinds,      // the names of the flow-command kinds from 1
    ArrangeParams,  // the adjustable parameters of a flow-command kind
    PaletteEntries, // "007 name" from entry 1 of a palette list
    Statuses,       // the chara statuses, or the system statuses
    States,         // the chara states, or the system states
};

// The database tables are named as the flow records name them.
using eDbTable = eFlowRefTable;

struct cItemSource {
    eRows m_eRows = eRows::None;
    const cNameTable* m_lpNames = nullptr;  // Names
    eDbTable m_eTable = eDbTable::Anime;    // Database
    s32 m_nArg = 0;                         // Database: the first row; ArrangeParams: the kind
    const char* m_lpFirstText = nullptr;    // Database: the text of the first row, or none
    u8 m_nWidth = 0;                        // Database: digits of the row numbers
    s32 m_nOffset = 0;                      // Database: added to the row numbers shown

    friend bool operator==(const cItemSource& a, const cItemSource& b);
    friend bool operator!=(const cItemSource& a, const cItemSource& b) { return !(a == b); }
};

constexpr cItemSource Names(const cNameTable& names)
{
    cItemSource s;
    s.m_eRows = eRows::Names;
    s.m_lpNames = &names;
    return s;
}

// Rows from nFirstRow of a database table: "%s %s" of the number (offset +
// row, at least nWidth digits) and the row's name; the first row shows
// lpFirstText alone when there is one.
constexpr cItemSource DbRows(eDbTable eTable, s32 nFirstRow, const char* lpFirstText, u8 nWidth, s32 nOffset = 0)
{
    cItemSource s;
    s.m_eRows = eRows::Database;
    s.m_eTable = eTable;
    s.m_nArg = nFirstRow;
    s.m_lpFirstText = lpFirstText;
    s.m_nWidth = nWidth;
    s.m_nOffset = nOffset;
    return s;
}

constexpr cItemSource Rows(eRows eKind, s32 nArg = 0)
{
    cItemSource s;
    s.m_eRows = eKind;
    s.m_nArg = nArg;
    return s;
}

// The entries of a palette list, from entry 1.
constexpr cItemSource PaletteRows(ePaletteList eList) { return Rows(eRows::PaletteEntries, static_cast<s32>(eList)); }

// The names of the chara statuses, or of the system statuses.
constexpr cItemSource StatusRows(bool bSystem) { return Rows(eRows::Statuses, bSystem ? 1 : 0); }

// The names of the chara states, or of the system states.
constexpr cItemSource StateRows(bool bSystem) { return Rows(eRows::States, bSystem ? 1 : 0); }

// The row shown in place of an empty adjustable-parameter list.
extern const char* const kNoArrangeParams;

void BuildItems(const cItemSource& source, std::vector<std::string>& out);

// The labels of the adjustable parameters of a flow-command kind (empty for a
// kind without them).
std::vector<std::string> ArrangeParamLabels(u32 nKind);

// The items of a combo box from a database table: item j is row
// (nFirstRow + j). A table shorter than its first row gives no items.
template <class T>
void FillComboNumbered(std::vector<std::string>& out, const std::vector<T>& table, const char* lpFirstText,
                       s32 nFirstRow, int nWidth, s32 nOffset = 0);
void FormatNumberedRow(std::string& out, s32 nNumber, int nWidth, const std::string& strName);

template <class T>
void FillComboNumbered(std::vector<std::string>& out, const std::vector<T>& table, const char* lpFirstText,
                       s32 nFirstRow, int nWidth, s32 nOffset)
{
    out.clear();
    if (nFirstRow < 0 || static_cast<size_t>(nFirstRow) >= table.size()) return;
    out.resize(table.size() - static_cast<size_t>(nFirstRow));
    for (size_t i = static_cast<size_t>(nFirstRow); i < table.size(); ++i) {
        std::string& item = out[i - static_cast<size_t>(nFirstRow)];
        if (static_cast<s32>(i) == nFirstRow && lpFirstText) item = lpFirstText;
        else FormatNumberedRow(item, nOffset + static_cast<s32>(i), nWidth, table[i].m_strName);
    }
}
