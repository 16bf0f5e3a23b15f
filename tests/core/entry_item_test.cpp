#include <gtest/gtest.h>

#include "data/ed_item.h"
#include "entry_test_util.h"
#include "flow_record_util.h"
#include "flow_test_util.h"

namespace {

class EntryItem : public cFlowTest {};

// Distinct values in every field and three effect commands: a flow change
// whose flow jumps and summons an item, a sound and an item get.
cEdItem SampleItem()
{
    cEdItem i;
    i.m_wCellX = 3;
    i.m_wCellY = 4;
    i.m_cInheritKind = 2;
    i.m_wInheritIndex = 7;
    i.m_bbInherit.assign(13, 0);
    i.m_bbInherit[12] = 1;
    i.m_strName = "コイン";
    i.m_vCond.resize(1);
    i.m_vCond[0].m_nKind = 1;
    i.m_cCondJudge = 1;
    i.m_cCondLatch = 1;
    i.m_sOffsetX = -640;
    i.m_sOffsetY = 16;
    i.m_wGraphic = 12;
    i.m_cGraphicKind = 4;
    i.m_wFrame = 999;
    i.m_cZ = 7;
    i.m_cTransparent = 1;
    i.m_cIconShow = 2;
    i.m_wIcon = 100;
    i.m_cGetType = 2;
    i.m_cShowOverHead = 0;
    i.m_cGiant = 4;
    i.m_wSound = 9;

    cCommand change = MakeCommand(1, 1, {1, 3});
    change.m_SubFlows.resize(1);
    change.m_SubFlows[0].m_nGroup = 3;
    change.m_SubFlows[0].m_Commands.push_back(MakeCommand(0, 10, {2, 100, 7, 0, 4}));
    cCommand summon = MakeCommand(0, 15);
    CreateEdShot(summon.m_pShot);
    summon.m_pShot->m_nSummonSource = 0;
    summon.m_pShot->m_wSummonIndex = 5;
    change.m_SubFlows[0].m_Commands.push_back(summon);
    cCommand sound = MakeCommand(1, 20, {3});
    sound.m_bParallel = 1;
    cCommand get = MakeCommand(1, 10, {1, 8});
    i.m_vCommand = {change, sound, get};
    return i;
}

TEST_F(EntryItem, DefaultsAndTheirLayout)
{
    const cEdItem i;
    EXPECT_TRUE(i.IsEmpty());
    EXPECT_EQ(i.m_cGraphicKind, 2);
    EXPECT_EQ(i.m_cZ, 6);
    EXPECT_EQ(i.m_cGiant, 1);
    EXPECT_EQ(i.m_cShowOverHead, 1);
    EXPECT_EQ(i.m_bbInherit, std::vector<u8>(13, 0));
    EXPECT_EQ(cEdItem::FieldTable().Count(950, false), 17u);
    EXPECT_BYTES(DataFile(950, ItemBody(i)), SavedBytes(i));
}

TEST_F(EntryItem, LayoutRoundTripAndComparison)
{
    const cEdItem i = SampleItem();
    // The flow change: its parameters, then its flow with the jump and the summon.
    cCmdHead jump;
    jump.nKind = 10;
    cCmdHead summon;
    summon.nKind = 15;
    cCmdTail summonTail;
    summonTail.shot = BodyOf(*i.m_vCommand[0].m_SubFlows[0].m_Commands[1].m_pShot);
    cFlowHead flow;
    flow.nGroup = 3;
    cCmdHead change;
    change.nSet = 1;
    change.nKind = 1;
    cCmdTail changeTail;
    changeTail.subFlows = {FlowBody(950, flow, {{}, {}, {CommandBody(950, jump, {{}, {}, {}, {}, {2, 100, 7, 0, 4}}),
                                                          CommandBody(950, summon, summonTail)}})};
    changeTail.params = {1, 3};
    cCmdHead sound;
    sound.nSet = 1;
    sound.nKind = 20;
    sound.bParallel = 1;
    cCmdHead get;
    get.nSet = 1;
    get.nKind = 10;
    const std::vector<u8> commands = cBytes()
                                         .U32(3)
                                         .Raw(CommandBody(950, change, changeTail))
                                         .Raw(CommandBody(950, sound, {{}, {}, {}, {}, {3}}))
                                         .Raw(CommandBody(950, get, {{}, {}, {}, {}, {1, 8}}));
    const std::vector<u8> body = cBytes()
                                     .U32(17)
                                     .U8(2).U16(7)                  // inherit source
                                     .U8(1).U8(1)                   // condition judge, latch
                                     .U16(0xFD80).U16(16)           // offsets -640, 16
                                     .U16(12).U8(4).U16(999)        // graphic, its kind, frame
                                     .U8(7).U8(1).U8(2).U16(100)    // Z, transparent, icon shown, icon
                                     .U8(0).U8(2).U8(4).U16(9)      // over head, get type, enlargement, sound
                                     .U32(1).Str("コイン")
                                     .U16(3).U16(4)
                                     .U32(13).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0)
                                     .U8(0).U8(1)
                                     .U32(1).Raw(BodyOf(i.m_vCond[0]))
                                     .Raw(commands);
    EXPECT_BYTES(DataFile(950, body), SavedBytes(i));
    EXPECT_BYTES(body, ItemBody(i));

