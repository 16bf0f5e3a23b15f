#pragma once
// Effects (Effect.dat), chara effects (CharaEffect.dat) and screen effects
// (ScrEffect.dat), with the kind tables of the two distortion effects.
#include <string>
#include <vector>

#include "data/ed_data.h"

constexpr u32 kEffectParams = 5;

// One parameter of an effect kind. An empty name: the kind doesn't use it.
struct cParamInfo {
    const char* m_lpName;
    s16 m_nMin;
    u16 m_nMax;
    u16 m_nDefault;
};

// The kinds of one distortion effect table: names and speed notes from kind
// 1 on (each list ended by an empty text), and five parameter definitions per
// kind at kind x 5 + parameter, kind 0 (no effect) all empty.
struct cEffectKinds {
    struct cSlot {
        u32 dwKind;
        u32 nParam;
    };

    const char* const* m_lpNames;
    const char* const* m_lpNotes;
    const cParamInfo* m_lpParams;
    u32 m_nKinds;
    // The parameters that version 511 added; older files get their defaults.
    const cSlot* m_lpAddedIn511;
    size_t m_nAddedIn511;

    bool IsKind(u32 dwKind) const { return dwKind >= 1 && dwKind <= m_nKinds; }
    // A kind outside the table (one a file may hold) reads as kind 0.
    const char* Name(u32 dwKind) const { return IsKind(dwKind) ? m_lpNames[dwKind - 1] : ""; }
    const char* Note(u32 dwKind) const { return IsKind(dwKind) ? m_lpNotes[dwKind - 1] : ""; }
    const cParamInfo& Param(u32 dwKind, u32 nParam) const;
    // Gives a record of an older file the parameters version 511 added.
    void FillAddedIn511(u32 dwKind, s32* lpParams) const;
};

extern const char* const CharaEffectKindNames[];
extern const char* const CharaEffectKindNotes[];
extern const cParamInfo CharaEffectParams[];
extern const char* const ScrEffectKindNames[];
extern const char* const ScrEffectKindNotes[];
extern const cParamInfo ScrEffectParams[];

const cEffectKinds& CharaEffectKinds();
const cEffectKinds& ScrEffectKinds();

class cEdEffectFrame : public cEdRecord<cEdEffectFrame> {
public:
    u32 m_dwFrame = 0;  // "コマ" (0 to 640)
    u32 m_dwTime = 1;   // "表示時間(1/10s)" (0 to 999)

    static const cFieldTable& FieldTable();
};

// An animated bitmap the game shows at a place.
class cEdEffect : public cEdRecord<cEdEffect> {
public:
    std::string m_strName;
    std::string m_strPath;       // "パス"
    u32 m_dwSameAsFileName = 0;  // "ファイル名と同じ"
    u32 m_dwWidth = 32;          // "横幅" (1 to 640)
    u32 m_dwHeight = 32;         // "縦幅" (1 to 480)
    u32 m_dwAllowEnlarge = 0;    // "巨大化を許可"
    std::vector<cEdEffectFrame> m_vFrame;

    cEdEffect() : m_vFrame(1) {}
    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;
};

// A distortion effect: one kind of its table and the kind's five parameters.
// A new record has kind 1 and every parameter 0.
template <class D>
class cEdKindEffect : public cEdRecord<D> {
public:
    std::string m_strName;
    u32 m_dwKind = 1;  // 0: no effect (what record 0 of the table holds)
    s32 m_anParam[kEffectParams] = {};

    static const cFieldTable& FieldTable()
    {
        static const cFieldTable s_Table{
            Field<&cEdKindEffect::m_strName>(),
            Field<&cEdKindEffect::m_dwKind>(),
            Field<&cEdKindEffect::m_anParam>(),
        };
        return s_Table;
    }
    bool Load(cDataReader& file) override
    {
        if (!this->LoadBody(file)) return false;
        if (g_dwReadVersion < 511) D::Kinds().FillAddedIn511(m_dwKind, m_anParam);
        return file.Ok();
    }
};

class cEdCharaEffect : public cEdKindEffect<cEdCharaEffect> {
public:
    static const cEffectKinds& Kinds() { return CharaEffectKinds(); }
};

class cEdScrEffect : public cEdKindEffect<cEdScrEffect> {
public:
    static const cEffectKinds& Kinds() { return ScrEffectKinds(); }
};
