#pragma once
// The fixture of the command editing frame's tests: a database with a few
// sounds, BGMs and animes, variable names in memory, adjustable parameters
// for two kinds; all put back afterwards.
#include "flow/project_vars.h"
#include "support/win32/win_test.h"

class cFrameTest : public cWinTest {
protected:
    void SetUp() override;
    void TearDown() override;

    cMemoryVarNames m_Names;
    cVarNames* m_lpPreviousNames = nullptr;
};

// The labels the arrange dialog's tests give kinds 2 and 5.
std::vector<std::string> TestArrangeLabels(u32 nKind);
