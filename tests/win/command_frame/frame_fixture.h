#pragma once
// The fixture of the command editing frame's tests: a database with a few
// sounds, BGMs and animes, the sample project's sound files and variable
// names in memory; all put back afterwards.
#include "flow/project_vars.h"
#include "support/win32/win_test.h"

class cFrameTest : public cWinTest {
protected:
    void SetUp() override;
    void TearDown() override;

    cMemoryVarNames m_Names;
    cVarNames* m_lpPreviousNames = nullptr;
};
