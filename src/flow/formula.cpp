#include "flow/formula.h"

#include <climits>

#include "app/fatal.h"
#include "app/numeric.h"
#include "app/str_util.h"
#include "flow/name_table.h"

DEFINE_NAME_TABLE(g_FormulaFunctionNames, "rand");
DEFINE_NAME_TABLE(g_FormulaOperatorNames, "=", "+", "-", "*", "/", "%");
DEFINE_NAME_TABLE(g_FormulaObjectNames, "my", "tg", "tg1", "tg2", "tg3", "tg4", "pl", "sys");
DEFINE_NAME_TABLE(g_FormulaVarPrefixNames, "C", "S");
DEFINE_NAME_TABLE(g_FormulaPropertyNames, "v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8", "hp", "sp", "mhp", "msp",
                  "cid", "x_rel", "x_abs", "x_scr", "y_rel", "y_abs", "y_scr", "z", "mark", "sight", "power", "imp",
                  "def", "impd", "stop", "getsc");
DEFINE_NAME_TABLE(g_FormulaSystemNames, "time", "scrlx", "scrly", "score", "life");

namespace {

// Indices into the operator names, and each operator's precedence level
// (level 0 binds tightest).
enum : u32 { kOpAssign, kOpAdd, kOpSub, kOpMul, kOpDiv, kOpMod };
constexpr u32 kOperatorLevels[] = {2, 1, 1, 0, 0, 0};
constexpr u32 kLevelCount = 3;

// Bounds of an assignment to a game object's property or a system value.
constexpr s32 kGameValueMin = 0;
constexpr s32 kGameValueMax = INT_MAX;

constexpr size_t kNone = std::string::npos;

// The ")" that closes the "(" at nOpen; kNone when the text ends first.
size_t FindClose(const std::string& str, size_t nOpen)
{
    u32 nDepth = 0;
    for (size_t p = nOpen + 1; p < str.size(); ++p) {
        if (str[p] == '(') {
            ++nDepth;
        } else if (str[p] == ')') {
            if (nDepth == 0) return p;
            --nDepth;
        }
    }
    return kNone;
}

// The arguments of a call whose "(" is at nOpen: split at "," and at the
// closing ")" outside inner parentheses. Empty arguments are left out.
std::vector<std::string> SplitArguments(const std::string& str, size_t nOpen)
{
    std::vector<std::string> args;
    std::string strArg;
    u32 nDepth = 0;
    for (size_t p = nOpen + 1; p < str.size(); ++p) {
        char c = str[p];
        if (nDepth == 0 && (c == ',' || c == ')')) {
            if (!strArg.empty()) args.push_back(strArg);
            strArg.clear();
            if (c == ')') break;
            continue;
        }
        if (c == '(') ++nDepth;
        if (c == ')') --nDepth;
        strArg += c;
    }
    return args;
}

// A decimal constant: digits, the first character may be a sign. A value
// beyond 32 bits saturates.
bool ParseConstant(const std::string& str, s32& nValue)
{
    size_t i = 0;
    bool bNegative = false;
    if (!str.empty() && (str[0] == '-' || str[0] == '+')) {
        bNegative = str[0] == '-';
        i = 1;
    }
    if (i == str.size()) return false;
    s64 n = 0;
    for (; i < str.size(); ++i) {
        if (str[i] < '0' || str[i] > '9') return false;
        if (n <= INT_MAX) n = n * 10 + (str[i] - '0');  // past the 32-bit range it only saturates
    }
    nValue = SaturateToS32(bNegative ? -n : n);
    return true;
}

bool IsVariableName(const std::string& str)
{
    for (u32 i = 0; i < g_FormulaVarPrefixNames.Count(); ++i)
        if (!str.empty() && str[0] == g_FormulaVarPrefixNames.At(i)[0]) return true;
    return false;
}

cFormulaToken NumberToken(s32 nValue)
{
    cFormulaToken tok;
    tok.m_nValue = nValue;
    return tok;
}

// Keeps the nesting depth of the running evaluation.
class cDepthScope {
public:
    explicit cDepthScope(u32& nDepth) : m_nDepth(++nDepth) {}
    ~cDepthScope() { --m_nDepth; }
    cDepthScope(const cDepthScope&) = delete;
    cDepthScope& operator=(const cDepthScope&) = delete;

private:
    u32& m_nDepth;
};

}  // namespace

bool cFormula::Check(const std::string& strText)
{
    cFormula formula;
    // The edit hands over a NUL-terminated text.
    formula.ParseExpr(std::string(strText.c_str()));
    return !formula.HasError();
}

void cFormula::Report(const std::string& strMessage)
{
    ErrorBox(strMessage);
    m_dwError = 1;
}

s32 cFormula::ParseExpr(const std::string& strText)
{
    if (m_nDepth >= kMaxDepth) {
        // One box for a text, however many of its groups are too deep.
        if (!m_bTooDeepShown) Report("括弧の入れ子が深すぎます！");
        m_bTooDeepShown = true;
        m_dwError = 1;
        return 0;
    }
    cDepthScope scope(m_nDepth);
    return ParseGroups(strText);
}

