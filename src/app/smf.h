#pragma once
// Standard MIDI files: the reader that turns a format-0 or format-1 file into
// one format-0 image, and the converter that cuts the image into the event
// buffers of a MIDI stream.
#include <string>
#include <vector>

#include "app/types.h"

// Offset of the first event in an image: "MThd", 6, format 0, one track,
// the time division, "MTrk" and the track length.
constexpr u32 kSmfImageEvents = 22;

// Reads a whole standard MIDI file (format 0 or 1) and merges its tracks into
// one format-0 image with every status byte written out. Every read is bound
// by the file's size and by each chunk's length; a file that is not what its
// header claims is refused. An empty result means the file was refused, and
// the reason was logged with strName.
std::vector<u8> ParseSmf(const std::string& strName, const u8* lpData, size_t nSize);
inline std::vector<u8> ParseSmf(const std::string& strName, const std::vector<u8>& data)
{
    return ParseSmf(strName, data.data(), data.size());
}

// Where the events of an image end (22 + the track length); 22 for a damaged
// image, so that nothing is read from it.
u32 SmfImageEnd(const std::vector<u8>& image);

// MIDI stream events: three 32-bit little-endian words (delta time, stream ID
// 0, event word), then the parameter bytes of long events padded to four.
constexpr u32 kStreamBufferSize = 24000;
constexpr u32 kStreamEventCallback = 0x40000000;
constexpr u32 kStreamEventTempo = 0x01000000;
constexpr u32 kStreamEventLong = 0x80000000;
// The end of the track, as the player sees it: a short message with the
// callback flag whose parameters are 0x002FFF.
constexpr u32 kStreamEndOfTrack = kStreamEventCallback | 0x2F << 8 | 0xFF;
constexpr u32 kStreamEndOfTrackParams = 0x002FFF;

// Fills a buffer of nCapacity bytes (cleared first) with stream events from
// the image, starting at nPos, and moves nPos past what it took. The buffer
// ends at the end of the track, or before the first event that doesn't fit,
// in which case the last written event gets the callback flag. Meta events
// other than tempo and the end of the track write nothing; their delta times
// go to the next written event. An event that can't fit even an empty buffer
// is logged and skipped. Returns the bytes written.
u32 FillStreamBuffer(const std::vector<u8>& image, u32& nPos, u8* lpBuffer, u32 nCapacity,
                     const std::string& strName);
