// The one-line texts of conditions: a row per kind with the forms of each
// side, and stored values that the name tables don't have.
#include <gtest/gtest.h>

#include "data/project_names.h"
#include "flow/cond_row_text.h"
#include "support/test_env.h"

namespace {

class CondRowText : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        m_Common[7].m_strName = "所持金";
        m_Common[12].m_strName = "鍵";
        m_Stage[3].m_strName = "スイッチ";
        m_Names.m_lpCommonVars = &m_Common;
        m_Names.m_lpStageVars = &m_Stage;
        SetSummaryRefs(&m_Names);
    }
    void TearDown() override
    {
        SetSummaryRefs(nullptr);
        cCoreTest::TearDown();
    }
    cGValInfo m_Common = cGValInfo(1000);
    std::vector<cStageRecord> m_Stage = std::vector<cStageRecord>(1000);
    cProjectNames m_Names;
};

// A condition of a kind with the fields a case sets.
struct cCase {
    const char* lpWhat;
    cCondItem cond;
    const char* lpText;
};

cCondItem Cond(u8 nKind, void (*pfnFill)(cCondItem&) = nullptr)
{
    cCondItem c;
    c.m_nKind = nKind;
    if (pfnFill) pfnFill(c);
    return c;
}

TEST_F(CondRowText, ARowPerKindAndEachFormOfTheStatusCondition)
{
    const cCase cases[] = {
        {"common variable 7, value 3, comparison 2",
         Cond(1, [](cCondItem& c) { c.m_wLeftCharaVar = 7, c.m_nValue1 = 3, c.m_nCompare = 2; }),
         "コモン変数条件 ： 「007 所持金」 が 3 以上"},
        {"stage variable, negative value",
         Cond(2, [](cCondItem& c) { c.m_wLeftCharaVar = 3, c.m_nValue1 = static_cast<u32>(-5), c.m_nCompare = 1; }),
         "ステージ変数条件 ： 「003 スイッチ」 が -5 でない"},
        {"chara variable 2", Cond(3, [](cCondItem& c) { c.m_wLeftCharaVar = 2, c.m_nValue1 = 10, c.m_nCompare = 6; }),
         "キャラ変数条件 ： キャラ変数 「2 キャラ変数-2」が 10 の倍数である"},
        {"a target's status against a value",
         Cond(4, [](cCondItem& c) { c.m_nLeftSubject = 1, c.m_nLeftStatus = 1, c.m_nValue1 = 50, c.m_nCompare = 3; }),
         "ステータス条件 ： ターゲット1 の HP が 50 以下"},
        {"a coordinate status with its coordinate kind, against a range",
         Cond(4,
              [](cCondItem& c) {
                  c.m_nLeftStatus = 7, c.m_nLeftCoordKind = 1, c.m_nRightSource = 1, c.m_nValue2 = 10,
                  c.m_nValue3 = 20;
              }),
         "ステータス条件 ： 主人公 の Y座標 (絶対座標) が 10～20 である"},
        {"a chara variable of a target, in percent",
         Cond(4, [](cCondItem& c) { c.m_nLeftSubject = 2, c.m_wLeftCharaVar = 8, c.m_bPercent = 1, c.m_nValue1 = 7; }),
         "ステータス条件 ： ターゲット2 の 「8 キャラ変数-8」 が 7% である"},
        {"a system value against another target's status",
         Cond(4,
              [](cCondItem& c) {
                  c.m_nLeftSubject = 5, c.m_nLeftStatus = 3, c.m_nRightSource = 2, c.m_nRightSubject = 4,
                  c.m_nRightStatus = 6, c.m_nRightCoordKind = 2, c.m_nCompare = 4;
              }),
         "ステータス条件 ： スコア が ターゲット4 の X座標 (画面座標) が より上"},
        {"a common variable against a stage variable",
         Cond(4,
              [](cCondItem& c) {
                  c.m_nLeftSource = 1, c.m_wLeftCharaVar = 12, c.m_nRightSource = 3, c.m_nRightScope = 1,
                  c.m_wRightCharaVar = 3, c.m_nCompare = 5;
              }),
         "ステータス条件 ： 「012 鍵」が 「003 スイッチ」 より下"},
        {"a status against the system's status",
         Cond(4, [](cCondItem& c) { c.m_nLeftStatus = 2, c.m_nRightSource = 2, c.m_nRightSubject = 5; }),
         "ステータス条件 ： 主人公 の SP が 時間 である"},
        {"a chara state, giant counted from 1",
         Cond(5, [](cCondItem& c) { c.m_nLeftSubject = 3, c.m_nLeftStatus = 5, c.m_wLeftCharaVar = 2; }),
         "ステータス条件2 ： ターゲット3 の 巨大化 が ×4 である"},
        {"another chara state", Cond(5, [](cCondItem& c) { c.m_nLeftStatus = 1, c.m_wLeftCharaVar = 1, c.m_nCompare = 1; }),
         "ステータス条件2 ： 主人公 の 透明 が ON でない"},
        {"a system state",
         Cond(5, [](cCondItem& c) { c.m_nLeftSubject = 5, c.m_nLeftStatus = 1, c.m_wLeftCharaVar = 1; }),
         "ステータス条件2 ： 縦スクロール が オートスクロール である"},
        {"status condition 3", Cond(6, [](cCondItem& c) { c.m_nLeftSubject = 1, c.m_nLeftStatus = 1, c.m_nCompare = 1; }),
         "ステータス条件3 ： ターゲット1 が 右向き でないなら"},
        {"distance of target 0, direction 0, 100, inside", Cond(7, [](cCondItem& c) { c.m_nValue1 = 100; }),
         "距離条件 ： 主人公 が 横 100 以内"},
        {"distance outside, in a circle", Cond(7, [](cCondItem& c) { c.m_bCond20 = 6, c.m_nCompare = 1, c.m_nValue1 = 4; }),
         "距離条件 ： 主人公 が 円 4 外"},
    };
    for (const cCase& c : cases) {
        std::string str;
        ConditionRowText(str, 0, c.cond);
        EXPECT_EQ(str, c.lpText) << c.lpWhat;
    }
}

