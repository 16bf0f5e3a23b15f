#pragma once
// System.dat bytes built by hand for any data version: the numbered members
// each version stored (their first versions as the system data's table
// gives them) and the lists that version wrote, taken from a system data
// object that stands for what the old program held.
#include <climits>
#include <string>
#include <vector>

#include "data/system_data.h"
#include "flow_test_util.h"

namespace sysbytes {

// The first data version that stores each numbered member (index = number).
// Member 38 was stored by versions 221 to 259 only.
constexpr u32 kFrom[cSystem::kLastMember + 1] = {
    0,
    185, 0, 838, 0, 0, 205, 170, 113, 855, 184,                     // 1-10
    943, 933, 943, 157, 821, 932, 0, 191, 191, 915,                 // 11-20
    0, 0, 167, 167, 188, 224, 167, 167, 188, 224,                   // 21-30
    188, 192, 187, 187, 187, 187, 214, 221, 261, 272,               // 31-40
    287, 515, 289, 757, 525, 555, 637, 669, 677, 695,               // 41-50
    696, 697, 721, 728, 733, 744, 749, 752, 763, 763,               // 51-60
    768, 773, 781, 782, 783, 793, 805, 808, 818, 818,               // 61-70
    819, 822, 827, 831, 833, 837, 839, 841, 845, 845,               // 71-80
    845, 845, 861, 875, 894, 895, 896, 897, 904, 912,               // 81-90
    913, 670, 670, 880,                                             // 91-94
};
constexpr u32 kRetiredUntil = 260;

inline bool IsByteMember(int n) { return n >= 34 && n <= 36; }

// The registered body: numbered members, then the title and (from 932) the
// option description.
inline std::vector<u8> Body(u32 v, const cSystem& s, u32 dwRetired = 0)
{
    cVersionBody b(v);
    for (int n = cSystem::kFirstMember; n <= cSystem::kLastMember; ++n) {
        if (IsByteMember(n))
            b.U8(static_cast<u8>(s.GetMember(n)), kFrom[n]);
        else if (n == 38)
            b.U32(dwRetired, kFrom[n], kRetiredUntil);
        else
            b.U32(s.GetMember(n), kFrom[n]);
    }
    b.Str(s.m_strTitle).Str(s.m_strOptionHelp, 932);
    return b.Get();
}

inline cBytes& Bytes(cBytes& b, const std::vector<u8>& v)
{
    b.U32(static_cast<u32>(v.size()));
    for (u8 x : v) b.U8(x);
    return b;
}

inline cBytes& Ints(cBytes& b, const std::vector<u32>& v)
{
    b.U32(static_cast<u32>(v.size()));
    for (u32 x : v) b.U32(x);
    return b;
}

inline cBytes& Texts(cBytes& b, const std::vector<std::string>& v)
{
    b.U32(static_cast<u32>(v.size()));
    for (const std::string& s : v) b.Str(s);
    return b;
}

inline cBytes& Menu(cBytes& b, const std::vector<cSysMenuItem>& menu)
{
    b.U32(static_cast<u32>(menu.size()));
    for (const cSysMenuItem& m : menu) b.U32(1).U32(m.m_bShown).U32(1).Str(m.m_strText);
    return b;
}

inline cBytes& StatusItems(cBytes& b, u32 v, const std::vector<cSysStatusItem>& items)
{
    b.U32(static_cast<u32>(items.size()));
    for (const cSysStatusItem& i : items)
        b.Raw(cVersionBody(v)
                  .U32(i.m_bShow)
                  .U32(i.m_bSymbol)
                  .U32(i.m_dwMaxDigits)
                  .U32(i.m_bShowNumber, 204)
                  .U32(i.m_dwBarThreshold, 587)
                  .U32(i.m_dwBarUnit, 587)
                  .Str(i.m_strLabel)
                  .Get());
    return b;
}

inline cBytes& Rankings(cBytes& b, const std::vector<cSysRanking>& rankings)
{
    b.U32(static_cast<u32>(rankings.size()));
    for (const cSysRanking& r : rankings) Bytes(b.U32(1).U32(r.m_bOn).U32(0), r.m_vItem);
    return b;
}

inline cBytes& IniDefaults(cBytes& b, const std::vector<cSysIniDefault>& list)
{
    b.U32(static_cast<u32>(list.size()));
    for (const cSysIniDefault& d : list) b.U32(2).U32(d.m_dwKind).U32(d.m_dwNumber).U32(2).Str(d.m_strKey).Str(d.m_strText);
    return b;
}

// The lists after the body, as version v wrote them.
inline std::vector<u8> Tail(u32 v, const cSystem& s)
{
    cBytes b;
    Bytes(b, s.m_vStockTarget);
    if (v >= 501) Bytes(b, s.m_vResetAfterDeath);
    StatusItems(b, v, s.m_vStatusItem);
    Ints(b, s.m_vInitialLives);
    if (v >= 191) Ints(b, s.m_vInfiniteLives);
    if (v >= 186) Rankings(b, s.m_vRanking);
    Texts(b, s.m_vGameText);
    Texts(b, s.m_vSoundEffect);
    Ints(b, s.m_vScreenBgm);
    if (v >= 202) Bytes(b, s.m_vScreenBgmLoop);
    Menu(b, s.m_vTitleMenu);
    Menu(b, s.m_vPauseMenu);
    Menu(b, s.m_vOptionMenu);
    if (v >= 674) Texts(b, s.m_vRankingKind);
    IniDefaults(b, s.m_vIniDefault);
    return b;
}

// A whole System.dat of version v holding what the object holds.
inline std::vector<u8> File(u32 v, const cSystem& s, u32 dwRetired = 0)
{
    return DataFile(v, cBytes().Raw(Body(v, s, dwRetired)).Raw(Tail(v, s)));
}

}  // namespace sysbytes
