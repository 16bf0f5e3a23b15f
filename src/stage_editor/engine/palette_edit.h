#pragma once
// What the palette windows do to the palettes, without a window: the
// selection and the pen it gives, the popup menu's entry commands (the
// picked entry is their clipboard; a cut entry inserted elsewhere moves,
// also from one palette side to the other), the data count and the work
// after a data move. One palette window is a side (0 common, 1 stage) and
// a kind (0 block, 1 chara, 2 item).
#include <vector>

#include "app/types.h"

class cCommonPalette;
class cEditState;
class cPrjOption;
class cStage;

// The popup menu's entry commands.
enum ePaletteCommand : u16 {
    kPltEdit = 40141,          // "編集"
    kPltCut = 40142,           // "切り取り"
    kPltCopy = 40143,          // "コピー"
    kPltPaste = 40144,         // "貼り付け"
    kPltDelete = 40145,        // "削除"
    kPltInsertNew = 40146,     // "新規挿入"
    kPltInsertCopied = 40147,  // "コピーしたデータを挿入"
    kPltAppendCopied = 40151,  // "末尾へコピーしたデータを作成"
    kPltAppendNew = 40152,     // "末尾へ新規作成"
};
// An index at or past the end appends.
constexpr s32 kPltAppendIndex = 9999;
constexpr s32 kMaxPaletteCount = 9999;  // the data count's largest value

struct cPopupItem {
    u16 wId;
    bool bEnabled;
};
// The popup menu's items for the entry at nIndex, by the picked entry.
std::vector<cPopupItem> PopupItems(s32 nIndex, bool bPickValid, bool bPickCut);

// The inherit defaults of the project options, in order.
enum eInheritDefault : size_t {
    kInheritStage = 0,          // "ステージ": new entries of the stage palette
    kInheritCommonToPlaced = 1, // "コモン→配置": a pen picked from the common palette
    kInheritStageToPlaced = 2,  // "ステージ→配置": a pen picked from the stage palette
};

class cPaletteEdit {
public:
    cPaletteEdit(cEditState& state, cCommonPalette& common, cStage& stage, const cPrjOption& options)
        : m_State(state), m_Common(common), m_Stage(stage), m_Options(options)
    {
    }

    size_t Count(u32 dwSide, u32 dwKind) const;
    // The cell (column, row from the top of the list) of an index.
    static s32 IndexAt(s32 nScrollRow, s32 x, s32 y) { return (nScrollRow + y / 32) * 8 + x / 32; }

    // A click on an entry: the selection becomes it and it is the pen.
    // False (nothing changes) past the end of the list.
    bool Select(u32 dwSide, u32 dwKind, s32 nIndex);
    // The selected entry becomes a 1 x 1 pen of its kind with the inherit
    // default of the side it was picked from; a selection past the end
    // falls back to entry 0 without inheritance.
    void PickPen(u32 dwSide, u32 dwKind);
    // PickPen, only when the selection belongs to this side.
    void PickPenIfSelected(u32 dwSide, u32 dwKind);

    // The popup commands on the selected entry, with what follows each
    // (inheritance, normalisation, the pen).
    void RunCommand(u32 dwSide, u32 dwKind, u16 wId);

    // The entry commands.
    void CopyToClipboard(u32 dwSide, u32 dwKind, s32 nIndex, bool bCut);
    void PasteEntry(u32 dwSide, u32 dwKind, s32 nIndex);
    void InsertNewEntry(u32 dwSide, u32 dwKind, s32 nIndex);
    void InsertCopiedEntry(u32 dwSide, u32 dwKind, s32 nIndex);
    void DeleteEntry(u32 dwSide, u32 dwKind, s32 nIndex);

    // The data count: the list holds nCount entries (entry 0 included); new
    // entries are the project's default entry, on the stage side with the
    // "ステージ" inheritance of their own index. The side's modified flag is
    // set, the picked entries released, both palettes normalised.
    void SetCount(u32 dwSide, u32 dwKind, s32 nCount);
    // After a data move over this window's list.
    void AfterMove(u32 dwSide, u32 dwKind);
    // Both palettes at their minimum and checked.
    void Normalize();

private:
    template <class D> void Pick(u32 dwSide);
    template <class D> void Clone(u32 dwSide, s32 nIndex);
    template <class D> void Paste(u32 dwSide, s32 nIndex);
    template <class D> void InsertNew(u32 dwSide, s32 nIndex);
    template <class D> void Delete(u32 dwSide, s32 nIndex);
    template <class D> void Resize(u32 dwSide, s32 nCount);
    template <class D> std::vector<D>& List(u32 dwSide);
    void RefreshCommonInherit(u32 dwKind);
    void RefreshStageInherit(u32 dwKind);

    cEditState& m_State;
    cCommonPalette& m_Common;
    cStage& m_Stage;
    const cPrjOption& m_Options;
};
