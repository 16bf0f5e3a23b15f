#include <gtest/gtest.h>

#include "flow/ed_flow.h"
#include "flow_record_util.h"
#include "flow_test_util.h"

namespace {

class FlowRecord : public cFlowTest {};

cEdKeyCond SampleKeyCond()
{
    cEdKeyCond k;
    k.m_Keys[11] = 1;
    k.m_Keys[2] = 2;
    k.m_wPressMin = 1;
    k.m_wPressMax = 10;
    k.m_nKeyMode = 1;
    return k;
}

// A flow with every field set, a condition, a key condition and commands
// of several kinds: a straight move, a shot, a flow operation with its
// conditions, a message and a loop that holds a sub-flow.
cEdFlow SampleFlow()
{
    cEdFlow f;
    f.m_Note = "敵の動き";
    f.m_nGroup = 3;
    f.m_nSubGroup = 2;
    f.m_bTestOnly = 1;
    f.m_nCondMode = 1;
    f.m_bLatch = 1;
    f.m_nTrigger = 25;
    f.m_bSetTarget = 1;
    f.m_nTargetNo = 2;
    f.m_nKeyTolerance = 5;
    f.m_bKeyRepeat = 1;
    f.m_Conds.resize(1);
    f.m_Conds[0].m_nKind = 4;
    f.m_Conds[0].m_nValue1 = 100;
    f.m_Conds[0].m_nCompare = 2;
    f.m_KeyConds.push_back(SampleKeyCond());

    cCommand move = MakeCommand(0, 2);
    move.m_wTime = 30;
    move.m_bParallel = 1;
    CreateEdMove(move.m_pMove);
    move.m_pMove->m_nMode = 1;
    move.m_pMove->m_wTargetX = 12;
    cCommand shot = MakeCommand(0, 11);
    shot.m_wSound = 3;
    CreateEdShot(shot.m_pShot);
    shot.m_pShot->m_wGraphic = 5;
    shot.m_pShot->m_nPattern = 2;
    cCommand flowOp = MakeCommand(0, 16, {1, 2, 4, 0});
    CreateCondList(flowOp.m_pCondList);
    flowOp.m_pCondList->m_nMode = 1;
    flowOp.m_pCondList->m_Items.resize(2);
    flowOp.m_pCondList->m_Items[1].m_nKind = 7;
    cCommand message = MakeCommand(0, 19);
    message.m_Text = "こんにちは";
    message.m_Params[7] = 30;
    message.m_Params[3] = static_cast<u32>(-12);
    cCommand loop = MakeCommand(0, 39, {2, 1});
    loop.m_SubFlows.resize(1);
    loop.m_SubFlows[0].m_nTrigger = 26;
    loop.m_SubFlows[0].m_Commands.push_back(MakeCommand(0, 1));
    loop.m_SubFlows[0].m_Commands[0].m_wTime = 10;
    f.m_Commands = {move, shot, flowOp, message, loop};
    return f;
}

std::vector<u8> SampleFlowBody()
{
    const cEdFlow f = SampleFlow();
    cFlowHead head;
    head.strNote = "敵の動き";
    head.nGroup = 3;
    head.nSubGroup = 2;
    head.bTestOnly = 1;
    head.nCondMode = 1;
    head.bLatch = 1;
    head.nTrigger = 25;
    head.bSetTarget = 1;
    head.nTargetNo = 2;
    head.nKeyTolerance = 5;
    head.bKeyRepeat = 1;

    cCmdHead move;
    move.nKind = 2;
    move.wTime = 30;
    move.bParallel = 1;
    cCmdTail moveTail;
    moveTail.move = BodyOf(*f.m_Commands[0].m_pMove);
    cCmdHead shot;
    shot.nKind = 11;
    shot.wSound = 3;
    cCmdTail shotTail;
    shotTail.shot = BodyOf(*f.m_Commands[1].m_pShot);
    cCmdHead flowOp;
    flowOp.nKind = 16;
    cCmdTail flowOpTail;
    flowOpTail.condList = BodyOf(*f.m_Commands[2].m_pCondList);
    flowOpTail.params = {1, 2, 4, 0};
    cCmdHead message;
    message.nKind = 19;
    message.strText = "こんにちは";
    cCmdTail messageTail;
    messageTail.params = {0, 0, 0, 0xFFFFFFF4, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    cCmdHead wait;
    wait.nKind = 1;
    wait.wTime = 10;
    cFlowHead subFlow;
    subFlow.nTrigger = 26;
    cCmdHead loop;
    loop.nKind = 39;
    cCmdTail loopTail;
    loopTail.subFlows = {FlowBody(950, subFlow, {{}, {}, {CommandBody(950, wait)}})};
    loopTail.params = {2, 1};

    cFlowTail tail;
    tail.conds = {BodyOf(f.m_Conds[0])};
    tail.keyConds = {BodyOf(f.m_KeyConds[0])};
    tail.commands = {CommandBody(950, move, moveTail), CommandBody(950, shot, shotTail),
                     CommandBody(950, flowOp, flowOpTail), CommandBody(950, message, messageTail),
                     CommandBody(950, loop, loopTail)};
    return FlowBody(950, head, tail);
}

TEST_F(FlowRecord, DefaultsAndTheirLayout)
{
    const cEdFlow f;
    EXPECT_EQ(f.m_nKeyTolerance, 3);
    EXPECT_TRUE(f.IsEmpty());
    EXPECT_EQ(cEdFlow::FieldTable().Count(950, false), 10u);
    EXPECT_EQ(cEdFlow::FieldTable().Count(675, true), 0u);
    // 34 bytes: ten bytes (key tolerance 3), the empty note, three empty lists.
    const std::vector<u8> body = cBytes()
                                     .U32(10).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(3).U8(0)
                                     .U32(1).U32(1)
                                     .U32(0).U32(0).U32(0);
    EXPECT_EQ(body.size(), 34u);
    EXPECT_BYTES(DataFile(950, body), SavedBytes(f));
}

TEST_F(FlowRecord, LayoutRoundTripAndComparison)
{
    const cEdFlow f = SampleFlow();
    EXPECT_BYTES(DataFile(950, SampleFlowBody()), SavedBytes(f));

    cEdFlow back;
    ASSERT_TRUE(LoadFromBytes(back, DataFile(950, SampleFlowBody())));
    EXPECT_TRUE(back == f);
    EXPECT_BYTES(DataFile(950, SampleFlowBody()), SavedBytes(back));

    const struct {
        const char* lpWhat;
        void (*pfnChange)(cEdFlow&);
    } changes[] = {
        {"note", [](cEdFlow& x) { x.m_Note = "敵"; }},
        {"key tolerance", [](cEdFlow& x) { x.m_nKeyTolerance = 4; }},
        {"target", [](cEdFlow& x) { x.m_nTargetNo = 0; }},
        {"condition", [](cEdFlow& x) { x.m_Conds[0].m_nCompare = 1; }},
        {"no condition", [](cEdFlow& x) { x.m_Conds.clear(); }},
        {"key condition", [](cEdFlow& x) { x.m_KeyConds[0].m_Keys[0] = 2; }},
        {"command", [](cEdFlow& x) { x.m_Commands[3].m_Text = "さようなら"; }},
        {"sub-flow", [](cEdFlow& x) { x.m_Commands[4].m_SubFlows[0].m_nTrigger = 0; }},
        {"command order", [](cEdFlow& x) { std::swap(x.m_Commands[0], x.m_Commands[1]); }},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.lpWhat);
        cEdFlow other = f;
        change.pfnChange(other);
        EXPECT_TRUE(other != f);
    }
    ExpectQuiet();
}

// A flow body of an older version from a flow's fields, with no lists.
std::vector<u8> FlowBodyOf(u32 v, const cEdFlow& f)
{
    cFlowHead h;
    h.strNote = f.m_Note;
    h.nGroup = f.m_nGroup;
    h.nSubGroup = f.m_nSubGroup;
    h.bTestOnly = f.m_bTestOnly;
    h.nCondMode = f.m_nCondMode;
    h.bLatch = f.m_bLatch;
    h.nTrigger = f.m_nTrigger;
    h.bSetTarget = f.m_bSetTarget;
    h.nTargetNo = f.m_nTargetNo;
    h.nKeyTolerance = f.m_nKeyTolerance;
    h.bKeyRepeat = f.m_bKeyRepeat;
    return FlowBody(v, h);
}

TEST_F(FlowRecord, OlderVersionsMigrate)
{
    const cMigrationRow<cEdFlow> rows[] = {
        // Triggers inserted at 11 (132), at 5 (164, two), at 18 (762,
        // three) and four more by 900; before 163 only "常時" had a second
        // group letter.
        {131, [](cEdFlow& f) { f.m_nTrigger = 11; f.m_nSubGroup = 4; }, nullptr,
         [](cEdFlow& f) { f.m_nTrigger = 16; f.m_nSubGroup = 0; }},
        {131, [](cEdFlow& f) { f.m_nTrigger = 10; }, nullptr, [](cEdFlow& f) { f.m_nTrigger = 14; }},
        {162, [](cEdFlow& f) { f.m_nTrigger = 1; f.m_nSubGroup = 4; }, nullptr,
         [](cEdFlow& f) { f.m_nSubGroup = 0; }},
        {162, [](cEdFlow& f) { f.m_nSubGroup = 4; }, nullptr, nullptr},
        {163, [](cEdFlow& f) { f.m_nTrigger = 5; f.m_nSubGroup = 4; }, nullptr, [](cEdFlow& f) { f.m_nTrigger = 9; }},
        {163, [](cEdFlow& f) { f.m_nTrigger = 4; }, nullptr, [](cEdFlow& f) { f.m_nTrigger = 6; }},
        {761, [](cEdFlow& f) { f.m_nTrigger = 18; }, nullptr, [](cEdFlow& f) { f.m_nTrigger = 25; }},
        {761, [](cEdFlow& f) { f.m_nTrigger = 17; }, nullptr, [](cEdFlow& f) { f.m_nTrigger = 19; }},
        {899, [](cEdFlow& f) { f.m_nTrigger = 21; }, nullptr, [](cEdFlow& f) { f.m_nTrigger = 25; }},
        {899, [](cEdFlow& f) { f.m_nTrigger = 1; }, nullptr, nullptr},
        {899, [](cEdFlow& f) { f.m_nTrigger = 2; }, nullptr, [](cEdFlow& f) { f.m_nTrigger = 3; }},
        {899, [](cEdFlow& f) { f.m_nTrigger = 3; }, nullptr, [](cEdFlow& f) { f.m_nTrigger = 5; }},
        {900, [](cEdFlow& f) { f.m_nTrigger = 21; }, nullptr, nullptr},
        // Fields a version didn't store keep the record's values.
        {675, [](cEdFlow& f) { f.m_nGroup = 2; }, [](cEdFlow& f) { f.m_Note = "メモ"; }, nullptr},
        {761, [](cEdFlow& f) { f.m_Note = "メモ"; },
         [](cEdFlow& f) {
             f.m_bSetTarget = 1;
             f.m_nTargetNo = 3;
         },
         nullptr},
        {766, [](cEdFlow& f) { f.m_bSetTarget = 1; }, [](cEdFlow& f) { f.m_nTargetNo = 3; }, nullptr},
        {950, [](cEdFlow& f) { f.m_nTrigger = 26; f.m_nTargetNo = 3; }, nullptr, nullptr},
    };
    ExpectMigrations(rows, FlowBodyOf);
    ExpectQuiet();
}

TEST_F(FlowRecord, WhatMakesAFlowEmpty)
{
    const struct {
        const char* lpWhat;
        void (*pfnSet)(cEdFlow&);
        bool bEmpty;
    } cases[] = {
        {"default", [](cEdFlow&) {}, true},
        {"test only, latch, modes, key options", [](cEdFlow& f) {
             f.m_bTestOnly = 1;
             f.m_nCondMode = 1;
             f.m_bLatch = 1;
             f.m_bSetTarget = 1;
             f.m_nTargetNo = 2;
             f.m_nKeyTolerance = 9;
             f.m_bKeyRepeat = 1;
         }, true},
        {"note", [](cEdFlow& f) { f.m_Note = "x"; }, false},
        {"group", [](cEdFlow& f) { f.m_nGroup = 1; }, false},
        {"second letter", [](cEdFlow& f) { f.m_nSubGroup = 1; }, false},
        {"trigger", [](cEdFlow& f) { f.m_nTrigger = 1; }, false},
        {"condition", [](cEdFlow& f) { f.m_Conds.resize(1); }, false},
        {"key condition", [](cEdFlow& f) { f.m_KeyConds.resize(1); }, false},
        {"command", [](cEdFlow& f) { f.m_Commands.resize(1); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        cEdFlow f;
        c.pfnSet(f);
        EXPECT_EQ(f.IsEmpty(), c.bEmpty);
    }
}

TEST_F(FlowRecord, DamagedBodies)
{
    const cEdFlow sample = SampleFlow();
    ExpectEveryTruncationFails(DataFile(950, SampleFlowBody()), sample);

    // Counts beyond the rest of the file, in each of the three lists.
    for (int nList = 0; nList < 3; ++nList) {
        SCOPED_TRACE(nList);
        std::vector<u8> body = FlowBody(950, {});
        body[body.size() - 12 + 4 * nList + 2] = 0x10;
        cEdFlow rec = sample;
        EXPECT_FALSE(LoadFromBytes(rec, DataFile(950, body)));
        EXPECT_TRUE(rec == sample);
    }
    ExpectQuiet();
}

}  // namespace
