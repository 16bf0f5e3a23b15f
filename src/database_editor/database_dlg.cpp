#include "database_editor/database_dlg.h"

void cDatabaseDlg::StepFrame(u32) { StepCurPage(); }

bool cDatabaseDlg::IsAnimatedPageShown() const
{
    int n = GetCurPage();
    return n == 0 || n == 1;
}
