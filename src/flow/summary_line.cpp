#include "flow/summary_line.h"

#include <cstdarg>
#include <cstring>

#include "app/str_util.h"
#include "flow/ed_flow.h"

cSummaryLine::cSummaryLine(std::string& strLine, const cCommand& cmd, const cSummaryRefs& refs)
    : m_str(strLine), m_Cmd(cmd), m_Refs(refs), m_Params(cmd.m_Params)
{
}

s16 cSummaryLine::Time() const { return Low16(m_Cmd.m_wTime); }

bool cSummaryLine::Parallel() const { return m_Cmd.m_bParallel == 1; }

void cSummaryLine::Add(const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    m_str += VFormat(lpFormat, args);
    va_end(args);
}

void cSummaryLine::AddText(const std::string& strText)
{
    m_str += ' ';
    m_str.append(strText.c_str(), strnlen(strText.c_str(), strText.size()));
}

void cSummaryLine::StdPrefix(s16 nValue) { Add(Parallel() ? "P-%d" : "%d", nValue); }

void cSummaryLine::CountPrefix(s16 nDuration) { Add(Parallel() ? "P-%d(%d)" : "%d(%d)", 0, nDuration); }

void cSummaryLine::TextPrefix(const std::string& strText)
{
    if (Parallel()) m_str += "P-";
    m_str += strText;
}

void cSummaryLine::AddEntryRef(long long nNumber, const char* lpName)
{
    std::string strNumber;
    IntToStrZeroPad(strNumber, static_cast<s32>(nNumber), 3);
    Add(" 「%s %s」", strNumber.c_str(), lpName);
}

bool cSummaryLine::AddVarRef(s32 nScope, s32 nNumber)
{
    if (nScope != 0 && nScope != 1) return false;
    const eVarScope eScope = nScope == 0 ? eVarScope::Common : eVarScope::Stage;
    AddEntryRef(nNumber, m_Refs.VarName(eScope, nNumber));
    return true;
}

std::string OneDecimal(long long nNumerator, long long nDenominator)
{
    if (nDenominator == 0) return "0.0";
    if (nDenominator < 0) {
        nNumerator = -nNumerator;
        nDenominator = -nDenominator;
    }
    const bool bNegative = nNumerator < 0;
    const unsigned long long nMagnitude =
        bNegative ? 0ull - static_cast<unsigned long long>(nNumerator) : static_cast<unsigned long long>(nNumerator);
    const unsigned long long nDen = static_cast<unsigned long long>(nDenominator);
    // Tenths, rounded half up on the magnitude.
    const unsigned long long nTenths = (nMagnitude * 20 + nDen) / (nDen * 2);
    return Format("%s%llu.%llu", bNegative && nTenths ? "-" : "", nTenths / 10, nTenths % 10);
}
