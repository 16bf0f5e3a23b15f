#include "data/system_ini.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "app/file_system.h"
#include "data/system_data.h"

cSystemIni g_SystemIni;

const char* const g_lpReplayKeys[kReplayKeyCount + 1] = {
    "Replay_On", "Replay_AutomaticSave", "Replay_PlaybackOrder", "Replay_AutomaticMessageProgress", "",
};

namespace {

constexpr int kMaxLines = 10000;
constexpr size_t kMaxToken = 2047;
constexpr size_t kMaxText = 260;

// Bytes beyond the limit are read and dropped, so a long line stays one line.
void AppendBounded(std::string& str, int c)
{
    if (str.size() < kMaxToken) str.push_back(static_cast<char>(c));
}

// The leading decimal number of the text, as atoi reads it, held within the
// 32-bit range.
s32 ToInt(const std::string& str)
{
    long long n = strtoll(str.c_str(), nullptr, 10);
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<s32>(n);
}

void ApplyOption(cSystemIni& ini, const std::vector<cSysIniDefault>& options, const std::string& strKey,
                 const std::string& strValue)
{
    for (size_t i = 0; i < options.size() && i < kIniOptionCount; ++i) {
        if (options[i].m_strKey != strKey) continue;
        if (i == kIniFreeStage) {
            // A single character keeps the earlier text.
            if (strValue.size() >= 2 && strValue.size() < kMaxText) ini.m_strText = strValue;
        } else {
            ini.m_anOption[i] = ToInt(strValue);
        }
        return;
    }
}

void ApplyReplay(cSystemIni& ini, const std::string& strKey, const std::string& strValue)
{
    for (int i = 0; i < kReplayKeyCount; ++i) {
        if (strKey != g_lpReplayKeys[i]) continue;
        cReplaySetting& r = ini.m_aReplay[i];
        const s32 v = ToInt(strValue);
        r.bPresent = 0;
        if (v < 0) return;
        r.bPresent = 1;
        r.nValue = v;
        if ((i == kReplayAutomaticSave || i == kReplayPlaybackOrder) && v >= 3) r.nValue = 2;
        if (i == kReplayAutomaticMessageProgress && v > 21) r.nValue = 20;
        return;
    }
}

enum class eKeyEnd { Value, Line, Exit, End, Nul };

// Reads a key up to '=' or the end of its line. CR, spaces and tabs are no
// part of a key.
eKeyEnd ReadKey(FILE* fp, std::string& strKey)
{
    for (;;) {
        const int c = fgetc(fp);
        switch (c) {
        case EOF: return eKeyEnd::End;
        case '=': return eKeyEnd::Value;
        case '\0': return eKeyEnd::Nul;
        case '\n': return strKey == "Exit" ? eKeyEnd::Exit : eKeyEnd::Line;
        case '\r':
        case ' ':
        case '\t': break;
        default: AppendBounded(strKey, c); break;
        }
    }
}

// Reads a value up to a space, tab, '/', LF, NUL or the end of the file; the
// rest of a line after a space, tab or '/' is read as the next line. A CR
// (of a line ended by CR LF) is no part of the value.
void ReadValue(FILE* fp, std::string& strValue)
{
    for (;;) {
        const int c = fgetc(fp);
        if (c == EOF || c == ' ' || c == '\t' || c == '/' || c == '\n' || c == '\0') return;
        if (c != '\r') AppendBounded(strValue, c);
    }
}

}  // namespace

void SetSystemIniDefaults(cSystemIni& ini, const std::vector<cSysIniDefault>& options)
{
    for (int i = 0; i < kIniOptionCount; ++i) {
        const bool bKnown = static_cast<size_t>(i) < options.size();
        if (i == kIniFreeStage)
            ini.m_strText = bKnown ? options[i].m_strText : std::string();
        else
            ini.m_anOption[i] = bKnown ? static_cast<s32>(options[i].m_dwNumber) : 0;
    }
    for (cReplaySetting& r : ini.m_aReplay) r.bPresent = 0;
}

bool LoadSystemIni(const std::string& strPath, cSystemIni& ini, const std::vector<cSysIniDefault>& options)
{
    FILE* fp = FileSystem().Open(strPath, "rb");
    if (!fp) return false;
    bool bComplete = true;
    for (int nLine = 0; nLine < kMaxLines; ++nLine) {
        std::string strKey;
        const eKeyEnd eEnd = ReadKey(fp, strKey);
        if (eEnd == eKeyEnd::End) bComplete = false;
        if (eEnd == eKeyEnd::End || eEnd == eKeyEnd::Nul || eEnd == eKeyEnd::Exit) break;
        if (eEnd == eKeyEnd::Line) continue;
        std::string strValue;
        ReadValue(fp, strValue);
        ApplyOption(ini, options, strKey, strValue);
        ApplyReplay(ini, strKey, strValue);
    }
    fclose(fp);
    return bComplete;
}

bool ReadSystemIni(cSystemIni& ini, const std::vector<cSysIniDefault>& options, const std::string& strPath)
{
    SetSystemIniDefaults(ini, options);
    if (LoadSystemIni(strPath, ini, options)) return true;
    SetSystemIniDefaults(ini, options);
    return false;
}
