// Loading System.dat: the lists each version stored, and the steps that turn
// an older program's content into today's. A step keeps the behaviour an old
// project was made with (a new switch gets the old behaviour), and inserts
// the menu items, texts and "System.ini" keys that later versions added
// where those versions put them. The next save writes today's version, so
// each step runs at most once per project.
#include <algorithm>

#include "data/serial.h"
#include "data/system_data.h"

namespace {

// Resizes to n (new entries fill), then puts the value at k, moving the
// entries from k up by one; the last one falls off.
template <class T>
void InsertAt(std::vector<T>& vec, size_t n, size_t k, const T& value, const T& fill = T())
{
    vec.resize(n, fill);
    if (k >= n) return;
    std::move_backward(vec.begin() + k, vec.end() - 1, vec.end());
    vec[k] = value;
}

void InsertText(cSystem& s, size_t k, const char* lpText)
{
    InsertAt(s.m_vGameText, cSystem::kGameTexts, k, std::string(lpText));
}

void InsertItem(std::vector<cSysMenuItem>& menu, size_t n, size_t k, u32 bShown, const char* lpText)
{
    InsertAt(menu, n, k, cSysMenuItem(bShown, lpText));
}

// The record that moves up keeps a copy at k; only its key, kind and number
// change there.
void InsertSetting(cSystem& s, size_t k, const char* lpKey, u32 dwNumber)
{
    std::vector<cSysIniDefault>& list = s.m_vIniDefault;
    list.resize(cSystem::kIniDefaults);
    cSysIniDefault setting = list[k];
    setting.SetNumber(lpKey, dwNumber);
    InsertAt(list, cSystem::kIniDefaults, k, setting);
}

void SetSettingInPlace(cSystem& s, size_t k, const char* lpKey, u32 dwNumber)
{
    s.m_vIniDefault.resize(cSystem::kIniDefaults);
    s.m_vIniDefault[k].SetNumber(lpKey, dwNumber);
}

void InsertStockItem(cSystem& s, size_t k, u8 byValue)
{
    InsertAt(s.m_vStockTarget, cSystem::kStockItems, k, byValue);
}

// The screens' BGM entries of replay and options take the one of free mode.
template <class T>
void CopyFreeToLaterScreens(std::vector<T>& vec)
{
    vec.resize(cSystem::kScreenBgms);
    vec[4] = vec[3];
    vec[5] = vec[3];
}

struct cMemberValue {
    int nMember;  // 0 ends the list
    u32 dwValue;
};

struct cStep {
    u32 dwFrom;   // the step applies to files of versions dwFrom ..
    u32 dwBelow;  // .. dwBelow - 1
    cMemberValue aSet[4];
    void (*pfnEdit)(cSystem& s, u32 dwVersion);
};

// In the order they run; each works on what the earlier ones left.
const cStep kSteps[] = {
    {0, 113, {{8, 0}}, nullptr},
    {0, 157, {{14, 0}}, nullptr},
    {0, 167, {{23, 1}, {24, 1}, {27, 1}, {28, 1}}, nullptr},
    {0, 168, {}, [](cSystem& s, u32) { InsertStockItem(s, 16, 1); }},
    {0, 169, {},
     [](cSystem& s, u32) {
         InsertItem(s.m_vPauseMenu, cSystem::kPauseMenuItems, 1, 1, "オートセーブ");
         InsertText(s, 12, "保存先が不明です！一度は「セーブ」して下さい！");
         InsertText(s, 12, "オートセーブＯＦＦ");
         InsertText(s, 12, "オートセーブＯＮ");
     }},
    {0, 170, {{7, 0}}, nullptr},
    {0, 181, {},
     [](cSystem& s, u32) {
         for (size_t i = 0; i < s.m_vRanking.size() && i < cSystem::kPlayModes; ++i) {
             std::vector<u8>& vItem = s.m_vRanking[i].m_vItem;
             vItem.resize(cSysRanking::kItems, 0);
             vItem[3] = 0;
             vItem[4] = 0;
         }
         InsertText(s, 8, "残りHP");
         InsertText(s, 9, "残りSP");
     }},
    {0, 184, {{10, 1}}, nullptr},
    {0, 185, {{1, 1}}, nullptr},
    {0, 187, {{33, 0}, {34, 0}, {35, 177}, {36, 0}}, nullptr},
    {0, 188, {{25, 1}, {29, 1}, {31, 1}}, nullptr},
    {0, 191, {{18, 0}, {19, 0}}, [](cSystem& s, u32) { s.m_vInfiniteLives = {0, 0, 0, 1}; }},
    {0, 192, {{32, 1}}, nullptr},
    {0, 193, {},
     [](cSystem& s, u32) {
         InsertText(s, 22, "リトライ");
         InsertText(s, 23, "マップへ戻る");
     }},
    {0, 201, {}, [](cSystem& s, u32) { InsertStockItem(s, 14, 0); }},
    {0, 202, {}, [](cSystem& s, u32) { s.m_vScreenBgmLoop.assign(cSystem::kScreenBgms, 1); }},
    {0, 205, {{6, 60}}, nullptr},
    {0, 210, {}, [](cSystem& s, u32) { InsertStockItem(s, 9, 0); }},
    {0, 214, {{37, 1}}, nullptr},
    {0, 224, {{26, 0}, {30, 0}}, nullptr},
    {0, 261, {{39, 1}}, nullptr},
    {0, 272, {{40, 0}}, nullptr},
    {0, 286, {},
     [](cSystem& s, u32) {
         InsertSetting(s, 0, "Direct3D", 1);
         u32& dwVSync = s.m_vIniDefault[3].m_dwNumber;
         if (dwVSync >= 3) dwVSync = 2;
     }},
    {0, 287, {{41, 0}}, nullptr},
    {0, 289, {}, [](cSystem& s, u32) { s.SetMember(43, s.GetMember(33) == 0 ? 1 : 0); }},
    {0, 501, {}, [](cSystem& s, u32) { s.m_vResetAfterDeath.assign(cSystem::kStockItems, 0); }},
    {0, 515, {{42, 16}}, nullptr},
    {0, 525, {{45, 1}}, nullptr},
    {0, 555, {{46, 1}}, nullptr},
    {0, 567, {}, [](cSystem& s, u32) { InsertSetting(s, 4, "DD_VideoStretch", 0); }},
    {0, 568, {},
     [](cSystem& s, u32) {
         InsertSetting(s, 4, "D3D_FontCache", 0);
         InsertSetting(s, 5, "DD_FontCache", 1);
     }},
    {0, 587, {},
     [](cSystem& s, u32) {
         s.m_vStatusItem.resize(cSystem::kStatusItems);
         for (size_t i : {2, 3}) {
             s.m_vStatusItem[i].m_dwBarThreshold = 33;
             s.m_vStatusItem[i].m_dwBarUnit = 1;
         }
     }},
    {0, 637, {}, [](cSystem& s, u32 v) { s.SetMember(47, v <= 616 ? 1 : 0); }},
    {0, 669, {{48, 1}}, nullptr},
    {0, 670, {{92, 0}, {93, 2}}, nullptr},
    {0, 672, {}, [](cSystem& s, u32) { SetSettingInPlace(s, 9, "English", 0); }},
    {0, 677, {{49, 1}}, nullptr},
    {0, 695, {{50, 1}}, nullptr},
    {0, 696, {{51, 1}}, nullptr},
    {0, 697, {{52, 1}}, nullptr},
    {0, 721, {{53, 1}}, nullptr},
    {0, 728, {{54, 1}}, nullptr},
    {0, 733, {{55, 1}}, nullptr},
    {0, 744, {{56, 1}}, nullptr},
    {0, 749, {{57, 1}}, nullptr},
    {0, 752, {{58, 1}}, nullptr},
    {0, 756, {}, [](cSystem& s, u32) { InsertText(s, 22, "マップへ戻る"); }},
    {0, 757, {{44, 0}}, nullptr},
    {0, 763, {{59, 1}, {60, 1}}, nullptr},
    {0, 768, {{61, 1}}, nullptr},
    {0, 773, {{62, 1}}, nullptr},
    {0, 781, {{63, 1}}, nullptr},
    {0, 782, {{64, 1}}, nullptr},
    {0, 783, {{65, 1}}, nullptr},
    {0, 793, {{66, 1}}, nullptr},
    {0, 805, {{67, 1}}, nullptr},
    {0, 808, {{68, 1}}, nullptr},
    {0, 818, {{69, 1}, {70, 1}}, nullptr},
    {0, 819, {{71, 1}}, nullptr},
    {0, 821, {{15, 0}}, nullptr},
    {0, 822, {{72, 1}}, nullptr},
    {0, 827, {{73, 1}}, nullptr},
    {0, 831, {{74, 1}}, nullptr},
    {817, 833, {{75, 1}}, nullptr},
    {0, 837, {{76, 1}}, nullptr},
    {0, 838, {{3, 1}}, nullptr},
    {0, 839, {{77, 1}}, nullptr},
    {0, 841, {{78, 1}}, nullptr},
    {0, 842, {}, [](cSystem& s, u32) { SetSettingInPlace(s, 10, "Midi_DirectMusic", 1); }},
    {0, 845, {{79, 1}, {80, 1}, {81, 1}}, [](cSystem& s, u32 v) { s.SetMember(82, v >= 656 ? 1 : 0); }},
    {0, 855, {{9, 1}}, nullptr},
    {0, 861, {{83, 1}}, nullptr},
    {0, 875, {{84, 1}}, nullptr},
    {822, 894, {{85, 1}}, nullptr},
    {0, 895, {{86, 1}}, nullptr},
    {890, 896, {{87, 1}}, nullptr},
    {0, 897, {{88, 1}}, nullptr},
    {0, 904, {{89, 1}}, nullptr},
    {0, 912, {{90, 1}}, nullptr},
    {0, 913, {{91, 1}}, nullptr},
    {0, 932, {{16, 0}},
     [](cSystem& s, u32) {
         InsertItem(s.m_vOptionMenu, cSystem::kOptionMenuItems, 5, 0, "リプレイ自動保存");
         InsertItem(s.m_vOptionMenu, cSystem::kOptionMenuItems, 6, 0, "リプレイ再生順");
         InsertText(s, 23, "次のリプレイへ");
         InsertText(s, 24, "前のリプレイへ");
         s.m_strOptionHelp = cSystem::Defaults().m_strOptionHelp;
     }},
    {0, 934, {},
     [](cSystem& s, u32) {
         InsertItem(s.m_vOptionMenu, cSystem::kOptionMenuItems, 7, 0, "リプレイのメッセージ自動進行秒数");
     }},
    {0, 942, {},
     [](cSystem& s, u32) {
         CopyFreeToLaterScreens(s.m_vScreenBgm);
         CopyFreeToLaterScreens(s.m_vScreenBgmLoop);
     }},
    {0, 943, {{13, 1}},
     [](cSystem& s, u32) {
         s.SetMember(11, s.GetMember(10));
         InsertText(s, 25, "リプレイの選択へ");
         const std::vector<std::string>& vDefault = cSystem::Defaults().m_vGameText;
         std::copy(vDefault.begin() + 32, vDefault.begin() + 39, s.m_vGameText.begin() + 32);
     }},
};

template <class T>
void FitTo(std::vector<T>& vec, const std::vector<T>& defaults)
{
    if (vec.size() > defaults.size()) vec.resize(defaults.size());
    else vec.insert(vec.end(), defaults.begin() + vec.size(), defaults.end());
}

}  // namespace

