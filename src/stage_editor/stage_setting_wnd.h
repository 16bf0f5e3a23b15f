#pragma once
// "ステージの設定": the modeless sheet of the stage settings with its pages
// "基本設定", "高度な設定" and "高度な設定2". Apply and OK commit every page
// twice in a row and mark the stage modified; the registry deletes the
// window through the stage editor window's field once its sheet has closed.
#include "framework/wnd_group.h"

class cStageBasicPage;
class cStageAdvPage;
class cStageAdv2Page;

class cStageSettingWnd : public cWndGroup {
public:
    // Listed with the registry under the owner's field.
    cStageSettingWnd(cWndBase* lpOwner, cWndList* lpRegistry, cWndGroup** lpOwnerField);
    ~cStageSettingWnd() override;

    // Makes the three pages and shows the sheet; false when it couldn't.
    bool CreatePages();
    // Two passes over the pages' commits: the basic page's (with the size
    // change), then the advanced pages'.
    void CommitAll();
    // The owner goes first: the pages won't return to it.
    void ForgetOwner();

    cStageBasicPage* BasicPage() const { return m_lpBasic; }
    cStageAdvPage* AdvPage() const { return m_lpAdv; }
    cStageAdv2Page* Adv2Page() const { return m_lpAdv2; }

private:
    cStageBasicPage* m_lpBasic = nullptr;
    cStageAdvPage* m_lpAdv = nullptr;
    cStageAdv2Page* m_lpAdv2 = nullptr;
};
