#include "app/smf.h"

#include <algorithm>
#include <cstring>

#include "app/log.h"

namespace {

// Reads bytes between a start and an end that the caller has checked against
// the data; every read fails instead of passing the end.
class cByteCursor {
public:
    cByteCursor(const u8* lpData, size_t nPos, size_t nEnd) : m_lpData(lpData), m_nPos(nPos), m_nEnd(nEnd) {}

    size_t Pos() const { return m_nPos; }
    bool AtEnd() const { return m_nPos >= m_nEnd; }
    bool Peek(u8& by) const
    {
        if (AtEnd()) return false;
        by = m_lpData[m_nPos];
        return true;
    }
    bool U8(u8& by)
    {
        if (!Peek(by)) return false;
        ++m_nPos;
        return true;
    }
    bool Skip(size_t n)
    {
        if (n > m_nEnd - m_nPos) return false;
        m_nPos += n;
        return true;
    }
    // A variable-length quantity: 7 bits a byte, top bit = more follows, at
    // most four bytes.
    bool Vlq(u32& dwValue)
    {
        dwValue = 0;
        for (int i = 0; i < 4; ++i) {
            u8 by;
            if (!U8(by)) return false;
            dwValue = dwValue << 7 | (by & 0x7F);
            if (!(by & 0x80)) return true;
        }
        return false;
    }

private:
    const u8* m_lpData;
    size_t m_nPos;
    size_t m_nEnd;
};

u32 BigEndian32(const u8* lp) { return u32(lp[0]) << 24 | u32(lp[1]) << 16 | u32(lp[2]) << 8 | lp[3]; }
u16 BigEndian16(const u8* lp) { return static_cast<u16>(lp[0] << 8 | lp[1]); }

void PutBigEndian32(std::vector<u8>& out, u32 dw)
{
    for (int nShift = 24; nShift >= 0; nShift -= 8) out.push_back(static_cast<u8>(dw >> nShift));
}

bool PutVlq(std::vector<u8>& out, u64 qwValue)
{
    if (qwValue >= 0x10000000) return false;
    u8 aby[4];
    int n = 0;
    do {
        aby[n++] = static_cast<u8>(qwValue & 0x7F);
        qwValue >>= 7;
    } while (qwValue);
    while (n > 1) out.push_back(static_cast<u8>(aby[--n] | 0x80));
    out.push_back(aby[0]);
    return true;
}

// Data bytes that follow the status byte of a channel message.
u32 ChannelDataBytes(u8 byStatus) { return (byStatus & 0xE0) == 0xC0 ? 1 : 2; }

// One event of a source track: its absolute time, its status and the bytes
// that follow the status in the file (data, or type, length and data).
struct cSmfEvent {
    u64 qwTime;
    u32 dwBody;
    u32 dwBodySize;
    u8 byStatus;
};

// Reads one track chunk's events up to its end of track. Running status is
// kept by channel messages only; meta and system-exclusive events leave it as
// it was. False when the track is malformed or has no end of track.
bool ReadTrack(const u8* lpData, size_t nBegin, size_t nEnd, std::vector<cSmfEvent>& events, u64& qwEndTime)
{
    cByteCursor cur(lpData, nBegin, nEnd);
    u64 qwTime = 0;
    u8 byRunning = 0;
    for (;;) {
        u32 dwDelta;
        u8 byFirst;
        if (!cur.Vlq(dwDelta) || !cur.Peek(byFirst)) return false;
        qwTime += dwDelta;
        u8 byStatus = byRunning;
        if (byFirst & 0x80) {
            byStatus = byFirst;
            cur.Skip(1);
        }
        if (!byStatus) return false;  // data byte with no status to run on
        size_t nBody = cur.Pos();
        u32 dwLength;
        if (byStatus == 0xFF) {
            u8 byType;
            if (!cur.U8(byType) || !cur.Vlq(dwLength) || !cur.Skip(dwLength)) return false;
            if (byType == 0x2F) {
                qwEndTime = qwTime;
                return true;
            }
        } else if (byStatus == 0xF0 || byStatus == 0xF7) {
            if (!cur.Vlq(dwLength) || !cur.Skip(dwLength)) return false;
        } else if (byStatus >= 0xF0) {
            return false;  // system messages other than exclusive have no place in a file
        } else {
            for (u32 i = ChannelDataBytes(byStatus); i > 0; --i) {
                u8 byData;
                if (!cur.U8(byData) || (byData & 0x80)) return false;
            }
            byRunning = byStatus;
        }
        events.push_back({qwTime, static_cast<u32>(nBody), static_cast<u32>(cur.Pos() - nBody), byStatus});
    }
}

bool CheckHeader(const std::string& strName, const u8* lpData, size_t nSize)
{
    if (nSize < 4 || memcmp(lpData, "MThd", 4) != 0) {
        LogPrintfBoth("Midi %s Init 標準MIDIでない(4)", strName.c_str());
        return false;
    }
    if (nSize < 14 || BigEndian32(lpData + 4) != 6) {
        LogPrintfBoth("Midi %s Init 標準MIDIでない(6)", strName.c_str());
        return false;
    }
    u16 wFormat = BigEndian16(lpData + 8);
    if (wFormat == 2) {
        LogPrintfBoth("Midi %s Init 対応フォーマットが2でない", strName.c_str());
        return false;
    }
    if (wFormat > 2) {
        LogPrintfBoth("Midi %s Init 対応フォーマットが0または1でない", strName.c_str());
        return false;
    }
    if (nSize < 18 || memcmp(lpData + 14, "MTrk", 4) != 0) {
        LogPrintfBoth("Midi %s Init 標準MIDIでない(4)", strName.c_str());
        return false;
    }
    return true;
}

// Reads the header's number of tracks from the "MTrk" chunks that follow the
// header, each bound by its own length; other chunks are passed over.
bool ReadTracks(const std::string& strName, const u8* lpData, size_t nSize, std::vector<cSmfEvent>& events,
                u64& qwEndTime)
{
    u16 wTracks = BigEndian16(lpData + 10);
    if (wTracks == 0) {
        LogPrintfBoth("Midi %s Init トラック数が不正 %d", strName.c_str(), 0);
        return false;
    }
    size_t nPos = 14;
    qwEndTime = 0;
    for (u32 nTrack = 0; nTrack < wTracks;) {
        if (nSize - nPos < 8) {
            LogPrintfBoth("Midi %s Init トラック数が不正 %d", strName.c_str(), wTracks);
            return false;
        }
        u32 dwLength = BigEndian32(lpData + nPos + 4);
        size_t nBegin = nPos + 8;
        if (dwLength > nSize - nBegin) {
            LogPrintfBoth("Midi %s Init トラック%uが壊れている", strName.c_str(), nTrack);
            return false;
        }
        if (memcmp(lpData + nPos, "MTrk", 4) == 0) {
            u64 qwTrackEnd = 0;
            if (!ReadTrack(lpData, nBegin, nBegin + dwLength, events, qwTrackEnd)) {
                LogPrintfBoth("Midi %s Init トラック%uが壊れている", strName.c_str(), nTrack);
                return false;
            }
            qwEndTime = std::max(qwEndTime, qwTrackEnd);
            ++nTrack;
        }
        nPos = nBegin + dwLength;
    }
    return true;
}

}  // namespace

