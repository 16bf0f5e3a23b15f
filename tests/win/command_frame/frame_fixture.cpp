#include "frame_fixture.h"

#include "data/project_data.h"
#include "framework/dlg_base.h"
#include "sample_project.h"

void cFrameTest::SetUp()
{
    cWinTest::SetUp();
    g_Database.SetDefaults();
    g_Database.m_vSound.resize(3);
    g_Database.m_vSound[1].m_strName = "ジャンプ";
    g_Database.m_vSound[1].m_strPath = "wave\\free.wav";
    g_Database.m_vSound[2].m_strName = "着地";
    g_Database.m_vSound[2].m_strPath = "wave\\land.wav";
    g_Database.m_vBgm.resize(3);
    g_Database.m_vBgm[1].m_strName = "草原";
    g_Database.m_vBgm[1].m_strPath = "bgm\\Free.mid";
    g_Database.m_vBgm[2].m_strName = "洞窟";
    g_Database.m_vBgm[2].m_strPath = "bgm\\cave.ogg";
    g_Database.m_vAnime.resize(3);
    g_Database.m_vAnime[2].m_strName = "アクションB";
    // The sample project's sounds: the wave and the MIDI file exist.
    ASSERT_TRUE(WriteSampleMedia());
    m_Names.List(eVarScope::Common)[1] = "所持金";
    m_Names.List(eVarScope::Common)[5] = "鍵";
    m_Names.List(eVarScope::Stage)[1] = "扉";
    m_lpPreviousNames = SetVarNames(&m_Names);
}

void cFrameTest::TearDown()
{
    SetVarNames(m_lpPreviousNames);
    g_Database.SetDefaults();
    EXPECT_EQ(cDlgBase::LiveCount(), 0) << "a dialog object was left behind";
    cWinTest::TearDown();
}
