#pragma once
// The syntax check of the code text of the "コードの実行" command. The game
// program runs that code; the editor evaluates it over scratch values only to
// find its errors, and shows each error in a message box as it finds it.
//
// ParseExpr replaces every parenthesised group and every function call by
// its decimal value, recursively; ParseOperator then splits the flat text at
// spaces into tokens and reduces them by operator precedence ("*", "/", "%"
// before "+", "-", before "="), each level from left to right. Arithmetic is
// done in 64 bits and wrapped to 32 bits as the game's arithmetic wraps;
// constants beyond 32 bits saturate.
#include <string>
#include <vector>

#include "app/types.h"

struct cFormulaToken {
    enum eKind : u32 { kNumber, kVariable, kProperty, kSystemValue, kOperator };

    u32 m_nKind = kNumber;
    s32 m_nValue = 0;
    // Where an assignment to the token stores; null for numbers and
    // operators, which can't be assigned to.
    s32* m_lpTarget = nullptr;
    u32 m_nOperator = 0;  // operators: index into the operator names
    // Bounds into which a value assigned to the token is clamped.
    s32 m_nMin = -999999;
    s32 m_nMax = 999999;
    u32 m_nProperty = 0;     // object properties
    u32 m_nSystemValue = 0;  // system values
    u32 m_nObject = 0;       // properties and system values: the object before "."
};

class cFormula {
public:
    // Groups and calls nest at most this deep; a typed text (100 bytes)
    // can't reach it.
    static constexpr u32 kMaxDepth = 64;

    // Checks a code text: true when it has no error. Every error has already
    // been shown to the user ("エラー" boxes, one per error).
    static bool Check(const std::string& strText);

    // The value of a text (0 after an error).
    s32 ParseExpr(const std::string& strText);
    // The value of a text without groups or calls (0 after an error).
    s32 ParseOperator(const std::string& strText);
    // True once any error has been reported.
    bool HasError() const { return m_dwError != 0; }

private:
    void Report(const std::string& strMessage);
    s32 ParseGroups(std::string str);
    bool CallFunction(const std::string& strName, const std::string& str, size_t nOpen, s32& nValue);
    bool Classify(const std::string& strToken, u32 nObject, cFormulaToken& tok);
    // A game object's property or a system value: assignable, 0 and up.
    void SetGameValue(cFormulaToken& tok, u32 nKind, u32 nObject);
    s32 Reduce(std::vector<cFormulaToken>& tokens);
    bool Apply(const cFormulaToken& left, u32 nOperator, const cFormulaToken& right, s32& nResult);

    u32 m_dwError = 0;
    u32 m_nDepth = 0;
    bool m_bTooDeepShown = false;
    // The one scratch value every assignable token stands for.
    s32 m_nScratch = 0;
};