void cSystem::Upgrade(u32 dwVersion)
{
    for (const cStep& step : kSteps) {
        if (dwVersion < step.dwFrom || dwVersion >= step.dwBelow) continue;
        for (const cMemberValue& set : step.aSet) {
            if (!set.nMember) break;
            SetMember(set.nMember, set.dwValue);
        }
        if (step.pfnEdit) step.pfnEdit(*this, dwVersion);
    }
}

void cSystem::FitListsToSizes()
{
    const cSystem& d = Defaults();
    FitTo(m_vStockTarget, d.m_vStockTarget);
    FitTo(m_vResetAfterDeath, d.m_vResetAfterDeath);
    FitTo(m_vStatusItem, d.m_vStatusItem);
    FitTo(m_vInitialLives, d.m_vInitialLives);
    FitTo(m_vInfiniteLives, d.m_vInfiniteLives);
    FitTo(m_vRanking, d.m_vRanking);
    for (size_t i = 0; i < m_vRanking.size(); ++i) FitTo(m_vRanking[i].m_vItem, d.m_vRanking[i].m_vItem);
    FitTo(m_vGameText, d.m_vGameText);
    FitTo(m_vSoundEffect, d.m_vSoundEffect);
    FitTo(m_vScreenBgm, d.m_vScreenBgm);
    FitTo(m_vScreenBgmLoop, d.m_vScreenBgmLoop);
    FitTo(m_vTitleMenu, d.m_vTitleMenu);
    FitTo(m_vPauseMenu, d.m_vPauseMenu);
    FitTo(m_vOptionMenu, d.m_vOptionMenu);
    FitTo(m_vRankingKind, d.m_vRankingKind);
    FitTo(m_vIniDefault, d.m_vIniDefault);
}

bool cSystem::Load(cDataReader& file)
{
    const u32 v = g_dwReadVersion;
    const bool bRead = LoadBody(file) && LoadByteVector(m_vStockTarget, file) &&
                       (v < 501 || LoadByteVector(m_vResetAfterDeath, file)) &&
                       LoadRecordList(m_vStatusItem, file) && LoadIntVector(m_vInitialLives, file) &&
                       (v < 191 || LoadIntVector(m_vInfiniteLives, file)) &&
                       (v < 186 || LoadRecordList(m_vRanking, file)) && ReadStringVector(m_vGameText, file) &&
                       ReadStringVector(m_vSoundEffect, file) && LoadIntVector(m_vScreenBgm, file) &&
                       (v < 202 || LoadByteVector(m_vScreenBgmLoop, file)) && LoadRecordList(m_vTitleMenu, file) &&
                       LoadRecordList(m_vPauseMenu, file) && LoadRecordList(m_vOptionMenu, file) &&
                       (v < 674 || ReadStringVector(m_vRankingKind, file)) && LoadRecordList(m_vIniDefault, file);
    if (!bRead || !file.Ok()) return false;
    if (v < kDataVersion) Upgrade(v);
    FitListsToSizes();
    ClampBgmIndices();
    return true;
}