    cEdItem back;
    ASSERT_TRUE(LoadFromBytes(back, DataFile(950, body)));
    EXPECT_TRUE(back == i);
    EXPECT_BYTES(DataFile(950, body), SavedBytes(back));

    const struct {
        const char* lpWhat;
        void (*pfnChange)(cEdItem&);
        bool bEqual;
    } changes[] = {
        {"get type", [](cEdItem& x) { x.m_cGetType = 0; }, false},
        {"flag", [](cEdItem& x) { x.m_bbInherit[0] = 1; }, false},
        {"condition", [](cEdItem& x) { x.m_vCond.clear(); }, false},
        {"command", [](cEdItem& x) { x.m_vCommand[1].m_Params[0] = 4; }, false},
        {"flow of a command", [](cEdItem& x) { x.m_vCommand[0].m_SubFlows[0].m_nGroup = 4; }, false},
        {"cell", [](cEdItem& x) { x.m_wCellX = 0; }, true},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.lpWhat);
        cEdItem other = i;
        change.pfnChange(other);
        EXPECT_EQ(cEdItem::IsEqual(other, i), change.bEqual);
    }
    // Two empty items are equal even when their commands differ.
    cEdItem emptyA = SampleItem();
    emptyA.m_wGraphic = 0;
    EXPECT_TRUE(emptyA == cEdItem());
    ExpectQuiet();
}

TEST_F(EntryItem, OlderVersionsMigrate)
{
    const std::vector<u8> none(13, 0);
    cEdItem sample = SampleItem();
    sample.m_vCond.clear();
    sample.m_vCommand.clear();
    ExpectEntryMigrations<cEdItem>(
        {
            {"shot graphic below 219", 218, 3, 7, none, 8, none},
            {"last shot graphic below 219", 218, 3, 119, none, 119, none},
            {"shot graphic at 219", 219, 3, 7, none, 7, none},
            // The icon group (7) came at 88: an old entry inherits it.
            {"flags below 88", 87, 2, 7, TracedFlags(12), 7, {2, 3, 4, 5, 6, 7, 8, 1, 9, 10, 11, 12, 13}},
            {"short flags at 88", 88, 2, 7, TracedFlags(12), 7, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0}},
        },
        sample, ItemBody);
    ExpectQuiet();
}

TEST_F(EntryItem, ChecksRepairReferences)
{
    cFakeFlowRefs refs;
    refs.Set(eFlowRefTable::Sound, 9);
    SetFlowRefs(&refs);
    cFakePalettes palettes;
    InstallPalettes(palettes);

    cEdItem i = SampleItem();
    i.m_cGiant = 0;
    i.Validate();
    EXPECT_EQ(i.m_cGiant, 1);
    EXPECT_EQ(i.m_wSound, 0);                            // one past the sound table
    EXPECT_EQ(i.m_cInheritKind, 2);                      // 7 of 8 stage items
    EXPECT_EQ(i.m_vCommand[1].m_Params[0], 3u);          // sound 3 of 9
    i.m_wInheritIndex = 8;
    i.m_vCommand[1].m_Params[0] = 9;
    i.Validate();
    EXPECT_EQ(i.m_cInheritKind, 0);
    EXPECT_EQ(i.m_wInheritIndex, 0);
    EXPECT_EQ(i.m_vCommand[1].m_Params[0], 1u);          // the effect commands are normalised

    // Loading checks: a stored enlargement of 0 loads as 1, a sound equal
    // to the number of sounds as 0.
    cEdItem stored = SampleItem();
    stored.m_cGiant = 0;
    cEdItem loaded;
    ASSERT_TRUE(LoadFromBytes(loaded, DataFile(950, ItemBody(stored))));
    EXPECT_EQ(loaded.m_cGiant, 1);
    EXPECT_EQ(loaded.m_wSound, 0);

    // The palette references of the effect commands and their flows.
    cEdItem withRefs = SampleItem();
    withRefs.ValidateRefs();
    EXPECT_EQ(withRefs.m_vCommand[0].m_SubFlows[0].m_Commands[1].m_pShot->m_wSummonIndex, 1);
    EXPECT_EQ(withRefs.m_vCommand[2].m_Params[1], 1u);
    ExpectQuiet();
}

TEST_F(EntryItem, DamagedBodies)
{
    const std::vector<u8> file = DataFile(950, ItemBody(SampleItem()));
    ExpectEveryTruncationFails(file, SampleItem());
    ExpectQuiet();
}

}  // namespace