TEST_F(CondRowText, StoredValuesOutsideTheTablesGiveEmptyNames)
{
    const cCase cases[] = {
        {"kind 0", Cond(0), ""},
        {"a kind past the table", Cond(200, [](cCondItem& c) { c.m_nValue1 = 5; }), ""},
        {"a comparison past the table", Cond(1, [](cCondItem& c) { c.m_wLeftCharaVar = 1, c.m_nCompare = 8; }),
         "コモン変数条件 ： 「001 」 が 0 "},
        {"a variable past the list", Cond(1, [](cCondItem& c) { c.m_wLeftCharaVar = 65535; }),
         "コモン変数条件 ： 「65535 」 が 0 である"},
        {"chara variable 0 and 9", Cond(3, [](cCondItem& c) { c.m_wLeftCharaVar = 9; }),
         "キャラ変数条件 ： キャラ変数 「」が 0 である"},
        {"a status, a subject and a coordinate kind past their tables",
         Cond(4, [](cCondItem& c) { c.m_nLeftSubject = 9, c.m_nLeftStatus = 6, c.m_nLeftCoordKind = 9; }),
         "ステータス条件 ：  の X座標 () が 0 である"},
        {"a status past the table",
         Cond(4, [](cCondItem& c) { c.m_nLeftStatus = 200, c.m_nRightSource = 9, c.m_nLeftSource = 7; }),
         "ステータス条件 ： である"},
        {"a system status past its table", Cond(4, [](cCondItem& c) { c.m_nLeftSubject = 5, c.m_nLeftStatus = 5; }),
         "ステータス条件 ：  が 0 である"},
        {"a variable scope past the two", Cond(4, [](cCondItem& c) { c.m_nLeftSource = 1, c.m_nLeftScope = 2, c.m_wLeftCharaVar = 7; }),
         "ステータス条件 ： 「007 」が 0 である"},
        {"a state and its value past the tables", Cond(5, [](cCondItem& c) { c.m_nLeftStatus = 9, c.m_wLeftCharaVar = 300; }),
         "ステータス条件2 ： 主人公 の  が  である"},
        {"giant with value 0", Cond(5, [](cCondItem& c) { c.m_nLeftStatus = 5; }),
         "ステータス条件2 ： 主人公 の 巨大化 が  である"},
        {"status 3 past its tables", Cond(6, [](cCondItem& c) { c.m_nLeftSubject = 5, c.m_nLeftStatus = 5, c.m_nCompare = 2; }),
         "ステータス条件3 ：  が  "},
        {"distance direction and range word past their tables",
         Cond(7, [](cCondItem& c) { c.m_bCond20 = 7, c.m_nCompare = 2, c.m_nLeftSubject = 5; }), "距離条件 ：  が  0 "},
    };
    for (const cCase& c : cases) {
        std::string str = "old";
        ConditionRowText(str, 3, c.cond);
        EXPECT_EQ(str, c.lpText) << c.lpWhat;
    }
    EXPECT_EQ(FakeHost().m_Messages.size(), 0u);
}

}  // namespace
