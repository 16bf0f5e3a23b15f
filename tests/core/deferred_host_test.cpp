#include <gtest/gtest.h>

#include "app/deferred_host.h"
#include "app/fatal.h"
#include "support/test_env.h"

namespace {

class DeferredHost : public cCoreTest {};

// What a worker reports through the stand-in reaches the real host only
// when the GUI thread replays it, in order and once.
TEST_F(DeferredHost, KeepsMessagesAndTheCloseRequestUntilReplayed)
{
    FakeHost().m_hActive = reinterpret_cast<tWnd>(0x1234);
    FakeHost().m_nScreenWidth = 800;
    cDeferredHost deferred(FakeHost());
    SetHost(&deferred);
    EXPECT_EQ(ErrorBox("一つ目！"), kIdOk);
    ReportBadIndex('V', 3, 1, 8);
    Host().Beep();
    int nWidth = 0, nHeight = 0;
    Host().GetScreenSize(nWidth, nHeight);
    EXPECT_EQ(nWidth, 800);
    SetHost(&FakeHost());
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 0);

    deferred.Replay();
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "一つ目！");
    EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "エラー");
    EXPECT_EQ(FakeHost().m_Messages[0].hOwner, FakeHost().m_hActive);
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1);
    EXPECT_EQ(FakeHost().m_nBeeps, 1);
    EXPECT_TRUE(IsFatalError());
    deferred.Replay();
    EXPECT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1);
}

}  // namespace
