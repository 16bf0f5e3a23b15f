#pragma once
// The palettes that entries inherit from and that stored references are
// checked against: the common palette and the open stage's own palette.
// The start-up installs the project's two (InstallPalettes); while a stage
// or a palette file is read into a scratch object, or a stage that is not
// the open one is worked on, a scope lets its lists stand for that palette.
#include "data/palette_lists.h"
#include "data/palette_refs.h"

class cCommonPalette;
class cStage;

enum class ePaletteSide : u8 { Common, Stage };

class cPaletteSet : public cPaletteRefs {
public:
    // A palette that the set doesn't hold is answered by lpOthers (when
    // given), else it is not known.
    explicit cPaletteSet(const cPaletteRefs* lpOthers = nullptr) : m_lpOthers(lpOthers) {}

    void Set(ePaletteSide eSide, const cPaletteLists* lpLists)
    {
        (eSide == ePaletteSide::Stage ? m_lpStage : m_lpCommon) = lpLists;
    }

    u32 Count(ePaletteList eList) const override;
    void ApplyInheritance(cEdBlock& entry) const override { Apply(entry); }
    void ApplyInheritance(cEdChara& entry) const override { Apply(entry); }
    void ApplyInheritance(cEdItem& entry) const override { Apply(entry); }

private:
    const cPaletteLists* Side(bool bStage) const { return bStage ? m_lpStage : m_lpCommon; }
    template <class D> void Apply(D& entry) const;

    const cPaletteLists* m_lpCommon = nullptr;
    const cPaletteLists* m_lpStage = nullptr;
    const cPaletteRefs* m_lpOthers;
};

// While it lives, the lists stand for one palette; the other palette stays
// as it was installed. Scopes nest; each puts back what it found.
class cPaletteScope {
public:
    cPaletteScope(ePaletteSide eSide, const cPaletteLists& lists);
    ~cPaletteScope();
    cPaletteScope(const cPaletteScope&) = delete;
    cPaletteScope& operator=(const cPaletteScope&) = delete;

private:
    const cPaletteRefs* m_lpPrevious;
    cPaletteSet m_Set;
};

// Installs the project's common palette and stage as the palettes (they must
// outlive the installation); RemovePalettes forgets them.
void InstallPalettes(const cCommonPalette& common, const cStage& stage);
void RemovePalettes();
