#include "flow/option_names.h"
#include "flow/shot_tables.h"

DEFINE_NAME_TABLE(g_ShotPatternNames, "直進A", "直進B", "拡散", "落雷", "爆発", "包囲");
DEFINE_NAME_TABLE(g_ShotAimNames,
                  "直進",
                  "主人公を狙う",
                  "近いキャラを狙う",
                  "ターゲットを狙う",
                  "主人公へ誘導",
                  "近いキャラへ誘導（対象死亡時、誘導を無効化）",
                  "ターゲットへ誘導",
                  "近いキャラへ誘導（対象死亡時、対象を変更）",
                  "ウェーブ",
                  "落下");
DEFINE_NAME_TABLE(g_AimSubjectNames, "ターゲット", "主人公", "自分");
DEFINE_NAME_TABLE(g_BlockSummonModeNames, "ブロックを召喚", "ブロックを消す",
                  "ブロックがなければ召喚、ブロックがあれば消す");
DEFINE_NAME_TABLE(g_SummonForceNames, "パレットの設定に準ずる", "使用者と同じ", "番号で指定");
DEFINE_NAME_TABLE(g_DropPaletteNames, "なし", "コモンパレット", "ステージパレット");
DEFINE_NAME_TABLE(g_DropPaletteCommonNames, "なし", "コモンパレット");

namespace {

constexpr cValueDesc kInterval{"間隔(hbl)", 0, 40, 0};
constexpr cValueDesc kCourseChange{"軌道変更(hbl)", 0, 40, 0};
constexpr cValueDesc kTargetForce{"対象勢力", 0, 7, 0};
constexpr cValueDesc kHomingStart{"誘導開始(hbl)", 0, 40, 0};
constexpr cValueDesc kHomingEnd{"誘導終了(hbl)", 0, 999, 999};
constexpr cValueDesc kUnused{};

constexpr cValueSlots kPatterns[] = {
    {{kInterval, kUnused, kUnused}},                                                      // 直進A
    {{kInterval, kUnused, kUnused}},                                                      // 直進B
    {{{"角度", 0, 180, 30}, kUnused, kUnused}},                                           // 拡散
    {{kInterval, {"列の数", 1, 50, 1}, {"列の間隔(hbl)", 0, 40, 0}}},                     // 落雷
    {{kUnused, kUnused, kUnused}},                                                        // 爆発
    {{{"距離(hbl)", 0, 40, 6}, kUnused, kUnused}},                                        // 包囲
};

constexpr cValueSlots kAims[] = {
    {{kUnused, kUnused, kUnused}},                                                        // 直進
    {{kCourseChange, kUnused, kUnused}},                                                  // 主人公を狙う
    {{kCourseChange, kTargetForce, kUnused}},                                             // 近いキャラを狙う
    {{kCourseChange, kUnused, kUnused}},                                                  // ターゲットを狙う
    {{kHomingStart, kHomingEnd, kUnused}},                                                // 主人公へ誘導
    {{kHomingStart, kHomingEnd, kTargetForce}},                                           // 近いキャラへ誘導（誘導を無効化）
    {{kHomingStart, kHomingEnd, kUnused}},                                                // ターゲットへ誘導
    {{kHomingStart, kHomingEnd, kTargetForce}},                                           // 近いキャラへ誘導（対象を変更）
    {{{"波の最大(hbl)", 0, 100, 4}, {"波の速度", 0, 100, 4}, {"開始角度", 0, 359, 0}}},   // ウェーブ
    {{kCourseChange, kUnused, kUnused}},                                                  // 落下
};

const cValueDesc& SlotOf(const cDescTable<cValueSlots>& table, u32 nIndex, u32 nSlot)
{
    static const cValueDesc s_Unused{};
    return nSlot < kShotValueSlots ? table.At(nIndex).m_aSlot[nSlot] : s_Unused;
}

}  // namespace

const cDescTable<cValueSlots> g_PatternValues(kPatterns);
const cDescTable<cValueSlots> g_AimValues(kAims);

const cValueDesc& PatternValueDesc(u32 nPattern, u32 nSlot) { return SlotOf(g_PatternValues, nPattern, nSlot); }
const cValueDesc& AimValueDesc(u32 nAim, u32 nSlot) { return SlotOf(g_AimValues, nAim, nSlot); }
