#pragma once
// The animation preview of the database's animation pages: a list of
// sequences, each a list of steps that show one frame for some ticks (1/60 s
// each), with codes that hold, loop or jump to another sequence.
#include <vector>

#include "app/types.h"

struct cAnimeStep {
    // A frame, or one of the codes: -1 stay on the step before, -2 back to
    // the first step, -3 on to the sequence whose index is the duration.
    s32 nFrame = 0;
    s32 nDuration = 0;  // ticks; the target sequence of a jump
    s32 nLock = 0;      // the sequence can't be switched while this step shows
};
typedef std::vector<cAnimeStep> tAnimeSequence;

class cAnimeSeq {
public:
    enum : s32 { kHold = -1, kLoop = -2, kJump = -3 };

    // Replaces every sequence by a copy of the given ones.
    void SetSequences(const std::vector<tAnimeSequence>& sequences);
    // Starts sequence nIndex at its first step: 1, or 0 while the current
    // step is locked (unless bForce) or when there is no such sequence.
    u32 SetSequence(u32 nIndex, u32 bForce);
    // Checked access: a bad index is a programming error (the fatal path)
    // and yields sequence 0.
    const tAnimeSequence& Sequence(long long nIndex) const;
    size_t SequenceCount() const { return m_vSequence.size(); }

    // Advances one tick: once the step's duration is reached the next step
    // starts, its code followed. The frame then shown; 0 without sequences.
    s32 Step();
    // The frame of the current step (0 where there is none).
    s32 GetFrame() const;

    u32 CurrentSequence() const { return m_dwSequence; }
    u32 CurrentStep() const { return m_dwStep; }
    u32 Ticks() const { return m_dwTicks; }

private:
    // The current step, or null when the position is outside the lists (a
    // preview never takes the fatal path over stored data).
    const cAnimeStep* CurrentStepPtr() const;
    void FollowCodes();

    std::vector<tAnimeSequence> m_vSequence;
    u32 m_dwSequence = 0;
    u32 m_dwStep = 0;
    u32 m_dwTicks = 0;
};

// The one preview sequence of the editor.
extern cAnimeSeq g_AnimeSeq;
