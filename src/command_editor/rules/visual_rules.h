#pragma once
// Refresh rules of the status 2, vanish, item get, graphic change, effect,
// picture and screen colour dialogs.
#include "command_editor/rules/refresh.h"

// Status operation 2 (266): the states of the subject, the values of the
// state from the state's own base; the crush-avoidance controls count for
// the flight of a chara only.
void StateOp2Refresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Vanish (281): the range and the force count for charas and shots.
void VanishRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Item get (268): only the common palette while a common palette entry is
// edited; the items of the palette shown.
void ItemGetRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Graphic change (232): the number's and the offset's limits by the kind,
// the picker for the kinds that have a sheet.
void GraphicChangeRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Effect run (234): an erase disables the rest; the coordinates count for
// screen and stage positions.
void EffectRunRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Picture display (233): as the effect, then the time, the pause and the
// following by how long the picture shows; the ID by its check.
void PictureRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);
// Screen colour (238): restoring the colours disables the colour and the
// flash; the flash count counts for a flash.
void ScreenColorRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out);

// The sliders of the screen colour dialog.
enum : u16 {
    kColorRed = 1245,
    kColorGreen = 1246,
    kColorBlue = 1247,
    kColorPercent = 1251,
};
