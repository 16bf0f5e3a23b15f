// How long the list control takes with a full database table (999 records
// of block entries, numbered, with the separator): refilling every row,
// putting the selection back and repainting, and pasting 999 records into
// an empty table. Each figure is the median of several runs, in
// milliseconds; the target is one key repeat (under 100 ms).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "controls/ctrl_list.h"
#include "data/ed_block.h"
#include "framework/dlg_base.h"
#include "framework/wnd_list.h"

namespace {

constexpr u16 kPageId = 9301;
constexpr u16 kListId = 9311;
constexpr int kRuns = 15;
constexpr double kTargetMs = 100.0;

void BlockRow(std::string& str, int, const cEdBlock* lpBlock) { str = lpBlock->m_strName; }

std::vector<cEdBlock> Blocks(int n)
{
    std::vector<cEdBlock> blocks(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        blocks[static_cast<size_t>(i)].m_strName = "ブロック " + std::to_string(i);
        blocks[static_cast<size_t>(i)].m_wGraphic = static_cast<u16>(i % 999 + 1);
    }
    return blocks;
}

class cBenchPage : public cDlgBase {
public:
    cBenchPage() : cDlgBase(kPageId, nullptr, kModeWindow, &g_WndList), m_Lists(1) {}
    ~cBenchPage() override
    {
        if (m_hWnd) Close(0);
    }
    void Bind(std::vector<cEdBlock>* lpWork)
    {
        m_Lists[0].Set(kListId, nullptr, lpWork, &m_Edit, 1, BlockRow, 1, 1, 999, 1, 1, 0);
    }
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override
    {
        cDlgBase::OnInitDialog(wParam, lParam);
        CreateList(m_Lists[0]);
        m_bInitialized = 1;
    }
    void OnDraw() override {}
    cCtrlList<cEdBlock>& List() { return m_Lists[0]; }

private:
    cEdBlock m_Edit;
    std::vector<cCtrlDesc<cCtrlList<cEdBlock>>> m_Lists;
};

void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The median of the runs; prepare runs untimed before each.
double Median(const std::function<void()>& prepare, const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        if (prepare) prepare();
        const double dStart = NowMs();
        run();
        times.push_back(NowMs() - dStart);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool Report(const char* lpName, double dMs)
{
    const bool bOk = dMs < kTargetMs;
    printf("%-46s %8.2f ms  %s\n", lpName, dMs, bOk ? "ok" : "over the target");
    return bOk;
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    std::vector<cEdBlock> work;
    cBenchPage page;
    std::vector<cEdBlock> full = Blocks(1000);  // record 0 and 999 shown
    work = full;
    page.Bind(&work);
    page.Create(0, true);
    if (!page.GetHwnd()) {
        printf("the page could not be made\n");
        return 1;
    }
    HWND hList = page.List().GetHwnd();
    PumpPending();
    printf("list control, %d rows (median of %d runs)\n", page.List().GetCount() - 1, kRuns);

    bool bOk = true;
    // As every owner runs them: drawing off for the command, the rows
    // refilled, the selection back and drawing on.
    auto begin = [&] { SendMessageA(hList, WM_SETREDRAW, FALSE, 0); };
    bOk &= Report("FillRows", Median(begin, [&] { page.List().FillRows(); }));
    page.List().RedrawList();
    // As a dialog's data-to-controls pass runs it, with the list drawing.
    bOk &= Report("FillRows on a drawing list, and the repaint", Median(nullptr, [&] {
                      page.List().FillRows();
                      UpdateWindow(hList);
                  }));
    bOk &= Report("RedrawList with the repaint", Median(nullptr, [&] {
                      page.List().RedrawList();
                      UpdateWindow(hList);
                  }));
    bOk &= Report("FillRows, RedrawList and the repaint", Median(begin, [&] {
                      page.List().FillRows();
                      page.List().RedrawList();
                      UpdateWindow(hList);
                  }));
    page.List().SetClipboard(std::vector<cEdBlock>(full.begin() + 1, full.end()));
    bOk &= Report("Paste of 999 records into an empty table", Median(
                      [&] {
                          work.assign(full.begin(), full.begin() + 1);
                          page.List().FillRows();
                          page.List().SetSingleSel(0, 0);
                          page.List().RedrawList();
                          UpdateWindow(hList);
                          begin();
                      },
                      [&] {
                          page.List().Paste();
                          UpdateWindow(hList);
                      }));
    printf("rows after the paste: %d\n", page.List().GetCount() - 1);
    page.Close(0);
    return bOk ? 0 : 2;
}
