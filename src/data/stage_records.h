#pragma once
// The small records a stage holds: the automatic-removal settings of one
// kind of object, one background layer, and one named record (the stage's
// own records and the project's variable names).
#include <string>

#include "data/ed_data.h"

// Automatic removal ("自動消滅") of one kind of object beyond the screen's
// edges: per edge a switch and a margin in blocks (0..99).
class cStageParamSet : public cEdRecord<cStageParamSet> {
public:
    cStageParamSet() { Clear(); }
    static const cFieldTable& FieldTable();
    friend bool operator==(const cStageParamSet& a, const cStageParamSet& b) { return cEdData::IsEqual(a, b) != 0; }

    u32 m_dwLeftOn;
    u32 m_dwRightOn;
    u32 m_dwTopOn;
    u32 m_dwBottomOn;
    u32 m_dwLeftMargin;
    u32 m_dwRightMargin;
    u32 m_dwTopMargin;
    u32 m_dwBottomMargin;
};

// One background layer ("背景"), drawn in the order of the stage's list.
class cStageBackground : public cEdRecord<cStageBackground> {
public:
    cStageBackground() { Init(); }
    void Init();
    static const cFieldTable& FieldTable();
    friend bool operator==(const cStageBackground& a, const cStageBackground& b)
    {
        return cEdData::IsEqual(a, b) != 0;
    }

    u32 m_dwShowFromStart;  // "最初から表示"
    u32 m_dwFillColor;      // "色で指定": a plain colour instead of an image
    u32 m_dwColor;          // "色番号"
    u32 m_dwFront;          // "キャラより手前に表示"
    double m_dScrollSpeedX; // 1.00 moves with the player
    double m_dScrollSpeedY;
    u32 m_dwAutoScrollX;
    u32 m_dwAutoScrollY;
    double m_dAutoSpeedX;
    double m_dAutoSpeedY;
    std::string m_strImage; // bitmap file name
    double m_adExtra[2];    // kept and copied with the layer
};

// A record with a name: a stage's own records, and the variable names.
class cStageRecord : public cEdRecord<cStageRecord> {
public:
    cStageRecord() = default;
    explicit cStageRecord(std::string strName) : m_strName(std::move(strName)) {}
    static const cFieldTable& FieldTable();
    friend bool operator==(const cStageRecord& a, const cStageRecord& b) { return cEdData::IsEqual(a, b) != 0; }

    std::string m_strName;
};
