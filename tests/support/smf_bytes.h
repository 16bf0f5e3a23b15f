#pragma once
// Standard MIDI files built by hand: big-endian chunks, tracks of events.
#include <vector>

#include "app/types.h"

namespace smfbytes {

using tBytes = std::vector<u8>;

inline tBytes operator+(tBytes a, const tBytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline tBytes Be32(u32 dw) { return {u8(dw >> 24), u8(dw >> 16), u8(dw >> 8), u8(dw)}; }
inline tBytes Be16(u16 w) { return {u8(w >> 8), u8(w)}; }

inline tBytes Header(u16 wFormat, u16 wTracks, u16 wDivision = 480)
{
    return tBytes{'M', 'T', 'h', 'd'} + Be32(6) + Be16(wFormat) + Be16(wTracks) + Be16(wDivision);
}

inline tBytes Chunk(const char* lpId, const tBytes& body)
{
    return tBytes(lpId, lpId + 4) + Be32(static_cast<u32>(body.size())) + body;
}

inline tBytes Track(const tBytes& events) { return Chunk("MTrk", events); }

inline const tBytes kEnd = {0xFF, 0x2F, 0x00};

// The image the converter writes: a format-0 header with the source's time
// division, then one track.
inline tBytes Image(const tBytes& events, u16 wDivision = 480) { return Header(0, 1, wDivision) + Track(events); }

}  // namespace smfbytes
