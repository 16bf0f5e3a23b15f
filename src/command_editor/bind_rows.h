#pragma once
// The binding rows of descriptor-driven dialogs: each row ties one control ID
// to one field, with the control's kind, limits, spin partner, step, item
// source and base. A field is named by where it lives (the command, one of
// its parameters, a sub-record, a condition, a value of the dialog) and by
// its C++ type, so that every control writes exactly its field's width.
#include <array>
#include <string>
#include <type_traits>

#include "app/value_edit.h"
#include "command_editor/rules/item_source.h"

class cCommand;
class cEdMove;
class cEdShot;
class cCondList;
class cCondItem;
class cEdKeyCond;

// Where a bound field lives.
enum class eFieldHome : u8 {
    None,
    Command,   // a member of the command
    Param,     // an element of the command's parameters (32-bit)
    Move,      // a member of the command's move record
    Shot,      // a member of the command's shot record
    CondList,  // a member of the command's condition list
    CondItem,  // a member of the condition a condition dialog edits
    KeyCond,   // a member of the key condition
    Local,     // a 32-bit value of the dialog itself
    Count
};

// The type code of a string field.
constexpr s32 kValTypeString = 100;

struct cFieldRef {
    eFieldHome m_eHome = eFieldHome::None;
    s32 m_nType = kValTypeOther;
    u16 m_nIndex = 0;  // Param and Local
    void* (*m_pfnAddress)(void* lpRecord) = nullptr;
};

namespace bind_detail {
template <class T> struct cMember;
template <class C, class M> struct cMember<M C::*> {
    using Class = C;
    using Type = M;
};
template <auto P> void* Address(void* lpRecord)
{
    using C = typename cMember<decltype(P)>::Class;
    return &(static_cast<C*>(lpRecord)->*P);
}
template <auto P, size_t I> void* ElementAddress(void* lpRecord)
{
    using C = typename cMember<decltype(P)>::Class;
    return &(static_cast<C*>(lpRecord)->*P)[I];
}
template <class M> constexpr s32 TypeOf()
{
    if constexpr (std::is_same<M, std::string>::value) return kValTypeString;
    else return ValTypeCode<M>();
}
}  // namespace bind_detail

// A member of the record of its home: Field<eFieldHome::Move, &cEdMove::m_nMode>().
template <eFieldHome H, auto P>
constexpr cFieldRef Field()
{
    using M = typename bind_detail::cMember<decltype(P)>::Type;
    static_assert(bind_detail::TypeOf<M>() != kValTypeOther, "a bound field is a number of 1 to 4 bytes, a double or a string");
    return cFieldRef{H, bind_detail::TypeOf<M>(), 0, &bind_detail::Address<P>};
}
// Element I of an array member: ElementField<eFieldHome::Shot, &cEdShot::m_wAimValue, 2>().
template <eFieldHome H, auto P, size_t I>
constexpr cFieldRef ElementField()
{
    using A = typename bind_detail::cMember<decltype(P)>::Type;
    static_assert(std::is_array<A>::value && I < std::extent<A>::value, "an element of an array member");
    using M = std::remove_extent_t<A>;
    static_assert(bind_detail::TypeOf<M>() != kValTypeOther, "a bound field is a number of 1 to 4 bytes");
    return cFieldRef{H, bind_detail::TypeOf<M>(), 0, &bind_detail::ElementAddress<P, I>};
}
template <auto P> constexpr cFieldRef CmdField() { return Field<eFieldHome::Command, P>(); }
template <auto P> constexpr cFieldRef MoveField() { return Field<eFieldHome::Move, P>(); }
template <auto P> constexpr cFieldRef ShotField() { return Field<eFieldHome::Shot, P>(); }
template <auto P, size_t I> constexpr cFieldRef ShotElement() { return ElementField<eFieldHome::Shot, P, I>(); }
template <auto P> constexpr cFieldRef CondListField() { return Field<eFieldHome::CondList, P>(); }
template <auto P> constexpr cFieldRef CondField() { return Field<eFieldHome::CondItem, P>(); }
template <auto P> constexpr cFieldRef KeyCondField() { return Field<eFieldHome::KeyCond, P>(); }
constexpr cFieldRef ParamField(u16 nIndex) { return cFieldRef{eFieldHome::Param, kValTypeS32, nIndex, nullptr}; }
constexpr cFieldRef LocalField(u16 nIndex) { return cFieldRef{eFieldHome::Local, kValTypeS32, nIndex, nullptr}; }

enum class eBind : u8 { Check, Edit, Combo, Text, Slider, Button, Picture };

