#pragma once
// What a command's one-line summary shows of the loaded project: the names
// of database records, the display times of an animation or an effect, the
// names of palette entries and of the project's and the stage's variables.
// The project installs its answerer when it is loaded; until then (and in
// tests that don't set one) every name is empty and no time is known. Every
// lookup is bounded: an index a list doesn't have gives an empty name.
#include <vector>

#include "app/types.h"
#include "data/palette_refs.h"
#include "flow/flow_refs.h"

enum class eVarScope : u8 { Common, Stage };

class cSummaryRefs {
public:
    virtual ~cSummaryRefs() = default;
    // The name of a record of a database table; "" for an index the table
    // doesn't have.
    virtual const char* RecordName(eFlowRefTable eTable, long long nIndex) const = 0;
    // The display times, in order, of an animation's patterns (Anime) or of
    // an effect's frames (Effect); false, and no times, for an index the
    // table doesn't have or a table without such times.
    virtual bool DisplayTimes(eFlowRefTable eTable, long long nIndex, std::vector<u32>& times) const = 0;
    // The first of the five parameters of a chara effect (CharaEffect) or a
    // screen effect (ScrEffect); 0 for an index the table doesn't have.
    virtual s32 FirstEffectParam(eFlowRefTable eTable, long long nIndex) const = 0;
    // The name of an entry of a palette list; "" past the list's end.
    virtual const char* EntryName(ePaletteList eList, long long nIndex) const = 0;
    // The name of the project's (common) or the stage's variable of a
    // number; "" for a number the list doesn't have.
    virtual const char* VarName(eVarScope eScope, long long nNumber) const = 0;
};

// The answerer in use; one that knows nothing when none is set.
const cSummaryRefs& SummaryRefs();
// Installs an answerer (null restores the one that knows nothing).
void SetSummaryRefs(const cSummaryRefs* lpRefs);
