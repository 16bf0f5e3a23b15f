#include "flow/ed_flow.h"

#include "data/serial.h"

namespace {

// The least a stored flow takes: its two block counts and three list counts.
constexpr u64 kMinFlowBytes = 20;
// The least a stored key condition takes: its two block counts and its keys' count.
constexpr u64 kMinKeyCondBytes = 12;

// Flows being read, outermost first (a stage is read on the worker thread
// while nothing else reads).
thread_local u32 t_nFlowDepth = 0;

class cFlowLevel {
public:
    cFlowLevel() { ++t_nFlowDepth; }
    ~cFlowLevel() { --t_nFlowDepth; }
    cFlowLevel(const cFlowLevel&) = delete;
    cFlowLevel& operator=(const cFlowLevel&) = delete;
    bool TooDeep() const { return t_nFlowDepth > kMaxFlowDepth; }
};

// Moves a stored trigger at or above a position where triggers were inserted.
void ShiftTrigger(u8& nTrigger, u8 nFrom, u8 nBy)
{
    if (nTrigger >= nFrom) nTrigger = static_cast<u8>(nTrigger + nBy);
}

}  // namespace

void cEdFlow::Init()
{
    cEdData::Clear();
    m_nKeyTolerance = 3;
}

const cFieldTable& cEdFlow::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdFlow::m_Note>().From(676),
        Field<&cEdFlow::m_nGroup>(),
        Field<&cEdFlow::m_nSubGroup>(),
        Field<&cEdFlow::m_bTestOnly>(),
        Field<&cEdFlow::m_nCondMode>(),
        Field<&cEdFlow::m_bLatch>(),
        Field<&cEdFlow::m_nTrigger>(),
        Field<&cEdFlow::m_bSetTarget>().From(762),
        Field<&cEdFlow::m_nTargetNo>().From(767),
        Field<&cEdFlow::m_nKeyTolerance>(),
        Field<&cEdFlow::m_bKeyRepeat>(),
    };
    return s_Table;
}

bool cEdFlow::Load(cDataReader& file)
{
    const cFlowLevel level;
    if (level.TooDeep()) {
        file.MarkDamaged();
        return false;
    }
    if (!LoadBody(file) || !LoadCondItems(m_Conds, file) || !LoadRecordList(m_KeyConds, file, kMinKeyCondBytes) ||
        !LoadCommandList(m_Commands, file))
        return false;
    if (g_dwReadVersion < kDataVersion) MigrateTrigger(g_dwReadVersion);
    Normalize();
    return file.Ok();
}

// Triggers were inserted at 11 by 132, at 5 (two) by 164, at 18 (three) by
// 762 and four more by 900; before 163 only "常時" had a second letter.
void cEdFlow::MigrateTrigger(u32 v)
{
    if (v < 132) ShiftTrigger(m_nTrigger, 11, 1);
    if (v < 163 && m_nTrigger != 0) m_nSubGroup = 0;
    if (v < 164) ShiftTrigger(m_nTrigger, 5, 2);
    if (v < 762) ShiftTrigger(m_nTrigger, 18, 3);
    if (v < 900) {
        ShiftTrigger(m_nTrigger, 2, 1);
        ShiftTrigger(m_nTrigger, 4, 1);
        ShiftTrigger(m_nTrigger, 21, 1);
        ShiftTrigger(m_nTrigger, 23, 1);
    }
}

void cEdFlow::Save(cDataWriter& file) const
{
    cEdFlow normal(*this);
    normal.Normalize();
    normal.Write(file);
}

void cEdFlow::Write(cDataWriter& file) const
{
    SaveBody(file);
    SaveCondItems(m_Conds, file);
    SaveRecordList(m_KeyConds, file);
    WriteCommandList(m_Commands, file);
}

void cEdFlow::Normalize()
{
    for (cCommand& cmd : m_Commands) cmd.Normalize();
}

void cEdFlow::ValidateRefs()
{
    for (cCommand& cmd : m_Commands) cmd.ValidateRefs();
}

bool cEdFlow::IsEmpty() const
{
    return m_Note.empty() && m_nGroup == 0 && m_nSubGroup == 0 && m_nTrigger == 0 && m_Conds.empty() &&
           m_KeyConds.empty() && m_Commands.empty();
}

bool operator==(const cEdFlow& a, const cEdFlow& b)
{
    return cEdData::IsEqual(a, b) && a.m_Conds == b.m_Conds && a.m_KeyConds == b.m_KeyConds &&
           a.m_Commands == b.m_Commands;
}

bool LoadFlowList(cFlows& flows, cDataReader& file) { return LoadRecordList(flows, file, kMinFlowBytes); }

void WriteFlowList(const cFlows& flows, cDataWriter& file)
{
    file.WriteU32(static_cast<u32>(flows.size()));
    for (const cEdFlow& flow : flows) flow.Write(file);
}
