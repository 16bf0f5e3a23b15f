// The list control's rules on a model list box: rows, selection, the
// editing operations with their limits and beeps, keys and command IDs.
#include <gtest/gtest.h>

#include "list_test_util.h"
#include "support/test_env.h"

namespace {

struct cShape {
    bool bMulti;
    u32 nFirst;
    s32 nMin, nMax;
    u32 bExtra;
    u32 bAllowNoSel;
    u32 bNumbering;
};
// A database table page and a condition list.
const cShape kTable = {true, 1, 1, 999, 1, 0, 1};
const cShape kSub = {false, 0, 0, 99, 1, 0, 0};

class ListEdit : public cCoreTest {
protected:
    void Make(const cShape& s, int nRecords, std::vector<cListRec>* lpBound = nullptr)
    {
        m_Box = cModelListBox(s.bMulti);
        m_Work = NumberedRecs(nRecords);
        cListBinding<cListRec> b;
        b.Set(1000, lpBound, &m_Work, &m_Edit, s.bMulti, ListRecText, s.bNumbering, s.nMin, s.nMax, s.nFirst,
              s.bExtra, s.bAllowNoSel);
        m_List = cListEdit<cListRec>();
        m_List.BindBox(&m_Box);
        m_List.Attach(b);
    }
    // The user selects the rows (the last one is the caret), the list hears
    // of it.
    void Pick(std::initializer_list<int> rows)
    {
        bool bFirst = true;
        for (int r : rows) {
            m_Box.Click(r, !bFirst);
            bFirst = false;
        }
        m_List.OnSelChange();
    }
    int Beeps() const { return FakeHost().m_nBeeps; }