std::vector<u8> ParseSmf(const std::string& strName, const u8* lpData, size_t nSize)
{
    std::vector<u8> image;
    if (!CheckHeader(strName, lpData, nSize)) return image;
    std::vector<cSmfEvent> events;
    u64 qwEndTime = 0;
    if (!ReadTracks(strName, lpData, nSize, events, qwEndTime)) return image;

    // The tracks were read one after another: a stable sort by time puts the
    // lower track first among equal times and keeps each track's order.
    std::stable_sort(events.begin(), events.end(),
                     [](const cSmfEvent& a, const cSmfEvent& b) { return a.qwTime < b.qwTime; });

    const u8 abyHeader[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, lpData[12], lpData[13], 'M', 'T', 'r', 'k'};
    image.assign(abyHeader, abyHeader + sizeof abyHeader);
    PutBigEndian32(image, 0);  // the track length, filled in below
    u64 qwPrevious = 0;
    bool bOk = true;
    for (const cSmfEvent& e : events) {
        bOk = bOk && PutVlq(image, e.qwTime - qwPrevious);
        qwPrevious = e.qwTime;
        image.push_back(e.byStatus);
        image.insert(image.end(), lpData + e.dwBody, lpData + e.dwBody + e.dwBodySize);
    }
    bOk = bOk && PutVlq(image, qwEndTime - qwPrevious);
    const u8 abyEnd[] = {0xFF, 0x2F, 0x00};
    image.insert(image.end(), abyEnd, abyEnd + sizeof abyEnd);
    u64 qwTrackLength = image.size() - kSmfImageEvents;
    if (!bOk || qwTrackLength > 0xFFFFFFFFu) {
        LogPrintfBoth("Midi %s Init トラック%uが壊れている", strName.c_str(), 0u);
        image.clear();
        return image;
    }
    for (int i = 0; i < 4; ++i) image[18 + i] = static_cast<u8>(qwTrackLength >> (24 - 8 * i));
    return image;
}

u32 SmfImageEnd(const std::vector<u8>& image)
{
    if (image.size() < kSmfImageEvents) return kSmfImageEvents;
    u64 qwEnd = u64(kSmfImageEvents) + BigEndian32(image.data() + 18);
    return qwEnd <= image.size() ? static_cast<u32>(qwEnd) : kSmfImageEvents;
}

