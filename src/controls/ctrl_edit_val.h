#pragma once
// Typed-value edits: an edit bound to a numeric field of any width. It shows
// the field, lets only digits, '.', a leading '-' and control keys through
// (full-width digits from the input method arrive as ASCII), keeps the value
// within the field's limits and steps it with an optional up-down partner.
// The edit is subclassed under the window property "CTRL_EDITVAL_CLASS".
//
// One template over the field type, cCtrlEditValT<T>; the dialogs use the
// five instances cCtrlEditVal (16-bit), cCtrlEditInt (32-bit),
// cCtrlEditDouble, cCtrlEditChar (signed 8-bit) and cCtrlEditByte (unsigned
// 8-bit). A dialog binds one with its entry's Set (control ID, field,
// minimum, maximum, up-down ID or 0, spin step).
#include "app/value_edit.h"
#include "controls/ctrl.h"

// The up-down partner of a typed-value edit; its edit owns it and handles
// its clicks, so it is never in the dialog's list.
class cCtrlSpin : public cCtrl {
public:
    cCtrlSpin() { m_dwKind = kCtrlSpin; }
    void Attach(cDlgBase* lpOwner, u16 wId, HWND hBuddy);
    // UDM_SETRANGE32 with the limits cut to the 32-bit range.
    void SetRange(double dMin, double dMax);
    HWND GetBuddy() const { return m_hBuddy; }

private:
    HWND m_hBuddy = nullptr;
    u32 m_bNegative = 0;  // the minimum is below 0
};

// Everything that does not depend on the field's type; values travel as
// double, which holds every field type exactly.
class cCtrlEditValBase : public cCtrlEdit {
public:
    cCtrlEditValBase() { m_dwKind = kCtrlEditVal; }
    cCtrlEditValBase(const cCtrlEditValBase&) = default;
    cCtrlEditValBase& operator=(const cCtrlEditValBase&) = default;
    ~cCtrlEditValBase() override;

    int Enable(BOOL bEnable) override;
    void DataToCtrl() override;
    // The text read and clamped to the limits (never while the owner fills
    // its controls).
    void CtrlToData() override;
    // The user changed the text: show the value it reads as, keeping the
    // caret.
    void OnChange() override;
    // A click on the up-down partner steps the value.
    int OnNotify(WPARAM wParam, LPARAM lParam) override;
    // Leaving the edit leaves a formatted value in it.
    void OnKillFocus() override;

    cCtrlSpin& GetSpin() { return m_Spin; }
    const cValueEdit& GetRules() const { return m_Rules; }

protected:
    void AttachEdit(cDlgBase* lpOwner, u16 wId, u16 wSpinId, s32 nTypeCode, double dMin, double dMax, double dStep);
    void SetRangeValue(double dMin, double dMax);
    // Clears the empty flag and shows the value, clamped (the text only).
    void SetDataValue(double dValue);
    void ShowValue(double dValue, bool bForce);
    double ParseTextValue();

    virtual bool HasField() const = 0;
    virtual double ReadField() const = 0;
    virtual void WriteField(double dValue) = 0;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void WriteText(const std::string& str);
    // Types the ASCII twins of the full-width digits of a composition result.
    void TypeImeResult(HWND hWnd);

    cCtrlSpin m_Spin;
    cValueEdit m_Rules;
};

template <class T>
class cCtrlEditValT : public cCtrlEditValBase {
public:
    struct cSetup {
        u16 wSetupId = 0;
        T* lpSetupValue = nullptr;
        T setupMin = 0;
        T setupMax = 0;
        u16 wSetupSpinId = 0;
        T setupStep = 1;
        void Set(u16 wId, T* lpValue, T min, T max, u16 wSpinId, T step)
        {
            wSetupId = wId;
            lpSetupValue = lpValue;
            setupMin = min;
            setupMax = max;
            wSetupSpinId = wSpinId;
            setupStep = step;
        }
        void SetInfo(u16 wId, T* lpValue, T min, T max, u16 wSpinId, T step)
        {
            Set(wId, lpValue, min, max, wSpinId, step);
        }
    };

    void Attach(cDlgBase* lpOwner, const cSetup& setup)
    {
        m_lpValue = setup.lpSetupValue;
        AttachEdit(lpOwner, setup.wSetupId, setup.wSetupSpinId, ValTypeCode<T>(), setup.setupMin,
                   setup.setupMax, setup.setupStep);
    }
    // New limits for the edit and its partner; the text stays as it is.
    void SetRange(T min, T max) { SetRangeValue(min, max); }
    // Shows a value without touching the field.
    void SetData(T value) { SetDataValue(value); }
    void SetValue(T value, bool bForce) { ShowValue(value, bForce); }
    // The value the text reads as: in the type's range, not yet clamped to
    // the limits.
    T ParseText() { return static_cast<T>(ParseTextValue()); }

protected:
    bool HasField() const override { return m_lpValue != nullptr; }
    double ReadField() const override { return static_cast<double>(*m_lpValue); }
    void WriteField(double dValue) override { *m_lpValue = static_cast<T>(dValue); }

private:
    T* m_lpValue = nullptr;
};

using cCtrlEditVal = cCtrlEditValT<s16>;
using cCtrlEditInt = cCtrlEditValT<s32>;
using cCtrlEditDouble = cCtrlEditValT<double>;
using cCtrlEditChar = cCtrlEditValT<s8>;
using cCtrlEditByte = cCtrlEditValT<u8>;
// The setup records by their own names.
using cEditBinding = cCtrlEditDouble::cSetup;
using cEditCharBinding = cCtrlEditChar::cSetup;
using cEditSpinBinding = cCtrlEditByte::cSetup;
