#include "app/text_layout.h"

#include <algorithm>

#include "app/str_util.h"

namespace {

// Offsets b .. e lie on character boundaries; b is a line start or 0.
bool PairAt(const std::string& str, size_t i, size_t nEnd)
{
    return IsSjisLead(static_cast<u8>(str[i])) && i + 1 < nEnd && IsSjisTrail(static_cast<u8>(str[i + 1]));
}

size_t Measure(const std::string& str, size_t nBegin, size_t nEnd, bool bDbcs)
{
    if (!bDbcs) return nEnd - nBegin;
    size_t n = 0;
    for (size_t i = nBegin; i < nEnd; ++i) {
        if (PairAt(str, i, nEnd)) ++i, ++n;
        else if (str[i] != '\n') ++n;
    }
    return n;
}

// The end of the longest start of [nBegin, nEnd) that holds at most nWidth.
size_t FitEnd(const std::string& str, size_t nBegin, size_t nEnd, u32 nWidth, bool bDbcs)
{
    size_t i = nBegin, n = 0;
    while (i < nEnd) {
        const size_t nChar = PairAt(str, i, nEnd) ? 2 : 1;
        const size_t nCost = bDbcs ? (str[i] == '\n' ? 0 : 1) : nChar;
        if (n + nCost > nWidth) break;
        n += nCost;
        i += nChar;
    }
    return i;
}

void ShiftAfterErase(s32& nPos, size_t nAt, size_t nCount)
{
    if (nPos <= static_cast<s32>(nAt)) return;
    nPos -= static_cast<s32>(std::min(nCount, static_cast<size_t>(nPos) - nAt));
}

void ShiftAfterInsert(s32& nPos, size_t nAt, size_t nCount)
{
    if (nPos >= static_cast<s32>(nAt)) nPos += static_cast<s32>(nCount);
}

// The Backspace join: the previous text's line before the deleted break,
// from the line feed that starts it (counted in byte mode) up to the caret.
bool RefusesJoin(const cTextState& typed, const std::string& strPrev, const cTextLimits& limits)
{
    if (typed.nSelStart != typed.nSelEnd || typed.strText.size() + 2 != strPrev.size()) return false;
    if (CountLines(typed.strText) >= CountLines(strPrev)) return false;
    const size_t nCaret = std::min(static_cast<size_t>(std::max(typed.nSelStart, 0)), strPrev.size());
    const size_t nFeed = nCaret == 0 ? std::string::npos : strPrev.rfind('\n', nCaret - 1);
    const size_t nStart = nFeed == std::string::npos ? 0 : nFeed;
    return Measure(strPrev, nStart, nCaret, limits.bDbcs) >= limits.nLineWidth;
}

void WrapLines(cTextState& state, const cTextLimits& limits)
{
    std::string& str = state.strText;
    size_t nLineStart = 0;
    for (u32 nLine = 0; nLine < limits.nLineCount; ++nLine) {
        const size_t nFeed = str.find('\n', nLineStart);
        size_t nContentEnd = nFeed == std::string::npos ? str.size() : nFeed;
        if (nFeed != std::string::npos && nContentEnd > nLineStart && str[nContentEnd - 1] == '\r') --nContentEnd;
        const size_t nCut = FitEnd(str, nLineStart, nContentEnd, limits.nLineWidth, limits.bDbcs);
        // A line that fits goes on; so does one of which not even one
        // character fits (a double-byte character in a line one byte wide).
        if (nCut == nContentEnd || nCut == nLineStart) {
            if (nFeed == std::string::npos) return;
            nLineStart = nFeed + 1;
            continue;
        }
        if (nFeed != std::string::npos) {
            const size_t nBreak = nFeed + 1 - nContentEnd;
            str.erase(nContentEnd, nBreak);
            ShiftAfterErase(state.nSelStart, nContentEnd, nBreak);
            ShiftAfterErase(state.nSelEnd, nContentEnd, nBreak);
        }
        str.insert(nCut, "\r\n");
        ShiftAfterInsert(state.nSelStart, nCut, 2);
        ShiftAfterInsert(state.nSelEnd, nCut, 2);
        nLineStart = nCut + 2;
    }
}

// The text up to the end of its nCount-th line.
void KeepLines(std::string& str, u32 nCount)
{
    size_t nFeed = std::string::npos;
    for (u32 i = 0; i < nCount; ++i) {
        nFeed = str.find('\n', nFeed + 1);
        if (nFeed == std::string::npos) return;
    }
    size_t nEnd = nFeed;
    if (nEnd > 0 && str[nEnd - 1] == '\r') --nEnd;
    str.resize(nEnd);
}

void SettleSelection(s32& nPos, const std::string& str)
{
    if (nPos < 0) nPos = 0;
    if (static_cast<size_t>(nPos) < str.size() && str[nPos] == '\n' && nPos > 0 && str[nPos - 1] == '\r') ++nPos;
    nPos = std::min(nPos, static_cast<s32>(str.size()));
}

}  // namespace

size_t CountLines(const std::string& strText)
{
    if (strText.empty()) return 0;
    return static_cast<size_t>(std::count(strText.begin(), strText.end(), '\n')) + 1;
}

cTextState LayOutText(const cTextState& typed, const std::string& strPrev, const cTextLimits& limits, bool bSetText,
                      bool bBackspace)
{
    cTextState state = typed;
    if (bBackspace && RefusesJoin(typed, strPrev, limits)) {
        // Back where the caret stood before the key, at the next line's start.
        state.strText = strPrev;
        state.nSelStart = state.nSelEnd = typed.nSelStart + 2;
    }
    WrapLines(state, limits);
    if (CountLines(state.strText) > limits.nLineCount) {
        if (bSetText) {
            KeepLines(state.strText, limits.nLineCount);
        } else {
            state.strText = strPrev;
            state.nSelStart = typed.nSelStart;
            state.nSelEnd = typed.nSelEnd;
        }
    }
    SettleSelection(state.nSelStart, state.strText);
    SettleSelection(state.nSelEnd, state.strText);
    return state;
}

size_t TextReadLimit(u32 nSize, bool bDbcs)
{
    if (nSize == 0) return 0;
    return (bDbcs ? 2 * static_cast<size_t>(nSize) - 1 : nSize) - 1;
}

size_t CharsToBytes(const std::string& strText, size_t nChars)
{
    size_t i = 0;
    for (size_t n = 0; n < nChars && i < strText.size(); ++n) i += PairAt(strText, i, strText.size()) ? 2 : 1;
    return i;
}

size_t BytesToChars(const std::string& strText, size_t nBytes)
{
    size_t n = 0;
    for (size_t i = 0; i < nBytes && i < strText.size(); ++n) i += PairAt(strText, i, strText.size()) ? 2 : 1;
    return n;
}
