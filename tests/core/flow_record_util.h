#pragma once
// Flow and command bodies built by hand, field by field, for any data
// version; the sub-records inside them (moves, shots, condition items and
// lists, key conditions) are given as their own bodies.
#include <string>
#include <vector>

#include "flow/ed_flow.h"
#include "flow_test_util.h"

// A command's eight numeric fields and its text.
struct cCmdHead {
    u8 nSet = 0;
    u8 nKind = 0;
    u16 wTime = 0;
    u16 wClone = 0;
    u8 bParallel = 0;
    u16 wSound = 0;
    u8 bMute = 1;
    u16 wAnime = 0;
    std::string strText;
};

// What follows the head: each sub-record's body (absent when empty), the
// sub-flows' bodies and the parameters.
struct cCmdTail {
    std::vector<u8> move;
    std::vector<u8> shot;
    std::vector<u8> condList;
    std::vector<std::vector<u8>> subFlows;
    std::vector<u32> params;
};

inline cBytes& SharedRecordBytes(cBytes& b, const std::vector<u8>& body)
{
    if (body.empty()) return b.U32(0);
    return b.U32(1).Raw(body);
}

// A command body as a file of version v stores it (the condition list's
// flag only from 764).
inline std::vector<u8> CommandBody(u32 v, const cCmdHead& h, const cCmdTail& t = {})
{
    cBytes b;
    b.U32(8).U8(h.nSet).U8(h.nKind).U16(h.wTime).U16(h.wClone).U8(h.bParallel).U16(h.wSound).U8(h.bMute);
    b.U16(h.wAnime).U32(1).Str(h.strText);
    SharedRecordBytes(b, t.move);
    SharedRecordBytes(b, t.shot);
    if (v >= 764) SharedRecordBytes(b, t.condList);
    b.U32(static_cast<u32>(t.subFlows.size()));
    for (const std::vector<u8>& flow : t.subFlows) b.Raw(flow);
    b.U32(static_cast<u32>(t.params.size()));
    for (u32 p : t.params) b.U32(p);
    return b;
}

// A flow's ten one-byte fields and its note.
struct cFlowHead {
    std::string strNote;
    u8 nGroup = 0;
    u8 nSubGroup = 0;
    u8 bTestOnly = 0;
    u8 nCondMode = 0;
    u8 bLatch = 0;
    u8 nTrigger = 0;
    u8 bSetTarget = 0;
    u8 nTargetNo = 0;
    u8 nKeyTolerance = 3;
    u8 bKeyRepeat = 0;
};

struct cFlowTail {
    std::vector<std::vector<u8>> conds;
    std::vector<std::vector<u8>> keyConds;
    std::vector<std::vector<u8>> commands;
};

// A flow body as a file of version v stores it (the target fields from 762
// and 767, the note from 676).
inline std::vector<u8> FlowBody(u32 v, const cFlowHead& h, const cFlowTail& t = {})
{
    cBytes b;
    b.Raw(cVersionBody(v)
              .U8(h.nGroup).U8(h.nSubGroup).U8(h.bTestOnly).U8(h.nCondMode).U8(h.bLatch).U8(h.nTrigger)
              .U8(h.bSetTarget, 762)
              .U8(h.nTargetNo, 767)
              .U8(h.nKeyTolerance).U8(h.bKeyRepeat)
              .Str(h.strNote, 676)
              .Get());
    for (const auto* list : {&t.conds, &t.keyConds, &t.commands}) {
        b.U32(static_cast<u32>(list->size()));
        for (const std::vector<u8>& body : *list) b.Raw(body);
    }
    return b;
}

// A command of a kind with the kind's parameters, all 0.
inline cCommand MakeCommand(u8 nSet, u8 nKind, std::vector<u32> params = {})
{
    cCommand cmd;
    cmd.m_nSet = nSet;
    cmd.m_nKind = nKind;
    cmd.m_Params = std::move(params);
    cmd.Normalize();
    return cmd;
}
