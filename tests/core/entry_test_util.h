#pragma once
// Block, chara and item bodies built by hand, field by field, as a file of
// a given data version stores them; their condition items, flows and
// commands are given as their own bodies.
#include <string>
#include <vector>

#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"
#include "flow_test_util.h"

inline cBytes& ByteVector(cBytes& b, const std::vector<u8>& bytes)
{
    b.U32(static_cast<u32>(bytes.size()));
    for (u8 v : bytes) b.U8(v);
    return b;
}

template <class T>
cBytes& BodyList(cBytes& b, const std::vector<T>& list)
{
    b.U32(static_cast<u32>(list.size()));
    for (const T& rec : list) b.Raw(BodyOf(rec));
    return b;
}

// The 18 numeric fields (26 bytes) and the name, whatever the version.
inline std::vector<u8> BlockBody(const cEdBlock& k)
{
    cBytes b;
    b.U32(18).U8(k.m_cInheritKind).U16(k.m_wInheritIndex).U8(k.m_cCondJudge).U8(k.m_cCondLatch);
    b.U16(k.m_wGraphic).U8(k.m_cGraphicKind).U16(k.m_wFrame).U8(k.m_cFront).U8(k.m_cTransparent);
    b.U8(k.m_cIconShow).U16(k.m_wIcon).U8(k.m_cBlockType).U8(k.m_cNoEffectForce).U8(k.m_cAction);
    b.U32(static_cast<u32>(k.m_nActionX)).U8(k.m_cItemKind).U16(k.m_wItemIndex).U8(k.m_cNoSummon);
    b.U32(1).Str(k.m_strName);
    b.U16(k.m_wCellX).U16(k.m_wCellY);
    ByteVector(b, k.m_bbInherit);
    return BodyList(b, k.m_vCond);
}

// The chara's numeric fields as version v stores them (53 at 950, 82
// bytes), its name, then the tail.
inline std::vector<u8> CharaBody(u32 v, const cEdChara& c)
{
    const std::vector<u8> fields =
        cVersionBody(v)
            .U8(c.m_cInheritKind).U16(c.m_wInheritIndex).U8(c.m_cCondJudge).U8(c.m_cCondLatch)
            .U8(c.m_cFaceRight).U8(c.m_cCloneCount)
            .U16(static_cast<u16>(c.m_sOffsetX)).U16(static_cast<u16>(c.m_sCloneOffsetX))
            .U16(static_cast<u16>(c.m_sOffsetY)).U16(static_cast<u16>(c.m_sCloneOffsetY))
            .U8(c.m_cFlipOffsetX).U8(c.m_cFlipOffsetY)
            .U16(c.m_wGraphic).U8(c.m_cGraphicKind).U16(static_cast<u16>(c.m_sGraphicOffset))
            .U16(c.m_wAnimeSet).U8(c.m_cZ).U8(c.m_cTransparent)
            .U16(c.m_wStartEffect).U8(c.m_cStartEffectRun, 196).U8(c.m_cStartEffectLoop)
            .U16(c.m_wDeathEffect).U8(c.m_cDeathEffectRun, 196)
            .U8(c.m_cIconShow).U16(c.m_wIcon).U8(c.m_cControl).U8(c.m_cPlayerNo).U8(c.m_cForce).U8(c.m_cCharaId)
            .U8(c.m_cFly).U8(c.m_cFixDir).U8(c.m_cInvincible).U8(c.m_cInvincibleEffect, 285)
            .U8(c.m_cBlock).U8(c.m_cGiant).U8(c.m_cScrollSync, 210).U8(c.m_cSight).U8(c.m_cSightRange)
            .U32(c.m_nHP).U32(c.m_nSP).U16(c.m_wStopEase).U8(c.m_cBodyHitRange, 201)
            .U32(static_cast<u32>(c.m_nBodyPower)).U8(static_cast<u8>(c.m_cBodyImpact)).U16(c.m_wBodyEffect)
            .U32(c.m_nDefence, 168).U8(c.m_cImpactResist).U32(static_cast<u32>(c.m_nScore))
            .U8(c.m_cHoldItem).U8(c.m_cHasGroup).U16(c.m_wGroupNo).U8(c.m_cActRange).U8(c.m_cActJudge)
            .Str(c.m_strName)
            .Get();
    cBytes b;
    b.Raw(fields);
    b.U16(c.m_wCellX).U16(c.m_wCellY).U32(static_cast<u32>(c.m_nHeldItemNo));
    ByteVector(b, c.m_bbInherit);
    BodyList(b, c.m_vCond);
    return BodyList(b, c.m_vFlow);
}

