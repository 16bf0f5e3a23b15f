// Inputs that are not data files of the record format: standard MIDI files
// and the code texts of the "コードの実行" command.
#include <cstring>

#include "app/smf.h"
#include "flow/formula.h"
#include "fuzz_target.h"
#include "support/smf_bytes.h"

namespace {

bool IsEndOfTrack(const u8* lpWord)
{
    const u32 dw = u32(lpWord[0]) | u32(lpWord[1]) << 8 | u32(lpWord[2]) << 16 | u32(lpWord[3]) << 24;
    return (dw & ~kStreamEventCallback) == (kStreamEndOfTrack & ~kStreamEventCallback);
}

// The reader's image must read back to itself, and the stream converter
// must walk any image to its end, buffer by buffer, never past a buffer.
void RunMidi(const u8* lpData, size_t nSize)
{
    FreshMemoryFs();
    const std::vector<u8> image = ParseSmf("fuzz.mid", lpData, nSize);
    if (image.empty()) return;
    FuzzCheck(image.size() >= kSmfImageEvents && SmfImageEnd(image) <= image.size(), "a bad image");
    FuzzCheck(ParseSmf("image.mid", image) == image, "an image did not read back to itself");
    for (u32 nCapacity : {kStreamBufferSize, 64u}) {
        std::vector<u8> buffer(nCapacity);
        u32 nPos = kSmfImageEvents;
        const u32 nEnd = SmfImageEnd(image);
        while (nPos < nEnd) {
            const u32 nBefore = nPos;
            const u32 nWritten = FillStreamBuffer(image, nPos, buffer.data(), nCapacity, "fuzz.mid");
            FuzzCheck(nWritten <= nCapacity, "a stream buffer overflowed");
            if (nWritten >= 12 && IsEndOfTrack(buffer.data() + nWritten - 4)) break;
            FuzzCheck(nPos > nBefore, "the stream converter made no progress");
        }
    }
}

// Files as the reader's tests build them.
void MidiSeeds(tSeeds& seeds)
{
    using namespace smfbytes;
    const tBytes kTempo = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
    // Notes on running status, a program change, a text event, a
    // system-exclusive message and a long delta time.
    const tBytes kNotes = {0x00, 0x90, 0x3C, 0x40, 0x60, 0x3E, 0x40, 0x60, 0x80, 0x3C, 0x00, 0x00, 0x3E,
                           0x00, 0x10, 0xC1, 0x05, 0x00, 0xFF, 0x01, 0x02, 'h', 'i',
                           0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x83, 0x60, 0xB0, 0x07, 0x64};
    seeds.push_back(Header(0, 1, 96) + Track(kTempo + kNotes + tBytes{0x10} + kEnd));
    seeds.push_back(Header(1, 3) + Track(kTempo + tBytes{0x10} + kEnd) + Track(kNotes + tBytes{0x00} + kEnd) +
                    Track(tBytes{0x00, 0xE0, 0x00, 0x40, 0x10, 0xA0, 0x3C, 0x10, 0x00} + kEnd));
    // An unknown chunk between the tracks, which the reader passes over.
    seeds.push_back(Header(1, 2) + Track(kTempo + tBytes{0x00} + kEnd) + Chunk("XFIH", {1, 2, 3}) +
                    Track(kNotes + tBytes{0x00} + kEnd));
}

void RunExpression(const u8* lpData, size_t nSize)
{
    FreshMemoryFs();
    cFormula::Check(std::string(reinterpret_cast<const char*>(lpData), nSize));
}

void ExpressionSeeds(tSeeds& seeds)
{
    for (const char* lpText :
         {"1 + 2 * 3", "v1 = v2 + rand(10)", "(1 + 2) * (3 - 4) % 5", "rand(3, 9) / 2", "v100 = -5",
          "x = 10", "this.x = player.y + 1", "v1 = ((v2 + 3) * rand(v3)) = 4", "2147483647 + 1",
          "99999999999 * 99999999999", "1 / 0", "5 % 0", "((((1))))", "rand(", ")", "v1 = = 2",
          "player.hp = stage.time", "a.b.c = 1", "-2147483648 / -1"})
        seeds.emplace_back(lpText, lpText + strlen(lpText));
}

const cFuzzRows s_Rows{
    {"midi_file", RunMidi, MidiSeeds},
    {"expression", RunExpression, ExpressionSeeds, 1024},
};

}  // namespace
