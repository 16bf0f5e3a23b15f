// Bringing a command of an older file up to date. Each step applies to files
// older than its version, in ascending order of versions (steps of one
// version in the order listed), and tests the kind as the earlier steps left
// it. Kinds are numbered as they were in that version: before 734 the flow
// kinds from 24 on (item-effect kinds from 9 on) were one lower.
#include "flow/cmd_kinds.h"
#include "flow/ed_flow.h"

namespace {

// The parameters of a command being migrated, read as signed numbers. An
// old or damaged file may hold fewer than a step reads: the vector grows to
// the position first, so a missing parameter reads as 0.
class cOldParams {
public:
    explicit cOldParams(std::vector<u32>& params) : m_Params(params) {}

    s32 operator[](size_t i) { return static_cast<s32>(Slot(i)); }
    void Set(size_t i, s32 nValue) { Slot(i) = static_cast<u32>(nValue); }
    // Adds n when the parameter is at least nFrom.
    void RaiseFrom(size_t i, s32 nFrom, u32 n = 1)
    {
        if ((*this)[i] >= nFrom) Add(i, n);
    }
    void Add(size_t i, u32 n) { Slot(i) += n; }
    void Resize(size_t n) { m_Params.resize(n, 0); }
    // Moves entries i.. one place up (the last one falls off) and sets i.
    void Open(size_t i, s32 nValue)
    {
        if (i >= m_Params.size()) return;
        m_Params.insert(m_Params.begin() + static_cast<std::ptrdiff_t>(i), static_cast<u32>(nValue));
        m_Params.pop_back();
    }

private:
    u32& Slot(size_t i)
    {
        if (i >= m_Params.size()) m_Params.resize(i + 1, 0);
        return m_Params[i];
    }