// The 17 numeric fields (24 bytes: the over-head flag before the get
// type), the name, then the tail.
inline std::vector<u8> ItemBody(const cEdItem& i)
{
    cBytes b;
    b.U32(17).U8(i.m_cInheritKind).U16(i.m_wInheritIndex).U8(i.m_cCondJudge).U8(i.m_cCondLatch);
    b.U16(static_cast<u16>(i.m_sOffsetX)).U16(static_cast<u16>(i.m_sOffsetY)).U16(i.m_wGraphic);
    b.U8(i.m_cGraphicKind).U16(i.m_wFrame).U8(i.m_cZ).U8(i.m_cTransparent).U8(i.m_cIconShow).U16(i.m_wIcon);
    b.U8(i.m_cShowOverHead).U8(i.m_cGetType).U8(i.m_cGiant).U16(i.m_wSound);
    b.U32(1).Str(i.m_strName);
    b.U16(i.m_wCellX).U16(i.m_wCellY);
    ByteVector(b, i.m_bbInherit);
    BodyList(b, i.m_vCond);
    return BodyList(b, i.m_vCommand);
}

// Flags whose values tell where each stored flag went: flag i holds i + 2.
inline std::vector<u8> TracedFlags(size_t n)
{
    std::vector<u8> flags(n);
    for (size_t i = 0; i < n; ++i) flags[i] = static_cast<u8>(i + 2);
    return flags;
}

// One entry of an older file: its graphic and inherit flags as stored, and
// as they load.
struct cEntryMigrationRow {
    const char* lpWhat;
    u32 dwVersion;
    u8 nGraphicKind;
    u16 wGraphic;
    std::vector<u8> flags;
    u16 wGraphicAfter;
    std::vector<u8> flagsAfter;
};

// Loads each row's body, built by bodyOf from the sample (whose lists must
// be empty: conditions, flows and commands have layouts of their own per
// version), and checks that only the graphic and the flags changed.
template <class T, class F>
void ExpectEntryMigrations(const std::vector<cEntryMigrationRow>& rows, const T& sample, F bodyOf)
{
    for (const cEntryMigrationRow& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        T stored = sample;
        stored.m_cGraphicKind = r.nGraphicKind;
        stored.m_wGraphic = r.wGraphic;
        stored.m_bbInherit = r.flags;
        T rec;
        ASSERT_TRUE(LoadFromBytes(rec, DataFile(r.dwVersion, bodyOf(stored))));
        T expected = stored;
        expected.m_wGraphic = r.wGraphicAfter;
        expected.m_bbInherit = r.flagsAfter;
        EXPECT_EQ(rec.m_wGraphic, r.wGraphicAfter);
        EXPECT_EQ(rec.m_bbInherit, r.flagsAfter);
        EXPECT_TRUE(rec == expected);
    }
}

// A palette list of n entries named by their first index.
template <class T>
std::vector<T> Numbered(int n)
{
    std::vector<T> list(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) list[static_cast<size_t>(i)].m_strName = std::to_string(i);
    return list;
}

// The entries' names in list order, space separated.
template <class T>
std::string Order(const std::vector<T>& list)
{
    std::string s;
    for (const T& e : list) s += (s.empty() ? "" : " ") + e.m_strName;
    return s;
}
