#include <algorithm>
#include <bitset>

#include "app/log.h"
#include "data/palette_refs.h"
#include "data/serial.h"
#include "flow/cmd_kinds.h"
#include "flow/ed_flow.h"
#include "flow/flow_refs.h"

namespace {

// The least a stored command takes: its two block counts, the move and shot
// flags, and the sub-flow and parameter counts.
constexpr u64 kMinCommandBytes = 24;

// Flow-command kinds the command record itself treats apart.
enum : int {
    kShotKind = 11,
    kSwordKind = 12,
    kBlockSummonKind = 13,
    kCharaSummonKind = 14,
    kItemSummonKind = 15,
    kItemGetKind = 25,
    kGraphicKind = 26,
};

template <class T>
std::shared_ptr<T> CopyShared(const std::shared_ptr<T>& src)
{
    return src ? std::make_shared<T>(*src) : nullptr;
}

template <class T>
bool SameShared(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b)
{
    if (!a || !b) return !a && !b;
    return *a == *b;
}

// A kind its set's table doesn't have is kept as stored and has no
// parameters; it is reported once per set and kind.
void NoteUnknownKind(u8 nSet, u8 nKind)
{
    static std::bitset<512> s_Reported;
    const size_t nBit = (nSet ? 256u : 0u) + nKind;
    if (s_Reported.test(nBit)) return;
    s_Reported.set(nBit);
    LogPrintfBoth("Command セット%d の種類 %d は不明です（パラメータなしで扱います）", nSet ? 1 : 0, nKind);
}

// A parameter that selects a database record: at or past the end of the
// table it becomes the replacement.
struct cTableRef {
    int nKind;
    eFlowRefTable eTable;
    u32 nReplacement;
};

constexpr cTableRef kTableRefs[] = {
    {27, eFlowRefTable::AnimeSet, 0},
    {28, eFlowRefTable::Anime, 1},
    {29, eFlowRefTable::Effect, 1},
    {30, eFlowRefTable::CharaEffect, 1},
    {31, eFlowRefTable::ScrEffect, 1},
    {32, eFlowRefTable::Picture, 1},
    {35, eFlowRefTable::Sound, 1},
    {36, eFlowRefTable::Bgm, 1},
};

// A palette index held in a command: the palette's list chosen by a source
// byte, and what the index becomes when it lies past that list.
void RepairPaletteIndex(eEntryType eType, bool bStage, u16& wIndex, u16 wReplacement)
{
    if (IsBadPaletteRef(PaletteListOf(eType, bStage), wIndex)) wIndex = wReplacement;
}

}  // namespace

cCommand::cCommand() { Init(); }

cCommand::cCommand(const cCommand& src)
    : cEdRecord<cCommand>(src),
      m_nSet(src.m_nSet),
      m_nKind(src.m_nKind),
      m_Params(src.m_Params),
      m_Text(src.m_Text),
      m_pMove(CopyShared(src.m_pMove)),
      m_pShot(CopyShared(src.m_pShot)),
      m_wTime(src.m_wTime),
      m_nCloneFactor(src.m_nCloneFactor),
      m_bParallel(src.m_bParallel),
      m_wSound(src.m_wSound),
      m_bMuteOffScreen(src.m_bMuteOffScreen),
      m_wAnime(src.m_wAnime),
      m_pCondList(CopyShared(src.m_pCondList)),
      m_SubFlows(src.m_SubFlows)
{
}

cCommand::cCommand(cCommand&& src) noexcept = default;
cCommand& cCommand::operator=(cCommand&& src) noexcept = default;
cCommand::~cCommand() = default;

// The copy is made in full before the target lets go of anything, so a
// command assigned to itself (or to one of its own sub-flows' commands)
// reads nothing that has been released.
cCommand& cCommand::operator=(const cCommand& src)
{
    cCommand copy(src);
    *this = std::move(copy);
    return *this;
}

void cCommand::Init()
{
    cEdData::Clear();
    m_pMove.reset();
    m_pShot.reset();
    m_pCondList.reset();
    m_bMuteOffScreen = 1;
}

const cFieldTable& cCommand::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cCommand::m_nSet>(),
        Field<&cCommand::m_nKind>(),
        Field<&cCommand::m_wTime>(),
        Field<&cCommand::m_nCloneFactor>(),
        Field<&cCommand::m_bParallel>(),
        Field<&cCommand::m_wSound>(),
        Field<&cCommand::m_bMuteOffScreen>(),
        Field<&cCommand::m_wAnime>(),
        Field<&cCommand::m_Text>(),
    };
    return s_Table;
}

bool cCommand::Load(cDataReader& file)
{
    if (!LoadBody(file) || !LoadSharedRecord(m_pMove, file) || !LoadSharedRecord(m_pShot, file)) return false;
    if (g_dwReadVersion >= 764 && !LoadSharedRecord(m_pCondList, file)) return false;
    if (!LoadFlowList(m_SubFlows, file) || !LoadIntVector(m_Params, file)) return false;
    if (g_dwReadVersion < kDataVersion) Migrate(g_dwReadVersion);
    Normalize();
    return file.Ok();
}

