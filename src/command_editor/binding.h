#pragma once
// One bound control of a descriptor-driven dialog: the control wrapper of its
// row's kind over the field's own type, made from the row and the field's
// address. The dialog reads and drives every binding through this one face.
#include <memory>
#include <string>
#include <vector>

#include "command_editor/bind_rows.h"
#include "controls/ctrl.h"

class cDlgBase;

class cBinding {
public:
    explicit cBinding(const cBindRow& row) : m_Row(row) {}
    virtual ~cBinding() = default;
    cBinding(const cBinding&) = delete;
    cBinding& operator=(const cBinding&) = delete;

    virtual cCtrl& Ctrl() = 0;
    // Attaches the wrapper to its control in the owner's window.
    virtual void Attach(cDlgBase* lpOwner) = 0;
    // The value the control shows; false when it shows none (a combo without
    // a selection, a button).
    virtual bool ReadCtrl(s64& nValue) { (void)nValue; return false; }
    // The value of the bound field.
    virtual bool ReadField(s64& nValue) const { (void)nValue; return false; }
    // New rows for a combo, its shown value kept where the rows still have it.
    virtual void SetItems(const std::vector<std::string>* lpItems) { (void)lpItems; }
    // A new base for a combo: its rows are renumbered and a shown value
    // below the base is raised to it; the field is written only by OK.
    virtual void SetBase(s32 nBase) { (void)nBase; }
    // New limits for an edit; a shown value outside them is shown clamped.
    virtual void SetRange(double dMin, double dMax) { (void)dMin, (void)dMax; }
    // Shows a value as the user's own (an edit clamps it); the field follows on OK.
    virtual void ShowValue(double dValue) { (void)dValue; }
    virtual void SetCheck(int nState) { (void)nState; }

    const cBindRow& Row() const { return m_Row; }
    u16 GetId() const { return m_Row.m_wId; }

    // The rows a combo shows, and the source they were built from.
    std::vector<std::string> m_Items;
    cItemSource m_ItemSource;
    bool m_bHasItems = false;

protected:
    cBindRow m_Row;
};

// The binding of a row over a field at lpField (null for rows without one);
// null when the row's kind can't bind a field of that type.
std::unique_ptr<cBinding> MakeBinding(const cBindRow& row, void* lpField);
