// The seven condition dialogs: their binding rows, new-condition values,
// refresh rules and renames.
#include "command_editor/behaviours.h"
#include "command_editor/cond_dlg.h"
#include "command_editor/rules/cond_rules.h"
#include "flow/option_names.h"
#include "flow/var_names.h"

namespace {

template <auto P> constexpr cFieldRef Cond() { return CondField<P>(); }

// The value and the comparison of the variable conditions.
#define COND_VALUE_ROWS                                                        \
    Edit(1046, Cond<&cCondItem::m_nValue1>(), -999999, 999999, 1047),          \
        Combo(1048, Cond<&cCondItem::m_nCompare>(), Names(g_CompareNames))

void NewVarCond(cCondItem& item) { item.m_wLeftCharaVar = 1; }

// 196 "コモン変数条件": a rename saves the variable names at once.
constexpr cBindRow kCommonVarRows[] = {
    Combo(1045, Cond<&cCondItem::m_wLeftCharaVar>(), Rows(eRows::CommonVars), 1),
    COND_VALUE_ROWS,
    Button(1050),
};
const cVarRename kCommonRename(1050, 1045, eVarScope::Common, true);
const cBehaviour* const kCommonVarBehaviours[] = {&kCommonRename};

// 197 "ステージ変数条件": the names go with the stage.
constexpr cBindRow kStageVarRows[] = {
    Combo(1049, Cond<&cCondItem::m_wLeftCharaVar>(), Rows(eRows::StageVars), 1),
    COND_VALUE_ROWS,
    Button(1050),
};
const cVarRename kStageRename(1050, 1049, eVarScope::Stage, false);
const cBehaviour* const kStageVarBehaviours[] = {&kStageRename};

// 218 "キャラ変数条件".
constexpr cBindRow kCharaVarRows[] = {
    Combo(1429, Cond<&cCondItem::m_wLeftCharaVar>(), Names(g_CharaVarNames), 1),
    COND_VALUE_ROWS,
};
#undef COND_VALUE_ROWS

// 269 "ステータス条件": the subjects come from the page, the status and
// variable lists from the refresh.
constexpr cBindRow kStatusRows[] = {
    Combo(kStLeftKind, Cond<&cCondItem::m_nLeftSource>(), Names(g_OperandSourceNames)),
    Combo(kStLeftSubject, Cond<&cCondItem::m_nLeftSubject>(), cItemSource()),
    Combo(kStLeftStatus, Cond<&cCondItem::m_nLeftStatus>(), StatusRows(false)),
    Combo(kStLeftScope, Cond<&cCondItem::m_nLeftScope>(), Names(g_VarScopeNames)),
    Combo(kStLeftVar, Cond<&cCondItem::m_wLeftCharaVar>(), cItemSource(), 1),
    Button(kStLeftRename),
    Combo(kStLeftCoord, Cond<&cCondItem::m_nLeftCoordKind>(), Names(g_CoordKindNames)),
    Combo(kStLeftGiant, Cond<&cCondItem::m_nLeftGiantPos>(), Names(g_GiantOriginNames)),
    Combo(kStCompare, Cond<&cCondItem::m_nCompare>(), Names(g_CompareNames)),
    Combo(kStRightKind, Cond<&cCondItem::m_nRightSource>(), Names(g_RightSourceNames)),
    Edit(kStConstant, Cond<&cCondItem::m_nValue1>(), -999999, 999999, 1404),
    Edit(kStRandomFrom, Cond<&cCondItem::m_nValue2>(), -999999, 999999, 1053),
    Edit(kStRandomTo, Cond<&cCondItem::m_nValue3>(), -999999, 999999, 1055),
    Combo(kStRightSubject, Cond<&cCondItem::m_nRightSubject>(), cItemSource()),
    Combo(kStRightStatus, Cond<&cCondItem::m_nRightStatus>(), StatusRows(false)),
    Combo(kStRightScope, Cond<&cCondItem::m_nRightScope>(), Names(g_VarScopeNames)),
    Combo(kStRightVar, Cond<&cCondItem::m_wRightCharaVar>(), cItemSource(), 1),
    Button(kStRightRename),
    Check(kStPercent, Cond<&cCondItem::m_bPercent>()),
    Combo(kStRightCoord, Cond<&cCondItem::m_nRightCoordKind>(), Names(g_CoordKindNames)),
    Combo(kStRightGiant, Cond<&cCondItem::m_nRightGiantPos>(), Names(g_GiantOriginNames)),
};
void NewStatusCond(cCondItem& item)
{
    item.m_wLeftCharaVar = 1;
    item.m_wRightCharaVar = 1;
}
const cVarRename kStatusRenameLeft(kStLeftRename, kStLeftVar, static_cast<u16>(kStLeftScope), false);
const cVarRename kStatusRenameRight(kStRightRename, kStRightVar, static_cast<u16>(kStRightScope), false);
const cBehaviour* const kStatusBehaviours[] = {&kStatusRenameLeft, &kStatusRenameRight};

// 274 "ステータス条件2": the state list and the value list follow the
// subject and the state; the subject shown is remembered in value 0.
constexpr cBindRow kStatus2Rows[] = {
    Combo(kSt2Subject, Cond<&cCondItem::m_nLeftSubject>(), cItemSource()),
    Combo(kSt2State, Cond<&cCondItem::m_nLeftStatus>(), Names(g_CondCharaStateNames), 1),
    Combo(kSt2Value, Cond<&cCondItem::m_wLeftCharaVar>(), cItemSource()),
    Combo(1048, Cond<&cCondItem::m_nCompare>(), Names(g_CompareNames)),
};
void NewStatus2Cond(cCondItem& item) { item.m_nLeftStatus = 1; }
const cChoiceChange kStatus2Subject(kSt2Subject, 0, StatusCond2SubjectChange);
const cBehaviour* const kStatus2Behaviours[] = {&kStatus2Subject};

// 275 "ステータス条件3".
constexpr cBindRow kStatus3Rows[] = {
    Combo(11174, Cond<&cCondItem::m_nLeftSubject>(), cItemSource()),
    Combo(1173, Cond<&cCondItem::m_nLeftStatus>(), Names(g_CharaCondStateNames)),
    Combo(1048, Cond<&cCondItem::m_nCompare>(), Names(g_CondSenseNames)),
};

// 219 "距離条件": the record's fields under the distance's meanings.
constexpr cBindRow kDistanceRows[] = {
    Combo(1464, Cond<&cCondItem::m_nLeftSubject>(), Names(g_SubjectPlayerNames)),
    Combo(1049, Cond<&cCondItem::m_bCond20>(), Names(g_DistanceShapeNames)),
    Edit(1183, Cond<&cCondItem::m_nValue1>(), 0, 40, 1184),
    Edit(1185, Cond<&cCondItem::m_wRightCharaVar>(), -15, 15, 1186),
    Combo(1048, Cond<&cCondItem::m_nCompare>(), Names(g_DistanceSideNames)),
    Combo(kDistDisplay, Cond<&cCondItem::m_nLeftSource>(), Names(g_RangeDisplayNames)),
    Combo(kDistColour, Cond<&cCondItem::m_nLeftStatus>(), Names(g_RangeColorNames)),
    Check(kDistUnappeared, Cond<&cCondItem::m_nRightSource>()),
    Check(kDistTransparent, Cond<&cCondItem::m_nRightSubject>()),
};
void NewDistanceCond(cCondItem& item)
{
    item.m_nValue1 = 10;
    item.m_wRightCharaVar = 0;
    item.m_nRightSource = 1;
    item.m_nRightSubject = 1;
}

template <size_t N>
cCondDlgDesc CondDlg(u8 nKind, u16 wDlgId, const cBindRow (&rows)[N], void (*pfnNew)(cCondItem&) = nullptr,
                     fnRefresh pfnRefresh = nullptr)
{
    cCondDlgDesc d;
    d.m_nKind = nKind;
    d.m_Bound.m_wDlgId = wDlgId;
    d.m_Bound.m_lpRows = rows;
    d.m_Bound.m_nRows = static_cast<u32>(N);
    d.m_Bound.m_pfnRefresh = pfnRefresh;
    d.m_pfnNew = pfnNew;
    return d;
}

template <size_t N>
cCondDlgDesc With(cCondDlgDesc d, const cBehaviour* const (&behaviours)[N])
{
    d.m_Bound.m_lpBehaviours = behaviours;
    d.m_Bound.m_nBehaviours = static_cast<u32>(N);
    return d;
}

cCondDlgDesc Subjects(cCondDlgDesc d, u16 wFirst, u16 wSecond, bool bSystem)
{
    d.m_awSubjects[0] = wFirst;
    d.m_awSubjects[1] = wSecond;
    d.m_bSystemSubject = bSystem;
    return d;
}

const cCondDlgDesc kCondDialogs[] = {
    With(CondDlg(1, 196, kCommonVarRows, NewVarCond), kCommonVarBehaviours),
    With(CondDlg(2, 197, kStageVarRows, NewVarCond), kStageVarBehaviours),
    CondDlg(3, 218, kCharaVarRows, NewVarCond),
    Subjects(With(CondDlg(4, 269, kStatusRows, NewStatusCond, StatusCondRefresh), kStatusBehaviours), kStLeftSubject,
             kStRightSubject, true),
    Subjects(With(CondDlg(5, 274, kStatus2Rows, NewStatus2Cond, StatusCond2Refresh), kStatus2Behaviours),
             kSt2Subject, 0, true),
    Subjects(CondDlg(6, 275, kStatus3Rows), 11174, 0, false),
    CondDlg(7, 219, kDistanceRows, NewDistanceCond, DistanceCondRefresh),
};

}  // namespace

const cCondDlgDesc* FindCondDialog(u32 nKind)
{
    for (const cCondDlgDesc& desc : kCondDialogs)
        if (desc.m_nKind == nKind) return &desc;
    return nullptr;
}
