#include "command_editor/key_cond_dlg.h"

#include <new>

#include "app/fatal.h"
#include "command_editor/rules/cond_rules.h"
#include "flow/option_names.h"
#include "framework/wnd_list.h"

namespace {

// Key state I, at least 19 of which the dialog's copy always has.
template <size_t I>
void* KeyAddress(void* lpRecord)
{
    return &static_cast<cEdKeyCond*>(lpRecord)->m_Keys[I];
}
template <size_t I>
constexpr cBindRow KeyRow(u16 wId)
{
    return Combo(wId, cFieldRef{eFieldHome::KeyCond, kValTypeU8, 0, &KeyAddress<I>}, Names(g_KeyStateNames));
}

constexpr cBindRow kKeyCondRows[] = {
    KeyRow<0>(1089),  KeyRow<1>(1091),  KeyRow<2>(1092),  KeyRow<3>(1093),  KeyRow<4>(1094),
    KeyRow<5>(1095),  KeyRow<6>(1096),  KeyRow<7>(1097),  KeyRow<8>(1098),  KeyRow<9>(1107),
    KeyRow<10>(1090), KeyRow<11>(1099), KeyRow<12>(1100), KeyRow<13>(1101), KeyRow<14>(1102),
    KeyRow<15>(1103), KeyRow<16>(1104), KeyRow<17>(1105), KeyRow<18>(1106),
    Combo(1112, KeyCondField<&cEdKeyCond::m_nKeyMode>(), Names(g_KeyCondModeNames)),
    Edit(kKeyPressMin, KeyCondField<&cEdKeyCond::m_wPressMin>(), 1, kKeyPressLimit, 1039),
    Edit(kKeyPressMax, KeyCondField<&cEdKeyCond::m_wPressMax>(), 1, kKeyPressLimit, 1110),
    Check(1108, KeyCondField<&cEdKeyCond::m_bFrontBack>()),
    Check(kKeyInfinite, KeyCondField<&cEdKeyCond::m_bPressNoMax>()),
};
static_assert(sizeof kKeyCondRows / sizeof kKeyCondRows[0] == kKeyCondKeys + 5, "a row per key");

cBoundDesc KeyCondDesc()
{
    cBoundDesc desc;
    desc.m_wDlgId = 204;
    desc.m_lpRows = kKeyCondRows;
    desc.m_nRows = static_cast<u32>(sizeof kKeyCondRows / sizeof kKeyCondRows[0]);
    desc.m_pfnRefresh = KeyCondRefresh;
    return desc;
}

}  // namespace

cKeyCondDlg::cKeyCondDlg(cWndBase* lpParent, cEdKeyCond& cond, cCtrl* lpAnchor)
    : cBoundDlg(KeyCondDesc(), lpParent, lpAnchor, 1, &g_WndList), m_Cond(cond), m_Work(cond)
{
    if (m_Work.m_Keys.size() < kKeyCondKeys) m_Work.m_Keys.resize(kKeyCondKeys, 0);
    cBindTargets targets;
    targets.Set(eFieldHome::KeyCond, &m_Work);
    Bind(targets);
}

int RunKeyCondDialog(cWndBase* lpParent, cEdKeyCond& cond, cCtrl* lpAnchor)
{
    return RunModalDlg<cKeyCondDlg>(lpParent, cond, lpAnchor);
}
