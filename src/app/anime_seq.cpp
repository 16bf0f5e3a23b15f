#include "app/anime_seq.h"

#include "app/global_order.h"
#include "app/safe_vector.h"

cAnimeSeq g_AnimeSeq TARVENOL_GLOBAL(kGlobalAnimeSeq);

void cAnimeSeq::SetSequences(const std::vector<tAnimeSequence>& sequences)
{
    m_vSequence = sequences;
    m_dwSequence = m_dwStep = m_dwTicks = 0;
}

u32 cAnimeSeq::SetSequence(u32 nIndex, u32 bForce)
{
    const cAnimeStep* lpStep = CurrentStepPtr();
    if (!bForce && lpStep && lpStep->nLock != 0) return 0;
    if (nIndex >= m_vSequence.size()) return 0;
    m_dwSequence = nIndex;
    m_dwStep = 0;
    m_dwTicks = 0;
    return 1;
}

const tAnimeSequence& cAnimeSeq::Sequence(long long nIndex) const { return SafeAt(m_vSequence, nIndex); }

const cAnimeStep* cAnimeSeq::CurrentStepPtr() const
{
    if (m_dwSequence >= m_vSequence.size()) return nullptr;
    const tAnimeSequence& seq = m_vSequence[m_dwSequence];
    return m_dwStep < seq.size() ? &seq[m_dwStep] : nullptr;
}

s32 cAnimeSeq::GetFrame() const
{
    const cAnimeStep* lpStep = CurrentStepPtr();
    if (!lpStep) return 0;
    switch (lpStep->nFrame) {
    case kHold:
    case kLoop:
    case kJump:
        return 0;
    default:
        return lpStep->nFrame;
    }
}

s32 cAnimeSeq::Step()
{
    const cAnimeStep* lpStep = CurrentStepPtr();
    if (!lpStep) return 0;
    const u32 dwDuration = lpStep->nDuration > 0 ? static_cast<u32>(lpStep->nDuration) : 1;
    if (++m_dwTicks >= dwDuration) {
        m_dwTicks = 0;
        ++m_dwStep;
        FollowCodes();
    }
    return GetFrame();
}

void cAnimeSeq::FollowCodes()
{
    // Codes that lead to codes end after one pass over every step at most.
    size_t nBudget = 1;
    for (const tAnimeSequence& seq : m_vSequence) nBudget += seq.size();
    while (nBudget-- > 0) {
        const tAnimeSequence& seq = m_vSequence[m_dwSequence];
        // A sequence without an end code stays on its last step.
        if (m_dwStep >= seq.size()) m_dwStep = seq.empty() ? 0 : static_cast<u32>(seq.size() - 1);
        if (seq.empty()) return;
        const cAnimeStep& step = seq[m_dwStep];
        switch (step.nFrame) {
        case kLoop:
            m_dwStep = 0;
            break;
        case kJump:
            if (step.nDuration < 0 || static_cast<size_t>(step.nDuration) >= m_vSequence.size()) {
                m_dwStep = m_dwStep > 0 ? m_dwStep - 1 : 0;
                return;
            }
            m_dwSequence = static_cast<u32>(step.nDuration);
            m_dwStep = 0;
            break;
        case kHold:
            m_dwStep = m_dwStep > 0 ? m_dwStep - 1 : 0;
            return;
        default:
            return;
        }
    }
}
