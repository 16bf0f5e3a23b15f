#pragma once
// A drop-down list bound to an integer field: list position p stores
// base + p, or table[p] with a conversion table; no selection stores
// base - 1. The items come from an array of texts ending with an empty one,
// or from a vector of texts that must outlive the combo's use of it.
//
// One template over the field type, cCtrlComboT<T>; the dialogs use
// cCtrlCombo (signed 8-bit), cCtrlCombo16 and cCtrlCombo32.
#include <string>
#include <vector>

#include "controls/ctrl.h"

class cCtrlComboBase : public cCtrl {
public:
    cCtrlComboBase() { m_dwKind = kCtrlCombo; }
    // The selected position, -1 for none.
    int GetCurSel() const;
    void SetCurSel(int nPos);
    int GetCount() const;

protected:
    // Empties the list and adds the items of the array, else of the vector.
    void FillList();
    void ReportPosFailure() const;
    void ReportAdjustWithTable() const;
    void ReportSetMinWithTable() const;

    const char* const* m_lpItems = nullptr;
    const std::vector<std::string>* m_lpItemList = nullptr;
};

template <class T>
class cCtrlComboT : public cCtrlComboBase {
public:
    struct cSetup {
        u16 wSetupId = 0;
        T* lpSetupValue = nullptr;
        const char* const* lpSetupItems = nullptr;
        const std::vector<std::string>* lpSetupItemList = nullptr;
        T setupBase = 0;
        const std::vector<T>* lpSetupTable = nullptr;
        void Set(u16 wId, T* lpValue, const char* const* lpItems, T base)
        {
            wSetupId = wId;
            lpSetupValue = lpValue;
            lpSetupItems = lpItems;
            lpSetupItemList = nullptr;
            setupBase = base;
            lpSetupTable = nullptr;
        }
        void SetList(u16 wId, T* lpValue, const std::vector<std::string>* lpItemList, T base)
        {
            Set(wId, lpValue, nullptr, base);
            lpSetupItemList = lpItemList;
        }
        // Stores table[position] instead of base + position.
        void SetTable(const std::vector<T>* lpTable) { lpSetupTable = lpTable; }
    };

    void Attach(cDlgBase* lpOwner, const cSetup& setup)
    {
        cCtrl::Attach(lpOwner, setup.wSetupId);
        m_lpValue = setup.lpSetupValue;
        m_lpItems = setup.lpSetupItems;
        m_lpItemList = setup.lpSetupItemList;
        if (m_lpItems || m_lpItemList) FillList();
        m_Base = setup.setupBase;
        m_lpTable = setup.lpSetupTable;
    }

    // A new item source, the selected value kept where the list still has it.
    void SetItems(const char* const* lpItems) { Refill(lpItems, nullptr); }
    void SetItems(const std::vector<std::string>* lpItemList) { Refill(nullptr, lpItemList); }

    int DataToPos(T value) const { return Map().DataToPos(value); }
    T PosToData(int nPos) const
    {
        T value;
        if (!Map().PosToData(nPos, value)) ReportPosFailure();
        return value;
    }
    T GetCurData() const { return PosToData(GetCurSel()); }
    void SetCurData(T value) { SetCurSel(DataToPos(value)); }
    // Selects the first item when the value lies below the items, the last
    // when above (not for combos with a conversion table).
    void Adjust()
    {
        if (m_lpTable) {
            ReportAdjustWithTable();
            return;
        }
        const int nPos = Map().AdjustPos(GetCurData(), GetCount());
        if (nPos >= 0) SetCurSel(nPos);
    }

    // A new base: the rows are rebuilt from the base up and a shown value
    // below it is raised to it. The bound field is written only by the
    // controls-to-data pass, so a dialog that moves a base and is then
    // cancelled leaves its record as it was. Refused with a conversion table.
    void SetMin(T min)
    {
        if (m_lpTable) {
            ReportSetMinWithTable();
            return;
        }
        T value = GetCurSel() < 0 ? min : GetCurData();
        if (value < min) value = min;
        m_Base = min;
        FillList();
        SetCurData(value);
    }
    T GetBase() const { return m_Base; }

    void DataToCtrl() override
    {
        if (m_lpValue) SetCurData(*m_lpValue);
    }
    void CtrlToData() override
    {
        if (OwnerUpdating() || !m_lpValue || !m_hWnd) return;
        *m_lpValue = GetCurData();
    }

private:
    cComboMap<T> Map() const { return cComboMap<T>(m_Base, m_lpTable); }
    void Refill(const char* const* lpItems, const std::vector<std::string>* lpItemList)
    {
        m_lpItems = lpItems;
        m_lpItemList = lpItemList;
        const T value = GetCurData();
        FillList();
        SetCurData(value);
        Adjust();
    }

    T* m_lpValue = nullptr;
    T m_Base = 0;
    const std::vector<T>* m_lpTable = nullptr;
};

using cCtrlCombo = cCtrlComboT<s8>;
using cCtrlCombo16 = cCtrlComboT<s16>;
using cCtrlCombo32 = cCtrlComboT<s32>;
