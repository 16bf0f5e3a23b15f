#include <gtest/gtest.h>

#include <set>

#include "data/inheritance.h"
#include "data/palette_set.h"
#include "stage_test_util.h"

namespace {

class Inheritance : public cStageTest {};

// Sources whose every member differs from an entry's defaults.
cEdBlock SourceBlock()
{
    cEdBlock b;
    b.m_strName = "岩";
    b.m_vCond.resize(1);
    b.m_cCondJudge = b.m_cCondLatch = 1;
    b.m_cGraphicKind = 3;
    b.m_wGraphic = 40;
    b.m_wFrame = 2;
    b.m_cFront = b.m_cTransparent = 1;
    b.m_cIconShow = 1;
    b.m_wIcon = 9;
    b.m_cBlockType = 2;
    b.m_cNoEffectForce = 4;
    b.m_cAction = 3;
    b.m_nActionX = -7;
    b.m_cItemKind = 2;
    b.m_wItemIndex = 1;
    b.m_cNoSummon = 1;
    return b;
}

cEdItem SourceItem()
{
    cEdItem i;
    i.m_strName = "鍵";
    i.m_vCond.resize(2);
    i.m_cCondJudge = i.m_cCondLatch = 1;
    i.m_sOffsetX = -3;
    i.m_sOffsetY = 5;
    i.m_cGraphicKind = 4;
    i.m_wGraphic = 12;
    i.m_wFrame = 6;
    i.m_cZ = 2;
    i.m_cTransparent = 1;
    i.m_cIconShow = 1;
    i.m_wIcon = 3;
    i.m_cGiant = 4;
    i.m_cGetType = 2;
    i.m_cShowOverHead = 0;
    i.m_wSound = 8;
    i.m_vCommand.resize(1);
    return i;
}

cEdChara SourceChara()
{
    cEdChara c;
    c.m_strName = "竜";
    c.m_cControl = 0;
    c.m_cPlayerNo = 2;
    c.m_cForce = 6;
    c.m_cCharaId = 12;
    c.m_vCond.resize(1);
    c.m_cCondJudge = c.m_cCondLatch = 1;
    c.m_cFaceRight = 1;
    c.m_cCloneCount = 3;
    c.m_sOffsetX = 1;
    c.m_sCloneOffsetX = 2;
    c.m_cFlipOffsetX = 1;
    c.m_sOffsetY = 3;
    c.m_sCloneOffsetY = 4;
    c.m_cFlipOffsetY = 1;
    c.m_cGraphicKind = 2;
    c.m_wGraphic = 30;
    c.m_sGraphicOffset = 5;
    c.m_wAnimeSet = 6;
    c.m_cZ = 7;
    c.m_cTransparent = 1;
    c.m_wStartEffect = 8;
    c.m_cStartEffectRun = 1;
    c.m_cStartEffectLoop = 0;
    c.m_wDeathEffect = 9;
    c.m_cDeathEffectRun = 1;
    c.m_cIconShow = 1;
    c.m_wIcon = 10;
    c.m_cFixDir = 0;
    c.m_cFly = 1;
    c.m_cInvincible = 1;
    c.m_cInvincibleEffect = 1;
    c.m_cBlock = 1;
    c.m_cGiant = 3;
    c.m_cScrollSync = 1;
    c.m_cSight = 1;
    c.m_cSightRange = 11;
    c.m_nHP = 500;
    c.m_nSP = 50;
    c.m_cBodyHitRange = 2;
    c.m_nBodyPower = 13;
    c.m_cBodyImpact = -2;
    c.m_wBodyEffect = 14;
    c.m_nDefence = 15;
    c.m_cImpactResist = 16;
    c.m_wStopEase = 17;
    c.m_cActRange = 1;
    c.m_cActJudge = 1;
    c.m_wGroupNo = 18;
    c.m_cHasGroup = 1;
    c.m_nScore = 19;
    c.m_cHoldItem = 0;
    c.m_vFlow.resize(2);
    return c;
}

// The members of an entry, by address, that differ from another entry of
// the same class: its registered fields and its lists.
template <class D>
std::set<const void*> Changed(const D& before, const D& after)
{
    std::set<const void*> changed;
    for (const cFieldDesc& d : D::FieldTable().All()) {
        if (!d.IsStoredIn(kDataVersion)) continue;
        const bool bSame = d.IsString() ? *static_cast<const std::string*>(d.Address(before)) ==
                                              *static_cast<const std::string*>(d.Address(after))
                                        : memcmp(d.Address(before), d.Address(after), d.Bytes()) == 0;
        if (!bSame) changed.insert(d.Address(after));
    }
    if (before.m_vCond != after.m_vCond) changed.insert(&after.m_vCond);
    return changed;
}
std::set<const void*> ChangedLists(const cEdChara& a, const cEdChara& b)
{
    return a.m_vFlow != b.m_vFlow ? std::set<const void*>{&b.m_vFlow} : std::set<const void*>{};
}
std::set<const void*> ChangedLists(const cEdItem& a, const cEdItem& b)
{
    return a.m_vCommand != b.m_vCommand ? std::set<const void*>{&b.m_vCommand} : std::set<const void*>{};
}
std::set<const void*> ChangedLists(const cEdBlock&, const cEdBlock&) { return {}; }

template <class D, auto... P>
std::set<const void*> Members(const D& d)
{
    return {static_cast<const void*>(&(d.*P))...};
}

// Each group alone, inherited from entry 1 of a stage palette list whose
// entries differ in every member, copies exactly the members of the
// group's row.
template <class D>
void ExpectGroups(const D& source, const std::vector<std::set<const void*> (*)(const D&)>& groups)
{
    ASSERT_EQ(groups.size(), D::kInheritGroups);
    cStage stage;
    stage.m_Palette.List<D>() = {D(), source};
    const cPaletteScope scope(ePaletteSide::Stage, stage.m_Palette);
    for (size_t g = 0; g < groups.size(); ++g) {
        SCOPED_TRACE(g);
        D entry;
        entry.m_wGraphic = 1;
        const D before = entry;
        std::vector<u8> flags(D::kInheritGroups, 0);
        flags[g] = 1;
        SetInheritSource(entry, 2, 1, flags);
        std::set<const void*> changed = Changed(before, entry);
        for (const void* p : ChangedLists(before, entry)) changed.insert(p);
        changed.erase(&entry.m_cInheritKind);
        changed.erase(&entry.m_wInheritIndex);
        EXPECT_EQ(changed, groups[g](entry));
    }
}

TEST_F(Inheritance, EachBlockGroupCopiesItsMembers)
{
    using B = cEdBlock;
    ExpectGroups<B>(SourceBlock(), {
                                       &Members<B, &B::m_strName>,
                                       &Members<B, &B::m_vCond, &B::m_cCondJudge, &B::m_cCondLatch>,
                                       &Members<B, &B::m_cGraphicKind, &B::m_wGraphic, &B::m_wFrame>,
                                       &Members<B, &B::m_cFront>,
                                       &Members<B, &B::m_cTransparent>,
                                       &Members<B, &B::m_cIconShow, &B::m_wIcon>,
                                       &Members<B, &B::m_cBlockType>,
                                       &Members<B, &B::m_cNoEffectForce>,
                                       &Members<B, &B::m_cAction, &B::m_nActionX>,
                                       &Members<B, &B::m_cItemKind, &B::m_wItemIndex>,
                                       &Members<B, &B::m_cNoSummon>,
                                   });
}

TEST_F(Inheritance, EachItemGroupCopiesItsMembers)
{
    using I = cEdItem;
    ExpectGroups<I>(SourceItem(), {
                                      &Members<I, &I::m_strName>,
                                      &Members<I, &I::m_vCond, &I::m_cCondJudge, &I::m_cCondLatch>,
                                      &Members<I, &I::m_sOffsetX>,
                                      &Members<I, &I::m_sOffsetY>,
                                      &Members<I, &I::m_cGraphicKind, &I::m_wGraphic, &I::m_wFrame>,
                                      &Members<I, &I::m_cZ>,
                                      &Members<I, &I::m_cTransparent>,
                                      &Members<I, &I::m_cIconShow, &I::m_wIcon>,
                                      &Members<I, &I::m_cGiant>,
                                      &Members<I, &I::m_cGetType>,
                                      &Members<I, &I::m_cShowOverHead>,
                                      &Members<I, &I::m_wSound>,
                                      &Members<I, &I::m_vCommand>,
                                  });
}

TEST_F(Inheritance, EachCharaGroupCopiesItsMembers)
{
    using C = cEdChara;
    ExpectGroups<C>(SourceChara(), {
                                       &Members<C, &C::m_strName>,
                                       &Members<C, &C::m_cControl, &C::m_cPlayerNo>,
                                       &Members<C, &C::m_cForce>,
                                       &Members<C, &C::m_cCharaId>,
                                       &Members<C, &C::m_vCond, &C::m_cCondJudge, &C::m_cCondLatch>,
                                       &Members<C, &C::m_cFaceRight>,
                                       &Members<C, &C::m_cCloneCount>,
                                       &Members<C, &C::m_sOffsetX, &C::m_sCloneOffsetX, &C::m_cFlipOffsetX>,
                                       &Members<C, &C::m_sOffsetY, &C::m_sCloneOffsetY, &C::m_cFlipOffsetY>,
                                       &Members<C, &C::m_cGraphicKind, &C::m_wGraphic, &C::m_sGraphicOffset>,
                                       &Members<C, &C::m_wAnimeSet>,
                                       &Members<C, &C::m_cZ>,
                                       &Members<C, &C::m_cTransparent>,
                                       &Members<C, &C::m_wStartEffect, &C::m_cStartEffectRun, &C::m_cStartEffectLoop>,
                                       &Members<C, &C::m_wDeathEffect, &C::m_cDeathEffectRun>,
                                       &Members<C, &C::m_cIconShow, &C::m_wIcon>,
                                       &Members<C, &C::m_cFixDir>,
                                       &Members<C, &C::m_cFly>,
                                       &Members<C, &C::m_cInvincible, &C::m_cInvincibleEffect>,
                                       &Members<C, &C::m_cBlock>,
                                       &Members<C, &C::m_cGiant>,
                                       &Members<C, &C::m_cScrollSync>,
                                       &Members<C, &C::m_cSight, &C::m_cSightRange>,
                                       &Members<C, &C::m_nHP>,
                                       &Members<C, &C::m_nSP>,
                                       &Members<C, &C::m_cBodyHitRange>,
                                       &Members<C, &C::m_nBodyPower>,
                                       &Members<C, &C::m_cBodyImpact>,
                                       &Members<C, &C::m_wBodyEffect>,
                                       &Members<C, &C::m_nDefence>,
                                       &Members<C, &C::m_cImpactResist>,
                                       &Members<C, &C::m_wStopEase>,
                                       &Members<C, &C::m_cActRange, &C::m_cActJudge>,
                                       &Members<C, &C::m_wGroupNo, &C::m_cHasGroup>,
                                       &Members<C, &C::m_nScore>,
                                       &Members<C, &C::m_cHoldItem>,
                                       &Members<C, &C::m_vFlow>,
                                   });
}

// The cases of inheritance that keep an entry's own values or take its
// source away.
TEST_F(Inheritance, SourcesThatGiveNothing)
{
    cStage stage;
    stage.m_Palette.m_vBlock.assign(5, SourceBlock());
    stage.m_Palette.m_vChara = {cEdChara(), SourceChara()};
    stage.m_Palette.m_vChara[1].m_vFlow.clear();
    const cPaletteScope scope(ePaletteSide::Stage, stage.m_Palette);

    const struct {
        const char* lpWhat;
        u8 nKind;
        u16 wIndex;
        u8 nFlag;
        u8 nKindAfter;
        u16 wIndexAfter;
        bool bInherits;
    } rows[] = {
        {"entry 0 is never a source", 2, 0, 1, 2, 0, false},
        {"kind 0", 0, 3, 1, 0, 3, false},
        {"a kind no palette has", 3, 3, 1, 3, 3, false},
        {"no flags", 2, 3, 0, 2, 3, false},
        {"past the list", 2, 5, 1, 0, 0, false},
        {"a source", 2, 4, 1, 2, 4, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        cEdBlock b;
        b.m_wGraphic = 1;
        b.m_cInheritKind = r.nKind;
        b.m_wInheritIndex = r.wIndex;
        b.m_bbInherit.assign(11, r.nFlag);
        b.ApplyInheritance();
        EXPECT_EQ(b.m_cInheritKind, r.nKindAfter);
        EXPECT_EQ(b.m_wInheritIndex, r.wIndexAfter);
        EXPECT_EQ(b.m_strName, r.bInherits ? "岩" : "");
    }

    // A block stored with kind 2 and index 5 beside a stage list of 5 loads
    // without a source.
    cEdBlock stored;
    stored.m_wGraphic = 1;
    stored.m_cInheritKind = 2;
    stored.m_wInheritIndex = 5;
    stored.m_bbInherit.assign(11, 1);
    cEdBlock loaded;
    ASSERT_TRUE(LoadFromBytes(loaded, DataFile(950, BlockBody(stored))));
    EXPECT_EQ(loaded.m_cInheritKind, 0);
    EXPECT_EQ(loaded.m_wInheritIndex, 0);
    EXPECT_EQ(loaded.m_strName, "");

    // Inheriting only the flows of a source without any gives one flow.
    cEdChara c;
    c.m_wGraphic = 1;
    c.m_vFlow.resize(3);
    std::vector<u8> flowsOnly(37, 0);
    flowsOnly[36] = 1;
    SetCharaInheritSource(c, 2, 1, flowsOnly);
    EXPECT_EQ(c.m_vFlow.size(), 1u);
    EXPECT_TRUE(c.m_vFlow[0] == cEdFlow());
    ExpectQuiet();
}

TEST_F(Inheritance, SettingASource)
{
    cCommonPalette common;
    common.m_Lists.m_vItem = {cEdItem(), cEdItem(), SourceItem()};
    cStage stage;
    InstallPalettes(common, stage);
    std::vector<u8> all(13, 1);

    // A source past the palette's list: no inheritance at all.
    cEdItem item;
    item.m_wGraphic = 1;
    item.m_bbInherit[4] = 1;
    SetItemInheritSource(item, 1, 3, all);
    EXPECT_EQ(item.m_cInheritKind, 0);
    EXPECT_EQ(item.m_wInheritIndex, 0);
    EXPECT_EQ(item.m_bbInherit, std::vector<u8>(13, 0));
    EXPECT_EQ(item.m_wGraphic, 1);

    // A good source: kind, index and flags stored, then inherited.
    SetItemInheritSource(item, 1, 2, all);
    EXPECT_EQ(item.m_cInheritKind, 1);
    EXPECT_EQ(item.m_wInheritIndex, 2);
    EXPECT_EQ(item.m_bbInherit, all);
    EXPECT_EQ(item.m_strName, "鍵");
    EXPECT_EQ(item.m_wGraphic, 12);

    // Flags of another count are brought to the type's: no fatal error.
    cEdItem other;
    other.m_wGraphic = 1;
    SetItemInheritSource(other, 1, 2, {1, 0, 0});
    EXPECT_EQ(other.m_bbInherit, (std::vector<u8>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(other.m_strName, "鍵");
    EXPECT_EQ(other.m_wGraphic, 1);
    std::vector<u8> tooMany(20, 1);
    SetItemInheritSource(other, 2, 1, tooMany);
    EXPECT_EQ(other.m_bbInherit.size(), 13u);
    EXPECT_EQ(other.m_cInheritKind, 0);  // the stage's item list has 1 entry
    ExpectQuiet();
    RemovePalettes();
}

}  // namespace
