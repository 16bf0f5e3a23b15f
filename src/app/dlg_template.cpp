#include "app/dlg_template.h"

#include <cmath>

#include "app/str_util.h"

namespace {

constexpr size_t kPlainSizeAt = 14;     // DLGTEMPLATE: cx, then cy
constexpr size_t kExtendedSizeAt = 22;  // DLGTEMPLATEEX: cx, then cy
constexpr size_t kTraceWords = 20;

u16 Word(const std::vector<u8>& b, size_t at) { return static_cast<u16>(b[at] | (b[at + 1] << 8)); }
void PutWord(std::vector<u8>& b, size_t at, u16 w)
{
    b[at] = static_cast<u8>(w & 0xFF);
    b[at + 1] = static_cast<u8>(w >> 8);
}

// Where cx stands, or 0 when the bytes are too short.
size_t SizeOffset(const std::vector<u8>& tpl)
{
    if (tpl.size() < 4) return 0;
    bool bExtended = Word(tpl, 0) == 1 && Word(tpl, 2) == 0xFFFF;
    size_t nAt = bExtended ? kExtendedSizeAt : kPlainSizeAt;
    return tpl.size() >= nAt + 4 ? nAt : 0;
}

bool UsableRate(double dRate) { return std::isfinite(dRate) && dRate > 0 && dRate != 1.0; }

void ScaleWord(std::vector<u8>& tpl, size_t nAt, double dRate)
{
    double dValue = std::trunc(static_cast<s16>(Word(tpl, nAt)) * dRate);
    if (dValue > 32767) dValue = 32767;
    if (dValue < -32768) dValue = -32768;
    PutWord(tpl, nAt, static_cast<u16>(static_cast<s16>(dValue)));
}

}  // namespace

bool ScaleDialogTemplate(std::vector<u8>& tpl, double dRateX, double dRateY, std::vector<std::string>* lpTrace)
{
    size_t nAt = SizeOffset(tpl);
    if (nAt == 0) return false;
    if (UsableRate(dRateX)) {
        if (lpTrace) {
            for (size_t i = 0; i < kTraceWords && 2 * i + 1 < tpl.size(); ++i) {
                u16 w = Word(tpl, 2 * i);
                lpTrace->push_back(Format("pNext_t[%d] = %s, (short)%d, (WORD)%u", static_cast<int>(i),
                                          Format("0x%04X", w).c_str(), static_cast<s16>(w), w));
            }
        }
        ScaleWord(tpl, nAt, dRateX);
    }
    if (UsableRate(dRateY)) ScaleWord(tpl, nAt + 2, dRateY);
    return true;
}

bool GetDialogTemplateSize(const std::vector<u8>& tpl, s16& nWidth, s16& nHeight)
{
    size_t nAt = SizeOffset(tpl);
    if (nAt == 0) return false;
    nWidth = static_cast<s16>(Word(tpl, nAt));
    nHeight = static_cast<s16>(Word(tpl, nAt + 2));
    return true;
}
