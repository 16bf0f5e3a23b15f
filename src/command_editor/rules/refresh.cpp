#include "command_editor/rules/refresh.h"

cCtrlValues::cCtrlValues(std::initializer_list<std::pair<u16, s64>> values)
{
    for (const auto& v : values) Set(v.first, v.second);
}

void cCtrlValues::Set(u16 wId, s64 nValue)
{
    for (auto& v : m_Values)
        if (v.first == wId) {
            v.second = nValue;
            return;
        }
    m_Values.emplace_back(wId, nValue);
}

void cCtrlValues::Forget(u16 wId)
{
    for (size_t i = 0; i < m_Values.size(); ++i)
        if (m_Values[i].first == wId) {
            m_Values.erase(m_Values.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
}

bool cCtrlValues::Has(u16 wId) const
{
    for (const auto& v : m_Values)
        if (v.first == wId) return true;
    return false;
}

s64 cCtrlValues::Get(u16 wId, s64 nDefault) const
{
    for (const auto& v : m_Values)
        if (v.first == wId) return v.second;
    return nDefault;
}

cCtrlDecision& cRefreshOut::At(u16 wId)
{
    for (cCtrlDecision& d : m_Decisions)
        if (d.wId == wId) return d;
    m_Decisions.emplace_back();
    m_Decisions.back().wId = wId;
    return m_Decisions.back();
}

cRefreshOut& cRefreshOut::Enable(u16 wId, bool bEnable)
{
    At(wId).nEnable = bEnable ? 1 : 0;
    return *this;
}

cRefreshOut& cRefreshOut::Enable(std::initializer_list<u16> ids, bool bEnable)
{
    for (u16 wId : ids) Enable(wId, bEnable);
    return *this;
}

cRefreshOut& cRefreshOut::Show(u16 wId, bool bShow)
{
    At(wId).nShow = bShow ? 1 : 0;
    return *this;
}

cRefreshOut& cRefreshOut::Check(u16 wId, int nState)
{
    At(wId).nCheck = static_cast<s8>(nState);
    return *this;
}

cRefreshOut& cRefreshOut::Label(u16 wId, const std::string& strText)
{
    cCtrlDecision& d = At(wId);
    d.bLabel = true;
    d.strLabel = strText;
    return *this;
}

cRefreshOut& cRefreshOut::Items(u16 wId, const cItemSource& items)
{
    cCtrlDecision& d = At(wId);
    d.bItems = true;
    d.items = items;
    return *this;
}

cRefreshOut& cRefreshOut::Base(u16 wId, s32 nBase)
{
    cCtrlDecision& d = At(wId);
    d.bBase = true;
    d.nBase = nBase;
    return *this;
}

cRefreshOut& cRefreshOut::Range(u16 wId, s32 nMin, s32 nMax)
{
    cCtrlDecision& d = At(wId);
    d.bRange = true;
    d.nMin = nMin;
    d.nMax = nMax;
    return *this;
}

cRefreshOut& cRefreshOut::Value(u16 wId, s32 nValue)
{
    cCtrlDecision& d = At(wId);
    d.bValue = true;
    d.nValue = nValue;
    return *this;
}

const cCtrlDecision* cRefreshOut::Find(u16 wId) const
{
    for (const cCtrlDecision& d : m_Decisions)
        if (d.wId == wId) return &d;
    return nullptr;
}

int cRefreshOut::Enabled(u16 wId) const
{
    const cCtrlDecision* d = Find(wId);
    return d ? d->nEnable : -1;
}

int cRefreshOut::Shown(u16 wId) const
{
    const cCtrlDecision* d = Find(wId);
    return d ? d->nShow : -1;
}

int cRefreshOut::Checked(u16 wId) const
{
    const cCtrlDecision* d = Find(wId);
    return d ? d->nCheck : -1;
}

const cItemSource* cRefreshOut::ItemsOf(u16 wId) const
{
    const cCtrlDecision* d = Find(wId);
    return d && d->bItems ? &d->items : nullptr;
}

bool cRefreshOut::RangeOf(u16 wId, s32& nMin, s32& nMax) const
{
    const cCtrlDecision* d = Find(wId);
    if (!d || !d->bRange) return false;
    nMin = d->nMin;
    nMax = d->nMax;
    return true;
}

bool cRefreshOut::ValueOf(u16 wId, s32& nValue) const
{
    const cCtrlDecision* d = Find(wId);
    if (!d || !d->bValue) return false;
    nValue = d->nValue;
    return true;
}
