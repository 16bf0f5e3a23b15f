#pragma once
// Chara special bitmaps (Bmp_CharaExc.dat) and sword types (SwordType.dat).
#include <string>
#include <vector>

#include "data/ed_data.h"

// A bitmap a chara can use instead of the shared chara sheet, optionally as a
// giant chara covering several chips.
class cEdCharaExcBmp : public cEdRecord<cEdCharaExcBmp> {
public:
    std::string m_strName;
    std::string m_strPath;
    u32 m_dwSameAsFileName = 0;  // "ファイル名と同じ"
    u32 m_dwGiant = 0;           // "巨大キャラ"
    u32 m_dwGiantSize = 2;       // side in chips, 2 to 10

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
};

// Attack directions of a sword position, ended by an empty text.
extern const char* const SwordDirectionNames[];

// One step of a sword swing.
class cEdSwordPos : public cEdRecord<cEdSwordPos> {
public:
    s32 m_nOffsetX = 0;     // "位置のズレX(dot)" (-320 to 320)
    s32 m_nOffsetY = 0;     // "位置のズレY(dot)" (-240 to 240)
    u32 m_dwMirrorX = 1;    // "右向きなら反転" for X
    u32 m_dwMirrorY = 0;    // "右向きなら反転" for Y
    u32 m_dwDirection = 0;  // index into SwordDirectionNames
    u32 m_dwSrcX = 0;       // part of the bitmap shown (0 to 639)
    u32 m_dwSrcY = 0;       // (0 to 479)
    u32 m_dwWidth = 0;      // "横幅" (0 to 640)
    u32 m_dwHeight = 0;     // "縦幅" (0 to 480)
    u32 m_dwTime = 0;       // "表示時間(1/10s)" (0 to 999)

    static const cFieldTable& FieldTable();
};

class cEdSwordType : public cEdRecord<cEdSwordType> {
public:
    std::string m_strName;
    std::string m_strBmpLeft;   // "ビットマップ（左向き用）"
    std::string m_strBmpRight;  // "ビットマップ（右向き用）"
    u32 m_dwSameAsFileName = 0;
    std::vector<cEdSwordPos> m_vPos;

    cEdSwordType();
    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;
};
