#include <gtest/gtest.h>

#include "app/fatal.h"
#include "app/log.h"
#include "flow/ed_flow.h"
#include "flow_record_util.h"
#include "flow_test_util.h"

namespace {

class FlowCommand : public cFlowTest {};

// A wait of one second: the sub-flow's only command.
cCommand Wait(u16 wTime)
{
    cCommand cmd = MakeCommand(0, 1);
    cmd.m_wTime = wTime;
    return cmd;
}

// A flow-operation command with every part of the record set: the three
// sub-records, a text and a sub-flow.
cCommand SampleCommand()
{
    cCommand cmd = MakeCommand(0, 16, {4, 2, 5, 3});
    cmd.m_Text = "コード";
    cmd.m_wTime = 123;
    cmd.m_nCloneFactor = -5;
    cmd.m_bParallel = 1;
    cmd.m_wSound = 2;
    cmd.m_bMuteOffScreen = 0;
    cmd.m_wAnime = 1;
    CreateEdMove(cmd.m_pMove);
    cmd.m_pMove->m_nMode = 1;
    cmd.m_pMove->m_wSpeed = 40;
    CreateEdShot(cmd.m_pShot);
    cmd.m_pShot->m_wGraphic = 5;
    CreateCondList(cmd.m_pCondList);
    cmd.m_pCondList->m_nMode = 1;
    cmd.m_pCondList->m_bList2 = 1;
    cmd.m_pCondList->m_Items.resize(1);
    cmd.m_pCondList->m_Items[0].m_nKind = 1;
    cmd.m_pCondList->m_Items[0].m_nValue1 = 7;
    cmd.m_SubFlows.resize(1);
    cmd.m_SubFlows[0].m_Commands.push_back(Wait(10));
    return cmd;
}

std::vector<u8> SampleCommandBody()
{
    const cCommand c = SampleCommand();
    cCmdHead head;
    head.nKind = 16;
    head.wTime = 123;
    head.wClone = 0xFFFB;
    head.bParallel = 1;
    head.wSound = 2;
    head.bMute = 0;
    head.wAnime = 1;
    head.strText = "コード";
    cCmdHead wait;
    wait.nKind = 1;
    wait.wTime = 10;
    cCmdTail tail;
    tail.move = BodyOf(*c.m_pMove);
    tail.shot = BodyOf(*c.m_pShot);
    tail.condList = BodyOf(*c.m_pCondList);
    tail.subFlows = {FlowBody(950, {}, {{}, {}, {CommandBody(950, wait)}})};
    tail.params = {4, 2, 5, 3};
    return CommandBody(950, head, tail);
}

TEST_F(FlowCommand, DefaultsAndTheirLayout)
{
    const cCommand c;
    EXPECT_EQ(c.m_bMuteOffScreen, 1);
    EXPECT_FALSE(c.m_pMove || c.m_pShot || c.m_pCondList);
    EXPECT_EQ(cCommand::FieldTable().Count(950, false), 8u);
    // 44 bytes: the eight fields in 12 bytes, the empty text, no
    // sub-records, no sub-flows, no parameters.
    const std::vector<u8> body = cBytes()
                                     .U32(8).U8(0).U8(0).U16(0).U16(0).U8(0).U16(0).U8(1).U16(0)
                                     .U32(1).U32(1)
                                     .U32(0).U32(0).U32(0).U32(0).U32(0);
    EXPECT_EQ(body.size(), 44u);
    EXPECT_BYTES(DataFile(950, body), SavedBytes(c));
    ExpectQuiet();
}

TEST_F(FlowCommand, LayoutRoundTripAndComparison)
{
    const cCommand c = SampleCommand();
    EXPECT_BYTES(DataFile(950, SampleCommandBody()), SavedBytes(c));

    cCommand back;
    ASSERT_TRUE(LoadFromBytes(back, DataFile(950, SampleCommandBody())));
    EXPECT_TRUE(back == c);
    EXPECT_BYTES(DataFile(950, SampleCommandBody()), SavedBytes(back));

    // Every part takes part in the comparison.
    const struct {
        const char* lpWhat;
        void (*pfnChange)(cCommand&);
    } changes[] = {
        {"field", [](cCommand& x) { x.m_wAnime = 0; }},
        {"text", [](cCommand& x) { x.m_Text = "コ"; }},
        {"parameter", [](cCommand& x) { x.m_Params[3] = 0; }},
        {"move value", [](cCommand& x) { x.m_pMove->m_wSpeed = 41; }},
        {"no move", [](cCommand& x) { x.m_pMove.reset(); }},
        {"no shot", [](cCommand& x) { x.m_pShot.reset(); }},
        {"condition item", [](cCommand& x) { x.m_pCondList->m_Items[0].m_nValue1 = 8; }},
        {"no condition list", [](cCommand& x) { x.m_pCondList.reset(); }},
        {"sub-flow command", [](cCommand& x) { x.m_SubFlows[0].m_Commands[0].m_wTime = 11; }},
        {"no sub-flow", [](cCommand& x) { x.m_SubFlows.clear(); }},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.lpWhat);
        cCommand other = c;
        change.pfnChange(other);
        EXPECT_TRUE(other != c);
        EXPECT_TRUE(c != other);
    }
    ExpectQuiet();
}

