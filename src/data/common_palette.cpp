#include "data/common_palette.h"

#include "data/palette_set.h"
#include "data/prj_option.h"

namespace {

// A list with fewer than 2 entries is brought to 2; entry 1 becomes the
// project options' default entry of the type. True when it was.
template <class D>
bool RaiseToMinimum(std::vector<D>& list)
{
    if (list.size() >= 2) return false;
    list.resize(2);
    list[1] = ProjectOptions().DefaultEntry<D>();
    return true;
}

}  // namespace

const cFieldTable& cCommonPalette::FieldTable()
{
    static const cFieldTable s_Empty{};
    return s_Empty;
}

bool cCommonPalette::Load(cDataReader& file)
{
    // Entries that name the common palette as their source read it as the
    // file fills it.
    cPaletteScope scope(ePaletteSide::Common, m_Lists);
    if (!LoadBody(file) || !m_Lists.Load(file)) return false;
    m_Lists.ResetEmptyEntries();
    m_Lists.ClearInheritFlags();
    EnsureMinimum();
    return file.Ok();
}

void cCommonPalette::Save(cDataWriter& file) const
{
    const_cast<cCommonPalette&>(*this).EnsureMinimum();
    SaveBody(file);
    m_Lists.Save(file);
}

void cCommonPalette::EnsureMinimum()
{
    cPaletteScope scope(ePaletteSide::Common, m_Lists);
    RaiseToMinimum(m_Lists.m_vBlock);
    RaiseToMinimum(m_Lists.m_vChara);
    RaiseToMinimum(m_Lists.m_vItem);
    m_Lists.ValidateAll();
}

void cCommonPalette::ValidateRefs(bool bItemRefs)
{
    cPaletteScope scope(ePaletteSide::Common, m_Lists);
    m_Lists.ValidateFirst();
    if (bItemRefs) m_Lists.ValidateSecond();
}
