#pragma once
// Animations and animation sets (AnimeSet.dat, Anime.dat). An animation is a
// named sequence of frames of a chara's bitmap, each shown for a time; an
// animation set groups the animations a chara uses for its basic states.
#include <string>
#include <vector>

#include "data/ed_data.h"

class cEdAnimePattern : public cEdRecord<cEdAnimePattern> {
public:
    u32 m_dwFrame = 0;       // "コマ" (0 to 299)
    u32 m_dwTime = 1;        // 1/10 s (1 to 9999)
    u32 m_dwRunCommand = 0;  // "コマンドを実行する"

    static const cFieldTable& FieldTable();
};

class cEdAnime : public cEdRecord<cEdAnime> {
public:
    std::string m_strName;
    // Preview settings.
    u16 m_wSampleNo = 0;      // sample bitmap number (1 to 119)
    u8 m_bySampleKind = 1;    // 0 block, 1 chara, 2 item, 3 shot, 4 special bitmap
    u16 m_wStartFrame = 0;    // "コマ（開始位置）" (0 to 19)
    std::vector<cEdAnimePattern> m_vPattern;

    cEdAnime();
    explicit cEdAnime(const std::string& strName) : cEdAnime() { m_strName = strName; }
    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;
};

class cEdAnimeSet : public cEdRecord<cEdAnimeSet> {
public:
    // The animations every set holds, in this order.
    static constexpr size_t kBasicAnimes = 4;

    std::string m_strName;
    u32 m_dwInvincibleOffset = 4;  // "無敵時のコマのズレ"
    u32 m_dwBlockOffset = 8;       // "ブロック時のコマのズレ"
    u32 m_dwFlyOffset = 0;         // "飛行時のコマのズレ"
    std::vector<cEdAnime> m_vAnime;

    cEdAnimeSet();
    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;
};
