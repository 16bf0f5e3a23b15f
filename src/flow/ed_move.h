#pragma once
// Move parameters: the settings of the move commands (straight, ground
// fold-back, circle, charge, homing and off-screen avoidance moves), of the
// warp and of the move-disabling command. A command holds at most one.
#include <memory>

#include "data/ed_data.h"

class cEdMove : public cEdRecord<cEdMove> {
public:
    cEdMove() { Init(); }
    // Every field to its default.
    void Init();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;

    friend bool operator==(const cEdMove& a, const cEdMove& b) { return cEdData::IsEqual(a, b) != 0; }
    friend bool operator!=(const cEdMove& a, const cEdMove& b) { return !(a == b); }

    // The 16-bit fields hold signed values where their ranges go below 0.
    u8 m_nMode;             // how the destination is given
    u8 m_nDirection;        // direction, or the circle move's rotation
    u16 m_wDirExtra;        // angle; the circle move's start angle
    u16 m_wMove4;           // angle added per clone value
    u8 m_bMove5;            // reverse the rotation when placed facing right
    u8 m_bUseX;             // target X given
    u8 m_bUseY;             // target Y given
    u16 m_wTargetX;
    u16 m_wTargetY;
    u16 m_wTargetDotX;      // dots added to the target X
    u16 m_wTargetDotY;
    u8 m_nCoordKind;        // coordinate kind of the target
    u8 m_nTargetUnit;       // 0 blocks, 1 dots
    u8 m_nOrigin;           // reference point of a giant chara (warp)
    u8 m_bUntilTarget;
    u8 m_bNoMoveX;
    u8 m_bNoMoveY;
    u8 m_bFlipX;
    u8 m_bFlipY;
    u8 m_bReverseOnTurn;
    u8 m_bNoJitter;
    u8 m_bKeepFacing;
    u8 m_nTimingMode;
    u16 m_wSpeed;
    u16 m_wSpeedClone;
    u16 m_wDistance;        // distance; the circle move's end angle
    u16 m_wDistanceClone;
    u8 m_bDotUnit;          // unit of the distance: 0 half blocks, 1 dots
    u16 m_wMove29;          // circle radius; homing inaccuracy
    u16 m_wMove30;          // its increment per clone value
    u8 m_bInertia;
    u16 m_wMaxSpeed;
    double m_dRate;         // speed factor on a change of direction
    u8 m_nAnimeMode;        // 0 move, 1 still, 2 other
    u8 m_bMove35;           // target of the charge and homing moves
};

// Puts a new default move into the holder; 1.
u32 CreateEdMove(std::shared_ptr<cEdMove>& holder);
