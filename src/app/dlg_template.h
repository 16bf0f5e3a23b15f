#pragma once
// Dialog templates as bytes (the resource form of DLGTEMPLATE and
// DLGTEMPLATEEX): the size of a property-sheet page is scaled by the sheet
// rate before the page is made.
#include <string>
#include <vector>

#include "app/types.h"

// Multiplies the template's width by dRateX and its height by dRateY,
// truncated toward zero. A rate of 1.0, or one that isn't a positive finite
// number, leaves that side alone. When the width is scaled, lpTrace receives
// the template's first twenty 16-bit words, one line each. False when the
// bytes are too short to be a template.
bool ScaleDialogTemplate(std::vector<u8>& tpl, double dRateX, double dRateY, std::vector<std::string>* lpTrace);

// The template's width and height in dialog units; false when too short.
bool GetDialogTemplateSize(const std::vector<u8>& tpl, s16& nWidth, s16& nHeight);