struct cBindRow {
    u16 m_wId = 0;
    eBind m_eKind = eBind::Button;
    cFieldRef m_Field;
    // Edit and slider limits; a parameter row without limits of its own takes
    // the range of the parameter's description.
    bool m_bOwnRange = false;
    double m_dMin = 0;
    double m_dMax = 0;
    double m_dStep = 1;
    u16 m_wSpin = 0;     // the edit's up-down partner, or the slider's partner edit
    s32 m_nPage = 0;     // slider page
    // Combo rows and the data value of row 0; a parameter row without a
    // source of its own shows the parameter's names from its minimum.
    cItemSource m_Items;
    bool m_bOwnBase = false;
    s32 m_nBase = 0;
    // Text limits: one line of m_nTextMax bytes (characters with m_bDbcs), or
    // m_nLines lines of m_nLineWidth.
    u32 m_nTextMax = 0;
    u32 m_bDbcs = 0;
    u32 m_nLineWidth = 0;
    u32 m_nLines = 0;
};

constexpr cBindRow Button(u16 wId)
{
    cBindRow r;
    r.m_wId = wId;
    r.m_eKind = eBind::Button;
    return r;
}

constexpr cBindRow Picture(u16 wId)
{
    cBindRow r = Button(wId);
    r.m_eKind = eBind::Picture;
    return r;
}

constexpr cBindRow Check(u16 wId, cFieldRef field)
{
    cBindRow r = Button(wId);
    r.m_eKind = eBind::Check;
    r.m_Field = field;
    return r;
}

// An edit within its own limits.
constexpr cBindRow Edit(u16 wId, cFieldRef field, double dMin, double dMax, u16 wSpin = 0, double dStep = 1)
{
    cBindRow r = Check(wId, field);
    r.m_eKind = eBind::Edit;
    r.m_bOwnRange = true;
    r.m_dMin = dMin;
    r.m_dMax = dMax;
    r.m_wSpin = wSpin;
    r.m_dStep = dStep;
    return r;
}

// An edit of a command parameter within the parameter's range.
constexpr cBindRow ParamEdit(u16 wId, u16 nParam, u16 wSpin = 0)
{
    cBindRow r = Check(wId, ParamField(nParam));
    r.m_eKind = eBind::Edit;
    r.m_wSpin = wSpin;
    return r;
}

constexpr cBindRow Combo(u16 wId, cFieldRef field, const cItemSource& items, s32 nBase = 0)
{
    cBindRow r = Check(wId, field);
    r.m_eKind = eBind::Combo;
    r.m_Items = items;
    r.m_bOwnBase = true;
    r.m_nBase = nBase;
    return r;
}

// A combo of a command parameter: its names and base from the parameter's
// description unless given.
constexpr cBindRow ParamCombo(u16 wId, u16 nParam)
{
    cBindRow r = Check(wId, ParamField(nParam));
    r.m_eKind = eBind::Combo;
    return r;
}

constexpr cBindRow ParamCombo(u16 wId, u16 nParam, const cItemSource& items)
{
    cBindRow r = ParamCombo(wId, nParam);
    r.m_Items = items;
    return r;
}

constexpr cBindRow Text(u16 wId, cFieldRef field, u32 nMax, u32 bDbcs)
{
    cBindRow r = Check(wId, field);
    r.m_eKind = eBind::Text;
    r.m_nTextMax = nMax;
    r.m_bDbcs = bDbcs;
    return r;
}

constexpr cBindRow TextLines(u16 wId, cFieldRef field, u32 bDbcs, u32 nLineWidth, u32 nLines)
{
    cBindRow r = Text(wId, field, 0, bDbcs);
    r.m_nLineWidth = nLineWidth;
    r.m_nLines = nLines;
    return r;
}

// A trackbar over a 32-bit field with its partner edit.
constexpr cBindRow Slider(u16 wId, cFieldRef field, s32 nMin, s32 nMax, s32 nPage, u16 wPartner)
{
    cBindRow r = Edit(wId, field, nMin, nMax, wPartner, 1);
    r.m_eKind = eBind::Slider;
    r.m_nPage = nPage;
    return r;
}

namespace bind_detail {
template <size_t T, size_t N>
constexpr void CopyRows(std::array<cBindRow, T>& rows, size_t& nAt, const cBindRow (&table)[N])
{
    for (size_t i = 0; i < N; ++i) rows[nAt++] = table[i];
}
}  // namespace bind_detail

// The rows of several tables in one, for dialogs that share some of their
// rows.
template <size_t... N>
constexpr std::array<cBindRow, (N + ...)> JoinRows(const cBindRow (&... tables)[N])
{
    std::array<cBindRow, (N + ...)> rows{};
    size_t nAt = 0;
    (bind_detail::CopyRows(rows, nAt, tables), ...);
    return rows;
}
