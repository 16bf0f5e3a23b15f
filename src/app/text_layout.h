#pragma once
// The layout of a bound text edit without a window: lines no longer than a
// width, no more lines than a count, a Backspace that would join a full line
// refused. Lines are separated by "\r\n". Lengths count bytes, or with the
// double-byte flag characters (a double-byte character counts one, a line
// feed none); a double-byte character is never split in either mode.
#include <string>

#include "app/types.h"

struct cTextLimits {
    u32 nLineWidth = 1024;
    u32 nLineCount = 32;
    bool bDbcs = false;
};

// A text with its selection, as byte offsets.
struct cTextState {
    std::string strText;
    s32 nSelStart = 0;
    s32 nSelEnd = 0;
};

// Lines of a text: the line feeds plus 1, 0 for an empty text.
size_t CountLines(const std::string& strText);

// One layout pass over the text the control holds now. strPrev is the text
// after the last accepted change; bSetText is set while the program itself
// puts a text in (strPrev then is that text); bBackspace while the
// Backspace key is down.
//   - A Backspace that deleted a line break after a line that already holds
//     the line width is undone.
//   - Each line longer than the width is cut at the width; the rest runs on
//     into the following line, which is checked in turn.
//   - More lines than the count: typing is undone (the previous text, the
//     selection as typed); a text the program sets keeps its first lines.
//   - A selection on the "\n" of a line break moves past it, and stays
//     within the text.
cTextState LayOutText(const cTextState& typed, const std::string& strPrev, const cTextLimits& limits, bool bSetText,
                      bool bBackspace);

// Offsets in a text counted in characters (a double-byte character is one)
// and the same offsets in bytes.
size_t CharsToBytes(const std::string& strText, size_t nChars);
size_t BytesToChars(const std::string& strText, size_t nBytes);

// Bytes read back from a text control of nSize characters plus 1: twice
// that for double-byte texts, the terminator excluded.
size_t TextReadLimit(u32 nSize, bool bDbcs);
