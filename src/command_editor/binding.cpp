#include "command_editor/binding.h"

#include "controls/ctrl_check.h"
#include "controls/ctrl_combo.h"
#include "controls/ctrl_edit_val.h"
#include "controls/ctrl_picture.h"
#include "controls/ctrl_slider.h"
#include "controls/ctrl_text.h"
#include "framework/dlg_base.h"

namespace {

template <class W>
class cBindingOf : public cBinding {
public:
    using cBinding::cBinding;
    cCtrl& Ctrl() override { return m_Entry; }
    void Attach(cDlgBase* lpOwner) override
    {
        m_Entry.AttachDesc(lpOwner);
        lpOwner->AddCtrl(&m_Entry);
    }

protected:
    cCtrlDesc<W> m_Entry;
};

class cBoundButton : public cBindingOf<cCtrlPlain> {
public:
    explicit cBoundButton(const cBindRow& row) : cBindingOf(row) { m_Entry.SetId(row.m_wId); }
};

class cBoundPicture : public cBindingOf<cCtrlPicture> {
public:
    explicit cBoundPicture(const cBindRow& row) : cBindingOf(row) { m_Entry.Set(row.m_wId, 0, 0, -1, -1); }
};

template <class T>
class cBoundCheck : public cBindingOf<cCtrlCheckT<T>> {
public:
    cBoundCheck(const cBindRow& row, T* lpField) : cBindingOf<cCtrlCheckT<T>>(row), m_lpField(lpField)
    {
        this->m_Entry.Set(row.m_wId, lpField);
    }
    bool ReadCtrl(s64& nValue) override
    {
        nValue = this->m_Entry.GetCheck();
        return true;
    }
    bool ReadField(s64& nValue) const override
    {
        nValue = *m_lpField;
        return true;
    }
    void SetCheck(int nState) override { this->m_Entry.SetCheck(static_cast<T>(nState)); }

private:
    T* m_lpField;
};

template <class T>
class cBoundEdit : public cBindingOf<cCtrlEditValT<T>> {
public:
    cBoundEdit(const cBindRow& row, T* lpField) : cBindingOf<cCtrlEditValT<T>>(row), m_lpField(lpField)
    {
        this->m_Entry.Set(row.m_wId, lpField, static_cast<T>(row.m_dMin), static_cast<T>(row.m_dMax), row.m_wSpin,
                          static_cast<T>(row.m_dStep));
    }
    bool ReadCtrl(s64& nValue) override
    {
        nValue = static_cast<s64>(this->m_Entry.GetRules().Clamp(static_cast<double>(this->m_Entry.ParseText())));
        return true;
    }
    bool ReadField(s64& nValue) const override
    {
        nValue = static_cast<s64>(*m_lpField);
        return true;
    }
    void SetRange(double dMin, double dMax) override
    {
        const double dShown = static_cast<double>(this->m_Entry.ParseText());
        this->m_Entry.SetRange(static_cast<T>(dMin), static_cast<T>(dMax));
        if (dShown < dMin || dShown > dMax) ShowValue(dShown);
    }
    void ShowValue(double dValue) override
    {
        this->m_Entry.SetData(static_cast<T>(this->m_Entry.GetRules().Clamp(dValue)));
    }

private:
    T* m_lpField;
};

template <class T>
class cBoundCombo : public cBindingOf<cCtrlComboT<T>> {
public:
    cBoundCombo(const cBindRow& row, T* lpField) : cBindingOf<cCtrlComboT<T>>(row), m_lpField(lpField)
    {
        this->m_Entry.SetList(row.m_wId, lpField, &this->m_Items, static_cast<T>(row.m_nBase));
    }
    bool ReadCtrl(s64& nValue) override
    {
        if (this->m_Entry.GetCurSel() < 0) return false;
        nValue = this->m_Entry.GetCurData();
        return true;
    }
    bool ReadField(s64& nValue) const override
    {
        nValue = *m_lpField;
        return true;
    }
    void SetItems(const std::vector<std::string>* lpItems) override { this->m_Entry.SetItems(lpItems); }
    // A value the rows don't have selects the nearest row.
    void ShowValue(double dValue) override
    {
        this->m_Entry.SetCurData(static_cast<T>(dValue));
        this->m_Entry.Adjust();
    }
    void SetBase(s32 nBase) override { this->m_Entry.SetMin(static_cast<T>(nBase)); }

private:
    T* m_lpField;
};

class cBoundText : public cBindingOf<cCtrlText> {
public:
    cBoundText(const cBindRow& row, std::string* lpField) : cBindingOf(row)
    {
        if (row.m_nLines) m_Entry.SetLines(row.m_wId, lpField, row.m_bDbcs, row.m_nLineWidth, row.m_nLines);
        else m_Entry.Set(row.m_wId, lpField, row.m_nTextMax, row.m_bDbcs);
    }
};

class cBoundSlider : public cBindingOf<cCtrlSlider> {
public:
    cBoundSlider(const cBindRow& row, s32* lpField) : cBindingOf(row), m_lpField(lpField)
    {
        m_Entry.SetInfo(row.m_wId, lpField, static_cast<s32>(row.m_dMin), static_cast<s32>(row.m_dMax), row.m_nPage,
                        1, row.m_wSpin);
    }
    bool ReadCtrl(s64& nValue) override
    {
        nValue = m_Entry.GetPos();
        return true;
    }
    bool ReadField(s64& nValue) const override
    {
        nValue = *m_lpField;
        return true;
    }
    void ShowValue(double dValue) override { m_Entry.SetPos(static_cast<s32>(dValue)); }

private:
    s32* m_lpField;
};

// The binding of a typed wrapper over the field's own type.
template <template <class> class B, bool bDouble>
std::unique_ptr<cBinding> Typed(const cBindRow& row, void* lpField)
{
    switch (row.m_Field.m_nType) {
    case kValTypeS8: return std::make_unique<B<s8>>(row, static_cast<s8*>(lpField));
    case kValTypeU8: return std::make_unique<B<u8>>(row, static_cast<u8*>(lpField));
    case kValTypeS16: return std::make_unique<B<s16>>(row, static_cast<s16*>(lpField));
    case kValTypeU16: return std::make_unique<B<u16>>(row, static_cast<u16*>(lpField));
    case kValTypeS32: return std::make_unique<B<s32>>(row, static_cast<s32*>(lpField));
    case kValTypeU32: return std::make_unique<B<u32>>(row, static_cast<u32*>(lpField));
    case kValTypeDouble:
        if constexpr (bDouble) return std::make_unique<B<double>>(row, static_cast<double*>(lpField));
        return nullptr;
    default: return nullptr;
    }
}

// The records keep signed values in unsigned fields where their ranges go
// below 0: an edit whose limits do reads its field as the signed number of
// the same width.
cBindRow SignedWhereNegative(const cBindRow& row)
{
    cBindRow r = row;
    if (r.m_eKind != eBind::Edit || r.m_dMin >= 0) return r;
    switch (r.m_Field.m_nType) {
    case kValTypeU8: r.m_Field.m_nType = kValTypeS8; break;
    case kValTypeU16: r.m_Field.m_nType = kValTypeS16; break;
    case kValTypeU32: r.m_Field.m_nType = kValTypeS32; break;
    default: break;
    }
    return r;
}

}  // namespace

std::unique_ptr<cBinding> MakeBinding(const cBindRow& rowAsGiven, void* lpField)
{
    const cBindRow row = SignedWhereNegative(rowAsGiven);
    switch (row.m_eKind) {
    case eBind::Button: return std::make_unique<cBoundButton>(row);
    case eBind::Picture: return std::make_unique<cBoundPicture>(row);
    default: break;
    }
    if (!lpField) return nullptr;
    switch (row.m_eKind) {
    // Edits of doubles exist; combos and check boxes of doubles don't.
    case eBind::Check: return Typed<cBoundCheck, false>(row, lpField);
    case eBind::Edit: return Typed<cBoundEdit, true>(row, lpField);
    case eBind::Combo: return Typed<cBoundCombo, false>(row, lpField);
    case eBind::Text:
        if (row.m_Field.m_nType != kValTypeString) return nullptr;
        return std::make_unique<cBoundText>(row, static_cast<std::string*>(lpField));
    case eBind::Slider:
        if (row.m_Field.m_nType != kValTypeS32) return nullptr;
        return std::make_unique<cBoundSlider>(row, static_cast<s32*>(lpField));
    default: return nullptr;
    }
}