s32 cFormula::ParseGroups(std::string str)
{
    size_t nWord = 0;
    size_t p = 0;
    while (p < str.size()) {
        if (str[p] == ' ') {
            nWord = ++p;
            continue;
        }
        if (str[p] != '(') {
            ++p;
            continue;
        }
        size_t nClose = FindClose(str, p);
        if (nClose == kNone) {
            Report("\")\"が見つかりません！");
            return 0;
        }
        s32 nValue = 0;
        if (p == nWord) {
            nValue = ParseExpr(str.substr(p + 1, nClose - p - 1));
        } else if (g_FormulaFunctionNames.IndexOf(str.substr(nWord, p - nWord)) >= 0) {
            if (!CallFunction(str.substr(nWord, p - nWord), str, p, nValue)) return 0;
        } else {
            ++p;  // not a function: an ordinary character of the word
            continue;
        }
        str.replace(nWord, nClose + 1 - nWord, std::to_string(nValue));
        p = nWord;
    }
    return ParseOperator(str);
}

bool cFormula::CallFunction(const std::string& strName, const std::string& str, size_t nOpen, s32& nValue)
{
    std::vector<s32> values;
    for (const std::string& strArg : SplitArguments(str, nOpen)) values.push_back(ParseExpr(strArg));
    // "rand" is the only function: two arguments, the bounds.
    if (values.size() != 2) {
        Report(Format("関数 %s の引数が不正です！", strName.c_str()));
        return false;
    }
    nValue = RandomInRange(values[0], values[1]);
    return true;
}

s32 cFormula::ParseOperator(const std::string& strText)
{
    std::vector<cFormulaToken> tokens;
    std::string strToken;
    u32 nObject = 0;
    for (size_t p = 0; p <= strText.size(); ++p) {
        char c = p < strText.size() ? strText[p] : ' ';
        if (c == '.') {
            long long n = g_FormulaObjectNames.IndexOf(strToken);
            if (n < 0) {
                Report(Format("オブジェクト \"%s.\" が認識できません！", strToken.c_str()));
                return 0;
            }
            nObject = static_cast<u32>(n);
            strToken.clear();
        } else if (c != ' ') {
            strToken += c;
        } else if (!strToken.empty()) {
            cFormulaToken tok;
            if (!Classify(strToken, nObject, tok)) return 0;
            tokens.push_back(tok);
            strToken.clear();
            nObject = 0;
        }
    }
    return Reduce(tokens);
}

void cFormula::SetGameValue(cFormulaToken& tok, u32 nKind, u32 nObject)
{
    tok.m_nKind = nKind;
    tok.m_nObject = nObject;
    tok.m_lpTarget = &m_nScratch;
    tok.m_nValue = m_nScratch;
    tok.m_nMin = kGameValueMin;
    tok.m_nMax = kGameValueMax;
}

bool cFormula::Classify(const std::string& strToken, u32 nObject, cFormulaToken& tok)
{
    long long n = g_FormulaOperatorNames.IndexOf(strToken);
    if (n >= 0) {
        tok.m_nKind = cFormulaToken::kOperator;
        tok.m_nOperator = static_cast<u32>(n);
        return true;
    }
    if (IsVariableName(strToken)) {
        tok.m_nKind = cFormulaToken::kVariable;
        tok.m_lpTarget = &m_nScratch;
        tok.m_nValue = m_nScratch;
        return true;
    }
    long long nProperty = g_FormulaPropertyNames.IndexOf(strToken);
    if (nProperty >= 0) {
        SetGameValue(tok, cFormulaToken::kProperty, nObject);
        tok.m_nProperty = static_cast<u32>(nProperty);
        return true;
    }
    long long nSystem = g_FormulaSystemNames.IndexOf(strToken);
    if (nSystem >= 0) {
        SetGameValue(tok, cFormulaToken::kSystemValue, nObject);
        tok.m_nSystemValue = static_cast<u32>(nSystem);
        return true;
    }
    if (!ParseConstant(strToken, tok.m_nValue)) {
        Report(Format("定数 \"%s\" が認識できません！", strToken.c_str()));
        return false;
    }
    return true;
}

s32 cFormula::Reduce(std::vector<cFormulaToken>& tokens)
{
    s32 nResult = tokens.empty() ? 0 : tokens.back().m_nValue;
    for (u32 nLevel = 0; nLevel < kLevelCount; ++nLevel) {
        for (size_t i = 0; i < tokens.size();) {
            const cFormulaToken& op = tokens[i];
            if (op.m_nKind != cFormulaToken::kOperator || kOperatorLevels[op.m_nOperator] != nLevel) {
                ++i;
                continue;
            }
            if (i == 0 || i + 1 == tokens.size()) {
                Report(Format("演算子 \"%s\" の使い方が不正です！", g_FormulaOperatorNames.At(op.m_nOperator)));
                return 0;
            }
            if (!Apply(tokens[i - 1], op.m_nOperator, tokens[i + 1], nResult)) return 0;
            tokens[i - 1] = NumberToken(nResult);
            // Nothing before the new number has this level: go on after it.
            tokens.erase(tokens.begin() + i, tokens.begin() + i + 2);
        }
    }
    return nResult;
}

bool cFormula::Apply(const cFormulaToken& left, u32 nOperator, const cFormulaToken& right, s32& nResult)
{
    s64 l = left.m_nValue, r = right.m_nValue;
    switch (nOperator) {
    case kOpAssign: {
        if (!left.m_lpTarget) {
            Report("代入先が不正です！");
            return false;
        }
        s32 nValue = right.m_nValue;
        *left.m_lpTarget = Clamp(nValue, left.m_nMin, left.m_nMax);
        nResult = nValue;
        return true;
    }
    case kOpAdd: nResult = WrapToS32(l + r); return true;
    case kOpSub: nResult = WrapToS32(l - r); return true;
    case kOpMul: nResult = WrapToS32(l * r); return true;
    default: nResult = 0; return true;  // the scratch values are never divided
    }
}