void cCommand::Save(cDataWriter& file) const
{
    cCommand normal(*this);
    normal.Normalize();
    normal.Write(file);
}

void cCommand::Write(cDataWriter& file) const
{
    SaveBody(file);
    SaveSharedRecord(m_pMove, file);
    SaveSharedRecord(m_pShot, file);
    SaveSharedRecord(m_pCondList, file);
    WriteFlowList(m_SubFlows, file);
    SaveIntVector(m_Params, file);
}

int cCommand::FlowKind() const
{
    if (m_nSet == 0) return m_nKind;
    return m_nKind >= 2 ? m_nKind + static_cast<int>(kItemKindOffset) : -1;
}

void cCommand::Normalize()
{
    if (IsBadFlowRef(eFlowRefTable::Anime, m_wAnime)) m_wAnime = 0;
    if (IsBadFlowRef(eFlowRefTable::Sound, m_wSound)) m_wSound = 0;
    if (!GetCmdKindTable(m_nSet).Has(m_nKind)) NoteUnknownKind(m_nSet, m_nKind);
    m_Params.resize(GetCmdParamCount(m_nSet, m_nKind), 0);
    RepairTableRefs();
    for (cEdFlow& flow : m_SubFlows) flow.Normalize();
}

// Index comparisons are unsigned: a negative stored value is past the end.
void cCommand::RepairTableRefs()
{
    const int nKind = FlowKind();
    if (m_nSet == 0 && nKind == kSwordKind) UpdateSwordTime();
    if (nKind == kGraphicKind && m_Params.size() >= 2 && m_Params[0] == 4 &&
        IsBadFlowRef(eFlowRefTable::CharaExcBmp, m_Params[1]))
        m_Params[1] = 1;
    for (const cTableRef& ref : kTableRefs)
        if (ref.nKind == nKind && !m_Params.empty() && IsBadFlowRef(ref.eTable, m_Params[0]))
            m_Params[0] = ref.nReplacement;
}

// A sword takes as long as its sword type's positions together, at most
// 9999 tenths. A sword without shot settings has nothing to check.
void cCommand::UpdateSwordTime()
{
    if (!m_pShot) return;
    if (IsBadFlowRef(eFlowRefTable::SwordType, m_pShot->m_nAim)) m_pShot->m_nAim = 0;
    u32 nTotal = 0;
    if (SwordTypeTime(m_pShot->m_nAim, nTotal)) m_wTime = static_cast<u16>(nTotal);
}

// The drop source codes 1 common and 2 stage; the summons and the item get
// code 0 common and 1 stage. Any other source is not checked.
void cCommand::ValidateRefs()
{
    const int nKind = FlowKind();
    if (m_nSet == 0 && m_pShot) {
        cEdShot& shot = *m_pShot;
        switch (nKind) {
        case kShotKind:
        case kSwordKind:
            if (IsBadPaletteSource(eEntryType::Item, shot.m_nDropSource, shot.m_wDropItem)) {
                shot.m_nDropSource = 0;
                shot.m_wDropItem = 0;
            }
            break;
        case kBlockSummonKind:
        case kCharaSummonKind:
        case kItemSummonKind:
            if (shot.m_nSummonSource <= 1) {
                const eEntryType eType = nKind == kBlockSummonKind   ? eEntryType::Block
                                         : nKind == kCharaSummonKind ? eEntryType::Chara
                                                                     : eEntryType::Item;
                RepairPaletteIndex(eType, shot.m_nSummonSource == 1, shot.m_wSummonIndex, 1);
            }
            break;
        default: break;
        }
    }
    if (nKind == kItemGetKind && m_Params.size() >= 2 && m_Params[0] <= 1 &&
        IsBadPaletteRef(PaletteListOf(eEntryType::Item, m_Params[0] == 1), m_Params[1]))
        m_Params[1] = 1;
    for (cEdFlow& flow : m_SubFlows) flow.ValidateRefs();
}

bool operator==(const cCommand& a, const cCommand& b)
{
    return cEdData::IsEqual(a, b) && SameShared(a.m_pMove, b.m_pMove) && SameShared(a.m_pShot, b.m_pShot) &&
           SameShared(a.m_pCondList, b.m_pCondList) && a.m_Params == b.m_Params && a.m_SubFlows == b.m_SubFlows;
}

bool LoadCommandList(cCommands& commands, cDataReader& file)
{
    return LoadRecordList(commands, file, kMinCommandBytes);
}

void WriteCommandList(const cCommands& commands, cDataWriter& file)
{
    file.WriteU32(static_cast<u32>(commands.size()));
    for (const cCommand& cmd : commands) cmd.Write(file);
}
