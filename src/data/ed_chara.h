#pragma once
// A chara of a chara palette: player or computer-controlled, its look, its
// abilities, its body attack, the conditions under which it appears and
// acts, and its behaviour flows. Chara entries live in the common palette's
// and the stage palette's chara lists, in the stage's chara grid and in the
// project options (the default chara).
#include <vector>

#include "data/palette_entry.h"
#include "flow/ed_flow.h"

class cEdChara : public cPaletteEntry<cEdChara> {
public:
    static constexpr eEntryType kEntryType = eEntryType::Chara;
    static constexpr size_t kInheritGroups = 37;

    cEdChara() { SetDefault(); }
    // Every registered field 0 or empty, then the chara's defaults; the
    // cell words are left alone.
    void SetDefault();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Write(cDataWriter& file) const;

    // Repairs references into the database and the palettes' chara lists,
    // keeps a player free of clones and of the block role, and drops flows
    // that hold nothing.
    void Validate();
    // Repairs the palette references of the flows' commands.
    void ValidateRefs();

    // Two empty entries are equal whatever else they hold.
    static bool IsEqual(const cEdChara& a, const cEdChara& b)
    {
        return BothEmpty(a, b) || (SameFields(a, b) && a.m_vFlow == b.m_vFlow);
    }

    s32 m_nHeldItemNo;    // the held item's number among the stage's items, set by the stage
    u8 m_cFaceRight;
    u8 m_cCloneCount;     // 0..32
    s16 m_sOffsetX;       // start offset in dots
    s16 m_sCloneOffsetX;  // added per clone value
    s16 m_sOffsetY;
    s16 m_sCloneOffsetY;
    u8 m_cFlipOffsetX;    // mirrored when placed facing right
    u8 m_cFlipOffsetY;
    s16 m_sGraphicOffset;
    u16 m_wAnimeSet;      // index into the animation sets
    u8 m_cZ;              // 0..7, larger in front
    u8 m_cTransparent;
    u16 m_wStartEffect;   // index into the chara effects
    u8 m_cStartEffectRun;
    u8 m_cStartEffectLoop;
    u16 m_wDeathEffect;   // index into the chara effects
    u8 m_cDeathEffectRun;
    u8 m_cIconShow;
    u16 m_wIcon;
    u8 m_cControl;        // 0 player, 1 computer
    u8 m_cPlayerNo;
    u8 m_cForce;          // faction 0..7
    u8 m_cCharaId;        // 0..99
    u8 m_cFly;
    u8 m_cFixDir;
    u8 m_cInvincible;
    u8 m_cInvincibleEffect;
    u8 m_cBlock;          // the chara acts as a block
    u8 m_cGiant;          // list position + 1
    u8 m_cScrollSync;
    u8 m_cSight;
    u8 m_cSightRange;     // half blocks
    u32 m_nHP;
    u32 m_nSP;
    u16 m_wStopEase;
    u8 m_cBodyHitRange;
    s32 m_nBodyPower;
    s8 m_cBodyImpact;     // half blocks
    u16 m_wBodyEffect;    // index into the effects
    u32 m_nDefence;
    u8 m_cImpactResist;
    s32 m_nScore;
    u8 m_cHoldItem;       // holds the item on its cell
    u8 m_cHasGroup;
    u16 m_wGroupNo;       // 0..59
    u8 m_cActRange;
    u8 m_cActJudge;
    cFlows m_vFlow;       // behaviour flows
};

// The range operation on a chara list (see MoveEntryRange).
bool MoveCharaRange(std::vector<cEdChara>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode);
