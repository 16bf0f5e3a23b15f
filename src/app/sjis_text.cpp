#include "app/sjis_text.h"

#include "app/str_util.h"

bool IsDbcsPair(const char* lpText)
{
    return lpText && lpText[0] && IsSjisLead(static_cast<u8>(lpText[0])) && lpText[1] &&
           IsSjisTrail(static_cast<u8>(lpText[1]));
}

size_t CountChars(const char* lpText)
{
    size_t n = 0;
    if (!lpText) return 0;
    while (*lpText) {
        if (IsDbcsPair(lpText)) {
            ++n;
            lpText += 2;
        } else {
            if (*lpText != '\n') ++n;
            ++lpText;
        }
    }
    return n;
}