    std::vector<u32>& m_Params;
};

using fnStep = void (*)(cCommand& cmd, cOldParams& p);

// A step for commands of one flow kind; the same step applies to the
// item-effect kind 15 below it when the flow kind is 17 or more.
struct cStep {
    u32 dwBelow;
    int nKind;  // kAnyKind: the step tests the kind itself
    fnStep pfnApply;
};

constexpr int kAnyKind = -1;
constexpr int kFirstSharedKind = 17;

// Statuses of the status operation were inserted at the position given: a
// left status (p0 0, owner p3) and an operand status (p6 2, owner p12) at or
// above it move up, unless its owner is the one named.
void ShiftStatusOperands(cOldParams& p, s32 nFrom, s32 nSkipOwner, u32 nBy)
{
    if (p[0] == 0 && p[3] != nSkipOwner) p.RaiseFrom(4, nFrom, nBy);
    if (p[6] == 2 && p[12] != nSkipOwner) p.RaiseFrom(13, nFrom, nBy);
}

// The flow kinds from 24 on moved up when kind 24 was inserted, and so did
// the arrange command's target kinds.
void InsertKind24(cCommand& cmd, cOldParams& p)
{
    const int nInserted = cmd.m_nSet == 0 ? 24 : 24 - static_cast<int>(kItemKindOffset);
    if (cmd.m_nKind >= nInserted && cmd.m_nKind < 0xFF) cmd.m_nKind = static_cast<u8>(cmd.m_nKind + 1);
    if (cmd.FlowKind() == 38) p.RaiseFrom(0, 24);
}

const cStep kSteps[] = {
    {145, 17, [](cCommand&, cOldParams& p) { p.Resize(11); }},
    {166, 35, [](cCommand&, cOldParams& p) { p.Resize(2); p.Set(1, 1); }},
    {168, 22, [](cCommand&, cOldParams& p) { ShiftStatusOperands(p, 10, 2, 1); }},
    {189, 21, [](cCommand&, cOldParams& p) { p.Resize(16); p.Open(2, 0); }},
    {194, 31, [](cCommand&, cOldParams& p) { p.Resize(16); p.Open(6, 1); }},
    {195, 29, [](cCommand&, cOldParams& p) { p.Resize(3); p.Open(1, 0); }},
    {195, 30, [](cCommand&, cOldParams& p) { p.Resize(3); p.Open(1, 0); }},
    {203, 14, [](cCommand&, cOldParams& p) { p.Resize(0); }},
    {203, 15, [](cCommand&, cOldParams& p) { p.Resize(0); }},
    {203, 16, [](cCommand&, cOldParams& p) { p.Resize(4); }},
    {203, 22, [](cCommand&, cOldParams& p) { ShiftStatusOperands(p, 5, 2, 1); }},
    {210, 23, [](cCommand&, cOldParams& p) { if (p[0] != 2) p.RaiseFrom(1, 6); }},
    {219, 25, [](cCommand&, cOldParams& p) {
         if (p[0] != 3) return;
         p.Add(1, 1);
         if (p[1] > 119) p.Set(1, 119);
     }},
    {220, 11, [](cCommand& cmd, cOldParams&) { if (cmd.m_pShot) RaiseOldShotGraphic(cmd.m_pShot->m_wGraphic); }},
    {514, 5, [](cCommand& cmd, cOldParams&) {
         if (!cmd.m_pMove) return;
         cmd.m_pMove->m_wDirExtra = 0;
         cmd.m_pMove->m_wMove4 = 0;
         cmd.m_pMove->m_bMove5 = 1;
     }},
    {545, 19, [](cCommand&, cOldParams& p) { p.Resize(19); p.Set(10, 1); }},
    {545, 31, [](cCommand&, cOldParams& p) { p.Resize(16); p.Set(11, 0); }},
    {546, 19, [](cCommand&, cOldParams& p) { p.Set(10, p[0] == 0 || p[0] == 7 ? 1 : 0); }},
    {547, 19, [](cCommand&, cOldParams& p) {
         p.Resize(19);
         p.Set(11, 0);
         p.Set(12, 0);
         p.Set(13, 0);
         p.Set(14, 1);
         p.Set(15, 0);
     }},
    {547, 31, [](cCommand&, cOldParams& p) { p.Resize(16); p.Set(12, 0); p.Set(13, 0); }},
    {556, 19, [](cCommand&, cOldParams& p) { p.Resize(19); p.Set(16, 1); }},
    {722, 17, [](cCommand&, cOldParams& p) { p.RaiseFrom(0, 2); }},
    {723, 19, [](cCommand&, cOldParams& p) { p.Resize(19); p.Set(17, 0); }},
    {723, 31, [](cCommand&, cOldParams& p) { p.Resize(16); p.Set(14, 0); }},
    {726, 37, [](cCommand&, cOldParams& p) { p.Resize(5); p.Set(0, 11); }},
    {727, 37, [](cCommand&, cOldParams& p) {
         if (p[0] != 11) return;
         for (s32 nFrom : {2, 3, 4, 14, 15, 16, 17}) p.RaiseFrom(1, nFrom);
     }},
    {734, kAnyKind, InsertKind24},
    {747, 21, [](cCommand&, cOldParams& p) { p.Resize(16); p.Set(10, 0); p.Set(11, 1); p.Set(14, 0); }},
    {760, 16, [](cCommand&, cOldParams& p) { p.Resize(4); p.Set(3, 0); }},
    {764, 16, [](cCommand& cmd, cOldParams&) {
         CreateCondList(cmd.m_pCondList);
         cmd.m_pCondList->m_nMode = 0;
     }},
    {767, 9, [](cCommand&, cOldParams& p) { p.RaiseFrom(0, 4, 6); }},
    {767, 20, [](cCommand& cmd, cOldParams&) {
         if (cmd.m_pMove && cmd.m_pMove->m_nMode >= 2) cmd.m_pMove->m_nMode = static_cast<u8>(cmd.m_pMove->m_nMode + 3);
     }},
    {767, 21, [](cCommand&, cOldParams& p) { p.Resize(16); p.Open(0, 0); }},
    {767, 22, [](cCommand&, cOldParams& p) {
         if (p[0] == 0) p.RaiseFrom(3, 2, 3);
         if (p[6] == 2) p.RaiseFrom(12, 2, 3);
     }},
    {767, 23, [](cCommand&, cOldParams& p) { p.RaiseFrom(0, 2, 3); }},
    {820, 23, [](cCommand&, cOldParams& p) { p.Resize(5); }},
    {879, 28, [](cCommand&, cOldParams& p) { p.Resize(2); p.Set(1, 0); }},
    {882, 20, [](cCommand& cmd, cOldParams&) {
         if (!cmd.m_pMove) return;
         cmd.m_pMove->m_bUseX = 1;
         cmd.m_pMove->m_bUseY = 1;
     }},
    {882, 22, [](cCommand&, cOldParams& p) {
         p.Resize(22);
         p.Set(18, 0);
         p.Set(19, 0);
         ShiftStatusOperands(p, 6, 5, 2);
     }},
    {891, 19, [](cCommand&, cOldParams& p) { p.Resize(19); if (p[0] == 8) p.Set(0, 9); }},
    {891, 29, [](cCommand&, cOldParams& p) { p.Resize(9); if (p[1] == 4) p.Set(1, 5); }},
    {891, 32, [](cCommand&, cOldParams& p) { p.Resize(16); if (p[1] == 4) p.Set(1, 5); }},
    {892, 20, [](cCommand& cmd, cOldParams&) { if (cmd.m_pMove) cmd.m_pMove->m_nOrigin = 2; }},
    {892, 22, [](cCommand&, cOldParams& p) { p.Resize(22); p.Set(20, 2); p.Set(21, 0); }},
    {898, 38, [](cCommand&, cOldParams& p) { if (p[0] == 32) p.RaiseFrom(1, 0); }},
    {899, 38, [](cCommand&, cOldParams& p) {
         switch (p[0]) {
         case 11: p.RaiseFrom(1, 14); break;
         case 13:
         case 14:
         case 15:
         case 29: p.RaiseFrom(1, 0); break;
         case 22:
             p.RaiseFrom(1, 0);
             p.RaiseFrom(1, 1);
             break;
         default: break;
         }
     }},
    {915, 17, [](cCommand&, cOldParams& p) { p.Resize(11); }},
    {944, 17, [](cCommand&, cOldParams& p) { p.Resize(11); p.Set(10, 1); }},
};

bool StepApplies(const cStep& step, const cCommand& cmd)
{
    if (step.nKind == kAnyKind) return true;
    if (cmd.m_nSet == 0) return cmd.m_nKind == step.nKind;
    return step.nKind >= kFirstSharedKind && cmd.m_nKind == step.nKind - static_cast<int>(kItemKindOffset);
}

}  // namespace

void cCommand::Migrate(u32 dwVersion)
{
    cOldParams params(m_Params);
    for (const cStep& step : kSteps)
        if (dwVersion < step.dwBelow && StepApplies(step, *this)) step.pfnApply(*this, params);
}
