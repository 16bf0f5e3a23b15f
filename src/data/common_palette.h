#pragma once
// The common palette (data\CommonPalette.cplt4): the block, chara and item
// entries that every stage can place or inherit from. Its entries never
// inherit themselves. Every list holds at least the empty entry and one
// entry of the user's.
#include "data/palette_lists.h"

class cCommonPalette : public cEdRecord<cCommonPalette> {
public:
    cCommonPalette() = default;

    // Registers no fields.
    static const cFieldTable& FieldTable();
    // The base body (no fields), the three lists; entry 0 of each list back
    // to its defaults, every inherit flag 0, then EnsureMinimum.
    bool Load(cDataReader& file) override;
    // Saving brings the palette itself to its minimum first.
    void Save(cDataWriter& file) const override;

    // A list with fewer than 2 entries gets 2, entry 1 a copy of the project
    // options' default entry of its type; then both checks of every entry.
    void EnsureMinimum();
    // The first check of every entry, and with bItemRefs the second.
    void ValidateRefs(bool bItemRefs);

    friend bool operator==(const cCommonPalette& a, const cCommonPalette& b) { return a.m_Lists == b.m_Lists; }

    cPaletteLists m_Lists;
};
