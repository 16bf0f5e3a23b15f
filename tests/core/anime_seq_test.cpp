#include <gtest/gtest.h>

#include "app/anime_seq.h"
#include "app/fatal.h"
#include "support/test_env.h"

namespace {

class AnimeSeq : public cCoreTest {};

// Frames shown by n ticks.
std::vector<s32> StepFor(cAnimeSeq& seq, int n)
{
    std::vector<s32> frames;
    for (int i = 0; i < n; ++i) frames.push_back(seq.Step());
    return frames;
}

TEST_F(AnimeSeq, StepsLoopHoldAndJump)
{
    const struct {
        const char* lpWhat;
        std::vector<tAnimeSequence> sequences;
        int nTicks;
        std::vector<s32> frames;
    } cases[] = {
        {"loop", {{{5, 2, 0}, {6, 1, 0}, {cAnimeSeq::kLoop, 0, 0}}}, 6, {5, 6, 5, 5, 6, 5}},
        {"hold on the step before", {{{5, 1, 0}, {6, 2, 0}, {cAnimeSeq::kHold, 0, 0}}}, 5, {6, 6, 6, 6, 6}},
        {"jump to another sequence", {{{1, 1, 0}, {cAnimeSeq::kJump, 1, 0}}, {{7, 1, 0}, {8, 1, 0}}}, 4,
         {7, 8, 8, 8}},
        {"no end code: the last step stays", {{{1, 1, 0}, {2, 1, 0}}}, 3, {2, 2, 2}},
        {"zero duration counts as one tick", {{{1, 0, 0}, {2, 0, 0}, {cAnimeSeq::kLoop, 0, 0}}}, 3, {2, 1, 2}},
        {"a jump out of the list holds", {{{1, 1, 0}, {3, 1, 0}, {cAnimeSeq::kJump, 9, 0}}}, 3, {3, 3, 3}},
        {"codes only", {{{cAnimeSeq::kLoop, 0, 0}}}, 2, {0, 0}},
        {"frames below the codes are frames", {{{-4, 1, 0}, {cAnimeSeq::kHold, 0, 0}}}, 2, {-4, -4}},
        {"an empty sequence", {{}}, 2, {0, 0}},
        {"no sequence", {}, 2, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        cAnimeSeq seq;
        seq.SetSequences(c.sequences);
        EXPECT_EQ(StepFor(seq, c.nTicks), c.frames);
        EXPECT_FALSE(IsFatalError());
    }
}

TEST_F(AnimeSeq, LockedStepRefusesASwitchUnlessForced)
{
    cAnimeSeq seq;
    seq.SetSequences({{{1, 5, 0}}, {{2, 5, 1}}, {{3, 5, 0}}});
    EXPECT_EQ(seq.SetSequence(1, 0), 1u);
    seq.Step();
    EXPECT_EQ(seq.GetFrame(), 2);
    EXPECT_EQ(seq.SetSequence(2, 0), 0u);
    EXPECT_EQ(seq.CurrentSequence(), 1u);
    EXPECT_EQ(seq.Ticks(), 1u);
    EXPECT_EQ(seq.SetSequence(2, 1), 1u);
    EXPECT_EQ(seq.CurrentSequence(), 2u);
    EXPECT_EQ(seq.CurrentStep(), 0u);
    EXPECT_EQ(seq.Ticks(), 0u);
    EXPECT_EQ(seq.GetFrame(), 3);
    EXPECT_EQ(seq.SetSequence(3, 1), 0u) << "no such sequence";
}

TEST_F(AnimeSeq, NewSequencesStartAtTheFirstStepAndBadIndexIsFatal)
{
    cAnimeSeq seq;
    seq.SetSequences({{{1, 1, 0}, {2, 1, 0}}, {{3, 1, 0}}});
    seq.SetSequence(1, 0);
    seq.SetSequences({{{9, 1, 0}}});
    EXPECT_EQ(seq.CurrentSequence(), 0u);
    EXPECT_EQ(seq.GetFrame(), 9);
    EXPECT_EQ(seq.Sequence(0).size(), 1u);
    EXPECT_FALSE(IsFatalError());
    EXPECT_EQ(seq.Sequence(4)[0].nFrame, 9) << "sequence 0 stands in";
    EXPECT_TRUE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1);
}

}  // namespace