    cModelListBox m_Box{false};
    std::vector<cListRec> m_Work;
    cListRec m_Edit;
    cListEdit<cListRec> m_List;
};

TEST_F(ListEdit, RowsSkipTheFrontRecordsAndCarryNumbersAndTheSeparator)
{
    const struct {
        cShape shape;
        int nRecords;
        int nRow;
        const char* lpText;
        int nRows;
    } cases[] = {
        {kTable, 10, 0, "1 r1", 10},  // 9 data rows: one digit, record 0 never shown
        {kTable, 10, 5, "6 r6", 10},
        {kTable, 121, 5, "006 r6", 121},  // 120 data rows: three digits
        {kTable, 121, 119, "120 r120", 121},
        {kTable, 121, 120, "----------------------------------------------------------------", 121},
        {kSub, 3, 2, "r2", 4},
        {{false, 0, 0, 99, 0, 0, 0}, 3, 2, "r2", 3},  // no separator
        {kTable, 1, 0, "----------------------------------------------------------------", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.nRecords << " records, row " << c.nRow);
        Make(c.shape, c.nRecords);
        ASSERT_EQ(static_cast<int>(m_Box.m_Rows.size()), c.nRows);
        EXPECT_EQ(m_Box.m_Rows[c.nRow], c.lpText);
    }
    EXPECT_EQ(ListSeparatorText(), std::string(64, '-'));
}

TEST_F(ListEdit, AttachingSelectsTheFirstRowAndLoadsItsRecord)
{
    Make(kTable, 5);
    EXPECT_EQ(m_List.GetCursor(), 0);
    EXPECT_EQ(m_Box.Selected(), std::vector<int>{0});
    EXPECT_EQ(m_Edit.m_strName, "r1");
    EXPECT_EQ(m_List.GetCurIndex(), 1);
    EXPECT_EQ(m_List.GetRowFlags().size(), 5u) << "four data rows and the separator";

    std::vector<cListRec> stored = NumberedRecs(3);
    Make(kSub, 0, &stored);
    EXPECT_EQ(Names(m_Work), "r0 r1 r2") << "the stored data is copied into the working vector";
    EXPECT_EQ(m_Edit.m_strName, "r0");
}

TEST_F(ListEdit, CursorWithAndWithoutNoSelection)
{
    Make(kSub, 3);
    m_List.SetCurSel(-1, 1);
    EXPECT_EQ(m_List.GetCursor(), 0) << "no selection is not allowed";
    Make({false, 0, 0, 99, 1, 1, 0}, 3);
    m_List.SetCurSel(-1, 1);
    EXPECT_EQ(m_List.GetCursor(), -1);
    Make({false, 0, 0, 99, 0, 0, 0}, 3);
    EXPECT_EQ(m_List.AllowsNoSel(), 1u) << "minimum 0 without a separator: the last record may go";
    m_List.SetCurSel(7, 0);
    EXPECT_EQ(m_List.GetCursor(), -1) << "past the rows";

    // The separator is no record: the empty record shows.
    Make(kTable, 4);
    m_Edit.m_strName = "typed";
    Pick({3});
    EXPECT_EQ(m_List.GetCurIndex(), -1);
    EXPECT_TRUE(m_List.IsExtraRow(3));
    EXPECT_EQ(m_Edit.m_strName, "");
    Pick({1});
    EXPECT_EQ(m_List.GetCurIndex(), 2);
    EXPECT_EQ(m_Edit.m_strName, "r2");
}

TEST_F(ListEdit, StoreCurWritesTheEditRecordBackAndBoundDataMovesBothWays)
{
    std::vector<cListRec> stored = NumberedRecs(4);
    Make(kTable, 0, &stored);
    Pick({1});
    m_Edit.m_strName = "renamed";
    EXPECT_EQ(m_List.StoreCur(), 1);
    EXPECT_EQ(m_Work[2].m_strName, "renamed");
    EXPECT_EQ(m_Box.m_Rows[1], "2 renamed");
    EXPECT_EQ(stored[2].m_strName, "r2") << "the stored data waits for the commit";
    m_List.StoreBound();
    EXPECT_EQ(stored[2].m_strName, "renamed");

    stored[3].m_strName = "elsewhere";
    m_List.LoadBound();
    EXPECT_EQ(m_Box.m_Rows[2], "3 elsewhere");

    Pick({3});
    EXPECT_EQ(m_List.StoreCur(), 0) << "the separator holds no record";

    // The stored data lost the cursor's record: the cursor goes to the last
    // record, not to the separator.
    Pick({2});
    stored.resize(3);
    m_List.LoadBound();
    EXPECT_EQ(m_List.GetCursor(), 1);
    EXPECT_EQ(m_List.GetCurIndex(), 2);
    EXPECT_EQ(m_Edit.m_strName, "renamed");
}

TEST_F(ListEdit, DatabaseListRefusesAtOneAndAtNineHundredNinetyNineRecords)
{
    Make(kTable, 2);
    EXPECT_EQ(m_List.Delete(-1, 0), 0);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(m_Work.size(), 2u);

    Make(kTable, 1000);
    EXPECT_EQ(m_List.Copy(), 1);
    const struct {
        const char* lpName;
        int (cListEdit<cListRec>::*op)();
    } ops[] = {{"add", &cListEdit<cListRec>::AddNew}, {"insert", &cListEdit<cListRec>::InsertNew},
               {"paste", &cListEdit<cListRec>::Paste}};
    for (const auto& op : ops) {
        SCOPED_TRACE(op.lpName);
        const int nBeeps = Beeps();
        EXPECT_EQ((m_List.*op.op)(), 0);
        EXPECT_EQ(Beeps(), nBeeps + 1);
        EXPECT_EQ(m_Work.size(), 1000u);
    }
}

TEST_F(ListEdit, PasteGoesBeforeTheCursorRowOrAtTheEndFromTheSeparator)
{
    const struct {
        int nCursorRow;
        const char* lpAfter;
    } cases[] = {
        {0, "r0 r2 r3 r5 r1 r2 r3 r4 r5 r6"},
        {5, "r0 r1 r2 r3 r4 r5 r2 r3 r5 r6"},  // row 5 shows record 6
        {6, "r0 r1 r2 r3 r4 r5 r6 r2 r3 r5"},  // the separator
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nCursorRow);
        Make(kTable, 7);
        Pick({1, 2, 4});
        EXPECT_EQ(m_List.Copy(), 1);
        EXPECT_EQ(Names(m_List.GetClipboard()), "r2 r3 r5");
        Pick({c.nCursorRow});
        EXPECT_EQ(m_List.Paste(), 1);
        EXPECT_EQ(Names(m_Work), c.lpAfter);
        EXPECT_EQ(m_List.GetCursor(), c.nCursorRow) << "the cursor row shows the first pasted record";
        EXPECT_EQ(m_Edit.m_strName, "r2");
        EXPECT_EQ(m_List.GetLastOp(), kListPaste);
    }
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(ListEdit, PasteOfFiveIntoRoomForTwoKeepsTwoAndBeeps)
{
    Make({false, 0, 0, 7, 1, 0, 0}, 5);
    m_List.SetClipboard(NumberedRecs(5));
    Pick({1});
    EXPECT_EQ(m_List.Paste(), 1);
    EXPECT_EQ(Names(m_Work), "r0 r0 r1 r1 r2 r3 r4");
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(m_List.GetClipboard().size(), 5u);

    // Exactly the room left: the list is full, which the beep says.
    Make({false, 0, 0, 7, 1, 0, 0}, 5);
    m_List.SetClipboard(NumberedRecs(2));
    EXPECT_EQ(m_List.Paste(), 1);
    EXPECT_EQ(m_Work.size(), 7u);
    EXPECT_EQ(Beeps(), 2);

    // Pasting nothing changes nothing but says yes.
    Make(kSub, 3);
    EXPECT_EQ(m_List.Paste(), 1);
    EXPECT_EQ(m_Work.size(), 3u);
}

TEST_F(ListEdit, CutWithNothingSelectedBeepsOnceAndDeletesNothing)
{
    Make({false, 0, 0, 99, 1, 1, 0}, 3);
    m_List.SetCurSel(-1, 0);
    m_List.RedrawList();
    EXPECT_EQ(m_List.Cut(), 0);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(m_Work.size(), 3u);
    EXPECT_EQ(m_List.GetLastOp(), kListCopy);

    Make({true, 0, 0, 99, 1, 1, 0}, 3);
    m_List.SetSingleSel(-1, 0);
    EXPECT_EQ(m_List.CountSelected(), 0);
    EXPECT_EQ(m_List.Cut(), 0);
    EXPECT_EQ(Beeps(), 2) << "the copy of no rows succeeds; the delete finds nothing";
    EXPECT_EQ(m_Work.size(), 3u);

    Make(kSub, 3);
    Pick({1});
    EXPECT_EQ(m_List.Cut(), 1);
    EXPECT_EQ(m_List.GetLastOp(), kListCut);
    EXPECT_EQ(Names(m_Work), "r0 r2");
    EXPECT_EQ(Names(m_List.GetClipboard()), "r1");
}

TEST_F(ListEdit, DeletingTheLastRowMovesTheCursorUpAndTheOnlyRowLeavesNoRecord)
{
    Make(kSub, 3);
    Pick({2});
    EXPECT_EQ(m_List.Delete(-1, 0), 1);
    EXPECT_EQ(Names(m_Work), "r0 r1");
    EXPECT_EQ(m_List.GetCursor(), 1);
    EXPECT_EQ(m_Box.m_nCurSel, 1);
    EXPECT_EQ(m_Edit.m_strName, "r1");

    Make({false, 0, 0, 99, 1, 1, 0}, 1);
    m_Edit.m_strName = "shown";
    EXPECT_EQ(m_List.Delete(-1, 0), 1);
    EXPECT_TRUE(m_Work.empty());
    EXPECT_EQ(m_Edit.m_strName, "") << "the edit record is back in its default state";
    EXPECT_EQ(m_List.GetCursor(), -1);
    EXPECT_EQ(m_List.GetCurIndex(), -1);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(ListEdit, SingleDeleteWithoutARowOrOnTheSeparatorIsRefused)
{
    for (int nRow : {-1, 3}) {
        SCOPED_TRACE(nRow);
        Make({false, 0, 0, 99, 1, 1, 0}, 3);
        m_List.SetCurSel(nRow, 0);
        m_List.RedrawList();
        const int nBeeps = Beeps();
        EXPECT_EQ(m_List.Delete(-1, 0), 0);
        EXPECT_EQ(Beeps(), nBeeps + 1);
        EXPECT_EQ(m_Work.size(), 3u);
    }
    Make(kSub, 3);
    EXPECT_EQ(m_List.Delete(1, 0), 1) << "a row given by the caller";
    EXPECT_EQ(Names(m_Work), "r0 r2");
}

TEST_F(ListEdit, MultiDeleteOfRowsTwoAndFourWithTheCursorOnFour)
{
    Make(kTable, 8);
    Pick({2, 4});
    ASSERT_EQ(m_List.GetCursor(), 4);
    EXPECT_EQ(m_List.Delete(-1, 0), 1);
    EXPECT_EQ(Names(m_Work), "r0 r1 r2 r4 r6 r7");
    EXPECT_EQ(m_List.GetCursor(), 3);
    EXPECT_EQ(m_Box.m_Rows[3], "4 r6") << "the record that followed the old row 4";
    EXPECT_EQ(m_Box.Selected(), std::vector<int>{3});
    EXPECT_EQ(m_Edit.m_strName, "r6");

    // Only the cursor's row, and never below the minimum.
    Make(kTable, 8);
    Pick({1, 3});
    EXPECT_EQ(m_List.Delete(-1, 1), 1);
    EXPECT_EQ(Names(m_Work), "r0 r1 r2 r3 r5 r6 r7");
    Make(kTable, 4);
    Pick({0, 1, 2});
    EXPECT_EQ(m_List.Delete(-1, 0), 1);
    EXPECT_EQ(Names(m_Work), "r0 r3") << "one data record stays";

    // Flags on the separator only: nothing to erase.
    Make(kTable, 4);
    Pick({3});
    EXPECT_EQ(m_List.Delete(-1, 0), 0);
    EXPECT_EQ(m_Work.size(), 4u);
}

TEST_F(ListEdit, AddAppendsAndInsertGoesBeforeTheCursor)
{
    Make(kTable, 4);
    Pick({1});
    EXPECT_EQ(m_List.AddNew(), 1);
    EXPECT_EQ(Names(m_Work), "r0 r1 r2 r3 ");
    EXPECT_EQ(m_List.GetCursor(), 3) << "the new record's row";
    EXPECT_EQ(m_Box.Selected(), std::vector<int>{3});
    EXPECT_EQ(m_List.GetLastOp(), kListAdd);

    Pick({1});
    m_Edit.m_strName = "stale";
    EXPECT_EQ(m_List.InsertNew(), 1);
    EXPECT_EQ(Names(m_Work), "r0 r1  r2 r3 ");
    EXPECT_EQ(m_List.GetCursor(), 1);
    EXPECT_EQ(m_Edit.m_strName, "") << "the edit record shows the new record";
    EXPECT_EQ(m_List.GetRowFlags().size(), 6u);

    Make(kSub, 2);
    Pick({2});
    EXPECT_EQ(m_List.InsertNew(), 1);
    EXPECT_EQ(Names(m_Work), "r0 r1 ") << "on the separator: at the end";
    EXPECT_EQ(m_List.GetLastOp(), kListInsert);
    // After an insert the owner moves on to the next row.
    m_List.SelectNext(1);
    EXPECT_EQ(m_List.GetCursor(), 3);
    EXPECT_TRUE(m_List.IsExtraRow(3));
    Make(kTable, 4);
    Pick({0});
    m_List.SelectNext(1);
    m_List.RedrawList();  // the owner's refresh after its command
    EXPECT_EQ(m_Box.Selected(), std::vector<int>{1});
    EXPECT_EQ(m_Edit.m_strName, "r2");
}

TEST_F(ListEdit, ClearResetsTheSelectedRecordsAndNeverTheirNumber)
{
    Make(kTable, 6);
    Pick({1, 3, 5});
    EXPECT_EQ(m_List.ClearSel(), 1);
    EXPECT_EQ(Names(m_Work), "r0 r1  r3  r5") << "the separator's flag clears nothing";
    Make({false, 0, 0, 99, 1, 1, 0}, 2);
    m_List.SetCurSel(-1, 0);
    EXPECT_EQ(m_List.ClearSel(), 1);
    EXPECT_EQ(Names(m_Work), "r0 r1");
    EXPECT_EQ(Beeps(), 0);
    EXPECT_EQ(m_List.GetLastOp(), kListClear);
}

TEST_F(ListEdit, SetDataCountResizesWithinTheLimits)
{
    const struct {
        int nCount;
        int nResult;
        const char* lpNames;
        int nCursor;
        const char* lpEdit;
    } cases[] = {
        {5, 1, "r0 r1 r2 r3 r4 r5", 3, "r4"},  // the same count keeps everything
        {7, 1, "r0 r1 r2 r3 r4 r5  ", 3, "r4"},
        {2, 1, "r0 r1 r2", 0, "r1"},  // the cursor's record went
        {0, 0, "r0 r1 r2 r3 r4 r5", 3, "r4"},
        {1000, 0, "r0 r1 r2 r3 r4 r5", 3, "r4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nCount);
        Make(kTable, 6);
        Pick({3});
        const int nBeeps = Beeps();
        EXPECT_EQ(m_List.SetDataCount(c.nCount), c.nResult);
        EXPECT_EQ(Beeps(), nBeeps + (c.nResult ? 0 : 1));
        EXPECT_EQ(Names(m_Work), c.lpNames);
        EXPECT_EQ(m_List.GetCursor(), c.nCursor);
        EXPECT_EQ(m_Edit.m_strName, c.lpEdit);
    }
}

TEST_F(ListEdit, TheClipboardHoldsCopiesAndSurvivesEveryOtherOperation)
{
    Make(kSub, 4);
    Pick({1});
    m_List.Copy();
    m_Work[1].m_strName = "edited";
    m_List.InsertNew();
    m_List.ClearSel();
    m_List.Delete(-1, 0);
    EXPECT_EQ(Names(m_List.GetClipboard()), "r1");
    m_List.SetClipboard(NumberedRecs(2));
    EXPECT_EQ(Names(m_List.GetClipboard()), "r0 r1");
}

TEST_F(ListEdit, RightClickInsideAMultipleSelectionKeepsIt)
{
    Make(kTable, 7);
    Pick({1, 2, 4});
    EXPECT_EQ(m_List.SelectRow(2), 1);
    EXPECT_EQ(m_Box.Selected(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(m_List.GetCursor(), 2);
    EXPECT_EQ(m_Edit.m_strName, "r3");
    EXPECT_EQ(m_List.SelectRow(3), 1);
    EXPECT_EQ(m_Box.Selected(), std::vector<int>{3});
    EXPECT_EQ(m_List.SelectRow(7), 0) << "below the last row";
    EXPECT_EQ(m_List.SelectRow(-1), 0);

    Make(kSub, 3);
    EXPECT_EQ(m_List.SelectRow(2), 1);
    EXPECT_EQ(m_Box.m_nCurSel, 2);
}

TEST_F(ListEdit, RedrawListPutsTheSelectionBackAfterTheOwnerRefreshed)
{
    Make(kTable, 6);
    Pick({1, 3});
    m_Box.m_Sel.assign(m_Box.m_Sel.size(), false);
    const int nRedraws = m_Box.m_nRedraws;
    m_List.RedrawList();
    EXPECT_EQ(m_Box.Selected(), (std::vector<int>{1, 3}));
    EXPECT_EQ(m_Box.m_nRedraws, nRedraws + 1);

    // A selection that lost every flag comes back from the last one shown.
    Make(kTable, 6);
    Pick({2});
    m_List.SetSingleSel(-1, 0);
    m_List.RedrawList();
    EXPECT_EQ(m_List.CountSelected(), 1);
}

TEST_F(ListEdit, CommandsRunOnlyWhileTheListHasTheFocus)
{
    Make(kSub, 4);
    Pick({1});
    m_Box.m_bFocus = false;
    EXPECT_EQ(m_List.OnAccelCommand(40009), 0);
    EXPECT_EQ(m_List.OnMenuCommand(40043), 0);
    EXPECT_EQ(m_Work.size(), 4u);
    m_Box.m_bFocus = true;
    EXPECT_EQ(m_List.OnAccelCommand(0), 0);
    EXPECT_EQ(m_List.OnAccelCommand(40009), 1) << "cut";
    EXPECT_EQ(m_List.OnMenuCommand(40043), 1) << "delete";
    EXPECT_EQ(Names(m_Work), "r0 r3");
    EXPECT_EQ(m_List.OnAccelCommand(40038), 0) << "a popup ID is no accelerator";
    EXPECT_EQ(m_List.OnMenuCommand(40007), 0);
}

TEST(ListCommands, EverySetOfTheTableAndNoOther)
{
    const struct {
        u32 dwKind, dwSet;
        cListCommandIds accel, popup;
    } rows[] = {
        {0, 1, {{40009, 40001, 40007, 40002, 0, 40008, 0}}, {{40038, 40039, 40040, 0, 0, 40041, 0}}},
        {0, 2, {{40019, 40012, 40017, 40013, 0, 40018, 0}}, {{40103, 40104, 40105, 0, 0, 40113, 0}}},
        {0, 3, {{40029, 40022, 40027, 40023, 0, 40028, 0}}, {{40108, 40109, 40110, 0, 0, 40114, 0}}},
        {0, 4, {{40098, 40091, 40096, 40092, 0, 40097, 0}}, {{40115, 40116, 40117, 0, 0, 40118, 0}}},
        {1, 1, {{40009, 40001, 40007, 0, 40033, 0, 40032}}, {{40038, 40039, 40040, 0, 40042, 0, 40043}}},
        {1, 2, {{40019, 40012, 40017, 0, 40034, 0, 40035}}, {{40103, 40104, 40105, 0, 40106, 0, 40107}}},
        {1, 3, {{40029, 40022, 40027, 0, 40036, 0, 40037}}, {{40108, 40109, 40110, 0, 40111, 0, 40112}}},
        {1, 4, {{40098, 40091, 40096, 0, 40101, 0, 40102}}, {{40115, 40116, 40117, 0, 40119, 0, 40120}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.dwKind << "," << r.dwSet);
        cListCommandIds accel, popup;
        ASSERT_TRUE(ListCommandSet(r.dwKind, r.dwSet, accel, popup));
        for (int i = 0; i < kListCommandOps; ++i) {
            EXPECT_EQ(accel.aw[i], r.accel.aw[i]) << i;
            EXPECT_EQ(popup.aw[i], r.popup.aw[i]) << i;
        }
    }
    cListCommandIds accel = DefaultListAccelIds(), popup;
    for (auto pair : {std::make_pair(0u, 0u), std::make_pair(0u, 5u), std::make_pair(2u, 1u)})
        EXPECT_FALSE(ListCommandSet(pair.first, pair.second, accel, popup));
    EXPECT_EQ(accel.aw[0], 40009) << "a failed lookup leaves the IDs";
}

TEST(ListCommands, KeysSendTheCommandsOfTheirOperations)
{
    cListCommandIds main, sub, popup;
    ListCommandSet(0, 1, main, popup);
    ListCommandSet(1, 1, sub, popup);
    const cListCommandIds both = DefaultListAccelIds();
    const struct {
        const cListCommandIds* lpIds;
        u32 dwKey;
        int bCtrl;
        std::vector<u16> ids;
    } cases[] = {
        {&main, 'X', 1, {40009}},   {&main, 'X', 0, {}},        {&main, 'C', 1, {40001}},
        {&main, 'V', 1, {40007}},   {&main, 'I', 1, {40002}},   {&sub, 'I', 1, {40033}},
        {&main, 0x2E, 0, {40008}},  {&main, 0x2E, 1, {40008}},  {&sub, 0x2E, 0, {40032}},
        {&sub, 0x2E, 1, {40032}},   {&both, 'I', 1, {40002, 40033}}, {&both, 0x2E, 0, {40008, 40032}},
        {&main, 'Z', 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dwKey << " ctrl " << c.bCtrl);
        EXPECT_EQ(ListKeyCommands(*c.lpIds, c.dwKey, c.bCtrl), c.ids);
    }
}

}  // namespace
