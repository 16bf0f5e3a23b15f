#include "app/midi_player_set.h"

#include <cstdio>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/path.h"
#include "app/smf.h"

namespace {

// Larger files are not music a preview can be asked to play; refusing them
// keeps a wrong pick from costing the memory of its whole content.
constexpr long kMaxMidiFileSize = 16 * 1024 * 1024;

bool ReadWholeFile(FILE* fp, std::vector<u8>& data)
{
    if (fseek(fp, 0, SEEK_END) != 0) return false;
    long nSize = ftell(fp);
    if (nSize < 0 || nSize > kMaxMidiFileSize || fseek(fp, 0, SEEK_SET) != 0) return false;
    data.assign(static_cast<size_t>(nSize), 0);
    return nSize == 0 || fread(data.data(), 1, data.size(), fp) == data.size();
}

}  // namespace

cPlayerBase::cPlayerBase(const std::string& strPath) { LoadFile(strPath); }

void cPlayerBase::LoadFile(const std::string& strPath)
{
    m_strName = strPath;
    FILE* fp = FileSystem().Open(strPath, "rb");
    std::vector<u8> data;
    bool bRead = fp && ReadWholeFile(fp, data);
    if (fp) fclose(fp);
    if (!bRead) {
        LogPrintfBoth("Midi %s Create ファイルが開けません", m_strName.c_str());
        return;
    }
    m_Image = ParseSmf(m_strName, data);
}

u32 cMidiPlayerSet::Play(s32 nChannel, const std::string& strPath, u32 bRepeat)
{
    StopAll(1);
    for (auto& lpPlayer : m_Players) lpPlayer.reset();
    if (!HasFileExt(strPath, "mid")) return 0;
    if (nChannel < 0 || static_cast<size_t>(nChannel) >= m_Players.size()) {
        ReportBadIndex('V', nChannel, m_Players.size(), sizeof(cPlayerBase*));
        return 0;
    }
    std::unique_ptr<cPlayerBase>& lpSlot = m_Players[static_cast<size_t>(nChannel)];
    lpSlot = m_fnCreate(strPath);
    if (!lpSlot || !lpSlot->CanPlay()) return 0;
    lpSlot->Play(bRepeat);
    return 1;
}

void cMidiPlayerSet::StopAll(u32 bPause)
{
    for (auto& lpPlayer : m_Players)
        if (lpPlayer) lpPlayer->Stop(bPause);
}

void cMidiPlayerSet::Resize(size_t nChannels) { m_Players.resize(nChannels); }

void cMidiPlayerSet::Clear() { m_Players.clear(); }
