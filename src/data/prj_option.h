#pragma once
// The project options (data\PrjOption.dat): the entries and inherit
// settings that new palette entries start from, the game program used for
// test play, what a stage save does with the file of an older version, and
// the timed-backup settings.
#include <string>
#include <vector>

#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"

class cPrjOption : public cEdRecord<cPrjOption> {
public:
    // The three inherit settings: the first is given to entry 1 of a new
    // stage palette ("ステージ"), the second to a pen picked from the common
    // palette ("コモン→配置"), the third to a pen picked from the stage
    // palette ("ステージ→配置").
    static constexpr size_t kInheritSets = 3;
    static constexpr size_t kEntryTypes = 3;  // block, chara, item

    // What a stage save does with the file of an older version.
    enum : u32 {
        kOldStageMove = 0,    // "旧バージョンのステージファイルを「old_ver」フォルダへ移動"
        kOldStageKeep = 1,    // "旧バージョンのステージファイルをそのまま残す"
        kOldStageDelete = 2,  // "旧バージョンのステージファイルを削除"
    };

    cPrjOption();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;

    // The default entry, inherit kind and inherit flags of a type.
    template <class D> const D& DefaultEntry() const;
    template <class D> u32 DefaultInheritKind(size_t nSet) const { return m_adwDefInheritKind[nSet][TypeIndex<D>()]; }
    template <class D> const std::vector<u8>& DefaultInheritFlags(size_t nSet) const
    {
        return m_vDefInheritCheck[nSet][TypeIndex<D>()];
    }

    friend bool operator==(const cPrjOption& a, const cPrjOption& b);
    friend bool operator!=(const cPrjOption& a, const cPrjOption& b) { return !(a == b); }

    cEdBlock m_DefBlock;
    cEdChara m_DefChara;
    cEdItem m_DefItem;
    u32 m_adwDefInheritKind[kInheritSets][kEntryTypes];          // 0 none, 1 common, 2 stage palette
    std::vector<u8> m_vDefInheritCheck[kInheritSets][kEntryTypes];  // a flag per property group
    u32 m_dwFindGame;          // 1: the game program is found among the project's .exe files
    std::string m_strGameFile; // the game program when it isn't searched for
    u32 m_dwOldStageFiles;
    u32 m_dwBackupOn;          // the timed backup runs at start-up
    u32 m_dwBackupInterval;    // hours between timed backups
    u32 m_dwLastBackup;        // minutes since the system started, at the last backup

private:
    template <class D> static constexpr size_t TypeIndex() { return static_cast<size_t>(D::kEntryType); }
    void MigrateFlags(u32 dwVersion, const bool (&bRead)[kInheritSets]);
};

template <> inline const cEdBlock& cPrjOption::DefaultEntry<cEdBlock>() const { return m_DefBlock; }
template <> inline const cEdChara& cPrjOption::DefaultEntry<cEdChara>() const { return m_DefChara; }
template <> inline const cEdItem& cPrjOption::DefaultEntry<cEdItem>() const { return m_DefItem; }

// The choices of the old-stage-file setting, ended by an empty text.
extern const char* const g_lpOldStageFileChoices[];

// The project options in use: the start-up installs the project's object
// (it must outlive the installation); until then default options answer.
const cPrjOption& ProjectOptions();
void SetProjectOptions(const cPrjOption* lpOptions);
