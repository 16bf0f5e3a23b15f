#include <gtest/gtest.h>

#include <utility>

#include "flow/ed_flow.h"
#include "flow_bodies.h"
#include "flow_record_util.h"
#include "flow_test_util.h"

namespace {

class FlowMigrate : public cFlowTest {};

// n parameters of the fill value, with some set.
std::vector<u32> P(size_t n, std::initializer_list<std::pair<size_t, s32>> values = {}, u32 nFill = 0)
{
    std::vector<u32> params(n, nFill);
    for (const auto& v : values) params[v.first] = static_cast<u32>(v.second);
    return params;
}

// One command of an older file: its set, its kind as that version numbered
// it and its stored parameters; the kind and the parameters it loads with.
struct cLadderRow {
    const char* lpWhat;
    u32 dwVersion;
    u8 nSet;
    u8 nKind;
    std::vector<u32> stored;
    u8 nKindAfter;
    std::vector<u32> expected;
};

cCommand LoadOld(u32 dwVersion, const cCmdHead& head, const cCmdTail& tail)
{
    cCommand cmd;
    EXPECT_TRUE(LoadFromBytes(cmd, DataFile(dwVersion, CommandBody(dwVersion, head, tail))));
    return cmd;
}

TEST_F(FlowMigrate, ParameterLadder)
{
    const cLadderRow rows[] = {
        // Stage clear: 11 parameters from 145; destination 2 ("パスで指定") inserted at 722; replay tag on from 944.
        {"stage clear below 145", 144, 0, 17, {2}, 17, P(11, {{0, 3}, {10, 1}})},
        {"stage clear below 722", 721, 0, 17, P(11, {{0, 1}}), 17, P(11, {{0, 1}, {10, 1}})},
        {"stage clear below 944", 943, 0, 17, P(11), 17, P(11, {{10, 1}})},
        {"stage clear at 944", 944, 0, 17, P(11), 17, P(11)},
        {"item stage clear below 722", 721, 1, 2, P(11, {{0, 2}}), 2, P(11, {{0, 3}, {10, 1}})},
        // BGM (35 before 734): loop flag added at 166.
        {"BGM below 166", 165, 0, 35, {4}, 36, {4, 1}},
        {"item BGM below 166", 165, 1, 20, {4}, 21, {4, 1}},
        {"BGM at 166", 166, 0, 35, {4, 0}, 36, {4, 0}},
        // Status operation: statuses inserted at 10 (168), 5 (203), 6 (882,
        // two); the system moved from owner 2 to 5 at 767.
        {"status below 168, left", 167, 0, 22, P(7, {{4, 10}}), 22, P(22, {{4, 14}, {20, 2}})},
        {"status below 168, operand", 167, 0, 22, P(14, {{0, 1}, {6, 2}, {12, 1}, {13, 10}}), 22,
         P(22, {{0, 1}, {6, 2}, {12, 1}, {13, 14}, {20, 2}})},
        {"status below 168, system", 167, 0, 22, P(7, {{3, 2}, {4, 10}}), 22, P(22, {{3, 5}, {4, 10}, {20, 2}})},
        {"status below 203", 202, 0, 22, P(7, {{4, 5}}), 22, P(22, {{4, 8}, {20, 2}})},
        {"status below 203, under the insertion", 202, 0, 22, P(7, {{4, 4}}), 22, P(22, {{4, 4}, {20, 2}})},
        {"status below 767", 766, 0, 22, P(14, {{3, 2}, {4, 3}, {6, 2}, {12, 4}, {13, 3}}), 22,
         P(22, {{3, 5}, {4, 3}, {6, 2}, {12, 7}, {13, 3}, {20, 2}})},
        {"status below 882", 881, 0, 22, P(18, {{3, 1}, {4, 6}, {6, 2}, {12, 5}, {13, 6}}), 22,
         P(22, {{3, 1}, {4, 8}, {6, 2}, {12, 5}, {13, 6}, {20, 2}})},
        {"status below 892", 891, 0, 22, P(22, {}, 7), 22, P(22, {{20, 2}, {21, 0}}, 7)},
        {"status at 892", 892, 0, 22, P(22, {}, 7), 22, P(22, {}, 7)},
        {"item status below 168", 167, 1, 7, P(7, {{4, 10}}), 7, P(22, {{4, 14}, {20, 2}})},
        // Target setting: slot 2 opened at 189; filters reset at 747; the
        // target slot itself opened at 0 at 767.
        {"target below 189", 188, 0, 21, {10, 11, 12, 13}, 21,
         {0, 10, 11, 0, 12, 13, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}},
        {"target below 747", 746, 0, 21, P(16, {}, 5), 21, {0, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 0, 1, 5, 5, 0}},
        {"target below 767", 766, 0, 21, {3, 4}, 21, P(16, {{1, 3}, {2, 4}})},
        {"item target below 767", 766, 1, 6, {3, 4}, 6, P(16, {{1, 3}, {2, 4}})},
        // Picture (31 before 734): slot 6 opened at 194, later flags reset.
        {"picture below 194", 193, 0, 31, {1, 2, 3, 4, 5, 6, 7}, 32, {1, 2, 3, 4, 5, 6, 1, 7, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"picture below 545", 544, 0, 31, P(16, {}, 9), 32, P(16, {{11, 0}, {12, 0}, {13, 0}, {14, 0}}, 9)},
        {"picture below 547", 546, 0, 31, P(16, {}, 9), 32, P(16, {{12, 0}, {13, 0}, {14, 0}}, 9)},
        {"picture below 723", 722, 0, 31, P(16, {}, 9), 32, P(16, {{14, 0}}, 9)},
        {"picture below 891", 890, 0, 32, {5, 4}, 32, P(16, {{0, 5}, {1, 5}})},
        {"item picture below 891", 890, 1, 17, {5, 4}, 17, P(16, {{0, 5}, {1, 5}})},
        // Chara and screen effects (29 and 30 before 734): slot 1 opened at 195.
        {"chara effect below 195", 194, 0, 29, {5, 1}, 30, {5, 0, 1}},
        {"screen effect below 195", 194, 0, 30, {5, 1}, 31, {5, 0, 1}},
        {"item chara effect below 195", 194, 1, 14, {5, 1}, 15, {5, 0, 1}},
        // Summons lost their parameters at 203; the flow operation has 4.
        {"chara summon below 203", 202, 0, 14, {1, 2}, 14, {}},
        {"item summon below 203", 202, 0, 15, {1, 2}, 15, {}},
        {"flow operation below 203", 202, 0, 16, {1, 2, 3, 4, 5}, 16, {1, 2, 3, 0}},
        {"flow operation below 760", 759, 0, 16, {1, 2, 3, 4}, 16, {1, 2, 3, 0}},
        {"flow operation at 760", 760, 0, 16, {1, 2, 3, 4}, 16, {1, 2, 3, 4}},
        // Status operation 2: state inserted at 6 (210); system 2 -> 5 (767).
        {"state below 210", 209, 0, 23, {0, 6}, 23, {0, 7, 0, 0, 0}},
        {"state below 210, system", 209, 0, 23, {2, 6}, 23, {5, 6, 0, 0, 0}},
        {"state below 767", 766, 0, 23, {2, 1}, 23, {5, 1, 0, 0, 0}},
        {"state below 820", 819, 0, 23, {1, 1, 1, 1, 1, 1, 1}, 23, {1, 1, 1, 1, 1}},
        {"item state below 210", 209, 1, 8, {1, 6}, 8, {1, 7, 0, 0, 0}},
        // Graphic change (25 before 734): shot graphics renumbered at 219.
        {"graphic below 219", 218, 0, 25, {3, 5}, 26, {3, 6, 0}},
        {"graphic below 219, last", 218, 0, 25, {3, 119}, 26, {3, 119, 0}},
        {"graphic below 219, chara", 218, 0, 25, {1, 5}, 26, {1, 5, 0}},
        {"item graphic below 219", 218, 1, 10, {3, 5}, 11, {3, 6, 0}},
        // Message: flags added and reset from 545 to 723; position 8 inserted at 891.
        {"message below 545", 544, 0, 19, {0}, 19, P(19, {{10, 1}, {14, 1}, {16, 1}})},
        {"message below 546", 545, 0, 19, P(19, {{0, 3}, {10, 1}}), 19, P(19, {{0, 3}, {14, 1}, {16, 1}})},
        {"message below 546, screen", 545, 0, 19, P(19, {{0, 7}}), 19, P(19, {{0, 7}, {10, 1}, {14, 1}, {16, 1}})},
        {"message below 547", 546, 0, 19, P(19, {}, 5), 19,
         P(19, {{11, 0}, {12, 0}, {13, 0}, {14, 1}, {15, 0}, {16, 1}, {17, 0}}, 5)},
        {"message below 556", 555, 0, 19, P(19, {}, 5), 19, P(19, {{16, 1}, {17, 0}}, 5)},
        {"message below 723", 722, 0, 19, P(19, {}, 5), 19, P(19, {{17, 0}}, 5)},
        {"message below 891", 890, 0, 19, P(19, {{0, 8}}), 19, P(19, {{0, 9}})},
        {"item message below 891", 890, 1, 4, P(19, {{0, 8}}), 4, P(19, {{0, 9}})},
        // Arrange (37 before 734): p0 became the target kind at 726; its
        // parameter positions moved at 727, 898 and 899.
        {"arrange below 726", 725, 0, 37, {7, 7}, 38, {11, 10, 0, 0, 0}},
        {"arrange below 727, p1 2", 726, 0, 37, P(5, {{0, 11}, {1, 2}}), 38, P(5, {{0, 11}, {1, 5}})},
        {"arrange below 727, p1 1", 726, 0, 37, P(5, {{0, 11}, {1, 1}}), 38, P(5, {{0, 11}, {1, 1}})},
        {"arrange below 727, p1 11", 726, 0, 37, P(5, {{0, 11}, {1, 11}}), 38, P(5, {{0, 11}, {1, 19}})},
        {"arrange below 727, another kind", 726, 0, 37, P(5, {{0, 12}, {1, 11}}), 38, P(5, {{0, 12}, {1, 11}})},
        {"item arrange below 727", 726, 1, 22, P(5, {{0, 11}, {1, 2}}), 23, P(5, {{0, 11}, {1, 5}})},
        {"arrange below 734, target kind", 733, 0, 37, P(5, {{0, 24}, {1, 3}}), 38, P(5, {{0, 25}, {1, 3}})},
        {"arrange below 734, lower target", 733, 0, 37, P(5, {{0, 23}, {1, 3}}), 38, P(5, {{0, 23}, {1, 3}})},
        {"arrange below 898", 897, 0, 38, P(5, {{0, 32}}), 38, P(5, {{0, 32}, {1, 1}})},
        {"arrange below 898, negative", 897, 0, 38, P(5, {{0, 32}, {1, -1}}), 38, P(5, {{0, 32}, {1, -1}})},
        {"arrange below 899, 11", 898, 0, 38, P(5, {{0, 11}, {1, 14}}), 38, P(5, {{0, 11}, {1, 15}})},
        {"arrange below 899, 11 under", 898, 0, 38, P(5, {{0, 11}, {1, 13}}), 38, P(5, {{0, 11}, {1, 13}})},
        {"arrange below 899, 13", 898, 0, 38, P(5, {{0, 13}}), 38, P(5, {{0, 13}, {1, 1}})},
        {"arrange below 899, 14", 898, 0, 38, P(5, {{0, 14}}), 38, P(5, {{0, 14}, {1, 1}})},
        {"arrange below 899, 15", 898, 0, 38, P(5, {{0, 15}}), 38, P(5, {{0, 15}, {1, 1}})},
        {"arrange below 899, 29", 898, 0, 38, P(5, {{0, 29}}), 38, P(5, {{0, 29}, {1, 1}})},
        {"arrange below 899, 22", 898, 0, 38, P(5, {{0, 22}}), 38, P(5, {{0, 22}, {1, 2}})},
        {"arrange below 899, 22 negative", 898, 0, 38, P(5, {{0, 22}, {1, -1}}), 38, P(5, {{0, 22}, {1, -1}})},
        {"arrange below 899, other kind", 898, 0, 38, P(5, {{0, 5}, {1, 3}}), 38, P(5, {{0, 5}, {1, 3}})},
        {"item arrange below 899", 898, 1, 23, P(5, {{0, 22}}), 23, P(5, {{0, 22}, {1, 2}})},
        // Kind 24 "消滅" inserted at 734: the kinds from 24 on move up.
        {"kind 24 below 734", 733, 0, 24, {}, 25, {0, 0}},
        {"kind 23 below 734", 733, 0, 23, P(5), 23, P(5)},
        {"loop below 734", 733, 0, 38, {2, 1}, 39, {2, 1}},
        {"item kind 9 below 734", 733, 1, 9, {}, 10, {0, 0}},
        {"item kind 8 below 734", 733, 1, 8, P(5), 8, P(5)},
        {"kind 24 at 734", 734, 0, 24, P(3), 24, P(3)},
        // Direction change: facings toward the targets 2 to 4 inserted at 767.
        {"direction below 767", 766, 0, 9, {4}, 9, {10}},
        {"direction below 767, under", 766, 0, 9, {3}, 9, {3}},
        // Anime: the end flag came at 879.
        {"anime below 879", 878, 0, 28, {3, 9}, 28, {3, 0}},
        {"item anime below 879", 878, 1, 13, {3, 9}, 13, {3, 0}},
        // Effect: position 4 inserted at 891.
        {"effect below 891", 890, 0, 29, {1, 4}, 29, P(9, {{0, 1}, {1, 5}})},
        {"item effect below 891", 890, 1, 14, {1, 4}, 14, P(9, {{0, 1}, {1, 5}})},
        // Short vectors read their missing parameters as 0.
        {"short status operation", 167, 0, 22, {0}, 22, P(22, {{20, 2}})},
        {"short target", 188, 0, 21, {}, 21, P(16, {{12, 1}})},
        // Today's files are taken as they are.
        {"today", 950, 0, 38, P(5, {{0, 11}, {1, 2}}), 38, P(5, {{0, 11}, {1, 2}})},
    };
    for (const cLadderRow& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        cCmdHead head;
        head.nSet = r.nSet;
        head.nKind = r.nKind;
        cCmdTail tail;
        tail.params = r.stored;
        const cCommand cmd = LoadOld(r.dwVersion, head, tail);
        EXPECT_EQ(cmd.m_nKind, r.nKindAfter);
        EXPECT_EQ(cmd.m_Params, r.expected);
    }
    ExpectQuiet();
}

TEST_F(FlowMigrate, SubRecordSteps)
{
    // A flow operation older than 764 gets a condition list with mode 0;
    // other kinds get none, and at 764 the stored flag decides.
    cCmdHead flowOp;
    flowOp.nKind = 16;
    cCommand cmd = LoadOld(763, flowOp, {});
    ASSERT_TRUE(cmd.m_pCondList);
    EXPECT_TRUE(*cmd.m_pCondList == cCondList());
    cCmdHead stageClear;
    stageClear.nKind = 17;
    EXPECT_FALSE(LoadOld(763, stageClear, {}).m_pCondList);
    EXPECT_FALSE(LoadOld(764, flowOp, {}).m_pCondList);

    // The shot's graphic at 220.
    cCmdHead shotHead;
    shotHead.nKind = 11;
    for (const auto& g : {std::pair<u16, u16>{5, 6}, {119, 119}, {200, 119}}) {
        cEdShot shot;
        shot.m_wGraphic = g.first;
        cCmdTail tail;
        tail.shot = ShotBody(219, shot);
        cmd = LoadOld(219, shotHead, tail);
        ASSERT_TRUE(cmd.m_pShot);
        EXPECT_EQ(cmd.m_pShot->m_wGraphic, g.second);
        tail.shot = ShotBody(220, shot);
        EXPECT_EQ(LoadOld(220, shotHead, tail).m_pShot->m_wGraphic, g.first);
    }

    // The charge move's angles at 514.
    cCmdHead charge;
    charge.nKind = 5;
    cEdMove move;
    move.m_wDirExtra = 90;
    move.m_wMove4 = 3;
    move.m_bMove5 = 0;
    cCmdTail moveTail;
    moveTail.move = MoveBody(513, move);
    cmd = LoadOld(513, charge, moveTail);
    ASSERT_TRUE(cmd.m_pMove);
    EXPECT_EQ(cmd.m_pMove->m_wDirExtra, 0);
    EXPECT_EQ(cmd.m_pMove->m_wMove4, 0);
    EXPECT_EQ(cmd.m_pMove->m_bMove5, 1);
    moveTail.move = MoveBody(514, move);
    cmd = LoadOld(514, charge, moveTail);
    EXPECT_EQ(cmd.m_pMove->m_wDirExtra, 90);
    EXPECT_EQ(cmd.m_pMove->m_bMove5, 0);

    // The warp (also an item effect): modes from 2 up by 3 at 767, both
    // coordinates used at 882, the reference point 2 at 892.
    const struct {
        u32 dwVersion;
        u8 nSet;
        u8 nKind;
        u8 nMode;
        u8 nModeAfter;
        u8 bUseAfter;
        u8 nOriginAfter;
    } warps[] = {
        {766, 0, 20, 2, 5, 1, 2}, {766, 0, 20, 1, 1, 1, 2}, {766, 1, 5, 2, 5, 1, 2},
        {881, 0, 20, 2, 2, 1, 2}, {891, 0, 20, 2, 2, 0, 2}, {892, 0, 20, 2, 2, 0, 0},
    };
    for (const auto& w : warps) {
        SCOPED_TRACE(w.dwVersion);
        cEdMove stored;
        stored.m_nMode = w.nMode;
        stored.m_bUseX = 0;
        stored.m_bUseY = 0;
        stored.m_nOrigin = 0;
        cCmdHead warp;
        warp.nSet = w.nSet;
        warp.nKind = w.nKind;
        cCmdTail tail;
        tail.move = MoveBody(w.dwVersion, stored);
        cmd = LoadOld(w.dwVersion, warp, tail);
        ASSERT_TRUE(cmd.m_pMove);
        EXPECT_EQ(cmd.m_pMove->m_nMode, w.nModeAfter);
        EXPECT_EQ(cmd.m_pMove->m_bUseX, w.bUseAfter);
        EXPECT_EQ(cmd.m_pMove->m_bUseY, w.bUseAfter);
        EXPECT_EQ(cmd.m_pMove->m_nOrigin, w.nOriginAfter);
    }

    // Steps on a move or shot that the command doesn't hold are skipped,
    // and nothing is created.
    for (const auto& kind : {std::pair<u32, u8>{219, 11}, {513, 5}, {766, 20}}) {
        cCmdHead head;
        head.nKind = kind.second;
        cmd = LoadOld(kind.first, head, {});
        EXPECT_FALSE(cmd.m_pMove);
        EXPECT_FALSE(cmd.m_pShot);
    }
    ExpectQuiet();
}

}  // namespace