TEST_F(FlowCommand, CopiesOwnTheirSubRecords)
{
    const cCommand source = SampleCommand();
    cCommand target = MakeCommand(0, 1);
    target = source;
    EXPECT_TRUE(target == source);
    ASSERT_TRUE(target.m_pMove && target.m_pShot && target.m_pCondList);
    EXPECT_NE(target.m_pMove, source.m_pMove);
    EXPECT_NE(target.m_pShot, source.m_pShot);
    EXPECT_NE(target.m_pCondList, source.m_pCondList);
    target.m_pMove->m_wSpeed = 99;
    EXPECT_EQ(source.m_pMove->m_wSpeed, 40);

    cCommand constructed(source);
    EXPECT_NE(constructed.m_pShot, source.m_pShot);
    EXPECT_TRUE(constructed == source);

    // A source without sub-records empties the target's.
    target = MakeCommand(0, 1);
    EXPECT_FALSE(target.m_pMove || target.m_pShot || target.m_pCondList);

    // Assigning a command to itself, or a command it owns to it, reads
    // nothing that the assignment released.
    cCommand self = SampleCommand();
    cCommand& alias = self;
    self = alias;
    EXPECT_TRUE(self == SampleCommand());
    self = self.m_SubFlows[0].m_Commands[0];
    EXPECT_TRUE(self == Wait(10));

    // Flows copy their commands deeply too.
    cEdFlow flow;
    flow.m_Commands.push_back(SampleCommand());
    cEdFlow flowCopy = flow;
    EXPECT_NE(flowCopy.m_Commands[0].m_pMove, flow.m_Commands[0].m_pMove);
    EXPECT_TRUE(flowCopy == flow);
    ExpectQuiet();
}

// Database counts for the repairs: each table a different size.
void InstallTables(cFakeFlowRefs& refs)
{
    refs.Set(eFlowRefTable::AnimeSet, 3)
        .Set(eFlowRefTable::Anime, 4)
        .Set(eFlowRefTable::CharaExcBmp, 5)
        .Set(eFlowRefTable::SwordType, 2)
        .Set(eFlowRefTable::Effect, 6)
        .Set(eFlowRefTable::CharaEffect, 7)
        .Set(eFlowRefTable::ScrEffect, 8)
        .Set(eFlowRefTable::Picture, 9)
        .Set(eFlowRefTable::Sound, 10)
        .Set(eFlowRefTable::Bgm, 11);
    SetFlowRefs(&refs);
}

