#pragma once
// Shot parameters: the settings of the shot and sword commands and of the
// block, chara and item summons. A command holds at most one.
#include <memory>

#include "data/ed_data.h"

class cEdShot : public cEdRecord<cEdShot> {
public:
    cEdShot() { Init(); }
    // Every field to its default.
    void Init();
    // Size at least 1; an effect the database doesn't have becomes 0.
    void Normalize();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    // Writes the normalised values; the record itself is left as it is.
    void Save(cDataWriter& file) const override;

    friend bool operator==(const cEdShot& a, const cEdShot& b) { return cEdData::IsEqual(a, b) != 0; }
    friend bool operator!=(const cEdShot& a, const cEdShot& b) { return !(a == b); }

    // The 16- and 32-bit fields hold signed values where their ranges go below 0.
    u8 m_bShot1;              // how many are fired or summoned
    u8 m_nPattern;            // formation
    u16 m_wPatternValue[3];   // the pattern's values
    u8 m_nAimSubject;
    u8 m_nDirection;
    u8 m_bAimAngle;
    u8 m_nTargetNo;           // target of the firing or summon position
    u16 m_wDirExtra;          // angle offset
    u16 m_wDirExtraClone;
    u8 m_bMirror;             // reverse the rotation when the user faces right
    u16 m_wSpread;
    u8 m_bShiftByAngle;
    u8 m_bShot13;             // clone count
    u16 m_wOffsetX;
    u16 m_wOffsetXClone;
    u16 m_wOffsetY;
    u16 m_wOffsetYClone;
    u8 m_bFlipX;
    u8 m_bFlipY;
    u16 m_wGraphic;
    u8 m_nZ;
    u8 m_bTransparent;
    u8 m_bSameAsUser;         // takes the user's faction
    u8 m_nForce;              // faction
    u8 m_bShot25;
    u8 m_nSize;               // 1 = normal size; list position + 1
    u8 m_bShot27;
    u8 m_nAim;                // shot: aim; sword: sword type
    u16 m_wAimValue[3];       // the aim's values
    u8 m_nTargetNo2;
    u8 m_bScrollSync;
    u16 m_wShot32;            // speed
    u16 m_wSpeedClone;
    u8 m_bAccel;
    u16 m_wAccelValue;
    u16 m_wAccelClone;
    u8 m_bRange;              // the range (or lifetime) of m_wRange applies
    u16 m_wRange;
    u16 m_wRangeClone;
    u8 m_bKeepAtEnd;
    u8 m_bLifetime;
    u16 m_wLifetime;          // tenths of a second
    u16 m_wLifetimeClone;
    u8 m_bPierceBlock;
    u8 m_bPierceChara;
    u8 m_bPierceBlockChara;
    u8 m_bDieByShot;
    u8 m_nVanishValue;
    u32 m_nPower;
    u16 m_wShot50;
    u8 m_nImpact;             // a signed byte
    u16 m_wEffect;            // index into the effect table
    u8 m_nDropSource;         // 0 none, 1 common item palette, 2 stage item palette
    u16 m_wDropItem;
    u8 m_nBlockMode;
    u8 m_nSummonSource;       // 0 common palette, 1 stage palette
    u16 m_wSummonIndex;
    u8 m_nForceMode;          // faction of a summoned chara
    u8 m_bFailOnPlayer;
    u8 m_bFailOnEnemy;
    u8 m_bZeroScore;
    u8 m_bFaceOpposite;
    u8 m_bAttack;
    u8 m_nFlowGroup;          // enabled flows: 0 all, 1..26 "A".."Z"
};

// Shot graphics were renumbered from 1 in files of version 219: an older
// number moves up by one, and the last graphic stays the last.
void RaiseOldShotGraphic(u16& wGraphic);

// Puts a new default shot into the holder; 1.
u32 CreateEdShot(std::shared_ptr<cEdShot>& holder);