namespace {

void PutLittleEndian32(u8* lp, u32 dw)
{
    for (int i = 0; i < 4; ++i) lp[i] = static_cast<u8>(dw >> (8 * i));
}

u32 GetLittleEndian32(const u8* lp) { return u32(lp[0]) | u32(lp[1]) << 8 | u32(lp[2]) << 16 | u32(lp[3]) << 24; }

// One event of the image, ready to be written as a stream event.
struct cStreamEvent {
    u32 dwDelta;
    u32 dwWord;
    u8 byLongStatus;  // a long message: its status byte, then its data
    const u8* lpLongData;
    u32 dwLongData;
    u32 dwSize;  // bytes in the buffer; 0 = writes nothing
    bool bEnd;
};

bool ReadImageEvent(const std::vector<u8>& image, cByteCursor& cur, cStreamEvent& ev)
{
    ev = cStreamEvent{};
    u8 byStatus;
    if (!cur.Vlq(ev.dwDelta) || !cur.U8(byStatus)) return false;
    if (byStatus == 0xFF) {
        u8 byType;
        u32 dwLength;
        if (!cur.U8(byType) || !cur.Vlq(dwLength)) return false;
        const u8* lpData = image.data() + cur.Pos();
        if (!cur.Skip(dwLength)) return false;
        if (byType == 0x2F) {
            ev.dwWord = kStreamEndOfTrack;
            ev.dwSize = 12;
            ev.bEnd = true;
        } else if (byType == 0x51 && dwLength == 3) {
            ev.dwWord = kStreamEventTempo | u32(lpData[0]) << 16 | u32(lpData[1]) << 8 | lpData[2];
            ev.dwSize = 12;
        }
        return true;
    }
    if (byStatus == 0xF0 || byStatus == 0xF7) {
        u32 dwLength;
        if (!cur.Vlq(dwLength)) return false;
        ev.byLongStatus = byStatus;
        ev.lpLongData = image.data() + cur.Pos();
        if (!cur.Skip(dwLength) || dwLength >= 0xFFFFFF) return false;
        ev.dwLongData = dwLength;
        ev.dwWord = kStreamEventLong | (dwLength + 1);
        ev.dwSize = 12 + ((dwLength + 1 + 3) & ~3u);
        return true;
    }
    if (byStatus < 0x80 || byStatus >= 0xF0) return false;
    ev.dwWord = byStatus;
    for (u32 i = 0; i < ChannelDataBytes(byStatus); ++i) {
        u8 byData;
        if (!cur.U8(byData)) return false;
        ev.dwWord |= u32(byData) << (8 * (i + 1));
    }
    ev.dwSize = 12;
    return true;
}

}  // namespace

u32 FillStreamBuffer(const std::vector<u8>& image, u32& nPos, u8* lpBuffer, u32 nCapacity,
                     const std::string& strName)
{
    memset(lpBuffer, 0, nCapacity);
    const u32 nEnd = SmfImageEnd(image);
    u32 nWritten = 0;
    u32 nLastEvent = 0;
    // Delta times of events that wrote nothing, owed to the next written
    // event, and where the first of them stands.
    u64 qwCarried = 0;
    u32 nCarriedFrom = nPos;
    while (nPos < nEnd) {
        cByteCursor cur(image.data(), nPos, nEnd);
        cStreamEvent ev;
        if (!ReadImageEvent(image, cur, ev)) {
            LogPrintfBoth("Midi %s Out イベントが壊れている %u", strName.c_str(), nPos);
            nPos = nEnd;
            break;
        }
        bool bSkip = ev.dwSize == 0;
        if (!bSkip && ev.dwSize > nCapacity - nWritten) {
            if (nWritten > 0) {
                // The buffer ends here; the next one starts with the events
                // whose delta times are still owed.
                u8* lpWord = lpBuffer + nLastEvent + 8;
                PutLittleEndian32(lpWord, GetLittleEndian32(lpWord) | kStreamEventCallback);
                if (qwCarried) nPos = nCarriedFrom;
                break;
            }
            LogPrintfBoth("Midi %s Out イベントがバッファに入らない %u", strName.c_str(), ev.dwSize);
            bSkip = true;
        }
        if (bSkip) {
            if (qwCarried == 0) nCarriedFrom = nPos;
            qwCarried += ev.dwDelta;
            nPos = static_cast<u32>(cur.Pos());
            continue;
        }
        u8* lp = lpBuffer + nWritten;
        PutLittleEndian32(lp, static_cast<u32>(std::min<u64>(qwCarried + ev.dwDelta, 0xFFFFFFFFu)));
        PutLittleEndian32(lp + 8, ev.dwWord);
        if (ev.byLongStatus) {
            lp[12] = ev.byLongStatus;
            if (ev.dwLongData) memcpy(lp + 13, ev.lpLongData, ev.dwLongData);
        }
        qwCarried = 0;
        nLastEvent = nWritten;
        nWritten += ev.dwSize;
        nPos = static_cast<u32>(cur.Pos());
        if (ev.bEnd) break;
    }
    return nWritten;
}