TEST_F(FlowCommand, NormalisationRepairsDatabaseReferences)
{
    cFakeFlowRefs refs;
    InstallTables(refs);
    const struct {
        u8 nSet;
        u8 nKind;
        std::vector<u32> before;
        std::vector<u32> after;
    } cases[] = {
        {0, 27, {3}, {0}},
        {0, 27, {2}, {2}},
        {0, 28, {4, 1}, {1, 1}},
        {0, 28, {3, 1}, {3, 1}},
        {0, 29, {6, 2}, {1, 2, 0, 0, 0, 0, 0, 0, 0}},
        {0, 30, {7, 2, 1}, {1, 2, 1}},
        {0, 31, {8}, {1, 0, 0}},
        {0, 31, {7}, {7, 0, 0}},
        {0, 32, {9}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {0, 35, {10}, {1}},
        {0, 36, {11, 1}, {1, 1}},
        {0, 36, {0xFFFFFFFF, 1}, {1, 1}},  // indices compare unsigned
        {0, 26, {4, 5, 3}, {4, 1, 3}},
        {0, 26, {4, 4, 3}, {4, 4, 3}},
        {0, 26, {1, 200, 3}, {1, 200, 3}},  // only special bitmaps are checked
        {1, 12, {3}, {0}},                  // item effects: the same kinds 15 lower
        {1, 21, {11, 0}, {1, 0}},
        {1, 11, {4, 9, 0}, {4, 1, 0}},
        // The parameters take the kind's count: surplus dropped, missing 0.
        {0, 19, {1, 2, 3}, {1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {0, 34, {1, 2, 3, 4}, {1, 2}},
        {0, 2, {5}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.nSet) << "-" << int(c.nKind));
        cCommand cmd;
        cmd.m_nSet = c.nSet;
        cmd.m_nKind = c.nKind;
        cmd.m_Params = c.before;
        cmd.Normalize();
        EXPECT_EQ(cmd.m_Params, c.after);
    }

    // The command's own anime and sound, and those of its sub-flows.
    cCommand cmd = MakeCommand(0, 1);
    cmd.m_wAnime = 4;
    cmd.m_wSound = 10;
    cmd.m_SubFlows.resize(1);
    cmd.m_SubFlows[0].m_Commands.push_back(MakeCommand(0, 35, {12}));
    cmd.m_SubFlows[0].m_Commands[0].m_wAnime = 3;
    cmd.m_SubFlows[0].m_Commands[0].m_wSound = 9;
    cmd.Normalize();
    EXPECT_EQ(cmd.m_wAnime, 0);
    EXPECT_EQ(cmd.m_wSound, 0);
    EXPECT_EQ(cmd.m_SubFlows[0].m_Commands[0].m_Params[0], 1u);
    EXPECT_EQ(cmd.m_SubFlows[0].m_Commands[0].m_wAnime, 3);
    EXPECT_EQ(cmd.m_SubFlows[0].m_Commands[0].m_wSound, 9);

    // Saving writes the repaired values and leaves the record as it is.
    cCommand removed = MakeCommand(0, 1);
    removed.m_wSound = 10;
    cCommand repaired = removed;
    repaired.m_wSound = 0;
    EXPECT_BYTES(SavedBytes(repaired), SavedBytes(removed));
    EXPECT_EQ(removed.m_wSound, 10);

    // With no database known every reference stays.
    SetFlowRefs(nullptr);
    cCommand kept = MakeCommand(0, 36, {500, 0});
    kept.m_wSound = 700;
    kept.Normalize();
    EXPECT_EQ(kept.m_Params[0], 500u);
    EXPECT_EQ(kept.m_wSound, 700);
    ExpectQuiet();
}

TEST_F(FlowCommand, SwordTimeIsTheSumOfItsPositions)
{
    cFakeFlowRefs refs;
    InstallTables(refs);
    refs.m_SwordTimes = {{5000, 6000}, {3, 4}};
    cCommand sword = MakeCommand(0, 12);
    CreateEdShot(sword.m_pShot);
    sword.m_wTime = 1;

    sword.m_pShot->m_nAim = 1;
    sword.Normalize();
    EXPECT_EQ(sword.m_wTime, 7);
    // A removed sword type becomes type 0; the running sum stops at 9999.
    sword.m_pShot->m_nAim = 2;
    sword.Normalize();
    EXPECT_EQ(sword.m_pShot->m_nAim, 0);
    EXPECT_EQ(sword.m_wTime, 9999);

    // A sword without shot settings keeps its time and gets none.
    cCommand bare = MakeCommand(0, 12);
    bare.m_wTime = 30;
    bare.Normalize();
    EXPECT_EQ(bare.m_wTime, 30);
    EXPECT_FALSE(bare.m_pShot);

    // Without a database the time is kept.
    SetFlowRefs(nullptr);
    sword.m_wTime = 15;
    sword.Normalize();
    EXPECT_EQ(sword.m_wTime, 15);
    ExpectQuiet();
}

// A command of a kind that keeps a palette reference in its shot settings.
cCommand WithShot(u8 nKind, void (*pfnSet)(cEdShot&))
{
    cCommand cmd = MakeCommand(0, nKind);
    CreateEdShot(cmd.m_pShot);
    pfnSet(*cmd.m_pShot);
    return cmd;
}

TEST_F(FlowCommand, PaletteReferencesPastTheirListAreRepaired)
{
    cFakePalettes palettes;
    InstallPalettes(palettes);

    // Drops name their palette 1 (common) or 2 (stage); a bad drop is cleared.
    const struct {
        u8 nKind;
        u8 nSource;
        u16 wItem;
        u8 nSourceAfter;
        u16 wItemAfter;
    } drops[] = {
        {11, 1, 5, 0, 0}, {11, 1, 4, 1, 4}, {11, 2, 8, 0, 0}, {11, 2, 7, 2, 7},
        {12, 1, 5, 0, 0}, {12, 0, 99, 0, 99}, {12, 3, 99, 3, 99},
    };
    for (const auto& d : drops) {
        SCOPED_TRACE(::testing::Message() << "drop " << int(d.nKind) << " " << int(d.nSource) << " " << d.wItem);
        cCommand cmd = MakeCommand(0, d.nKind);
        CreateEdShot(cmd.m_pShot);
        cmd.m_pShot->m_nDropSource = d.nSource;
        cmd.m_pShot->m_wDropItem = d.wItem;
        cmd.ValidateRefs();
        EXPECT_EQ(cmd.m_pShot->m_nDropSource, d.nSourceAfter);
        EXPECT_EQ(cmd.m_pShot->m_wDropItem, d.wItemAfter);
    }

    // Summons name their palette 0 (common) or 1 (stage); a bad index becomes 1.
    const struct {
        u8 nKind;
        u8 nSource;
        u16 wIndex;
        u16 wAfter;
    } summons[] = {
        {13, 0, 3, 1}, {13, 0, 2, 2}, {13, 1, 6, 1}, {13, 1, 5, 5}, {13, 2, 99, 99},
        {14, 0, 4, 1}, {14, 0, 3, 3}, {14, 1, 7, 1}, {14, 1, 6, 6},
        {15, 0, 5, 1}, {15, 0, 4, 4}, {15, 1, 8, 1}, {15, 1, 7, 7},
    };
    for (const auto& s : summons) {
        SCOPED_TRACE(::testing::Message() << "summon " << int(s.nKind) << " " << int(s.nSource) << " " << s.wIndex);
        cCommand cmd = MakeCommand(0, s.nKind);
        CreateEdShot(cmd.m_pShot);
        cmd.m_pShot->m_nSummonSource = s.nSource;
        cmd.m_pShot->m_wSummonIndex = s.wIndex;
        cmd.ValidateRefs();
        EXPECT_EQ(cmd.m_pShot->m_wSummonIndex, s.wAfter);
    }

    // Item get (both sets): p0 0 common, 1 stage; a bad p1 becomes 1.
    const struct {
        u8 nSet;
        u8 nKind;
        std::vector<u32> before;
        std::vector<u32> after;
    } gets[] = {
        {0, 25, {0, 5}, {0, 1}}, {0, 25, {0, 4}, {0, 4}}, {0, 25, {1, 8}, {1, 1}},
        {0, 25, {1, 7}, {1, 7}}, {0, 25, {2, 99}, {2, 99}}, {1, 10, {1, 8}, {1, 1}},
        {1, 10, {0, 4}, {0, 4}},
    };
    for (const auto& g : gets) {
        cCommand cmd = MakeCommand(g.nSet, g.nKind, g.before);
        cmd.ValidateRefs();
        EXPECT_EQ(cmd.m_Params, g.after);
    }

    // Kinds that need shot settings and hold none are left alone.
    for (u8 nKind : {11, 12, 13, 14, 15}) {
        cCommand cmd = MakeCommand(0, nKind);
        cmd.ValidateRefs();
        EXPECT_FALSE(cmd.m_pShot);
    }

    // Item-effect commands check only the item get; sub-flows are checked too.
    cCommand change = MakeCommand(1, 1);
    change.m_SubFlows.resize(1);
    change.m_SubFlows[0].m_Commands.push_back(WithShot(13, [](cEdShot& s) { s.m_wSummonIndex = 3; }));
    change.m_SubFlows[0].m_Commands.push_back(MakeCommand(0, 25, {1, 9}));
    change.ValidateRefs();
    EXPECT_EQ(change.m_SubFlows[0].m_Commands[0].m_pShot->m_wSummonIndex, 1);
    EXPECT_EQ(change.m_SubFlows[0].m_Commands[1].m_Params[1], 1u);

    // With no palettes known nothing changes.
    SetPaletteRefs(nullptr);
    cCommand unknown = WithShot(15, [](cEdShot& s) { s.m_wSummonIndex = 999; });
    unknown.ValidateRefs();
    EXPECT_EQ(unknown.m_pShot->m_wSummonIndex, 999);
    ExpectQuiet();
}

TEST_F(FlowCommand, KindsOutOfTheirTableKeepTheStoredByte)
{
    ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);
    const struct {
        u8 nSet;
        u8 nKind;
        const char* lpLine;
    } cases[] = {
        {0, 40, "Command セット0 の種類 40 は不明です"},
        {0, 200, "Command セット0 の種類 200 は不明です"},
        {1, 25, "Command セット1 の種類 25 は不明です"},
        {7, 255, "Command セット1 の種類 255 は不明です"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpLine);
        cCmdHead head;
        head.nSet = c.nSet;
        head.nKind = c.nKind;
        cCmdTail tail;
        tail.params = {1, 2, 3};
        cCommand cmd;
        ASSERT_TRUE(LoadFromBytes(cmd, DataFile(950, CommandBody(950, head, tail))));
        EXPECT_EQ(cmd.m_nSet, c.nSet);
        EXPECT_EQ(cmd.m_nKind, c.nKind);
        EXPECT_TRUE(cmd.m_Params.empty());
        cmd.Normalize();
        ASSERT_TRUE(LoadFromBytes(cmd, DataFile(950, CommandBody(950, head, tail))));
        // Saved as stored, and reported once.
        tail.params.clear();
        EXPECT_BYTES(DataFile(950, CommandBody(950, head, tail)), SavedBytes(cmd));
        const std::string strLog = ReadFileText("Report_Editor.txt");
        const size_t nAt = strLog.find(c.lpLine);
        EXPECT_NE(nAt, std::string::npos);
        EXPECT_EQ(strLog.find(c.lpLine, nAt + 1), std::string::npos);
    }
    ExpectQuiet();
}

// A command whose sub-flow holds a command with a sub-flow, and so on:
// flows nested nLevels deep.
std::vector<u8> NestedCommand(u32 nLevels)
{
    cCmdHead wait;
    wait.nKind = 1;
    std::vector<u8> body = CommandBody(950, wait);
    for (u32 i = 0; i < nLevels; ++i) {
        cCmdTail tail;
        tail.subFlows = {FlowBody(950, {}, {{}, {}, {body}})};
        body = CommandBody(950, wait, tail);
    }
    return body;
}

TEST_F(FlowCommand, DamagedBodies)
{
    const cCommand sample = SampleCommand();
    ExpectEveryTruncationFails(DataFile(950, SampleCommandBody()), sample);

    // Counts beyond the rest of the file: parameters, sub-flows, and the
    // lists inside a sub-flow.
    cCmdHead head;
    head.nKind = 19;
    std::vector<u8> hugeParams = cBytes().Raw(CommandBody(950, head)).Get();
    hugeParams.resize(hugeParams.size() - 4);
    hugeParams = cBytes().Raw(hugeParams).U32(0x40000000).U32(1).U32(2);
    std::vector<u8> hugeFlows = CommandBody(950, head);
    hugeFlows[hugeFlows.size() - 8] = 0xFF;
    hugeFlows[hugeFlows.size() - 7] = 0xFF;
    cCmdTail inflatedTail;
    std::vector<u8> flow = FlowBody(950, {});
    flow[flow.size() - 1] = 0x7F;  // the command count
    inflatedTail.subFlows = {flow};
    std::vector<u8> inflatedSubFlow = CommandBody(950, head, inflatedTail);
    for (const std::vector<u8>* body : {&hugeParams, &hugeFlows, &inflatedSubFlow}) {
        cCommand rec = sample;
        EXPECT_FALSE(LoadFromBytes(rec, DataFile(950, *body)));
        EXPECT_TRUE(rec == sample);
    }

    // Nesting: as deep as the cap loads, one level more is damage.
    cCommand nested;
    EXPECT_TRUE(LoadFromBytes(nested, DataFile(950, NestedCommand(kMaxFlowDepth))));
    cCommand tooDeep = sample;
    EXPECT_FALSE(LoadFromBytes(tooDeep, DataFile(950, NestedCommand(kMaxFlowDepth + 1))));
    EXPECT_TRUE(tooDeep == sample);
    // The depth count starts over for the next file.
    EXPECT_TRUE(LoadFromBytes(nested, DataFile(950, NestedCommand(kMaxFlowDepth))));
    ExpectQuiet();
}

}  // namespace
